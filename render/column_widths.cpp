#include "render/column_widths.h"

#include <algorithm>

namespace lumikan::render {

std::vector<qreal> fitColumnWidths(const std::vector<ColumnNeed>& needs, qreal available)
{
    qreal minimumSum = 0;
    qreal naturalSum = 0;
    for (const ColumnNeed& need : needs) {
        minimumSum += need.minimum;
        naturalSum += std::max(need.natural, need.minimum);
    }
    std::vector<qreal> widths;
    widths.reserve(needs.size());
    available = std::max<qreal>(available, 0);
    if (naturalSum <= available) {
        for (const ColumnNeed& need : needs)
            widths.push_back(std::max(need.natural, need.minimum));
    } else if (minimumSum <= available) {
        // The width `level` every column reaches unless its natural width is
        // less (or its minimum more): found by halving, as the total grows
        // with the level.
        auto total = [&](qreal level) {
            qreal sum = 0;
            for (const ColumnNeed& need : needs)
                sum += std::clamp(level, need.minimum, std::max(need.natural, need.minimum));
            return sum;
        };
        qreal low = 0, high = available;
        for (int i = 0; i < 60; ++i) {
            const qreal mid = (low + high) / 2;
            if (total(mid) <= available)
                low = mid;
            else
                high = mid;
        }
        for (const ColumnNeed& need : needs)
            widths.push_back(std::clamp(low, need.minimum, std::max(need.natural, need.minimum)));
    } else {
        for (const ColumnNeed& need : needs)
            widths.push_back(minimumSum > 0 ? need.minimum * available / minimumSum
                                            : available / qreal(needs.size()));
    }
    return widths;
}

} // namespace lumikan::render
