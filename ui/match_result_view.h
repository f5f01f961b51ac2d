#pragma once

#include "match/match_report.h"
#include "render/match_report_layout.h"

#include <QAbstractScrollArea>
#include <QSize>
#include <QString>

#include <vector>

namespace lumikan::ui {

// The painted match report: one run's rows and totals, kept as they were when
// the report was made (it is never recomputed when the charts change).
class CMatchResultView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CMatchResultView(QWidget* parent = nullptr);

    // Fills the view once, right after it is made; sets the scroll size and repaints.
    void setReport(double totalScore, double totalMax, std::vector<match::MatchRow> rows,
                   const QString& boyName, const QString& girlName);
    // Sets the scroll size of what the view holds.
    void OnInitialUpdate();

    const render::MatchReportContent& content() const { return content_; }
    QSize scrollSize() const { return scrollSize_; }
    // The sheet as the window shows it now.
    render::MatchReportLayout sheetLayout() const;
    // Paints the sheet onto `painter`, which draws in sheet coordinates.
    void OnDraw(QPainter& painter) const;

    // The whole text of the cell at `viewportPos` when the sheet shows it cut
    // short; empty elsewhere. Hovering such a cell shows it as a tooltip.
    QString cutTextAt(QPoint viewportPos) const;

    QSize sizeHint() const override;

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();
    QPoint scrollOffset() const;

    render::MatchReportContent content_;
    QSize scrollSize_;
};

} // namespace lumikan::ui
