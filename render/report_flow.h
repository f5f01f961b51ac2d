#pragma once

#include "render/report_pages.h"

#include <QString>

#include <vector>

namespace lumikan::render {

// Lays content down the page area page after page: the report is as long as
// its content. Positions are device pixels of the page.
class ReportFlow {
public:
    explicit ReportFlow(const ReportMetrics& metrics);

    const ReportMetrics& metrics() const { return metrics_; }
    ReportPage& page() { return pages_.back(); }
    int pageCount() const { return int(pages_.size()); }

    // Where the next content goes.
    int y() const { return y_; }
    void moveTo(int y) { y_ = y; }
    int top() const;
    int bottom() const;
    bool atTopOfPage() const { return y_ == top(); }

    void newPage();
    // A new page when `height` does not fit below y and the page already
    // holds something (what is taller than a page starts at a page top).
    void keepTogether(int height);

    // The pages, each with its footer: `name` on the left, "Page %d of %d" on
    // the right, under a thin rule below the page area.
    std::vector<ReportPage> finish(const QString& name);

private:
    ReportMetrics metrics_;
    std::vector<ReportPage> pages_;
    int y_ = 0;
};

// "Page %d of %d".
QString pageNumberText(int page, int count);

} // namespace lumikan::render
