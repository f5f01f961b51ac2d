#pragma once

#include "engine/bodies.h"

#include <optional>
#include <vector>

namespace lumikan::engine {

struct KpSubTableEntry {
    int number = 0;  // horary number 1..249
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    double start = 0.0;  // sidereal degrees
    double end = 0.0;
};

inline constexpr int kHoraryNumberCount = 249;

// The KP horary table: the 243 subs in zodiac order, with each sub that a sign
// boundary cuts split in two at that boundary, giving 249 entries.
std::vector<KpSubTableEntry> buildKpSubTable();

// The ascendant of a horary number 1..249 (the start of its entry); empty for
// any other number.
std::optional<double> horaryAscendantFor(int number);

}  // namespace lumikan::engine
