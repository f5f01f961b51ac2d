#include "render/report_pages.h"

#include "render/font_substitution.h"
#include "render/text_wrap.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::render {

namespace {

// Windows' MulDiv: a x b / c rounded to the nearest integer.
int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

void paintText(QPainter& painter, const ReportText& text, const QFont& font)
{
    painter.setFont(font);
    painter.setPen(text.color);
    const int lineHeight = std::max(1, text.lineHeight);
    const int block = int(text.lines.size()) * lineHeight;
    int top = text.rect.top();
    if (text.alignment & Qt::AlignVCenter)
        top += (text.rect.height() - block) / 2;
    else if (text.alignment & Qt::AlignBottom)
        top += text.rect.height() - block;
    const int horizontal = text.alignment & Qt::AlignHorizontal_Mask;
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const QRect line(text.rect.left(), top + int(i) * lineHeight, text.rect.width(),
                         lineHeight);
        painter.drawText(line,
                         horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                         text.lines[i]);
    }
}

} // namespace

ReportMetrics reportMetrics(const QRect& drawingRect, int dpiX, int dpiY,
                            const QPaintDevice* device)
{
    ReportMetrics m;
    m.dpiX = dpiX;
    m.dpiY = dpiY;
    m.device = device;
    m.pageArea = drawingRect.adjusted(dpiX / 2, dpiY / 2, -(dpiX / 2), -(dpiY / 2));
    m.bodyHeight = mulDiv(9, dpiY, 72);
    m.headingHeight = mulDiv(13, dpiY, 72);
    m.smallHeight = mulDiv(7, dpiY, 72);
    m.titleHeight = mulDiv(18, dpiY, 72);
    m.rowHeight = int(std::lround(1.55 * m.bodyHeight));
    m.gap = dpiY / 5;
    m.inset = m.bodyHeight / 3;
    m.lineHeight =
        std::max(reportLineHeight(ReportFont::Body, m), reportLineHeight(ReportFont::Bold, m));
    return m;
}

QFont reportFont(ReportFont role, const ReportMetrics& metrics)
{
    QFont font;
    switch (role) {
    case ReportFont::Body:
        font = designFont(u"Segoe UI", 9);
        font.setPixelSize(std::max(1, metrics.bodyHeight));
        break;
    case ReportFont::Bold:
        font = designFont(u"Segoe UI", 9, QFont::Bold);
        font.setPixelSize(std::max(1, metrics.bodyHeight));
        break;
    case ReportFont::Heading:
        font = designFont(u"Segoe UI", 13, QFont::Bold);
        font.setPixelSize(std::max(1, metrics.headingHeight));
        break;
    case ReportFont::Small:
        font = designFont(u"Segoe UI", 7);
        font.setPixelSize(std::max(1, metrics.smallHeight));
        break;
    case ReportFont::Title:
        font = designFont(u"Segoe UI", 18, QFont::Bold);
        font.setPixelSize(std::max(1, metrics.titleHeight));
        break;
    }
    return font;
}

QFontMetricsF reportFontMetrics(ReportFont role, const ReportMetrics& metrics)
{
    return QFontMetricsF(reportFont(role, metrics), metrics.device);
}

int reportLineHeight(ReportFont role, const ReportMetrics& metrics)
{
    return int(std::ceil(reportFontMetrics(role, metrics).lineSpacing()));
}

ReportText reportText(const QRect& rect, const QString& text, QColor color, ReportFont font,
                      int alignment, const ReportMetrics& metrics)
{
    ReportText t;
    t.text = text;
    t.color = color;
    t.font = font;
    t.alignment = alignment;
    t.lineHeight = reportLineHeight(font, metrics);
    t.lines = wrapText(text, reportFont(font, metrics), rect.width(), metrics.device);
    t.rect = rect;
    const int needed = int(t.lines.size()) * t.lineHeight;
    if (needed > rect.height())
        t.rect.setHeight(needed);
    return t;
}

std::vector<const ReportText*> ReportPage::texts() const
{
    std::vector<const ReportText*> found;
    for (const ReportItem& item : items)
        if (const auto* text = std::get_if<ReportText>(&item))
            found.push_back(text);
    return found;
}

const ReportText* ReportPage::findText(const QString& text) const
{
    for (const ReportItem& item : items)
        if (const auto* t = std::get_if<ReportText>(&item); t && t->text == text)
            return t;
    return nullptr;
}

const ReportText* ReportPage::findTextStarting(const QString& prefix) const
{
    for (const ReportItem& item : items)
        if (const auto* t = std::get_if<ReportText>(&item); t && t->text.startsWith(prefix))
            return t;
    return nullptr;
}

void paintReportPage(QPainter& painter, const ReportPage& page, const ReportMetrics& metrics,
                     const ReportDiagramPainter& diagrams)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::array<QFont, 5> fonts = {
        reportFont(ReportFont::Body, metrics), reportFont(ReportFont::Bold, metrics),
        reportFont(ReportFont::Heading, metrics), reportFont(ReportFont::Small, metrics),
        reportFont(ReportFont::Title, metrics)};
    for (const ReportItem& item : page.items) {
        if (const auto* fill = std::get_if<ReportFill>(&item)) {
            painter.fillRect(fill->rect, fill->color);
        } else if (const auto* frame = std::get_if<ReportFrame>(&item)) {
            const QRect& r = frame->rect;
            const int w = std::min({frame->width, r.width(), r.height()});
            painter.fillRect(QRect(r.left(), r.top(), r.width(), w), frame->color);
            painter.fillRect(QRect(r.left(), r.top() + r.height() - w, r.width(), w), frame->color);
            painter.fillRect(QRect(r.left(), r.top(), w, r.height()), frame->color);
            painter.fillRect(QRect(r.left() + r.width() - w, r.top(), w, r.height()), frame->color);
        } else if (const auto* text = std::get_if<ReportText>(&item)) {
            paintText(painter, *text, fonts[std::size_t(text->font)]);
        } else if (const auto* diagram = std::get_if<ReportDiagram>(&item)) {
            if (diagrams)
                diagrams(painter, *diagram);
        }
    }
    painter.restore();
}

bool renderReportPages(QPagedPaintDevice& device, const ReportLayout& layout,
                       const ReportDiagramPainter& diagrams, int fromPage, int toPage)
{
    const ReportMetrics metrics =
        reportMetrics(QRect(0, 0, device.width(), device.height()), device.logicalDpiX(),
                      device.logicalDpiY(), &device);
    const std::vector<ReportPage> pages = layout(metrics);
    const int count = int(pages.size());
    if (count == 0)
        return false;
    if (fromPage <= 0 && toPage <= 0) {
        fromPage = 1;
        toPage = count;
    }
    fromPage = std::clamp(fromPage, 1, count);
    toPage = std::clamp(toPage <= 0 ? count : toPage, fromPage, count);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int number = fromPage; number <= toPage; ++number) {
        if (number > fromPage && !device.newPage())
            return false;
        paintReportPage(painter, pages[std::size_t(number - 1)], metrics, diagrams);
    }
    return painter.end();
}

} // namespace lumikan::render
