#include "ui/verokant_view.h"

#include "document/chart_maker.h"
#include "qt_test_app.h"
#include "render/chart_appearance.h"
#include "ui/dasha_tree_ctrl.h"
#include "ui/hover_list_ctrl.h"
#include "ui/karaka_grid_ctrl.h"
#include "ui/notes_editor.h"
#include "ui/planet_tooltip.h"
#include "ui/ruling_planets_ctrl.h"
#include "ui/screen_colors.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <tuple>

namespace lumikan::ui {
namespace {

// The Pune chart in a fixed "now" (15 March 2026, 10:30:45), with its view.
struct ViewFixture : test::PuneChart {
    std::unique_ptr<CVerokantView> view;

    explicit ViewFixture(QSize size = {1280, 800}) : PuneChart({2026, 3, 15, 10, 30, 45})
    {
        test::qtApp();
        render::selectColorTheme(0);
        view = std::make_unique<CVerokantView>(*doc);
        view->resize(size);
        view->show(); // scroll areas lay out their viewports once shown
        doc->AddView(view.get());
    }
    ~ViewFixture() { doc->RemoveView(view.get()); }

    QImage render() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST(ChartView, FillsItsTablesAndPanelsFromTheDocument)
{
    ViewFixture f;
    ASSERT_TRUE(f.doc->hasChart());
    CVerokantView& v = *f.view;

    const auto& planetRows = f.doc->presentation().planets;
    ASSERT_EQ(v.planetsTable()->rowCount(), int(planetRows.size()));
    EXPECT_EQ(v.planetsTable()->item(1, 0)->text(), planetRows[1].planet);
    // Cusp texts in the order cusp, nakshatra, sign, degree, star, sub, sub-sub.
    const auto& cuspRows = f.doc->presentation().cusps;
    ASSERT_EQ(v.cuspsTable()->rowCount(), 12);
    EXPECT_EQ(v.cuspsTable()->item(0, 0)->text(), "I");
    EXPECT_EQ(v.cuspsTable()->item(0, 1)->text(), cuspRows[0].nakshatra);
    EXPECT_EQ(v.cuspsTable()->item(0, 3)->text(), cuspRows[0].degree);
    EXPECT_EQ(v.cuspsTable()->item(11, 7)->text(), cuspRows[11].significators);
    EXPECT_EQ(v.significatorsTable()->rowCount(), 2 * int(planetRows.size()));

    EXPECT_EQ(v.karakaGrid()->geometry(), v.viewLayout()->karakaGrid);
    EXPECT_EQ(v.rulingPlanetsPanel()->rows().size(), 7u);
    EXPECT_TRUE(v.notesEditor()->showsPlaceholder());
    EXPECT_EQ(render::chartTextSize(), 102) << "set up, not yet painted";

    // The time lists: the birth time, and the ruling time set to now.
    EXPECT_EQ(v.birthTimeList(0)->currentText(), "14");
    EXPECT_EQ(v.birthTimeList(1)->currentText(), "07");
    EXPECT_EQ(v.rulingTimeList(2)->currentText(), "45");

    // The significators run in the table's order, house 1 first.
    const auto& rows = v.significatorRows();
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(rows[0].cells[0].split(", ").contains("I"));
    EXPECT_EQ(v.significatorsTable()->item(0, 1)->text(), rows[0].cells[1]);
    EXPECT_FALSE(v.runningDashaText().isEmpty());

    // The dasha tree opens on the pratyantardasha running on the fixed today.
    const auto& periods = f.doc->presentation().dasha;
    const std::vector<int> path = runningDashaPath(periods, "2026-03-15");
    ASSERT_EQ(path.size(), 3u) << "the default depth reaches pratyantardashas";
    ASSERT_TRUE(v.dashaTree()->currentItem());
    EXPECT_EQ(
        v.dashaTree()->currentItem()->text(0),
        pratyantardashaItemText(periods[path[0]].antardashas[path[1]].pratyantardashas[path[2]]));
}

TEST(ChartView, LaysOutItsControlsByWhatTheyNeedAndNeverSmaller)
{
    ViewFixture f;
    CVerokantView& v = *f.view;
    ASSERT_TRUE(v.viewLayout());
    const ChartViewNeeds needs = v.measureNeeds();
    const ChartViewLayout expected = *layoutChartView(v.size(), needs);
    EXPECT_EQ(v.viewLayout()->panels, expected.panels);
    EXPECT_EQ(v.significatorsTable()->geometry(), expected.significatorsTable);
    EXPECT_EQ(v.birthTimeList(2)->geometry(), expected.birthTimeLists[2]);
    EXPECT_EQ(v.rulingPlanetsPanel()->geometry(), expected.rulingPlanets);
    const QRect planets = v.planetsTable()->geometry();
    const QRect cusps = v.cuspsTable()->geometry();
    const QRect positions = expected.panel(Panel::PlanetaryPositions);
    EXPECT_EQ(cusps.top(), planets.top() + planets.height() + 8);
    EXPECT_EQ(cusps.top() + cusps.height(), positions.top() + positions.height() - 4);
    // Every planet and every cusp row without scrolling.
    const CHoverListCtrl& planetTable = *v.planetsTable();
    EXPECT_GE(planets.height(),
              planetTable.headerHeight() + planetTable.rowCount() * planetTable.rowHeight());
    EXPECT_GE(cusps.height(), v.cuspsTable()->headerHeight() + 12 * v.cuspsTable()->rowHeight());
    // The dasha tree sits at the top of its area, as tall as its rows or the area.
    EXPECT_EQ(v.dashaTree()->geometry().topLeft(), expected.dashaArea.topLeft());
    EXPECT_LE(v.dashaTree()->height(), expected.dashaArea.height());

    // Columns fill each table's client width, the texts' widths first.
    for (const CHoverListCtrl* table : {v.planetsTable(), v.cuspsTable(), v.significatorsTable()}) {
        int total = 0;
        const std::vector<int> least = table->contentColumnWidths();
        for (int c = 0; c < table->columnCount(); ++c) {
            total += table->columnWidth(c);
            EXPECT_GE(table->columnWidth(c), least[std::size_t(c)]) << c;
        }
        EXPECT_EQ(total, table->viewport()->width());
    }

    // Below its least size the view does not shrink (its window scrolls).
    const QSize least = minimumChartViewSize(needs);
    EXPECT_EQ(v.minimumSize(), least);
    v.resize(900, 400);
    EXPECT_EQ(v.size(), least.expandedTo(QSize(900, 400)));
    EXPECT_EQ(v.viewLayout()->panels, layoutChartView(v.size(), needs)->panels);
}

TEST(ChartView, ChangingTheBirthMinuteRecomputesAndRefillsEverything)
{
    ViewFixture f;
    CVerokantView& v = *f.view;
    f.doc->SetModifiedFlag(false);
    f.render();
    const double julianDayBefore = f.doc->chart().julianDayUt;
    const QString cuspBefore = v.cuspsTable()->item(0, 3)->text();
    const std::vector<render::ChartHitRegion> rashiBefore = v.rashiRegions();
    ASSERT_FALSE(rashiBefore.empty());

    // 14:07 to 14:52: the ascendant moves about eleven degrees.
    v.birthTimeList(1)->setCurrentIndex(52);
    EXPECT_TRUE(f.doc->IsModified());
    EXPECT_EQ(f.doc->birthDetails().minute, 52);
    EXPECT_NEAR(f.doc->chart().julianDayUt - julianDayBefore, 45.0 / 1440.0, 1e-9);
    EXPECT_NE(v.cuspsTable()->item(0, 3)->text(), cuspBefore);
    EXPECT_EQ(v.cuspsTable()->item(0, 3)->text(), f.doc->presentation().cusps[0].degree);

    f.render();
    bool moved = false;
    for (std::size_t i = 0; i < rashiBefore.size(); ++i)
        moved = moved || rashiBefore[i].tooltipText != v.rashiRegions()[i].tooltipText;
    EXPECT_TRUE(moved) << "the diagrams were redrawn from the new chart";
}

TEST(ChartView, NotesGoToTheDocumentButThePlaceholderNever)
{
    ViewFixture f;
    CVerokantView& v = *f.view;
    CNotesEditor* editor = v.notesEditor();
    f.doc->SetModifiedFlag(false);

    // Clicking into the notes changes nothing; typing does.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(editor, &in);
    EXPECT_TRUE(f.doc->notes().isEmpty());
    EXPECT_FALSE(f.doc->IsModified());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, QStringLiteral("M"));
    QApplication::sendEvent(editor, &key);
    EXPECT_EQ(f.doc->notes(), "[15/Mar/2026] M");
    EXPECT_TRUE(f.doc->IsModified());

