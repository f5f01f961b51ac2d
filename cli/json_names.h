#pragma once

#include "engine/bodies.h"

#include <string_view>

namespace lumikan::cli {

// How JSON names bodies and lords: always by name, never by number.
// "Sun" ... "Pluto", "Rahu", "Ketu", "Fortuna".
std::string_view jsonBodyName(engine::BodyId body);
// The nine Vimshottari lords by the same names: "Ketu", "Venus", ...
std::string_view jsonLordName(engine::LordIndex lord);

} // namespace lumikan::cli
