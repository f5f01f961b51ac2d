#include "engine/bodies.h"
#include "engine/cast_chart.h"
#include "qt_test_app.h"
#include "render/contrast.h"
#include "ui/notes_editor.h"
#include "ui/planet_tooltip.h"
#include "ui/verokant_view.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

TEST(NotesDateStamp, OncePerDayOnTheLastLine)
{
    const engine::LocalDateTime fifth{2026, 12, 5};
    EXPECT_EQ(notesDateStamp(fifth), "[5/Dec/2026] ");
    EXPECT_EQ(notesDateStamp(engine::LocalDateTime{812, 1, 31}), "[31/Jan/0812] ");

    EXPECT_EQ(notesWithDateStamp("", fifth), "[5/Dec/2026] ");
    // A stamp alone, or a stamp with a note after it, is today's entry already.
    EXPECT_EQ(notesWithDateStamp("[5/Dec/2026] ", fifth), "[5/Dec/2026] ");
    EXPECT_EQ(notesWithDateStamp("a\n  [5/Dec/2026] Moon strong", fifth),
              "a\n  [5/Dec/2026] Moon strong");
    EXPECT_EQ(notesWithDateStamp("[4/Dec/2026] Saturn", fifth),
              "[4/Dec/2026] Saturn\n[5/Dec/2026] ");
    // Only the last line counts.
    EXPECT_EQ(notesWithDateStamp("[5/Dec/2026] x\nmore", fifth),
              "[5/Dec/2026] x\nmore\n[5/Dec/2026] ");
}

