#pragma once

#include <string_view>

namespace lumikan::engine {

// The ayanamsa setting. Any other stored value counts as Krishnamurti.
enum class AyanamsaMode { Lahiri = 0, Sayana = 1, Raman = 2, Krishnamurti = 3, Custom = 4 };

AyanamsaMode ayanamsaModeFromInt(int value);
// "Lahiri", "Sayana", "Raman", "Krishnamurti", "Custom".
std::string_view ayanamsaModeName(AyanamsaMode mode);

}  // namespace lumikan::engine
