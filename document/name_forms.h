#pragma once

#include "engine/bodies.h"

#include <QString>

namespace lumikan::document {

// Names in the forms the settings choose. Planet form: 1 "Mon", 2 "Moon",
// anything else "MON".
QString planetNameInForm(engine::BodyId body, int form);
// A lord named through its body; a lord outside 0..8 is named as the Sun.
QString lordNameInForm(engine::LordIndex lord, int form);
// Nakshatra form: 1 "P.Phalguni", 2 "Purva Phalguni", anything else
// "P.PHALGUNI"; an index outside 0..26 gives "-".
QString nakshatraNameInForm(int nakshatra, int form);
// Sign form: 1 "Sg", 2 "Sagittarius", anything else "SAGITTARIUS"; an index
// outside 0..11 gives "?".
QString signNameInForm(int sign, int form);

}  // namespace lumikan::document