TEST(NotesEditor, PlaceholderIsNeverReportedAsNotesAndEnteringChangesNothing)
{
    test::qtApp();
    engine::LocalDateTime today{2026, 12, 5};
    CNotesEditor editor([&today] { return today; });
    QStringList edits;
    QObject::connect(&editor, &CNotesEditor::notesEdited,
                     [&edits](const QString& notes) { edits << notes; });
    EXPECT_TRUE(editor.showsPlaceholder());
    EXPECT_EQ(editor.toPlainText(), kNotesPlaceholder);
    EXPECT_TRUE(editor.notes().isEmpty());

    auto focus = [&editor](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&editor, &event);
    };
    auto type = [&editor](const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&editor, &press);
        }
    };
    // Entering and leaving without typing: no edit, the cue comes back.
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    EXPECT_FALSE(editor.showsPlaceholder());
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    focus(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_TRUE(editor.showsPlaceholder());
    EXPECT_TRUE(edits.isEmpty());

    // The first key typed brings the stamp in front of it.
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    type("Moon");
    EXPECT_EQ(editor.notes(), "[5/Dec/2026] Moon");
    EXPECT_EQ(edits.last(), "[5/Dec/2026] Moon");
    EXPECT_EQ(editor.textCursor().position(), editor.toPlainText().size());

    // Typing again the same day, in a later visit: no second stamp.
    focus(QEvent::FocusOut, Qt::MouseFocusReason);
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    type("!");
    EXPECT_EQ(editor.notes(), "[5/Dec/2026] Moon!");

    // Correcting earlier text does not stamp it; new text at the end the next day does.
    today = engine::LocalDateTime{2026, 12, 6};
    focus(QEvent::FocusOut, Qt::MouseFocusReason);
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QTextCursor start = editor.textCursor();
    start.setPosition(13);
    editor.setTextCursor(start);
    type("Full ");
    EXPECT_EQ(editor.notes(), "[5/Dec/2026] Full Moon!");
    focus(QEvent::FocusOut, Qt::MouseFocusReason);
    focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::clipboard()->setText("Saturn");
    editor.paste();
    EXPECT_EQ(editor.notes(), "[5/Dec/2026] Full Moon!\n[6/Dec/2026] Saturn");

    // Only blanks typed: the cue comes back, the blanks were the last edit.
    editor.selectAll();
    editor.textCursor().insertText("   ");
    EXPECT_EQ(edits.last(), "   ");
    const qsizetype editsBefore = edits.size();
    focus(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_TRUE(editor.showsPlaceholder());
    EXPECT_EQ(edits.size(), editsBefore);
    EXPECT_TRUE(editor.notes().isEmpty());

    // Coming back from a context menu keeps everything as it was.
    focus(QEvent::FocusIn, Qt::PopupFocusReason);
    editor.loadNotes("Old note");
    EXPECT_EQ(edits.size(), editsBefore);
    EXPECT_EQ(editor.notes(), "Old note");
}

engine::PlanetPosition mercury()
{
    engine::PlanetPosition p = test::sampleMercury();
    p.charaKarakaRank = 1;
    p.speed = -0.5;
    p.shadbala = 300.7;
    return p;
}

const PlanetTooltipLayout::Text* findText(const PlanetTooltipLayout& layout, const QString& text)
{
    for (const auto& t : layout.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

TEST(PlanetTooltip, DetailRecordAndCardLayout)
{
    engine::ShadbalaResult strength;
    strength.sthana = 120.4;
    strength.drik = -3.6;
    const PlanetDetail detail = planetDetail(mercury(), strength, 2);
    EXPECT_EQ(detail.title, "Mercury");
    EXPECT_EQ(detail.dignity, "Exalted") << "exaltation before own sign";
    EXPECT_EQ(detail.karaka, "AmK");
    EXPECT_EQ(detail.shadbala, 300);
    ASSERT_EQ(detail.extraPairs.size(), 8u);
    EXPECT_EQ(detail.extraPairs[1], std::make_pair(QString("Sub-Sub Lord"), QString("Ketu")));
    EXPECT_EQ(detail.extraPairs[2].second, "120");
    EXPECT_EQ(detail.extraPairs[7].second, "-4");

    const PlanetTooltipLayout card = layoutPlanetTooltip(detail);
    // 65 + 10 rows of 21 + 3 separators of 9 + the bar's 20 + 10.
    EXPECT_EQ(card.width, 370);
    EXPECT_EQ(card.height, 332);
    const auto* subtitle = findText(card, QString::fromUtf8("in Virgo  ♍   ® Retrograde"));
    ASSERT_TRUE(subtitle);
    EXPECT_EQ(subtitle->rect, QRect(48, 34, 310, 18));
    const auto* rashi = findText(card, "Rashi");
    ASSERT_TRUE(rashi);
    EXPECT_EQ(rashi->rect, QRect(12, 65, 88, 21));
    const auto* pada = findText(card, "2 R");
    ASSERT_TRUE(pada);
    EXPECT_EQ(pada->rect.topLeft(), QPoint(100, 107));
    ASSERT_TRUE(findText(card, "Exalted"));
    EXPECT_EQ(findText(card, "Exalted")->color, QColor::fromRgb(0x48D77D));
    ASSERT_TRUE(findText(card, "300 / 700"));
    EXPECT_EQ(card.bar.track, QRect(12, 65 + 3 * 21 + 9 + 21 + 6, 346, 7));
    EXPECT_EQ(card.bar.fillWidth, 288); // trunc(300 / 360 x 346)
    ASSERT_TRUE(findText(card, QString::fromUtf8("15° 30' 00\"")));
    const auto* speed = findText(card, QString::fromUtf8("-0.5000°/day"));
    ASSERT_TRUE(speed);
    EXPECT_EQ(speed->color, QColor::fromRgb(0xFF8037));
    EXPECT_EQ(findText(card, "Drik Bala")->rect.left(), 189);

    // A body without glyph or strength: texts from x 12, a single strength row.
    engine::PlanetPosition fortuna = mercury();
    fortuna.body = engine::body::Fortuna;
    fortuna.shadbala = 0.0;
    fortuna.dignity = {};
    fortuna.dignity.combust = true;
    const PlanetTooltipLayout plain = layoutPlanetTooltip(planetDetail(fortuna, {}, 2));
    EXPECT_EQ(findText(plain, "Fortuna")->rect.left(), 12);
    EXPECT_FALSE(findText(plain, "Shadbala"));
    EXPECT_EQ(plain.height, 332);
    EXPECT_EQ(findText(plain, QString::fromUtf8("2 ☉"))->text, QString::fromUtf8("2 ☉"));
}

TEST(PlanetTooltip, StrengthBarDignityColoursAndPlacement)
{
    EXPECT_EQ(strengthBarFill(-20), 0);
    EXPECT_EQ(strengthBarFill(100), 96);
    EXPECT_EQ(strengthBarFill(5000), 346);
    EXPECT_EQ(strengthBarColor(100), QColor::fromRgb(0xFF4B4B)); // 0.278
    EXPECT_EQ(strengthBarColor(101), QColor::fromRgb(0xFFC542));
    EXPECT_EQ(strengthBarColor(198), QColor::fromRgb(0x48D77D)); // 0.55

    EXPECT_EQ(dignityColor("Debilitated", true), QColor::fromRgb(0xFF4B4B));
    EXPECT_EQ(dignityColor("", true), QColor::fromRgb(0xFF8037));

    const QRect screen(0, 0, 1920, 1080);
    const QSize card(370, 332);
    EXPECT_EQ(planetTooltipPosition({100, 100}, card, screen), QPoint(116, 116));
    EXPECT_EQ(planetTooltipPosition({1700, 100}, card, screen), QPoint(1314, 116));
    EXPECT_EQ(planetTooltipPosition({100, 900}, card, screen), QPoint(116, 552));
}

TEST(PlanetTooltip, CardPaintsItsColours)
{
    test::qtApp();
    CPlanetTooltip tooltip;
    tooltip.showFor(planetDetail(mercury(), {}, 0), QPoint(50, 50));
    const PlanetTooltipLayout& card = tooltip.cardLayout();
    QImage image = test::whiteImage(card.width, card.height);
    {
        QPainter painter(&image);
        tooltip.paintCard(painter);
    }
    test::keepImage(image, "planet-tooltip");
    EXPECT_EQ(image.pixelColor(200, 60), QColor::fromRgb(0x141C38));
    EXPECT_EQ(image.pixelColor(200, 2), QColor::fromRgb(0xFFC542));
    EXPECT_EQ(image.pixelColor(3, 200), QColor::fromRgb(0x0E1324));
    const QRect track = card.bar.track;
    EXPECT_EQ(image.pixelColor(track.left() + 5, track.center().y()), QColor::fromRgb(0x48D77D));
    EXPECT_EQ(image.pixelColor(track.right() - 5, track.center().y()), QColor::fromRgb(0x202A4C));
    EXPECT_TRUE(tooltip.isVisible());
}

TEST(ChartTables, HeaderTooltipsAndCaptionColour)
{
    for (const auto& tips : {planetTableTooltips(), cuspTableTooltips()}) {
        EXPECT_FALSE(tips.count(2)) << "Sign";
        EXPECT_FALSE(tips.count(3)) << "Degree";
    }
    EXPECT_EQ(significatorTableTooltips().size(), 5u);

    // Near-black captions on light panels; on a dark panel as light as they must be to read.
    EXPECT_EQ(chartCaptionColor(render::COLOR_THEMES[0].colors), QColor::fromRgb(0x282828));
    for (int dark : {3, 7, 15}) {
        const render::ColorTheme& theme = render::COLOR_THEMES[std::size_t(dark)].colors;
        EXPECT_GE(render::contrastRatio(chartCaptionColor(theme), QColor(theme.chartPanelBody)),
                  4.5)
            << dark;
    }
}

} // namespace
} // namespace lumikan::ui
