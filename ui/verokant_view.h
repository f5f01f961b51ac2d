#pragma once

#include "document/document_view.h"
#include "engine/chart.h"
#include "engine/dasha.h"
#include "engine/shadbala.h"
#include "render/chart_diagram.h"
#include "ui/chart_view_layout.h"
#include "ui/main_frame.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

#include <array>
#include <map>
#include <optional>
#include <vector>

class QComboBox;
class QUndoStack;

namespace lumikan::document {
class CVerokantDoc;
struct CuspTableRow;
struct SignificatorRow;
} // namespace lumikan::document

namespace lumikan::ui {

class CDashaTreeCtrl;
class CHoverListCtrl;
class CKarakaGridCtrl;
class CNotesEditor;
class CPlanetTooltip;
class CRulingPlanetsCtrl;

// Column headers of the three tables.
extern const QStringList kPlanetTableColumns;
extern const QStringList kCuspTableColumns;
extern const QStringList kSignificatorTableColumns;

// Header tooltips by column; "Sign" and "Degree" have none.
std::map<int, QString> planetTableTooltips();
std::map<int, QString> cuspTableTooltips();
std::map<int, QString> significatorTableTooltips();

// A cusp row in the order the table shows it: cusp, nakshatra, sign, degree,
// star, sub, sub-sub, significators.
QStringList cuspRowAsShown(const document::CuspTableRow& row);

// The colour of a diagram caption: the usual near-black, or the theme's header
// text where near-black would not stand out from the panel.
QColor chartCaptionColor(const render::ColorTheme& theme);

// The main window of a chart: five panels with the planet and cusp tables, the
// Rashi and Bhava diagrams, the ruling planets and dasha, the significators,
// the karakas and the notes. It reads the document and writes back only the
// notes and the birth time.
class CVerokantView : public QWidget, public document::CView, public ChartViewCommands {
    Q_OBJECT

public:
    explicit CVerokantView(document::CVerokantDoc& doc, QWidget* parent = nullptr);
    ~CVerokantView() override;

    void OnUpdate(int hint) override;
    void CommitPendingEdits() override;

    // File > Print, Print Preview and Export PDF: the chart report.
    bool canPrint() const override;
    void print() override;
    void printPreview() override;
    QString exportPdf() override;
    void setUndoStack(QUndoStack* stack) override { undo_ = stack; }

    // What the panels need at the fonts in use; the view is never laid out
    // smaller (it scrolls in its window instead).
    ChartViewNeeds measureNeeds() const;

    // F6 and Shift+F6: the focus to the next or previous panel that takes it.
    void focusNextPanel(bool forward);
    // The controls the focus visits, panel by panel, in Tab order.
    std::vector<QWidget*> focusPanels() const;

    document::CVerokantDoc& chartDocument() const { return doc_; }

    CHoverListCtrl* planetsTable() const { return planetsTable_; }
    CHoverListCtrl* cuspsTable() const { return cuspsTable_; }
    CHoverListCtrl* significatorsTable() const { return significatorsTable_; }
    CDashaTreeCtrl* dashaTree() const { return dashaTree_; }
    CKarakaGridCtrl* karakaGrid() const { return karakaGrid_; }
    CRulingPlanetsCtrl* rulingPlanetsPanel() const { return rulingPlanets_; }
    CNotesEditor* notesEditor() const { return notesEditor_; }
    QComboBox* birthTimeList(int index) const { return birthTime_[std::size_t(index)]; }
    QComboBox* rulingTimeList(int index) const { return rulingTime_[std::size_t(index)]; }
    CPlanetTooltip* planetTooltip() const { return tooltip_; }
    static const QString& birthTimeLabelText();
    static const QString& rulingTimeLabelText();

    const std::optional<ChartViewLayout>& viewLayout() const { return layout_; }
    const std::vector<render::ChartHitRegion>& rashiRegions() const { return rashiRegions_; }
    const std::vector<render::ChartHitRegion>& bhavaRegions() const { return bhavaRegions_; }
    int hoveredBody() const { return hoveredBody_; }
    const std::vector<document::SignificatorRow>& significatorRows() const;
    const QString& runningDashaText() const;

    // Paints the view's own surface (not its child controls).
    void paintView(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createControls();
    void initialUpdate();
    void layoutControls();
    void layoutPositionTables();
    void layoutDashaTree();
    void applyThemeColors();
    void updateMinimumSize();
    void setTabOrders();
    void onNotesEdited(const QString& notes);

    void fillTables();
    void refreshPanels();
    void refreshRulingPlanets();
    void timeAdjusted();
    void syncBirthTimeLists();
    void setRulingTimeToNow();
    void onBirthTimeChosen();
    void onRulingTimeChosen();

    void drawPanel(QPainter& painter, Panel panel, const QString& title,
                   const QString& timeLabel = {}, const QRect& timeLabelRect = {});
    void drawCharts(QPainter& painter);
    void drawControlFrames(QPainter& painter);

    const render::ChartHitRegion* regionAt(QPoint pos, bool* inRashi) const;
    void hideTooltip();
    engine::ShadbalaResult strengthOf(engine::BodyId body) const;

    document::CVerokantDoc& doc_;

    CHoverListCtrl* planetsTable_ = nullptr;
    CHoverListCtrl* cuspsTable_ = nullptr;
    CHoverListCtrl* significatorsTable_ = nullptr;
    CDashaTreeCtrl* dashaTree_ = nullptr;
    CKarakaGridCtrl* karakaGrid_ = nullptr;
    CRulingPlanetsCtrl* rulingPlanets_ = nullptr;
    CNotesEditor* notesEditor_ = nullptr;
    std::array<QComboBox*, 3> rulingTime_{};
    std::array<QComboBox*, 3> birthTime_{};
    CPlanetTooltip* tooltip_ = nullptr;

    QUndoStack* undo_ = nullptr;
    int notesVisit_ = 0; // typing within one visit to the notes is one edit

    std::optional<ChartViewLayout> layout_;
    std::vector<render::ChartHitRegion> rashiRegions_;
    std::vector<render::ChartHitRegion> bhavaRegions_;
    int hoveredBody_ = -1;

    QFont tableFont_;
    QFont titleFont_;
    QFont sectionFont_;
    QFont labelFont_; // the time lists' labels
};

} // namespace lumikan::ui
