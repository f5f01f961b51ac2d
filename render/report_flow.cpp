#include "render/report_flow.h"

#include "render/contrast.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

namespace {

constexpr QRgb kRuleColor = 0xB4C8E6;
constexpr QRgb kFooterText = 0x646478;

} // namespace

QString pageNumberText(int page, int count)
{
    return QStringLiteral("Page %1 of %2").arg(page).arg(count);
}

ReportFlow::ReportFlow(const ReportMetrics& metrics) : metrics_(metrics)
{
    newPage();
}

int ReportFlow::top() const
{
    return metrics_.pageArea.top();
}

int ReportFlow::bottom() const
{
    return metrics_.pageArea.y() + metrics_.pageArea.height();
}

void ReportFlow::newPage()
{
    ReportPage page;
    page.number = int(pages_.size()) + 1;
    pages_.push_back(std::move(page));
    y_ = top();
}

void ReportFlow::keepTogether(int height)
{
    if (y_ + height > bottom() && !atTopOfPage())
        newPage();
}

std::vector<ReportPage> ReportFlow::finish(const QString& name)
{
    const ReportMetrics& m = metrics_;
    const int count = int(pages_.size());
    const QRect& area = m.pageArea;
    const int bottomEdge = bottom();
    const QColor ink = readableOn(QColor::fromRgb(kFooterText), Qt::white);
    for (ReportPage& page : pages_) {
        page.items.push_back(ReportFill{QRect(area.left(), bottomEdge, area.width(), 1),
                                        QColor::fromRgb(kRuleColor)});
        const QString number = pageNumberText(page.number, count);
        const int numberWidth =
            int(std::ceil(reportFontMetrics(ReportFont::Small, m).horizontalAdvance(number))) + 1;
        const int top = bottomEdge + m.gap / 2;
        const int height = 2 * m.smallHeight;
        const int nameWidth = std::max(1, area.width() - numberWidth - m.gap);
        page.items.push_back(reportText(QRect(area.left(), top, nameWidth, height), name, ink,
                                        ReportFont::Small, Qt::AlignLeft | Qt::AlignTop, m));
        page.items.push_back(
            reportText(QRect(area.right() + 1 - numberWidth, top, numberWidth, height), number, ink,
                       ReportFont::Small, Qt::AlignRight | Qt::AlignTop, m));
    }
    return std::move(pages_);
}

} // namespace lumikan::render
