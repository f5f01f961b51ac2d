#pragma once

namespace lumikan::ui {

class CChildFrame;

// Opens (or brings to front) the transit or event-timing window of a chart
// frame; the window lives as long as the frame. Nothing without a chart.
void openTransitWindow(CChildFrame* frame);
void openEventTimingWindow(CChildFrame* frame);

} // namespace lumikan::ui
