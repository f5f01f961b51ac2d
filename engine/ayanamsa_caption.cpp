#include "engine/ayanamsa_caption.h"

#include <cmath>
#include <cstdio>

namespace lumikan::engine {

std::string ayanamsaCaption(AyanamsaMode mode, double ayanamsaDeg)
{
    if (mode == AyanamsaMode::Sayana)
        return "Ayanamsa: Sayana (Tropical)";
    const double v = ayanamsaDeg;
    const int degrees = static_cast<int>(std::trunc(v));
    const double m = (v - degrees) * 60.0;
    const int minutes = static_cast<int>(std::trunc(m));
    const int seconds = static_cast<int>(std::trunc((m - minutes) * 60.0));
    char buf[128];
    std::snprintf(buf, sizeof buf, "Ayanamsa: %s | %02d\u00b0%02d'%02d\"",
                  std::string(ayanamsaModeName(mode)).c_str(), degrees, minutes, seconds);
    return buf;
}

}  // namespace lumikan::engine
