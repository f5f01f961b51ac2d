#include "ui/verokant_view.h"

#include "document/local_clock.h"
#include "document/significator_why.h"

#include "document/messages.h"
#include "document/ruling_moment.h"
#include "document/verokant_doc.h"
#include "engine/coded_errors.h"
#include "render/chart_appearance.h"
#include "render/contrast.h"
#include "render/font_substitution.h"
#include "ui/chart_edits.h"
#include "ui/chart_report.h"
#include "ui/color_header_ctrl.h"
#include "ui/dasha_tree_ctrl.h"
#include "ui/hover_list_ctrl.h"
#include "ui/karaka_grid_ctrl.h"
#include "ui/notes_editor.h"
#include "ui/planet_tooltip.h"
#include "ui/qt_messages.h"
#include "ui/ruling_planets_ctrl.h"
#include "ui/screen_colors.h"
#include "ui/table_cell_style.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>
#include <cmath>

namespace lumikan::ui {

const QStringList kPlanetTableColumns = {
    QStringLiteral("Planet"),  QStringLiteral("Nakshatra"),    QStringLiteral("Sign"),
    QStringLiteral("Degree"),  QStringLiteral("Star"),         QStringLiteral("Sub"),
    QStringLiteral("SS Lord"), QStringLiteral("Significators")};
const QStringList kCuspTableColumns = {QStringLiteral("Cusp"),    QStringLiteral("Nakshatra"),
                                       QStringLiteral("Sign"),    QStringLiteral("Degree"),
                                       QStringLiteral("Star"),    QStringLiteral("Sub"),
                                       QStringLiteral("SS Lord"), QStringLiteral("Significator")};
const QStringList kSignificatorTableColumns = {
    QStringLiteral("Houses"), QStringLiteral("Planet"), QStringLiteral("Star Lord"),
    QStringLiteral("Sub Lord"), QStringLiteral("S.Sub Lord")};

namespace {

// How the significators table shares the width its texts leave.
const std::vector<int> kSignificatorColumnWeights = {110, 110, 110, 110, 150};
const std::vector<int> kPositionInitialWidths = {65, 65, 65, 60, 45, 45, 85, 280};
const std::vector<int> kSignificatorInitialWidths = {110, 110, 110, 110, 150};

constexpr QRgb kDashaFrame = 0xDCDCDC;
// The diagrams' text stays near 6.5 points in a column this wide.
constexpr int kLeastChartsColumnWidth = 304;
// The dasha tree's area runs this much narrower than its panel.
constexpr int kDashaInsets = 2 * 14;
// Rows of the significators table that stay in view however short the window.
constexpr int kLeastSignificatorRows = 4;
// Room for the karaka grid and a few lines of notes.
constexpr int kLeastKarakasPanelHeight = 113 + 60;
// Two title rows, the ruling planets and a few rows of the dasha tree.
constexpr int kLeastRightColumnHeight = 2 * kPanelTitleHeight + 3 + 304 + 10 + 80 + 8;
constexpr int kPanelCorner = 15;
constexpr int kTableCorner = 12;
constexpr int kNotesCorner = 6;
// Text between the significators title and the running dasha.
constexpr const char* kDashaTitleSeparator = "              : ";

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

int rightOf(const QRect& r)
{
    return r.x() + r.width();
}

// GDI-style rounded rectangle on the pixels of `r` (right and bottom
// exclusive); `corner` is the corner ellipse's diameter.
void roundedOutline(QPainter& painter, const QRect& r, int corner)
{
    painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), corner / 2.0, corner / 2.0);
}

QComboBox* makeTimeList(int count, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    for (int i = 0; i < count; ++i)
        list->addItem(QString::asprintf("%02d", i));
    list->setMaxVisibleItems(6); // a drop-down of about 120 pixels
    list->setFont(render::designFont(u"Segoe UI", 8.5));
    list->setFocusPolicy(Qt::StrongFocus);
    return list;
}

void selectQuietly(QComboBox* list, int value)
{
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : 0);
}

int selectedValue(const QComboBox* list)
{
    return std::max(list->currentIndex(), 0);
}

