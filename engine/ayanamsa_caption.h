#pragma once

#include "engine/ayanamsa_mode.h"

#include <string>

namespace lumikan::engine {

// "Ayanamsa: Krishnamurti | 23°43'12"" for the mode and its value (degrees) at
// the chart's moment; "Ayanamsa: Sayana (Tropical)" for Sayana.
std::string ayanamsaCaption(AyanamsaMode mode, double ayanamsaDeg);

}  // namespace lumikan::engine
