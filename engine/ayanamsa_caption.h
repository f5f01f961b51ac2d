#pragma once

#include "engine/ephemeris.h"

#include <string>

namespace lumikan::engine {

// "Ayanamsa: Krishnamurti | 23°43'12"" for the mode in force; the value is the
// custom value, or the library's ayanamsa at julianDayUt.
std::string ayanamsaCaption(AyanamsaMode mode, const EphemerisContext& context,
                            double julianDayUt);

}  // namespace lumikan::engine