CHoverListCtrl* makeTable(const QStringList& columns, const std::vector<int>& initialWidths,
                          const std::map<int, QString>& tooltips, const QFont& font,
                          QWidget* parent)
{
    auto* table = new CHoverListCtrl(parent);
    auto* header = new CColorHeaderCtrl(table);
    table->setHorizontalHeader(header);
    table->setColumnCount(int(columns.size()));
    table->setHorizontalHeaderLabels(columns);
    header->setColumnTooltips(tooltips);
    table->setFont(font);
    header->setFont(font);
    table->applyFontMetrics();
    for (int c = 0; c < table->columnCount() && c < int(initialWidths.size()); ++c)
        table->setColumnWidth(c, initialWidths[std::size_t(c)]);
    return table;
}

QRect grown(const QRect& r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

} // namespace

std::map<int, QString> planetTableTooltips()
{
    return {
        {0, QStringLiteral("Planet\nGraha in the chart")},
        {1, QStringLiteral("Nakshatra\nLunar mansion occupied\nby the planet")},
        {4, QStringLiteral("Star Lord\nNakshatra Lord of\nthe planet's position")},
        {5, QStringLiteral("Sub Lord\nSub division lord within\nthe Nakshatra")},
        {6, QStringLiteral("Sub Sub Lord\nFurther sub division\nof the Sub Lord")},
        {7, QStringLiteral(
                "Significators\nHouses signified by the planet\nthrough Star-Sub-Sub Sub lords")}};
}

std::map<int, QString> cuspTableTooltips()
{
    return {{0, QStringLiteral("Cusp\nHouse cusp number (I-XII)")},
            {1, QStringLiteral("Nakshatra\nLunar mansion of\nthe cusp degree")},
            {4, QStringLiteral("Star Lord\nNakshatra Lord of\nthe cusp position")},
            {5, QStringLiteral("Sub Lord\nSub division lord within\nthe Nakshatra")},
            {6, QStringLiteral("Sub Sub Lord\nFurther sub division\nof the Sub Lord")},
            {7, QStringLiteral(
                    "Significators\nHouses signified by\nthe cusp's Star-Sub-Sub Sub lords")}};
}

std::map<int, QString> significatorTableTooltips()
{
    return {{0, QStringLiteral("Houses\nHouse numbers where planet\nis a significator")},
            {1, QStringLiteral("Planet\nSignificator planet\nand its house ownership")},
            {2, QStringLiteral("Star Lord\nHouses signified through\nthe Nakshatra Lord")},
            {3, QStringLiteral("Sub Lord\nHouses signified through\nthe Sub Lord")},
            {4, QStringLiteral("Sub Sub Lord\nHouses signified through\nthe Sub Sub Lord")}};
}

QStringList cuspRowAsShown(const document::CuspTableRow& r)
{
    return {r.cusp,     r.nakshatra, r.sign,       r.degree,
            r.starLord, r.subLord,   r.subSubLord, r.significators};
}

QColor chartCaptionColor(const render::ColorTheme& theme)
{
    // Near-black suits the light panels it was chosen for; on a dark panel it
    // turns as light as it must to be read.
    return render::readableOn(rgb(render::kChartCaptionColor), rgb(theme.chartPanelBody));
}

CVerokantView::CVerokantView(document::CVerokantDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), tableFont_(render::designFont(u"Segoe UI", 9.0)),
      titleFont_(render::designFont(u"Segoe UI Semibold", 11.2, QFont::Bold)),
      sectionFont_(render::designFont(u"Segoe UI", 12.0, QFont::Bold)),
      labelFont_(render::designFont(u"Segoe UI", 8.5))
{
    // A 22-pixel character cell: the family's line height at a 16-pixel em.
    sectionFont_.setPixelSize(16);
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers everything
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // a click beside the notes ends their editing
    createControls();
    setTabOrders();
    initialUpdate();

    // The panel holding the focus shows it in its frame.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
        if ((from && isAncestorOf(from)) || (to && isAncestorOf(to)))
            update();
    });
    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { focusNextPanel(true); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { focusNextPanel(false); });
}

