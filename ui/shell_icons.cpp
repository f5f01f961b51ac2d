#include "ui/shell_icons.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumikan::ui {

namespace {

// Every icon is drawn on a 32 x 32 grid and scaled to the requested size.
constexpr qreal kGrid = 32.0;

QPen outline(QColor color, qreal width = 1.4)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// The North-Indian chart: a square, its diagonals and the diamond joining
// the middles of its sides.
void drawChartLines(QPainter& p, const QRectF& r)
{
    p.drawRect(r);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    QPolygonF diamond;
    diamond << QPointF(r.center().x(), r.top()) << QPointF(r.right(), r.center().y())
            << QPointF(r.center().x(), r.bottom()) << QPointF(r.left(), r.center().y());
    p.drawPolygon(diamond);
}

void drawNew(QPainter& p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    QLinearGradient paper(7, 3, 25, 29);
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(226, 233, 243));
    p.setBrush(paper);
    p.setPen(outline(QColor(74, 85, 104)));
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(19, 3);
    fold.lineTo(19, 9);
    fold.lineTo(25, 9);
    p.setBrush(QColor(200, 210, 225));
    p.drawPath(fold);
    p.setPen(outline(QColor(160, 172, 190), 1.2));
    for (qreal y : {14.0, 18.0})
        p.drawLine(QPointF(11, y), QPointF(21, y));
    // A green badge with a plus: something is created.
    p.setPen(outline(QColor(255, 255, 255), 1.3));
    p.setBrush(QColor(46, 158, 79));
    p.drawEllipse(QPointF(23, 24), 6.5, 6.5);
    p.setPen(outline(QColor(255, 255, 255), 2.0));
    p.drawLine(QPointF(23, 20.5), QPointF(23, 27.5));
    p.drawLine(QPointF(19.5, 24), QPointF(26.5, 24));
}

void drawOpen(QPainter& p)
{
    const QColor edge(166, 112, 10);
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(14, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setPen(outline(edge));
    p.setBrush(QColor(224, 165, 38));
    p.drawPath(back);
    // A sheet sticking out of the folder.
    p.setPen(outline(QColor(120, 130, 145), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 7, 16, 12));
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7.5, 15);
    front.lineTo(30, 15);
    front.lineTo(26, 26);
    front.closeSubpath();
    QLinearGradient g(0, 15, 0, 26);
    g.setColorAt(0, QColor(252, 214, 102));
    g.setColorAt(1, QColor(240, 180, 45));
    p.setPen(outline(edge));
    p.setBrush(g);
    p.drawPath(front);
}

void drawSave(QPainter& p)
{
    QPainterPath body;
    body.moveTo(5, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(5, 28);
    body.closeSubpath();
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0, QColor(63, 115, 196));
    g.setColorAt(1, QColor(36, 76, 145));
    p.setPen(outline(QColor(24, 52, 104)));
    p.setBrush(g);
    p.drawPath(body);
    // Label and metal shutter.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 248, 252));
    p.drawRoundedRect(QRectF(9, 6, 15, 9), 1, 1);
    p.setBrush(QColor(180, 188, 200));
    p.drawRoundedRect(QRectF(9, 19, 15, 9), 1, 1);
    p.setBrush(QColor(36, 76, 145));
    p.drawRect(QRectF(18.5, 20.5, 3, 5.5));
}

void drawPrint(QPainter& p)
{
    // Paper going in.
    p.setPen(outline(QColor(120, 130, 145), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    QLinearGradient g(0, 11, 0, 24);
    g.setColorAt(0, QColor(112, 124, 140));
    g.setColorAt(1, QColor(70, 80, 95));
    p.setPen(outline(QColor(48, 56, 68)));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 11, 26, 13), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 210, 110));
    p.drawEllipse(QPointF(25, 15), 1.4, 1.4);
    // The printed page coming out.
    p.setPen(outline(QColor(120, 130, 145), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10));
    p.setPen(outline(QColor(150, 160, 175), 1.0));
    for (qreal y : {22.5, 25.5})
        p.drawLine(QPointF(11, y), QPointF(21, y));
}

