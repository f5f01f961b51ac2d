#include "render/font_substitution.h"

namespace lumikan::render {

namespace {

const FontSubstitution* findSubstitution(QStringView family)
{
    for (const FontSubstitution& entry : FONT_SUBSTITUTIONS) {
        const QLatin1StringView name(entry.family.data(), qsizetype(entry.family.size()));
        if (family.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace

QStringList installedFamiliesFor(QStringView family)
{
    const FontSubstitution* entry = findSubstitution(family);
    if (!entry)
        return {family.toString()};
    QStringList families;
    for (std::string_view installed : entry->installed)
        if (!installed.empty())
            families << QString::fromLatin1(installed.data(), qsizetype(installed.size()));
    return families;
}

void installFontSubstitutions()
{
    for (const FontSubstitution& entry : FONT_SUBSTITUTIONS) {
        const QString family =
            QString::fromLatin1(entry.family.data(), qsizetype(entry.family.size()));
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, installedFamiliesFor(family));
    }
}

QFont designFont(QStringView family, qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(installedFamiliesFor(family));
    font.setPointSizeF(pointSize);
    if (family.compare(QLatin1StringView("Segoe UI Semibold"), Qt::CaseInsensitive) == 0 &&
        weight < QFont::DemiBold)
        weight = QFont::DemiBold;
    font.setWeight(weight);
    return font;
}

} // namespace lumikan::render