const QString& CVerokantView::birthTimeLabelText()
{
    static const QString text = QStringLiteral("Birth time");
    return text;
}

const QString& CVerokantView::rulingTimeLabelText()
{
    static const QString text = QStringLiteral("Ruling time");
    return text;
}

std::vector<QWidget*> CVerokantView::focusPanels() const
{
    return {planetsTable_, cuspsTable_,         birthTime_[0], rulingTime_[0],
            dashaTree_,    significatorsTable_, notesEditor_};
}

void CVerokantView::setTabOrders()
{
    // Left to right, top to bottom: positions, birth time, ruling time and
    // dasha, significators, notes.
    const std::vector<QWidget*> order = {planetsTable_,       cuspsTable_,    birthTime_[0],
                                         birthTime_[1],       birthTime_[2],  rulingTime_[0],
                                         rulingTime_[1],      rulingTime_[2], dashaTree_,
                                         significatorsTable_, notesEditor_};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CVerokantView::focusNextPanel(bool forward)
{
    const std::vector<QWidget*> panels = focusPanels();
    const int count = int(panels.size());
    int current = -1;
    const QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < count && focus; ++i) {
        const bool inGroup =
            (panels[std::size_t(i)] == birthTime_[0] &&
             std::find(birthTime_.begin(), birthTime_.end(), focus) != birthTime_.end()) ||
            (panels[std::size_t(i)] == rulingTime_[0] &&
             std::find(rulingTime_.begin(), rulingTime_.end(), focus) != rulingTime_.end());
        if (panels[std::size_t(i)] == focus || panels[std::size_t(i)]->isAncestorOf(focus) ||
            inGroup)
            current = i;
    }
    const int start = current < 0 ? (forward ? -1 : count) : current;
    const int step = forward ? 1 : -1;
    const int target = ((start + step) % count + count) % count;
    QWidget* panel = panels[std::size_t(target)];
    panel->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    // In a window smaller than the view the panel comes into sight.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->ensureWidgetVisible(panel, 16, 16);
            break;
        }
}

ChartViewNeeds CVerokantView::measureNeeds() const
{
    const double scale = logicalDpiY() / 96.0;
    const int m = int(std::lround(4 * scale));
    const int g = int(std::lround(8 * scale));
    const int pad = int(std::lround(6 * scale));
    ChartViewNeeds needs;

    // Every planet and cusp row, and every table whole in width.
    const int rowHeight = std::max(planetsTable_->rowHeight(), cuspsTable_->rowHeight());
    auto want = [&](const CHoverListCtrl* table, int leastRows) {
        return table->headerHeight() + std::max(table->rowCount(), leastRows) * rowHeight + pad;
    };
    needs.topRowHeight =
        kPanelTitleHeight + m + want(planetsTable_, 1) + g + want(cuspsTable_, 12) + m;
    needs.leftColumnWidth =
        std::max({planetsTable_->contentWidth(), cuspsTable_->contentWidth()}) + 2 * m;
    needs.leftColumnWidth =
        std::max(needs.leftColumnWidth, significatorsTable_->contentWidth() + 8);
    needs.bottomRowHeight =
        std::max(36 + significatorsTable_->headerHeight() +
                     kLeastSignificatorRows * significatorsTable_->rowHeight() + 2,
                 kLeastKarakasPanelHeight);

    const QFontMetrics title(titleFont_);
    const QFontMetrics label(labelFont_);
    needs.chartsTitleWidth = title.horizontalAdvance(QStringLiteral("Charts"));
    needs.birthTimeLabelWidth = label.horizontalAdvance(birthTimeLabelText());
    needs.rulingTitleWidth = title.horizontalAdvance(QStringLiteral("Ruling Planets & Dasha"));
    needs.rulingTimeLabelWidth = label.horizontalAdvance(rulingTimeLabelText());
    needs.chartsColumnWidth =
        std::max({kLeastChartsColumnWidth, timeListsRowWidth(needs.birthTimeLabelWidth),
                  karakaGrid_->contentWidth() + 20});
    needs.rightColumnWidth =
        std::max({timeListsRowWidth(needs.rulingTimeLabelWidth),
                  rulingPlanets_->contentWidth() + 20, dashaTree_->leastWidth() + kDashaInsets});
    needs.rightColumnHeight = kLeastRightColumnHeight;
    return needs;
}

