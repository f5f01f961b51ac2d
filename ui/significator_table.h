#pragma once

#include "engine/chart.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

namespace lumikan::ui {

// One planet of the KP significator table: the houses it signifies, and the
// houses of itself and of its star, sub and sub-sub lords.
struct SignificatorEntry {
    engine::BodyId body = 0;
    QString planetName;
    std::vector<int> signifiedHouses;
    std::vector<int> planetHouses;
    std::vector<int> starLordHouses, subLordHouses, subSubLordHouses;
    QString starLordName, subLordName, subSubLordName;
};

// One entry per planet of the chart, in the chart's order, named in the
// planet-name form. A lord's houses are those its planet signifies through
// itself; a lord whose planet is not in the chart has none.
std::vector<SignificatorEntry> significatorEntries(const engine::Chart& chart, int planetNameForm);

// Entries that signify a house first, those with house 1 ahead of the rest,
// then by the lowest house; ties keep their order.
void orderSignificatorEntries(std::vector<SignificatorEntry>& entries);

enum class SignificatorRowKind { Planet, Lords };

// Text colours of the table: a planet row whose houses include a trikona
// (V, IX) or else a kendra (I, IV, VII, X) stands out; lord rows are grey.
inline constexpr QRgb kTrikonaRowText = 0x008200;
inline constexpr QRgb kKendraRowText = 0x0046A0;
inline constexpr QRgb kLordsRowText = 0x8C8C8C;

struct SignificatorRow {
    SignificatorRowKind kind = SignificatorRowKind::Planet;
    QStringList cells; // "Houses", "Planet", "Star Lord", "Sub Lord", "S.Sub Lord"
    // The fixed colour of the row; invalid for a planet row in the theme's text.
    QColor text;
};

// Two rows per entry: the signified houses as roman numerals with the planet
// and its lords' names, then the house numbers of the planet and each lord.
std::vector<SignificatorRow> significatorRows(const std::vector<SignificatorEntry>& entries);

} // namespace lumikan::ui
