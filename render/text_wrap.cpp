#include "render/text_wrap.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>

namespace lumikan::render {

namespace {

void wrapParagraph(const QString& paragraph, const QFont& font, qreal width,
                   const QPaintDevice* device, QStringList& lines)
{
    if (paragraph.trimmed().isEmpty()) {
        lines << QString();
        return;
    }
    QTextLayout layout(paragraph, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(width, 1));
        const QString text = paragraph.mid(line.textStart(), line.textLength()).trimmed();
        if (!text.isEmpty())
            lines << text;
    }
    layout.endLayout();
}

} // namespace

QStringList wrapText(const QString& text, const QFont& font, qreal width,
                     const QPaintDevice* device)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        wrapParagraph(paragraph, font, width, device, lines);
    return lines;
}

TextExtent textExtent(const QString& text, const QFont& font, const QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    TextExtent extent;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        extent.singleLine = std::max(extent.singleLine, metrics.horizontalAdvance(line.trimmed()));
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            extent.widestWord = std::max(extent.widestWord, metrics.horizontalAdvance(word));
    }
    return extent;
}

} // namespace lumikan::render