void drawAbout(QPainter& p)
{
    QLinearGradient g(0, 3, 0, 29);
    g.setColorAt(0, QColor(64, 142, 222));
    g.setColorAt(1, QColor(26, 92, 170));
    p.setPen(outline(QColor(20, 70, 135)));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
    QPainterPath stem;
    stem.moveTo(13, 14);
    stem.lineTo(18, 14);
    stem.lineTo(18, 22.5);
    stem.lineTo(20, 22.5);
    stem.lineTo(20, 25);
    stem.lineTo(12, 25);
    stem.lineTo(12, 22.5);
    stem.lineTo(14, 22.5);
    stem.lineTo(14, 16.5);
    stem.lineTo(13, 16.5);
    stem.closeSubpath();
    p.drawPath(stem);
}

void drawDivisionalCharts(QPainter& p)
{
    const QColor ink(96, 52, 150);
    // Two charts behind the front one: several charts of one birth.
    p.setPen(outline(ink.lighter(150), 1.0));
    p.setBrush(QColor(236, 226, 248));
    p.drawRect(QRectF(11, 2.5, 18, 18));
    p.setBrush(QColor(226, 212, 244));
    p.drawRect(QRectF(7, 6.5, 18, 18));
    p.setBrush(QColor(255, 251, 240));
    p.setPen(outline(ink, 1.3));
    const QRectF front(3, 11, 18, 18);
    p.drawRect(front);
    p.setBrush(QColor(250, 214, 120));
    QPolygonF diamond;
    diamond << QPointF(front.center().x(), front.top()) << QPointF(front.right(), front.center().y())
            << QPointF(front.center().x(), front.bottom()) << QPointF(front.left(), front.center().y());
    p.drawPolygon(diamond);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(ink, 1.0));
    drawChartLines(p, front);
}

void drawProgram(QPainter& p)
{
    QLinearGradient back(0, 0, kGrid, kGrid);
    back.setColorAt(0, QColor(42, 58, 138));
    back.setColorAt(1, QColor(20, 28, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6.5, 6.5);
    const QRectF chart(6, 6, 20, 20);
    p.setBrush(QColor(242, 193, 78, 60));
    p.setPen(outline(QColor(242, 193, 78), 1.3));
    drawChartLines(p, chart);
    // The rising sign's house glows.
    QPainterPath lagna;
    lagna.moveTo(chart.center().x(), chart.top());
    lagna.lineTo(chart.center().x() + chart.width() / 4, chart.top() + chart.height() / 4);
    lagna.lineTo(chart.center());
    lagna.lineTo(chart.center().x() - chart.width() / 4, chart.top() + chart.height() / 4);
    lagna.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 110));
    p.drawPath(lagna);
}

void drawIcon(QPainter& p, ShellIcon which)
{
    switch (which) {
    case ShellIcon::New: drawNew(p); break;
    case ShellIcon::Open: drawOpen(p); break;
    case ShellIcon::Save: drawSave(p); break;
    case ShellIcon::Print: drawPrint(p); break;
    case ShellIcon::About: drawAbout(p); break;
    case ShellIcon::DivisionalCharts: drawDivisionalCharts(p); break;
    case ShellIcon::Program: drawProgram(p); break;
    }
}

class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(ShellIcon which) : which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QImage image = render(QSizeF(rect.size()), mode, scale);
        painter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` comes in device pixels already; `scale` is the device's ratio.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const qreal ratio = scale > 0 ? scale : 1.0;
        return QPixmap::fromImage(render(size / ratio, mode, ratio));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(which_); }
    QString key() const override { return QStringLiteral("LumikanPaintedIcon"); }

private:
    QImage render(const QSizeF& logicalSize, QIcon::Mode mode, qreal scale) const
    {
        const qreal side = qMax(1.0, qMin(logicalSize.width(), logicalSize.height()));
        const int pixels = qMax(1, qRound(side * scale));
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(pixels / kGrid, pixels / kGrid);
            drawIcon(p, which_);
        }
        if (mode == QIcon::Disabled)
            greyOut(image);
        image.setDevicePixelRatio(scale);
        return image;
    }

    // Disabled: a light, half-transparent grey of the same shapes.
    static void greyOut(QImage& image)
    {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(line[x]);
                if (alpha == 0)
                    continue;
                const int grey = qGray(line[x]) * 255 / alpha;  // un-premultiplied
                const int light = 110 + grey / 2;
                const int newAlpha = alpha / 2;
                const int premultiplied = light * newAlpha / 255;
                line[x] = qRgba(premultiplied, premultiplied, premultiplied, newAlpha);
            }
        }
    }

    ShellIcon which_;
};

}  // namespace

QIcon shellIcon(ShellIcon which) { return QIcon(new PaintedIconEngine(which)); }

}  // namespace lumikan::ui
