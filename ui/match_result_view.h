#pragma once

#include "match/match_report.h"
#include "render/match_report_layout.h"
#include "ui/main_frame.h"

#include <QAbstractScrollArea>
#include <QSize>
#include <QString>

#include <vector>

namespace lumikan::ui {

// The painted match report: one run's rows and totals, kept as they were when
// the report was made (it is never recomputed when the charts change). The
// sheet is centred in a window wider than it; File > Print, Print Preview and
// Export PDF put it on paper.
class CMatchResultView : public QAbstractScrollArea, public ChartViewCommands {
    Q_OBJECT
public:
    explicit CMatchResultView(QWidget* parent = nullptr);

    // Fills the view once, right after it is made; lays the sheet out and repaints.
    void setReport(double totalScore, double totalMax, std::vector<match::MatchRow> rows,
                   const QString& boyName, const QString& girlName);
    // Lays out what the view holds and sets the scroll size.
    void OnInitialUpdate();

    const render::MatchReportContent& content() const { return content_; }
    QSize scrollSize() const { return scrollSize_; }
    // The sheet as the window shows it.
    const render::MatchReportLayout& sheetLayout() const { return layout_; }
    // Where the sheet's top-left corner is in the viewport.
    QPoint sheetOrigin() const;
    // Paints the sheet onto `painter`, which draws in sheet coordinates.
    void OnDraw(QPainter& painter) const;

    bool canPrint() const override { return true; }
    void print() override;
    void printPreview() override;
    QString exportPdf() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();

    render::MatchReportContent content_;
    render::MatchReportLayout layout_;
    QSize scrollSize_;
};

} // namespace lumikan::ui
