#include "ui/event_timing_window.h"

#include "document/significator_why.h"
#include "document/verokant_doc.h"
#include "engine/ephemeris.h"
#include "engine/event_houses.h"
#include "engine/local_time.h"
#include "engine/ruling_planets.h"
#include "engine/significators.h"
#include "engine/sun_windows.h"
#include "engine/transit.h"
#include "render/chart_appearance.h"
#include "render/color_theme.h"
#include "render/contrast.h"
#include "ui/themed_table.h"
#include "ui/transit_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace lumikan::ui {

namespace {

QString name(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString houseList(const std::vector<int>& list)
{
    QStringList out;
    for (int h : list)
        out << QString::number(h);
    return out.isEmpty() ? QStringLiteral("none") : out.join(QStringLiteral(", "));
}

QString lordsText(const std::vector<engine::LordIndex>& lords)
{
    QStringList out;
    for (engine::LordIndex l : lords)
        out << name(engine::lordName(l));
    return out.join(QStringLiteral(" – "));
}

engine::LocalDateTime dayStart(const QDate& d)
{
    return {d.year(), d.month(), d.day(), 0, 0, 0};
}

QString localText(double jd, double offsetHours, bool withTime)
{
    const engine::LocalDateTime t = engine::localDateTimeOf(jd, offsetHours);
    const QDateTime wall(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
    return wall.toString(withTime ? QStringLiteral("yyyy-MM-dd HH:mm")
                                  : QStringLiteral("yyyy-MM-dd"));
}

} // namespace

CEventTimingWindow::CEventTimingWindow(const document::CVerokantDoc& doc,
                                       std::function<QDateTime()> utcNow, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), utcNow_(std::move(utcNow))
{
    offsetHours_ = doc.chart().options.rulingPlace.timeZoneHours;
    setWindowTitle(QStringLiteral("Event Timing — ") + doc.GetTitle());
    const render::ColorTheme& theme = render::currentTheme();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(theme.panelBody));
    pal.setColor(QPalette::WindowText, render::readableOn(QColor::fromRgb(theme.listText),
                                                          QColor::fromRgb(theme.panelBody)));
    setPalette(pal);
    setAutoFillBackground(true);

    auto* top = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    event_ = new QComboBox(this);
    for (const engine::EventHouses& e : engine::eventTable())
        event_->addItem(QStringLiteral("%1 (cusp %2; houses %3)")
                            .arg(name(e.title), houseList(e.cusps), houseList(e.houses)));
    event_->addItem(QStringLiteral("Custom houses…"));
    grid->addWidget(new QLabel(QStringLiteral("Event"), this), 0, 0);
    grid->addWidget(event_, 0, 1, 1, 3);

    auto* houseRow = new QHBoxLayout;
    for (int h = 1; h <= 12; ++h) {
        auto* b = new QToolButton(this);
        b->setText(QString::number(h));
        b->setCheckable(true);
        b->setToolTip(QStringLiteral("House %1 among the event houses").arg(h));
        connect(b, &QToolButton::toggled, this, [this] { recompute(); });
        houseButtons_[std::size_t(h - 1)] = b;
        houseRow->addWidget(b);
    }
    cusp_ = new QSpinBox(this);
    cusp_->setRange(1, 12);
    cusp_->setPrefix(QStringLiteral("primary cusp "));
    connect(cusp_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    houseRow->addWidget(cusp_);
    houseRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Houses"), this), 1, 0);
    grid->addLayout(houseRow, 1, 1, 1, 3);

    auto* rangeRow = new QHBoxLayout;
    const QDate today = utcNow_().addSecs(qint64(std::lround(offsetHours_ * 3600.0))).date();
    from_ = new QDateEdit(today, this);
    to_ = new QDateEdit(today.addYears(10), this);
    for (QDateEdit* d : {from_, to_}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setDateRange(QDate(1800, 1, 2), QDate(2399, 12, 30));
        d->setCalendarPopup(true);
        connect(d, &QDateEdit::dateChanged, this, [this] { recompute(); });
        rangeRow->addWidget(d);
        if (d == from_)
            rangeRow->addWidget(new QLabel(QStringLiteral("to"), this));
    }
    depth_ = new QComboBox(this);
    depth_->addItems(
        {QStringLiteral("Dasha – bhukti – antara"), QStringLiteral("… with the sookshma")});
    connect(depth_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    rangeRow->addWidget(depth_);
    rpFilter_ = new QCheckBox(QStringLiteral("Only lords among today's ruling planets"), this);
    connect(rpFilter_, &QCheckBox::toggled, this, [this] { recompute(); });
    rangeRow->addWidget(rpFilter_);
    rangeRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Range"), this), 2, 0);
    grid->addLayout(rangeRow, 2, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    top->addLayout(grid);

    promise_ = new QLabel(this);
    promise_->setWordWrap(true);
    promise_->setTextFormat(Qt::RichText);
    promise_->setFrameShape(QFrame::StyledPanel);
    promise_->setMargin(6);
    top->addWidget(promise_);
    status_ = new QLabel(this);
    top->addWidget(status_);

    tree_ = new QTreeWidget(this);
    tree_->setColumnCount(7);
    tree_->setHeaderLabels({QStringLiteral("Rank"), QStringLiteral("Lords"), QStringLiteral("From"),
                            QStringLiteral("To"), QStringLiteral("Signifying"),
                            QStringLiteral("Negations"), QStringLiteral("Event houses")});
    tree_->setUniformRowHeights(true);
    applyThemeToView(tree_);
    top->addWidget(tree_, 1);

    connect(event_, &QComboBox::currentIndexChanged, this, [this](int i) { chooseEvent(i); });
    building_ = false;
    chooseEvent(0);
    resize(1080, 640);
}

void CEventTimingWindow::chooseEvent(int index)
{
    const auto& table = engine::eventTable();
    const bool custom = index < 0 || index >= int(table.size());
    building_ = true;
    if (event_->currentIndex() != index)
        event_->setCurrentIndex(custom ? int(table.size()) : index);
    if (!custom) {
        const engine::EventHouses& e = table[std::size_t(index)];
        for (int h = 1; h <= 12; ++h)
            houseButtons_[std::size_t(h - 1)]->setChecked(
                std::find(e.houses.begin(), e.houses.end(), h) != e.houses.end());
        cusp_->setValue(e.cusps.front());
    }
    for (QToolButton* b : houseButtons_)
        b->setEnabled(custom);
    cusp_->setEnabled(custom);
    building_ = false;
    recompute();
}

void CEventTimingWindow::setCustomHouses(const std::vector<int>& houses, int cusp)
{
    building_ = true;
    event_->setCurrentIndex(int(engine::eventTable().size()));
    for (int h = 1; h <= 12; ++h)
        houseButtons_[std::size_t(h - 1)]->setChecked(std::find(houses.begin(), houses.end(), h) !=
                                                      houses.end());
    cusp_->setValue(cusp);
    building_ = false;
    chooseEvent(int(engine::eventTable().size()));
}

void CEventTimingWindow::setDepth(int depth)
{
    depth_->setCurrentIndex(depth >= 4 ? 1 : 0);
}
void CEventTimingWindow::setRulingPlanetFilter(bool on)
{
    rpFilter_->setChecked(on);
}

void CEventTimingWindow::setRange(const QDate& from, const QDate& to)
{
    building_ = true;
    from_->setDate(from);
    building_ = false;
    to_->setDate(to);
    recompute();
}

QString CEventTimingWindow::lordWhy(const engine::LordVerdict& v) const
{
    std::vector<int> relevant = v.eventHouses;
    relevant.insert(relevant.end(), v.negatingHouses.begin(), v.negatingHouses.end());
    return document::significatorWhyLines(
               engine::lordToBody(v.lord),
               engine::significatorReasonsOf(doc_.chart(), engine::lordToBody(v.lord)), relevant, 2)
        .join(QLatin1Char('\n'));
}

void CEventTimingWindow::recompute()
{
    if (building_ || !doc_.hasChart())
        return;
    const engine::Chart& chart = doc_.chart();
    const auto& table = engine::eventTable();
    const int index = event_->currentIndex();
    engine::EventTimingRequest request;
    if (index >= 0 && index < int(table.size())) {
        request.cusps = table[std::size_t(index)].cusps;
        request.houses = table[std::size_t(index)].houses;
    } else {
        for (int h = 1; h <= 12; ++h)
            if (houseButtons_[std::size_t(h - 1)]->isChecked())
                request.houses.push_back(h);
        request.cusps = {cusp_->value()};
    }
    const QDateTime nowUtc = utcNow_();
    const QDateTime nowLocal = nowUtc.addSecs(qint64(std::lround(offsetHours_ * 3600.0)));
    const engine::LocalDateTime now{nowLocal.date().year(),   nowLocal.date().month(),
                                    nowLocal.date().day(),    nowLocal.time().hour(),
                                    nowLocal.time().minute(), nowLocal.time().second()};
    request.nowJulianDayUt = engine::julianDayOfLocal(now, offsetHours_);
    request.fromJulianDayUt = engine::julianDayOfLocal(dayStart(from_->date()), offsetHours_);
    request.toJulianDayUt = engine::julianDayOfLocal(dayStart(to_->date()), offsetHours_);
    request.depth = depth_->currentIndex() == 1 ? 4 : 3;
    engine::Ephemeris& ephemeris = engine::Ephemeris::shared();
    QString rpText;
    if (rpFilter_->isChecked()) {
        const engine::RulingPlanets rp = engine::rulingPlanetsAt(chart.options, now, ephemeris);
        const auto sky =
            engine::transitAt(chart, request.nowJulianDayUt, chart.options.rulingPlace.latitudeDeg,
                              chart.options.rulingPlace.longitudeDeg, ephemeris);
        request.rulingLords = engine::rulingLordSet(rp, sky ? &*sky : nullptr);
        rpText = QStringLiteral("  Ruling planets now: ") + lordsText(*request.rulingLords) + '.';
    }
    tree_->clear();
    if (request.houses.empty() || !(request.toJulianDayUt > request.fromJulianDayUt)) {
        timing_ = {};
        promise_->setText(request.houses.empty()
                              ? QStringLiteral("Choose the event houses.")
                              : QStringLiteral("The range ends before it starts."));
        status_->clear();
        return;
    }
    timing_ = engine::timeEvent(chart, request);
    const bool sunKnown = engine::fillSunWindows(timing_.periods, chart.options, ephemeris);

    const render::ColorTheme& theme = render::currentTheme();
    const QColor back = QColor::fromRgb(theme.panelBody);
    const QString good = render::readableOn(QColor(0x00, 0x82, 0x00), back).name();
    const QString bad = render::readableOn(QColor(0xB4, 0x1E, 0x1E), back).name();
    QString html = QStringLiteral("<b>Promise</b> — event houses %1; negating %2<br>")
                       .arg(houseList(request.houses), houseList(timing_.negatingHouses));
    for (const engine::CuspPromise& p : timing_.promises) {
        const QString verdict = p.promised() ? (p.verdict.negatingHouses.empty()
                                                    ? QStringLiteral("promised")
                                                    : QStringLiteral("promised, with obstacles"))
                                             : QStringLiteral("not promised");
        html += QStringLiteral("Cusp %1's sub lord <b>%2</b> signifies event houses %3 and "
                               "negating houses %4: <b><span style='color:%5'>%6</span></b><br>")
                    .arg(p.cusp)
                    .arg(name(engine::lordName(p.subLord)), houseList(p.verdict.eventHouses),
                         houseList(p.verdict.negatingHouses), p.promised() ? good : bad, verdict);
        const QString why =
            lordWhy(p.verdict).toHtmlEscaped().replace('\n', QStringLiteral("<br>"));
        if (!why.isEmpty())
            html += QStringLiteral("<span style='margin-left:12px'>%1</span><br>").arg(why);
    }
    promise_->setText(html);
    status_->setText(QStringLiteral("%1 periods, best first; ▶ marks the one running now (dates "
                                    "local, UTC%2).%3%4")
                         .arg(timing_.periods.size())
                         .arg(offsetCaption(offsetHours_), rpText,
                              sunKnown ? QString()
                                       : QStringLiteral("  The Sun's windows could not "
                                                        "be computed.")));

    QFont boldFont = tree_->font();
    boldFont.setBold(true);
    int rank = 0;
    QTreeWidgetItem* running = nullptr;
    for (const engine::TimedPeriod& p : timing_.periods) {
        auto* item = new QTreeWidgetItem(tree_);
        item->setText(0, (p.running ? QStringLiteral("▶ ") : QString()) + QString::number(++rank));
        item->setText(1, lordsText(p.lords));
        item->setText(2, localText(p.startJulianDayUt, offsetHours_, false));
        item->setText(3, localText(p.endJulianDayUt, offsetHours_, false));
        item->setText(4, QStringLiteral("%1 of %2").arg(p.lordsSignifying).arg(p.lords.size()));
        item->setText(5, QString::number(p.negations));
        item->setText(6, QString::number(p.eventHousesCovered));
        if (p.running) {
            for (int c = 0; c < 7; ++c)
                item->setFont(c, boldFont);
            item->setToolTip(0, QStringLiteral("Running now"));
            running = item;
        }
        for (engine::LordIndex l : p.lords) {
            const engine::LordVerdict& v = timing_.lords[std::size_t(l)];
            auto* lordItem = new QTreeWidgetItem(item);
            lordItem->setFirstColumnSpanned(true);
            lordItem->setText(0, QStringLiteral("%1: event %2; negating %3")
                                     .arg(name(engine::lordName(l)), houseList(v.eventHouses),
                                          houseList(v.negatingHouses)));
            lordItem->setForeground(0, readablePlanetColor(engine::lordToBody(l)));
            for (const QString& line : lordWhy(v).split('\n', Qt::SkipEmptyParts)) {
                auto* why = new QTreeWidgetItem(lordItem, QStringList{line});
                why->setFirstColumnSpanned(true);
            }
        }
        if (!p.sunWindows.empty()) {
            auto* sun = new QTreeWidgetItem(
                item, QStringList{QStringLiteral("Sun's sign and star lords both among the "
                                                 "period's lords:")});
            sun->setFirstColumnSpanned(true);
            for (const engine::SunWindow& w : p.sunWindows) {
                auto* window = new QTreeWidgetItem(
                    sun, QStringList{localText(w.startJulianDayUt, offsetHours_, true) +
                                     QStringLiteral(" to ") +
                                     localText(w.endJulianDayUt, offsetHours_, true)});
                window->setFirstColumnSpanned(true);
            }
            sun->setExpanded(true);
        }
    }
    for (int c = 0; c < 7; ++c)
        tree_->resizeColumnToContents(c);
    if (running)
        tree_->setCurrentItem(running);
}

} // namespace lumikan::ui
