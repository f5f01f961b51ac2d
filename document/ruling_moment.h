#pragma once

#include "engine/clock.h"

#include <QString>

namespace lumikan::document {

class CVerokantDoc;

// The ruling planets of "now" are cast for the chart's ruling-planet place;
// whoever shows them says for which moment and where.

// That place by name: the settings' ruling-planet city when it is the
// settings' place, the birth city when the birth place stands in, else its
// coordinates.
QString rulingPlaceName(const CVerokantDoc& doc);

// "Ruling planets now — 6 Dec 2026 10:30 IST, Pune" for the moment of the
// document's current ruling planets when the clock shows that minute,
// "Ruling planets — …" for another chosen moment. The moment is local time
// of the ruling-planet place.
QString rulingPlanetsTitle(const CVerokantDoc& doc);

} // namespace lumikan::document