void CVerokantView::updateMinimumSize()
{
    const QSize least = minimumChartViewSize(measureNeeds());
    if (minimumSize() != least)
        setMinimumSize(least); // in its window the view scrolls below this
}

CVerokantView::~CVerokantView() = default;

bool CVerokantView::canPrint() const
{
    return doc_.hasChart();
}

void CVerokantView::print()
{
    printChartReportWithDialog(doc_, this);
}

void CVerokantView::printPreview()
{
    previewChartReport(doc_, this);
}

QString CVerokantView::exportPdf()
{
    return exportChartReportPdfWithDialog(doc_, this);
}

void CVerokantView::createControls()
{
    planetsTable_ = makeTable(kPlanetTableColumns, kPositionInitialWidths, planetTableTooltips(),
                              tableFont_, this);
    cuspsTable_ =
        makeTable(kCuspTableColumns, kPositionInitialWidths, cuspTableTooltips(), tableFont_, this);
    significatorsTable_ = makeTable(kSignificatorTableColumns, kSignificatorInitialWidths,
                                    significatorTableTooltips(), tableFont_, this);

    // A table that needs more room (a new font) gets it at the next layout.
    for (CHoverListCtrl* table : {planetsTable_, cuspsTable_, significatorsTable_})
        connect(table, &CHoverListCtrl::contentNeedsChanged, this, &CVerokantView::layoutControls,
                Qt::QueuedConnection);
    // The houses a planet signifies can run long; its name and lords never give way.
    significatorsTable_->setColumnFit(CHoverListCtrl::ColumnFit::ShareByWeights);
    significatorsTable_->setElidedColumn(0);
    significatorsTable_->setColumnWeights(kSignificatorColumnWeights);

    planetsTable_->setCellStyler([](int, int column, const RowState& state) {
        return positionCellStyle(render::currentTheme(), state, column >= 4 && column <= 6);
    });
    cuspsTable_->setCellStyler([](int, int column, const RowState& state) {
        return positionCellStyle(render::currentTheme(), state, column == 6);
    });
    significatorsTable_->setCellStyler([this](int row, int, const RowState& state) {
        const auto& rows = significatorRows();
        const bool known = row >= 0 && row < int(rows.size());
        return significatorCellStyle(render::currentTheme(), state,
                                     known ? rows[std::size_t(row)] : document::SignificatorRow{});
    });

    dashaTree_ = new CDashaTreeCtrl(this);
    // A deeper level may ask for more width, and the tree is as tall as its rows.
    connect(dashaTree_, &QTreeWidget::itemExpanded, this, [this] { layoutControls(); });
    connect(dashaTree_, &QTreeWidget::itemCollapsed, this, [this] { layoutControls(); });

    karakaGrid_ = new CKarakaGridCtrl(this);
    karakaGrid_->setCellSize({55, 28});
    rulingPlanets_ = new CRulingPlanetsCtrl(this);

    const document::ChartEnvironment& environment = doc_.environment();
    notesEditor_ =
        new CNotesEditor([clock = environment.clock] { return document::readClock(clock); }, this);
    notesEditor_->setFont(tableFont_);
    connect(notesEditor_, &CNotesEditor::notesEdited, this, &CVerokantView::onNotesEdited);
    connect(notesEditor_, &CNotesEditor::visitStarted, this, [this] { ++notesVisit_; });

    const std::array<int, 3> counts = {24, 60, 60};
    for (std::size_t i = 0; i < 3; ++i) {
        rulingTime_[i] = makeTimeList(counts[i], this);
        connect(rulingTime_[i], &QComboBox::currentIndexChanged, this,
                [this] { onRulingTimeChosen(); });
    }
    for (std::size_t i = 0; i < 3; ++i) {
        birthTime_[i] = makeTimeList(counts[i], this);
        connect(birthTime_[i], &QComboBox::currentIndexChanged, this,
                [this] { onBirthTimeChosen(); });
    }
}

