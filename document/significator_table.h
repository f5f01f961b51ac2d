#pragma once

#include "engine/chart.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace lumikan::document {

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

// What makes a row stand out: a planet row whose houses include a trikona
// (V, IX), or else a kendra (I, IV, VII, X); lord rows are quiet.
enum class SignificatorEmphasis { None, Trikona, Kendra, Lords };

struct SignificatorRow {
    SignificatorRowKind kind = SignificatorRowKind::Planet;
    QStringList cells; // "Houses", "Planet", "Star Lord", "Sub Lord", "S.Sub Lord"
    SignificatorEmphasis emphasis = SignificatorEmphasis::None;
    engine::BodyId body = 0; // the planet of the entry
};

// Two rows per entry: the signified houses as roman numerals with the planet
// and its lords' names, then the house numbers of the planet and each lord.
std::vector<SignificatorRow> significatorRows(const std::vector<SignificatorEntry>& entries);

} // namespace lumikan::document
