#pragma once

#include <QtGlobal>

#include <vector>

namespace lumikan::render {

// What one table column needs across, in pixels: at least `minimum` (its
// widest word), ideally `natural` (its widest text on one line).
struct ColumnNeed {
    qreal minimum = 0;
    qreal natural = 0;
};

// Widths for columns sharing `available` pixels: every column its natural
// width when they all fit (the sum may then be less than `available`).
// Otherwise the room is shared out evenly: the narrow columns keep their
// natural width and the wide ones wrap at one common width, never below their
// minimum. When even the minimums do not fit, they shrink in proportion.
std::vector<qreal> fitColumnWidths(const std::vector<ColumnNeed>& needs, qreal available);

} // namespace lumikan::render