void CVerokantView::initialUpdate()
{
    applyThemeColors();
    notesEditor_->loadNotes(doc_.notes());
    syncBirthTimeLists();
    setRulingTimeToNow();
    fillTables();
    refreshPanels();
    render::setChartTextSize(render::kChartViewInitialTextSize);
    layoutControls();
}

void CVerokantView::applyThemeColors()
{
    for (CHoverListCtrl* table : {planetsTable_, cuspsTable_, significatorsTable_})
        table->applyThemeColors();
    dashaTree_->applyThemeColors();
    notesEditor_->applyThemeColors();
}

void CVerokantView::OnUpdate(int hint)
{
    // The theme may have changed with the settings or a refresh.
    applyThemeColors();
    switch (hint) {
    case document::HINT_REFRESH:
        refreshRulingPlanets();
        break;
    case document::HINT_CHART_LOADED:
        notesEditor_->loadNotes(doc_.notes());
        timeAdjusted();
        break;
    case document::HINT_SETTINGS_CHANGED:
        // The document has recomputed once for all its views.
        timeAdjusted();
        setRulingTimeToNow();
        break;
    case document::HINT_TIME_ADJUSTED:
        timeAdjusted();
        break;
    case document::HINT_NOTES_CHANGED:
        notesEditor_->loadNotes(doc_.notes());
        ++notesVisit_; // typing after an undo is an edit of its own
        break;
    default:
        break;
    }
    update();
}

void CVerokantView::CommitPendingEdits()
{
    if (!notesEditor_->showsPlaceholder())
        doc_.SetNotes(notesEditor_->notes());
}

void CVerokantView::timeAdjusted()
{
    fillTables();
    refreshPanels();
    syncBirthTimeLists();
    layoutControls();
}

const std::vector<document::SignificatorRow>& CVerokantView::significatorRows() const
{
    return doc_.presentation().significators;
}

const QString& CVerokantView::runningDashaText() const
{
    return doc_.presentation().runningDashaCaption;
}

void CVerokantView::fillTables()
{
    const document::ChartPresentation& shown = doc_.presentation();
    std::vector<QStringList> planets;
    for (const document::PlanetTableRow& row : shown.planets)
        planets.push_back(row.cells());
    std::vector<QStringList> cusps;
    for (const document::CuspTableRow& row : shown.cusps)
        cusps.push_back(cuspRowAsShown(row));
    std::vector<QStringList> significators;
    for (const document::SignificatorRow& row : shown.significators)
        significators.push_back(row.cells);
    planetsTable_->setRows(planets);
    cuspsTable_->setRows(cusps);
    significatorsTable_->setRows(significators);
    // Each planet's rows explain, level by level, why it signifies its houses.
    const int form = doc_.settings().planetNameFormat;
    for (int r = 0; r < significatorsTable_->rowCount() && r < int(shown.significators.size());
         ++r) {
        const QString why = document::significatorWhyText(
            doc_.chart(), shown.significators[std::size_t(r)].body, form);
        for (int c = 0; c < significatorsTable_->columnCount(); ++c)
            if (QTableWidgetItem* item = significatorsTable_->item(r, c))
                item->setToolTip(why);
    }
}

void CVerokantView::refreshPanels()
{
    const int form = doc_.settings().planetNameFormat;
    karakaGrid_->setCells(karakaCells(doc_.chart().planets, form));
    const engine::LocalDateTime today = document::readClock(doc_.environment().clock);
    dashaTree_->setDasha(doc_.presentation().dasha, today);
    refreshRulingPlanets();
    layoutDashaTree();
}

void CVerokantView::refreshRulingPlanets()
{
    const document::AppSettings& s = doc_.settings();
    rulingPlanets_->setPlace({QString::fromStdString(s.rpCity), QString::fromStdString(s.rpState),
                              QString::fromStdString(s.rpCountry), s.rpLatitude, s.rpLongitude,
                              s.rpTimeZoneHours});
    if (doc_.hasChart()) {
        rulingPlanets_->setRows(rulingPlanetRows(
            engine::rankedRulingPlanets(doc_.currentRulingPlanets()), s.planetNameFormat));
        rulingPlanets_->setTitle(document::rulingPlanetsTitle(doc_));
    } else {
        rulingPlanets_->setRows({});
        rulingPlanets_->setTitle(QStringLiteral("Ruling Planets"));
    }
}

