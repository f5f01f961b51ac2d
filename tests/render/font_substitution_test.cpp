#include "render/font_substitution.h"

#include "gui_test_app.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace lumikan::render {
namespace {

// Every glyph the windows show beyond plain Latin text.
const char* const kNeededText = "Su Mo Ma ॐ ☽ ★ ♥ ✔ ✘ ♈♉♊♋♌♍♎♏♐♑♒♓ ☉☽☿♀♂♃♄♅♆♇ ☊ ☋ ▼ ▶ ● ® ° … Ä é";

// The glyphs the font draws the text with, and the families they come from.
struct Shaped {
    int missingGlyphs = 0;
    int glyphs = 0;
    QStringList families;
};

Shaped shape(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    Shaped result;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            ++result.glyphs;
            result.missingGlyphs += glyph == 0 ? 1 : 0;
        }
        if (!result.families.contains(run.rawFont().familyName()))
            result.families << run.rawFont().familyName();
    }
    return result;
}

TEST(FontSubstitution, EveryNamedFamilyDrawsEveryNeededGlyph)
{
    test::guiApp();
    const QString text = QString::fromUtf8(kNeededText);
    for (const FontSubstitution& entry : FONT_SUBSTITUTIONS) {
        const QString family =
            QString::fromLatin1(entry.family.data(), qsizetype(entry.family.size()));
        SCOPED_TRACE(family.toStdString());

        const QFont font = designFont(family, 10.0);
        const Shaped shaped = shape(text, font);
        EXPECT_GT(shaped.glyphs, 40);
        EXPECT_EQ(shaped.missingGlyphs, 0) << shaped.families.join(", ").toStdString();
        // The look comes from the first installed family.
        EXPECT_EQ(QFontInfo(font).family(), installedFamiliesFor(family).front());

        // A plain QFont of the name resolves through the registered substitutions too.
        QFont plain(family);
        plain.setPointSizeF(10.0);
        EXPECT_EQ(QFontInfo(plain).family(), installedFamiliesFor(family).front());
        EXPECT_EQ(shape(text, plain).missingGlyphs, 0);
    }
}

TEST(FontSubstitution, SemiboldIsAWeightOfSegoeUi)
{
    test::guiApp();
    EXPECT_EQ(installedFamiliesFor(u"segoe ui"), installedFamiliesFor(u"Segoe UI"));
    EXPECT_EQ(installedFamiliesFor(u"Some Other Font"), QStringList{"Some Other Font"});

    const QFont semibold = designFont(u"Segoe UI Semibold", 7.8);
    EXPECT_GE(semibold.weight(), QFont::DemiBold);
    EXPECT_EQ(semibold.pointSizeF(), 7.8);
    EXPECT_EQ(designFont(u"Segoe UI", 9.0, QFont::Bold).weight(), QFont::Bold);
    EXPECT_EQ(designFont(u"Segoe UI", 9.0).weight(), QFont::Normal);
}

} // namespace
} // namespace lumikan::render
