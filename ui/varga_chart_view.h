#pragma once

#include "document/document_view.h"
#include "document/varga_chart_doc.h"
#include "render/color_theme.h"
#include "ui/varga_window_layout.h"

#include <QAbstractScrollArea>

#include <memory>

class QMdiArea;
class QMdiSubWindow;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// A text colour of the window's theme slots, readable on its background.
QColor vargaTextColor(const render::ColorTheme& theme, QRgb color);

// The divisional charts by life area: a heading per area, one chart card per
// division, scrolling in pixels over a 1290-pixel-wide page. Owns its document.
class CVargaChartView : public QAbstractScrollArea, public document::CView {
    Q_OBJECT
public:
    explicit CVargaChartView(std::unique_ptr<document::CVargaChartDoc> doc,
                             QWidget* parent = nullptr);
    ~CVargaChartView() override;

    document::CVargaChartDoc& document() const { return *doc_; }
    // Repaints; the theme or the chart text size may have changed.
    void OnUpdate(int hint) override;

    // The whole content at its scroll position, as the viewport shows it.
    void paintContent(QPainter& painter, const QRect& exposed) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnInitialUpdate();
    void updateScrollBars();

    std::unique_ptr<document::CVargaChartDoc> doc_;
    VargaWindowLayout layout_;
};

// A view of a fresh divisional-charts document holding a copy of the source
// chart's divisions.
CVargaChartView* createVargaChartView(const document::CVerokantDoc& source,
                                      QWidget* parent = nullptr);

// View > Divisional Charts: a new maximised window in `area` for the source
// chart; it closes with its document.
QMdiSubWindow* openVargaWindow(const document::CVerokantDoc& source, QMdiArea& area);

} // namespace lumikan::ui