void CVerokantView::syncBirthTimeLists()
{
    const engine::BirthDetails& birth = doc_.birthDetails();
    selectQuietly(birthTime_[0], birth.hour);
    selectQuietly(birthTime_[1], birth.minute);
    selectQuietly(birthTime_[2], birth.second);
}

void CVerokantView::setRulingTimeToNow()
{
    const auto& clock = doc_.environment().clock;
    const engine::LocalDateTime now = document::readClock(clock);
    selectQuietly(rulingTime_[0], now.hour);
    selectQuietly(rulingTime_[1], now.minute);
    selectQuietly(rulingTime_[2], now.second);
    onRulingTimeChosen();
}

void CVerokantView::onRulingTimeChosen()
{
    doc_.RulingPlanetsAt(selectedValue(rulingTime_[0]), selectedValue(rulingTime_[1]),
                         selectedValue(rulingTime_[2]));
    // A view not yet among the document's views hears nothing from it.
    refreshRulingPlanets();
}

void CVerokantView::onBirthTimeChosen()
{
    if (!doc_.hasChart())
        return;
    hideTooltip();
    const std::array<int, 3> time = {selectedValue(birthTime_[0]), selectedValue(birthTime_[1]),
                                     selectedValue(birthTime_[2])};
    if (undo_)
        undo_->push(new BirthTimeEdit(doc_, time));
    else
        doc_.ChangeBirthTime(time[0], time[1], time[2]);
}

void CVerokantView::onNotesEdited(const QString& notes)
{
    if (undo_)
        undo_->push(new NotesEdit(doc_, notes, notesVisit_));
    else
        doc_.SetNotes(notes);
}

void CVerokantView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void CVerokantView::layoutControls()
{
    updateMinimumSize();
    const std::optional<ChartViewLayout> layout = layoutChartView(size(), measureNeeds());
    if (!layout)
        return; // too small: keep the last layout
    layout_ = layout;
    significatorsTable_->setGeometry(layout_->significatorsTable);
    karakaGrid_->setGeometry(layout_->karakaGrid);
    notesEditor_->setGeometry(layout_->notesEditor);
    rulingPlanets_->setGeometry(layout_->rulingPlanets);
    for (std::size_t i = 0; i < 3; ++i) {
        birthTime_[i]->setGeometry(layout_->birthTimeLists[i]);
        rulingTime_[i]->setGeometry(layout_->rulingTimeLists[i]);
    }
    layoutPositionTables();
    layoutDashaTree();
    update();
}

void CVerokantView::layoutPositionTables()
{
    if (!layout_)
        return;
    auto needs = [](const CHoverListCtrl* table) {
        return PositionTableNeeds{true, table->headerHeight(), table->rowHeight(),
                                  table->rowCount()};
    };
    const PositionTablesPlacement placement =
        placePositionTables(layout_->panel(Panel::PlanetaryPositions), needs(planetsTable_),
                            needs(cuspsTable_), logicalDpiY() / 96.0);
    planetsTable_->setGeometry(placement.planets);
    cuspsTable_->setGeometry(placement.cusps);
}

void CVerokantView::layoutDashaTree()
{
    if (!layout_)
        return;
    int rowHeight = dashaTree_->sizeHintForRow(0);
    if (rowHeight <= 0)
        rowHeight = CDashaTreeCtrl::kItemHeight;
    const QRect tree = dashaTreeRect(layout_->dashaArea, rowHeight, dashaTree_->visibleRowCount(),
                                     dashaTree_->header()->sizeHint().height());
    if (tree != dashaTree_->geometry()) {
        dashaTree_->setGeometry(tree);
        update(); // the frame around the tree moves with it
    }
}

void CVerokantView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintView(painter);
}

