#include "ui/varga_chart_view.h"

#include "document/verokant_doc.h"
#include "render/chart_appearance.h"
#include "render/chart_diagram.h"
#include "render/contrast.h"
#include "render/font_substitution.h"
#include "ui/shell_icons.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace lumikan::ui {

namespace {

constexpr int kScrollLine = 40;

void drawTopLeft(QPainter& p, const QRect& rect, const QString& text, const QFont& font,
                 const QColor& color)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace

QColor vargaTextColor(const render::ColorTheme& theme, QRgb color)
{
    return render::readableOn(QColor::fromRgb(color), QColor::fromRgb(theme.vargaBack));
}

CVargaChartView::CVargaChartView(std::unique_ptr<document::CVargaChartDoc> doc, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(std::move(doc))
{
    setWindowTitle(doc_->GetTitle());
    setFrameShape(QFrame::NoFrame);
    doc_->AddView(this);
    OnInitialUpdate();
}

CVargaChartView::~CVargaChartView()
{
    doc_->RemoveView(this);
}

void CVargaChartView::OnInitialUpdate()
{
    layout_ = layoutVargaWindow(doc_->vargas());
    updateScrollBars();
}

void CVargaChartView::OnUpdate(int)
{
    layout_ = layoutVargaWindow(doc_->vargas());
    setWindowTitle(doc_->GetTitle());
    updateScrollBars();
    viewport()->update();
}

void CVargaChartView::updateScrollBars()
{
    const QSize content = layout_.scrollSize;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(kScrollLine);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    verticalScrollBar()->setSingleStep(kScrollLine);
}

void CVargaChartView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CVargaChartView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-offset);
    paintContent(painter, event->rect().translated(offset));
}

void CVargaChartView::paintContent(QPainter& p, const QRect& exposed) const
{
    const render::ColorTheme& theme = render::currentTheme();
    const QSize client = viewport()->size();
    const QSize content = layout_.scrollSize;
    p.fillRect(QRect(0, 0, std::max(content.width(), client.width()),
                     std::max(content.height(), client.height())),
               QColor::fromRgb(theme.vargaBack));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QFont titleFont = render::designFont(u"Segoe UI Semibold", 13);
    const QFont descriptionFont = render::designFont(u"Segoe UI", 8.5);
    const QFont cardTitleFont = render::designFont(u"Segoe UI Semibold", 9);
    const qreal ratio = devicePixelRatioF();

    for (const VargaGroupLayout& group : layout_.groups) {
        p.fillRect(group.accentBar, QColor::fromRgb(theme.vargaGroupAccent));
        drawTopLeft(p, group.titleRect, group.title, titleFont,
                    vargaTextColor(theme, theme.vargaGroupTitle));
        drawTopLeft(p, group.descriptionRect, group.description, descriptionFont,
                    vargaTextColor(theme, theme.vargaGroupText));
        p.fillRect(group.separator, QColor::fromRgb(theme.vargaSeparator));

        for (const VargaCardLayout& card : group.cards) {
            if (!card.card.intersects(exposed))
                continue;
            drawTopLeft(p, card.titleRect, card.title, cardTitleFont,
                        vargaTextColor(theme, theme.vargaCardTitle));
            if (!card.hasData) {
                p.setFont(cardTitleFont);
                p.setPen(vargaTextColor(theme, theme.vargaNoData));
                p.drawText(card.noDataRect, Qt::AlignCenter | Qt::TextSingleLine,
                           QStringLiteral("No data"));
                continue;
            }
            const engine::VargaChart& varga = doc_->vargas().at(card.division);
            const std::vector<engine::PlanetPosition> planets = vargaPlanets(varga);
            const std::vector<engine::CuspPosition> cusps = vargaCusps(varga.ascendantSign);
            // Off-screen first, at the screen's pixel density.
            QImage bitmap(kVargaDiagramBitmap * ratio, QImage::Format_ARGB32_Premultiplied);
            bitmap.setDevicePixelRatio(ratio);
            const int dotsPerMeter = int(std::lround(logicalDpiX() / 0.0254));
            bitmap.setDotsPerMeterX(dotsPerMeter);
            bitmap.setDotsPerMeterY(dotsPerMeter);
            bitmap.fill(QColor::fromRgb(theme.vargaBack));
            {
                QPainter bp(&bitmap);
                bp.setRenderHint(QPainter::Antialiasing);
                bp.setRenderHint(QPainter::TextAntialiasing);
                render::DrawChartDiagram(bp, QRect(0, 0, 390, 220), &planets, &cusps, nullptr);
            }
            p.drawImage(card.diagram.topLeft(), bitmap);
        }
    }
}

CVargaChartView* createVargaChartView(const document::CVerokantDoc& source, QWidget* parent)
{
    auto* view = new CVargaChartView(std::make_unique<document::CVargaChartDoc>(), parent);
    view->document().SetChart(source);
    return view;
}

QMdiSubWindow* openVargaWindow(const document::CVerokantDoc& source, QMdiArea& area)
{
    CVargaChartView* view = createVargaChartView(source);
    auto* window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWidget(view);
    window->setWindowTitle(view->document().GetTitle());
    window->setWindowIcon(shellIcon(ShellIcon::DivisionalCharts));
    area.addSubWindow(window);
    window->showMaximized();
    area.setActiveSubWindow(window);
    return window;
}

} // namespace lumikan::ui
