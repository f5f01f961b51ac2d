#include "engine/kp_sub_table.h"

#include "engine/zodiac.h"

#include <array>
#include <cmath>

namespace lumikan::engine {

namespace {

// A sign boundary strictly inside [start, end), if any. Subs are far narrower
// than a sign, so one boundary at most.
std::optional<double> signBoundaryInside(double start, double end)
{
    const double boundary = std::ceil(start / 30.0) * 30.0;
    // Ignore boundaries within rounding distance of either edge.
    constexpr double kEpsilon = 1e-9;
    if (boundary > start + kEpsilon && boundary < end - kEpsilon)
        return boundary;
    return std::nullopt;
}

const std::vector<KpSubTableEntry>& cachedTable()
{
    static const std::vector<KpSubTableEntry> table = [] {
        std::vector<KpSubTableEntry> entries;
        entries.reserve(kHoraryNumberCount);
        int number = 1;
        for (int n = 0; n < kNakshatraCount; ++n) {
            double p = n * kNakshatraSpanExact;
            for (int k = 0; k < kLordCount; ++k) {
                const LordIndex lord = (n + k) % kLordCount;
                const double end = n == kNakshatraCount - 1 && k == kLordCount - 1
                                       ? 360.0
                                       : p + DASHA_YEARS_REAL[lord] / kDashaCycleYears *
                                                 kNakshatraSpanExact;
                const LordIndex star = n % kLordCount;
                if (auto boundary = signBoundaryInside(p, end)) {
                    entries.push_back({number++, star, lord, p, *boundary});
                    entries.push_back({number++, star, lord, *boundary, end});
                } else {
                    entries.push_back({number++, star, lord, p, end});
                }
                p = end;
            }
        }
        return entries;
    }();
    return table;
}

}  // namespace

std::vector<KpSubTableEntry> buildKpSubTable() { return cachedTable(); }

std::optional<double> horaryAscendantFor(int number)
{
    if (number < 1 || number > kHoraryNumberCount)
        return std::nullopt;
    return cachedTable()[static_cast<std::size_t>(number - 1)].start;
}

}  // namespace lumikan::engine
