#pragma once

#include <QFont>
#include <QStringList>
#include <QStringView>

#include <array>
#include <string_view>

namespace lumikan::render {

// The windows name their fonts by the families of the system they were drawn
// for. Those are not installed here, so each maps to installed families
// (fonts-dejavu-core, fonts-noto-core) that together hold every glyph the
// windows show: Latin text, ॐ ☽ ★ ♥ ✔ ✘ ▼ ▶ ● ♈…♓ ☉…♇ ☊ ☋. The first family
// sets the look; the others supply the glyphs it lacks.
struct FontSubstitution {
    std::string_view family;                   // as the windows name it
    std::array<std::string_view, 5> installed; // in order of preference
};

inline constexpr std::array<FontSubstitution, 7> FONT_SUBSTITUTIONS = {{
    // Noto Sans is close to Segoe UI in width; DejaVu Sans has the symbols.
    {"Segoe UI",
     {"Noto Sans", "DejaVu Sans", "Noto Sans Symbols", "Noto Sans Symbols2",
      "Noto Sans Devanagari"}},
    {"Segoe UI Semibold",
     {"Noto Sans", "DejaVu Sans", "Noto Sans Symbols", "Noto Sans Symbols2",
      "Noto Sans Devanagari"}},
    {"Segoe UI Symbol",
     {"DejaVu Sans", "Noto Sans Symbols", "Noto Sans Symbols2", "Noto Sans",
      "Noto Sans Devanagari"}},
    {"Arial Unicode MS",
     {"Noto Sans", "DejaVu Sans", "Noto Sans Devanagari", "Noto Sans Symbols",
      "Noto Sans Symbols2"}},
    {"Georgia",
     {"DejaVu Serif", "Noto Serif", "DejaVu Sans", "Noto Sans Symbols2", "Noto Sans Devanagari"}},
    {"Palatino Linotype",
     {"Noto Serif", "DejaVu Serif", "DejaVu Sans", "Noto Sans Symbols2", "Noto Sans Devanagari"}},
    {"Times New Roman",
     {"Noto Serif", "DejaVu Serif", "DejaVu Sans", "Noto Sans Symbols2", "Noto Sans Devanagari"}},
}};

// The installed families standing in for a family the windows name; a family
// not in the table stands for itself.
QStringList installedFamiliesFor(QStringView family);

// Registers the table with Qt's font matching, so that a QFont made with one
// of the names above also resolves to installed families. Call once after the
// application object exists; calling again does no harm.
void installFontSubstitutions();

// A font of a family the windows name, at a size in points. "Segoe UI
// Semibold" is the semibold weight of Segoe UI: it is never lighter than
// DemiBold (the installed families have no semibold, so it draws bold).
QFont designFont(QStringView family, qreal pointSize, QFont::Weight weight = QFont::Normal);

} // namespace lumikan::render