void CVerokantView::paintView(QPainter& painter)
{
    const render::ColorTheme& theme = render::currentTheme();
    painter.fillRect(rect(), rgb(theme.rowLight));
    if (!layout_)
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    drawPanel(painter, Panel::PlanetaryPositions, QStringLiteral("Planetary Positions"));
    drawPanel(painter, Panel::Charts, QStringLiteral("Charts"), birthTimeLabelText(),
              layout_->birthTimeLabel);
    drawPanel(painter, Panel::RulingPlanetsAndDasha, QStringLiteral("Ruling Planets & Dasha"),
              rulingTimeLabelText(), layout_->rulingTimeLabel);
    drawPanel(painter, Panel::Significators,
              QStringLiteral("KP Significators") + QLatin1String(kDashaTitleSeparator) +
                  runningDashaText());
    drawPanel(painter, Panel::KarakasAndNotes, QStringLiteral("KARAKAS & NOTES"));
    drawCharts(painter);
    drawControlFrames(painter);
}

void CVerokantView::drawPanel(QPainter& painter, Panel panel, const QString& title,
                              const QString& timeLabel, const QRect& timeLabelRect)
{
    const render::ColorTheme& theme = render::currentTheme();
    const QRect r = layout_->panel(panel);
    const int left = r.x();
    const int top = r.y();
    const int right = rightOf(r);
    const int barHeight = layout_->titleBarHeight(panel);

    painter.setPen(QPen(rgb(theme.panelBorder), 1.0));
    painter.setBrush(rgb(panel == Panel::Charts ? theme.chartPanelBody : theme.panelBody));
    roundedOutline(painter, r, kPanelCorner);

    const TextOnSurface header = headerColors(theme);
    const QRect bar(left, top, r.width(), barHeight);
    painter.setBrush(header.back);
    roundedOutline(painter, bar, kPanelCorner);
    painter.fillRect(QRect(left + 1, top + barHeight - 5, r.width() - 2, 5), header.back);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(rgb(theme.panelBorder));
    painter.drawLine(left, top + barHeight, right - 1, top + barHeight);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The title stops short of the time lists when they share its row.
    int titleRight = right - 12;
    if (!timeLabel.isEmpty() && timeLabelRect.y() < top + kPanelTitleHeight)
        titleRight = timeLabelRect.x() - 12;
    const QRect titleRect(left + 12, top + 5, std::max(titleRight - (left + 12), 0),
                          kPanelTitleHeight - 5);
    painter.setFont(titleFont_);
    painter.setPen(header.text);
    const QFontMetrics metrics(titleFont_, painter.device());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     metrics.elidedText(title, Qt::ElideRight, titleRect.width()));
    if (!timeLabel.isEmpty()) {
        painter.setFont(labelFont_);
        painter.drawText(timeLabelRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         timeLabel);
    }
}

void CVerokantView::drawCharts(QPainter& painter)
{
    const QRect inside =
        chartsPanelInside(layout_->panel(Panel::Charts), layout_->titleBarHeight(Panel::Charts));
    const render::ChartsPanelPlacement placement = render::placeChartsInPanel(inside);
    render::setChartTextSize(placement.textSize);
    const engine::Chart& chart = doc_.chart();
    painter.save();
    render::DrawChartDiagram(painter, placement.rashi, &chart.rashiChartPlanets, &chart.cusps,
                             &rashiRegions_);
    render::DrawChartDiagram(painter, placement.bhava, &chart.bhavaChartPlanets, &chart.cusps,
                             &bhavaRegions_);
    painter.restore();
    if (chart.cusps.empty()) {
        rashiRegions_.clear();
        bhavaRegions_.clear();
    }

    painter.setFont(sectionFont_);
    painter.setPen(chartCaptionColor(render::currentTheme()));
    const QFontMetrics metrics(sectionFont_, painter.device());
    const int ascent = metrics.ascent();
    painter.drawText(placement.rashiCaptionTopLeft + QPoint(0, ascent),
                     QString::fromLatin1(render::kRashiChartCaption));
    painter.drawText(placement.bhavaCaptionTopLeft + QPoint(0, ascent),
                     QString::fromLatin1(render::kBhavaChartCaption));
}