    editor->selectAll();
    editor->textCursor().insertText("  ");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(editor, &out);
    EXPECT_TRUE(editor->showsPlaceholder());
    EXPECT_EQ(f.doc->notes(), "  ");
    v.CommitPendingEdits();
    EXPECT_EQ(f.doc->notes(), "  ");

    // Reloading an empty note shows the cue; a document note is shown as is.
    f.doc->SetNotes("");
    f.doc->UpdateAllViews(document::HINT_CHART_LOADED);
    EXPECT_TRUE(editor->showsPlaceholder());
    f.doc->SetNotes("Saturn return");
    f.doc->UpdateAllViews(document::HINT_CHART_LOADED);
    EXPECT_EQ(editor->toPlainText(), "Saturn return");
    EXPECT_FALSE(editor->showsPlaceholder());
}

TEST(ChartView, SettingsChangeRenamesAndRulingTimeRefreshesThePanel)
{
    ViewFixture f;
    CVerokantView& v = *f.view;
    f.settings.planetNameFormat = 2;
    f.settings.rpCity = "Nagpur";
    f.settings.rpLatitude = 21.1458;
    f.settings.rpLongitude = 79.0882;
    f.settings.rpTimeZoneHours = 5.5;
    v.rulingTimeList(0)->setCurrentIndex(3);
    f.doc->ApplySettingsChange();

    EXPECT_TRUE(v.planetsTable()->item(0, 0)->text().startsWith("Sun"));
    const QString karaka = v.karakaGrid()->cells()[0].planetName;
    EXPECT_NE(karaka, karaka.toUpper()) << "full names, not capitals";
    EXPECT_TRUE(v.rulingPlanetsPanel()->placeLine().startsWith("Nagpur  |  Lat: 21.1458"));
    EXPECT_EQ(v.rulingTimeList(0)->currentText(), "10") << "back to the current time";
    // The panel says which moment and place its planets are for.
    EXPECT_EQ(v.rulingPlanetsPanel()->title(),
              QStringLiteral("Ruling planets now \u2014 15 Mar 2026 10:30 IST, Nagpur"));

    // A ruling time chosen in the view goes to the document and the panel.
    const engine::RulingPlanets atTen = f.doc->currentRulingPlanets();
    v.rulingTimeList(0)->setCurrentIndex(22);
    const engine::RulingPlanets atTwentyTwo = f.doc->currentRulingPlanets();
    EXPECT_EQ(v.rulingPlanetsPanel()->title(),
              QStringLiteral("Ruling planets \u2014 15 Mar 2026 22:30 IST, Nagpur"))
        << "another time than now";
    auto ascendantLords = [](const engine::RulingPlanets& r) {
        return std::tuple(r.ascSignLord, r.ascStarLord, r.ascSubLord, r.ascSubSubLord);
    };
    EXPECT_NE(ascendantLords(atTen), ascendantLords(atTwentyTwo)) << "twelve hours later";
    const auto ranked = engine::rankedRulingPlanets(atTwentyTwo);
    ASSERT_EQ(v.rulingPlanetsPanel()->rows().size(), ranked.size());
    for (std::size_t i = 0; i < ranked.size(); ++i)
        EXPECT_EQ(v.rulingPlanetsPanel()->rows()[i].planetName,
                  QString::fromLatin1(engine::bodyName(ranked[i].body, 2)));
}

TEST(ChartView, HoverShowsThePlanetCardAndClickTheMessage)
{
    ViewFixture f;
    CVerokantView& v = *f.view;
    f.render();
    ASSERT_FALSE(v.rashiRegions().empty());
    ASSERT_FALSE(v.bhavaRegions().empty());
    const render::ChartHitRegion region = v.bhavaRegions().front();

    const QPointF inside = region.rect.center();
    QMouseEvent move(QEvent::MouseMove, inside, v.mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&v, &move);
    EXPECT_EQ(v.hoveredBody(), region.body);
    ASSERT_TRUE(v.planetTooltip());
    EXPECT_TRUE(v.planetTooltip()->isVisible());

    QMouseEvent press(QEvent::MouseButtonPress, inside, v.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &press);
    ASSERT_EQ(f.messages.informations.size(), 1u);
    QString expected = region.tooltipText;
    expected.replace("\r\n", "\n");
    EXPECT_EQ(QString::fromStdString(f.messages.informations[0]), expected);

    const QPointF outside(3, 3);
    QMouseEvent away(QEvent::MouseMove, outside, v.mapToGlobal(outside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&v, &away);
    EXPECT_EQ(v.hoveredBody(), -1);
    EXPECT_FALSE(v.planetTooltip()->isVisible());
}

// Pixels that prove the panels, title bars, diagram lines and fills sit where
// the layout puts them.
void checkRenderedView(ViewFixture& f, int themeIndex, const char* imageName)
{
    render::selectColorTheme(themeIndex);
    f.doc->UpdateAllViews(document::HINT_REFRESH);
    const QImage image = f.render();
    test::keepImage(image, imageName);
    const render::ColorTheme& theme = render::COLOR_THEMES[std::size_t(themeIndex)].colors;
    const ChartViewLayout& layout = *f.view->viewLayout();
    auto color = [](QRgb value) { return QColor::fromRgb(value); };
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               40;
    };

    // Between the panels, the view's background.
    const QRect charts = layout.panel(Panel::Charts);
    EXPECT_EQ(image.pixelColor(charts.left() - 4, 200), color(theme.rowLight));
    // Title bars: left of the title text, and in the squared-off lower corner.
    const QColor headerBack = headerColors(theme).back;
    for (int p = 0; p < kPanelCount; ++p) {
        const QRect& panel = layout.panels[std::size_t(p)];
        const int bar = layout.titleBarHeights[std::size_t(p)];
        EXPECT_EQ(image.pixelColor(panel.left() + 5, panel.top() + 14), headerBack);
        EXPECT_EQ(image.pixelColor(panel.left() + 2, panel.top() + bar - 2), headerBack);
        EXPECT_EQ(image.pixelColor(panel.left() + 40, panel.top() + bar), color(theme.panelBorder));
        EXPECT_EQ(image.pixelColor(panel.left(), panel.center().y()), color(theme.panelBorder));
    }
    // Panel bodies beside the controls they hold.
    const QRect karakas = layout.panel(Panel::KarakasAndNotes);
    EXPECT_EQ(image.pixelColor(karakas.left() + 5, karakas.top() + 60), color(theme.panelBody));
    EXPECT_EQ(image.pixelColor(charts.left() + 8, charts.center().y()),
              color(theme.chartPanelBody));
    EXPECT_EQ(image.pixelColor(layout.notesEditor.center()), themedSurface(color(0xFFFEF9), theme));

    // The Rashi diagram: fill inside, a tick on the top edge, a corner tab.
    const render::ChartsPanelPlacement diagrams =
        render::placeChartsInPanel(chartsPanelInside(charts, layout.titleBarHeight(Panel::Charts)));
    const QRect rashi = diagrams.rashi;
    const int cx = rashi.left() + rashi.width() / 2;
    EXPECT_EQ(image.pixelColor(rashi.left() + 7, rashi.top() + 40), color(theme.chartFill));
    EXPECT_TRUE(near(image.pixelColor(cx, rashi.top() + 7), color(theme.chartLine)))
        << image.pixelColor(cx, rashi.top() + 7).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(cx + 4, rashi.top() + 7), color(theme.chartFill)));
    EXPECT_EQ(image.pixelColor(rashi.left() + 12, rashi.top() + 12), color(theme.chartAccent));
    EXPECT_EQ(image.pixelColor(diagrams.bhava.right() - 12, diagrams.bhava.bottom() - 12),
              color(theme.chartAccent));
    // The table frames: a border two pixels outside each table.
    const QRect table = f.view->significatorsTable()->geometry();
    EXPECT_TRUE(
        near(image.pixelColor(table.center().x(), table.top() - 2), color(theme.panelBorder)));
}

TEST(ChartView, RendersThePanelsAndDiagramsInTwoThemes)
{
    ViewFixture f({1600, 1000});
    checkRenderedView(f, 0, "chart-view-classic-gold");
    checkRenderedView(f, 15, "chart-view-carbon-dark");
    EXPECT_EQ(render::chartTextSize(), render::chartTextSizeForPanelWidth(
                                           f.view->viewLayout()->panel(Panel::Charts).width()));
    render::selectColorTheme(0);
}

} // namespace
} // namespace lumikan::ui