void CVerokantView::drawControlFrames(QPainter& painter)
{
    const render::ColorTheme& theme = render::currentTheme();
    // The panel with the focus is framed in the selection colour, two pixels wide.
    const QColor focusColor =
        render::readableOn(rgb(theme.selectedBack), rgb(theme.panelBody), 3.0);
    const QWidget* focus = QApplication::focusWidget();
    auto focused = [focus](const QWidget* control) {
        return focus && (focus == control || control->isAncestorOf(focus));
    };
    painter.setBrush(Qt::NoBrush);
    auto frame = [&](const QWidget* control, int corner) {
        const QRect r = grown(control->geometry(), 2);
        painter.setPen(QPen(rgb(theme.shadow), 1.0));
        roundedOutline(painter, r.translated(1, 1), corner);
        if (focused(control)) {
            painter.setPen(QPen(focusColor, 2.0));
            painter.drawRoundedRect(QRectF(r).adjusted(0.0, 0.0, 0.0, 0.0), corner / 2.0,
                                    corner / 2.0);
        } else {
            painter.setPen(QPen(rgb(theme.panelBorder), 1.0));
            roundedOutline(painter, r, corner);
        }
    };
    frame(planetsTable_, kTableCorner);
    frame(cuspsTable_, kTableCorner);
    frame(significatorsTable_, kTableCorner);
    frame(notesEditor_, kNotesCorner);

    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect treeFrame = grown(dashaTree_->geometry(), 4).adjusted(0, 0, -1, -1);
    if (focused(dashaTree_)) {
        painter.setPen(QPen(focusColor, 2.0));
        painter.drawRect(treeFrame);
    } else {
        painter.setPen(themedSurface(rgb(kDashaFrame), theme));
        painter.drawRect(treeFrame);
    }
}

const render::ChartHitRegion* CVerokantView::regionAt(QPoint pos, bool* inRashi) const
{
    for (const render::ChartHitRegion& region : rashiRegions_)
        if (region.rect.contains(pos)) {
            *inRashi = true;
            return &region;
        }
    for (const render::ChartHitRegion& region : bhavaRegions_)
        if (region.rect.contains(pos)) {
            *inRashi = false;
            return &region;
        }
    return nullptr;
}

engine::ShadbalaResult CVerokantView::strengthOf(engine::BodyId body) const
{
    const engine::PlanetPosition* planet = engine::findPlanet(doc_.chart(), body);
    return planet ? planet->strength : engine::ShadbalaResult{};
}

void CVerokantView::mouseMoveEvent(QMouseEvent* event)
{
    bool inRashi = true;
    const render::ChartHitRegion* region = regionAt(event->position().toPoint(), &inRashi);
    if (!region) {
        if (hoveredBody_ != -1)
            hideTooltip();
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (region->body == hoveredBody_)
        return;
    hoveredBody_ = region->body;
    const engine::Chart& chart = doc_.chart();
    const auto& list = inRashi ? chart.rashiChartPlanets : chart.bhavaChartPlanets;
    const auto planet = std::find_if(list.begin(), list.end(),
                                     [this](const auto& p) { return p.body == hoveredBody_; });
    if (planet == list.end())
        return;
    if (!tooltip_)
        tooltip_ = new CPlanetTooltip(this);
    tooltip_->showFor(
        planetDetail(*planet, strengthOf(planet->body), doc_.settings().planetNameFormat),
        event->globalPosition().toPoint());
}

void CVerokantView::leaveEvent(QEvent* event)
{
    hideTooltip();
    QWidget::leaveEvent(event);
}

void CVerokantView::hideTooltip()
{
    hoveredBody_ = -1;
    if (tooltip_)
        tooltip_->hide();
}

void CVerokantView::mousePressEvent(QMouseEvent* event)
{
    bool inRashi = true;
    const render::ChartHitRegion* region = event->button() == Qt::LeftButton
                                               ? regionAt(event->position().toPoint(), &inRashi)
                                               : nullptr;
    if (!region) {
        QWidget::mousePressEvent(event);
        return;
    }
    QString text = region->tooltipText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    hideTooltip();
    if (document::Messages* messages = doc_.environment().messages)
        messages->information(text.toStdString());
    else
        QMessageBox::information(this, productName(), text);
}

} // namespace lumikan::ui
