#include "ui/transit_window.h"

#include "document/verokant_doc.h"
#include "engine/ephemeris.h"
#include "engine/local_time.h"
#include "engine/sub_lord_timeline.h"
#include "engine/zodiac.h"
#include "render/chart_appearance.h"
#include "render/chart_diagram.h"
#include "render/color_theme.h"
#include "render/contrast.h"
#include "ui/themed_table.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace lumikan::ui {

// The natal chart's houses with the transiting bodies in them.
class CTransitDiagram : public QWidget {
public:
    explicit CTransitDiagram(const document::CVerokantDoc& doc, QWidget* parent)
        : QWidget(parent), doc_(doc)
    {
        setMinimumSize(320, 260);
        setMouseTracking(true);
    }

    void setTransits(const std::optional<engine::TransitSnapshot>& sky)
    {
        transits_.clear();
        if (sky)
            for (const engine::TransitBody& t : sky->bodies) {
                engine::PlanetPosition p;
                p.body = t.body;
                p.longitude = t.longitudeDeg;
                p.sign = t.sign;
                p.house = t.natalHouse;
                p.starLord = t.lords.starLord;
                p.subLord = t.lords.subLord;
                p.dignity.retrograde = t.speedDegPerDay < 0.0;
                transits_.push_back(p);
            }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const render::ColorTheme& theme = render::currentTheme();
        painter.fillRect(rect(), QColor::fromRgb(theme.chartPanelBody));
        if (!doc_.hasChart())
            return;
        const engine::Chart& natal = doc_.chart();
        const int side = std::min(width() - 16, int((height() - 36) * 4 / 3.0));
        const QRect bounds((width() - side) / 2, 8, side, side * 3 / 4);
        const QFont font = render::chartDiagramFont(render::chartTextSize());
        const QFontMetrics metrics(font, painter.device());
        const render::TextMeasure measure = [&metrics](const QString& text) {
            return QSize(metrics.horizontalAdvance(text), metrics.height());
        };
        const auto layout = render::layoutChartDiagram(
            bounds, &natal.bhavaChartPlanets, &natal.cusps, theme, font, measure, &transits_);
        render::paintChartDiagram(painter, layout);
        regions_ = layout.regions();
        painter.setPen(render::readableOn(QColor::fromRgb(theme.listText),
                                          QColor::fromRgb(theme.chartPanelBody)));
        painter.drawText(QRect(0, bounds.bottom() + 6, width(), 22), Qt::AlignCenter,
                         QStringLiteral("Natal upright; transits italic, framed"));
    }

    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip) {
            const QPoint at = static_cast<QHelpEvent*>(e)->pos();
            for (const render::ChartHitRegion& r : regions_)
                if (r.rect.contains(at)) {
                    setToolTip(r.tooltipText);
                    return QWidget::event(e);
                }
            setToolTip(QString());
        }
        return QWidget::event(e);
    }

private:
    const document::CVerokantDoc& doc_;
    std::vector<engine::PlanetPosition> transits_;
    std::vector<render::ChartHitRegion> regions_;
};

namespace {

QString name(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString houses(const std::vector<int>& list)
{
    QStringList out;
    for (int h : list)
        out << QString::number(h);
    return out.isEmpty() ? QStringLiteral("-") : out.join(QStringLiteral(", "));
}

QString degreeText(double longitudeDeg)
{
    int s = int(std::lround(engine::degreeInSign(longitudeDeg) * 3600.0));
    s = std::min(s, 30 * 3600 - 1);
    return QStringLiteral("%1°%2'%3\"")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QTableWidget* makeTable(const QStringList& headers, QWidget* parent)
{
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
    applyThemeToView(t);
    return t;
}

engine::LocalDateTime localOf(const QDateTime& wall)
{
    const QDate d = wall.date();
    const QTime t = wall.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

QDateTime wallOf(const engine::LocalDateTime& t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
}

} // namespace

QString offsetCaption(double offsetHours)
{
    const int minutes = int(std::lround(std::fabs(offsetHours) * 60.0));
    return QStringLiteral("%1%2:%3")
        .arg(offsetHours < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

CTransitWindow::CTransitWindow(const document::CVerokantDoc& doc, std::function<QDateTime()> utcNow,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc)
{
    const engine::RulingPlace& place = doc.chart().options.rulingPlace;
    offsetHours_ = place.timeZoneHours;
    latitudeDeg_ = place.latitudeDeg;
    longitudeDeg_ = place.longitudeDeg;
    setWindowTitle(QStringLiteral("Transits — ") + doc.GetTitle());
    const render::ColorTheme& theme = render::currentTheme();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(theme.panelBody));
    pal.setColor(QPalette::WindowText, render::readableOn(QColor::fromRgb(theme.listText),
                                                          QColor::fromRgb(theme.panelBody)));
    setPalette(pal);
    setAutoFillBackground(true);

    auto* top = new QVBoxLayout(this);
    auto* stepper = new QHBoxLayout;
    edit_ = new QDateTimeEdit(this);
    edit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    edit_->setTimeSpec(Qt::UTC);
    edit_->setDateRange(QDate(1800, 1, 2), QDate(2399, 12, 30));
    addStepButton(stepper, QStringLiteral("−Year"), QStringLiteral("A year back (Alt+Shift+PgUp)"),
                  QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_PageUp), [this] { stepYears(-1); });
    addStepButton(stepper, QStringLiteral("−Month"), QStringLiteral("A month back (Alt+PgUp)"),
                  QKeySequence(Qt::ALT | Qt::Key_PageUp), [this] { stepMonths(-1); });
    addStepButton(stepper, QStringLiteral("−Day"), QStringLiteral("A day back (PgUp)"),
                  QKeySequence(Qt::Key_PageUp), [this] { stepDays(-1); });
    addStepButton(stepper, QStringLiteral("−Hour"), QStringLiteral("An hour back (Ctrl+Up)"),
                  QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { stepHours(-1); });
    stepper->addWidget(edit_);
    addStepButton(stepper, QStringLiteral("+Hour"), QStringLiteral("An hour on (Ctrl+Down)"),
                  QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { stepHours(1); });
    addStepButton(stepper, QStringLiteral("+Day"), QStringLiteral("A day on (PgDown)"),
                  QKeySequence(Qt::Key_PageDown), [this] { stepDays(1); });
    addStepButton(stepper, QStringLiteral("+Month"), QStringLiteral("A month on (Alt+PgDown)"),
                  QKeySequence(Qt::ALT | Qt::Key_PageDown), [this] { stepMonths(1); });
    addStepButton(stepper, QStringLiteral("+Year"), QStringLiteral("A year on (Alt+Shift+PgDown)"),
                  QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_PageDown), [this] { stepYears(1); });
    auto* now = new QPushButton(QStringLiteral("Now"), this);
    now->setToolTip(QStringLiteral("The present moment (Ctrl+N)"));
    now->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(now, &QPushButton::clicked, this, [this, utcNow] {
        setMoment(utcNow().addSecs(qint64(std::lround(offsetHours_ * 3600.0))));
    });
    stepper->addWidget(now);
    stepper->addStretch(1);
    top->addLayout(stepper);

    auto* placeLabel = new QLabel(QStringLiteral("At the ruling-planet place %1°%2, %3°%4 (UTC%5)")
                                      .arg(std::fabs(latitudeDeg_), 0, 'f', 4)
                                      .arg(latitudeDeg_ < 0 ? QLatin1Char('S') : QLatin1Char('N'))
                                      .arg(std::fabs(longitudeDeg_), 0, 'f', 4)
                                      .arg(longitudeDeg_ < 0 ? QLatin1Char('W') : QLatin1Char('E'))
                                      .arg(offsetCaption(offsetHours_)),
                                  this);
    top->addWidget(placeLabel);
    summary_ = new QLabel(this);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    top->addWidget(summary_);

    tabs_ = new QTabWidget(this);
    auto* split = new QSplitter(Qt::Horizontal, tabs_);
    table_ = makeTable({QStringLiteral("Planet"), QStringLiteral("Sign"), QStringLiteral("Degree"),
                        QStringLiteral("Nakshatra"), QStringLiteral("Star"), QStringLiteral("Sub"),
                        QStringLiteral("Sub-sub"), QStringLiteral("House"),
                        QStringLiteral("Star L. signifies"), QStringLiteral("Sub L. signifies")},
                       split);
    diagram_ = new CTransitDiagram(doc, split);
    split->addWidget(table_);
    split->addWidget(diagram_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({640, 420});
    tabs_->addTab(split, QStringLiteral("Transits"));

    auto* timelinePage = new QWidget(tabs_);
    auto* timelineLayout = new QVBoxLayout(timelinePage);
    auto* timelineRow = new QHBoxLayout;
    timelineDate_ = new QDateEdit(timelinePage);
    timelineDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    timelineDate_->setDateRange(QDate(1800, 1, 2), QDate(2399, 12, 30));
    timelineBody_ = new QComboBox(timelinePage);
    timelineBody_->addItems({QStringLiteral("Ascendant"), QStringLiteral("Moon")});
    timelineRow->addWidget(new QLabel(QStringLiteral("Day"), timelinePage));
    timelineRow->addWidget(timelineDate_);
    timelineRow->addWidget(new QLabel(QStringLiteral("Point"), timelinePage));
    timelineRow->addWidget(timelineBody_);
    timelineRow->addWidget(new QLabel(
        QStringLiteral("Local times (UTC%1) from which the new lord holds; each found to the "
                       "second and checked one second either side")
            .arg(offsetCaption(offsetHours_)),
        timelinePage));
    timelineRow->addStretch(1);
    timelineLayout->addLayout(timelineRow);
    timeline_ = makeTable({QStringLiteral("Time"), QStringLiteral("Star lord"),
                           QStringLiteral("Sub lord"), QStringLiteral("Checked")},
                          timelinePage);
    timelineLayout->addWidget(timeline_);
    tabs_->addTab(timelinePage, QStringLiteral("Sub-lord timeline"));
    top->addWidget(tabs_, 1);

    connect(edit_, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& t) {
        if (t != local_) {
            local_ = t;
            recompute();
        }
    });
    connect(timelineDate_, &QDateEdit::dateChanged, this, [this] { fillTimeline(); });
    connect(timelineBody_, &QComboBox::currentIndexChanged, this, [this] { fillTimeline(); });
    setMoment(utcNow().addSecs(qint64(std::lround(offsetHours_ * 3600.0))));
    resize(1080, 640);
}

void CTransitWindow::addStepButton(QHBoxLayout* row, const QString& text, const QString& tip,
                                   const QKeySequence& key, std::function<void()> step)
{
    auto* b = new QPushButton(text, this);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, step);
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, step);
    row->addWidget(b);
}

void CTransitWindow::setMoment(const QDateTime& local)
{
    QDateTime t = local;
    t.setTimeSpec(Qt::UTC);
    if (!t.isValid())
        return;
    local_ = t;
    const bool sameDay = timelineDate_->date() == t.date();
    edit_->setDateTime(t);
    recompute();
    if (!sameDay)
        timelineDate_->setDate(t.date()); // refills the timeline
}

void CTransitWindow::stepHours(int n)
{
    setMoment(local_.addSecs(3600LL * n));
}
void CTransitWindow::stepDays(int n)
{
    setMoment(local_.addDays(n));
}
void CTransitWindow::stepMonths(int n)
{
    setMoment(local_.addMonths(n));
}
void CTransitWindow::stepYears(int n)
{
    setMoment(local_.addYears(n));
}

void CTransitWindow::recompute()
{
    if (!doc_.hasChart())
        return;
    const double jd = engine::julianDayOfLocal(localOf(local_), offsetHours_);
    sky_ = engine::transitAt(doc_.chart(), jd, latitudeDeg_, longitudeDeg_,
                             engine::Ephemeris::shared());
    table_->setRowCount(0);
    if (!sky_) {
        summary_->setText(QStringLiteral("The ephemeris cannot compute this moment."));
        diagram_->setTransits(sky_);
        return;
    }
    QStringList parts;
    if (sky_->ascendant)
        parts << QStringLiteral("Ascendant %1 %2 — star %3, sub %4")
                     .arg(name(engine::signName(engine::signOf(sky_->ascendant->longitudeDeg))),
                          degreeText(sky_->ascendant->longitudeDeg),
                          name(engine::lordName(sky_->ascendant->lords.starLord)),
                          name(engine::lordName(sky_->ascendant->lords.subLord)));
    else
        parts << QStringLiteral("No ascendant here (beyond the polar circles)");
    if (const engine::TransitBody* moon = engine::findTransitBody(*sky_, engine::body::Moon))
        parts << QStringLiteral("Moon %1 %2 — star %3, sub %4")
                     .arg(name(engine::signName(moon->sign)), degreeText(moon->longitudeDeg),
                          name(engine::lordName(moon->lords.starLord)),
                          name(engine::lordName(moon->lords.subLord)));
    summary_->setText(parts.join(QStringLiteral("     ")));

    const int form = 2;
    table_->setRowCount(int(sky_->bodies.size()));
    for (int r = 0; r < int(sky_->bodies.size()); ++r) {
        const engine::TransitBody& t = sky_->bodies[std::size_t(r)];
        const QStringList cells = {name(engine::bodyName(t.body, form)) +
                                       (t.speedDegPerDay < 0 && !engine::isNode(t.body)
                                            ? QStringLiteral(" (R)")
                                            : QString()),
                                   name(engine::signName(t.sign)),
                                   degreeText(t.longitudeDeg),
                                   name(engine::nakshatraName(t.nakshatra)),
                                   name(engine::lordName(t.lords.starLord)),
                                   name(engine::lordName(t.lords.subLord)),
                                   name(engine::lordName(t.lords.subSubLord)),
                                   QString::number(t.natalHouse),
                                   houses(t.starLordHouses),
                                   houses(t.subLordHouses)};
        for (int c = 0; c < int(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0)
                item->setForeground(readablePlanetColor(t.body));
            if (c == 7)
                item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    diagram_->setTransits(sky_);
}

void CTransitWindow::fillTimeline()
{
    if (!doc_.hasChart())
        return;
    const QDate day = timelineDate_->date();
    const double from =
        engine::julianDayOfLocal({day.year(), day.month(), day.day(), 0, 0, 0}, offsetHours_);
    const bool moon = timelineBody_->currentIndex() == 1;
    const auto timeline = engine::subLordTimeline(
        moon ? engine::TimelinePoint::Moon : engine::TimelinePoint::Ascendant, from, from + 1.0,
        latitudeDeg_, longitudeDeg_, doc_.chart().options, engine::Ephemeris::shared());
    timeline_->setRowCount(0);
    if (!timeline)
        return;
    timeline_->setRowCount(int(timeline->changes.size()) + 1);
    auto setRow = [this](int r, const QStringList& cells) {
        for (int c = 0; c < int(cells.size()); ++c)
            timeline_->setItem(r, c, new QTableWidgetItem(cells[c]));
    };
    setRow(0, {QStringLiteral("00:00:00"), name(engine::lordName(timeline->atStart.starLord)),
               name(engine::lordName(timeline->atStart.subLord)), QString()});
    int r = 1;
    for (const engine::LordChange& c : timeline->changes) {
        const engine::LocalDateTime t = engine::localDateTimeOf(c.julianDayUt, offsetHours_);
        const QString star = c.starChanged() ? name(engine::lordName(c.before.starLord)) +
                                                   QStringLiteral(" → ") +
                                                   name(engine::lordName(c.after.starLord))
                                             : name(engine::lordName(c.after.starLord));
        setRow(r++, {wallOf(t).toString(QStringLiteral("HH:mm:ss")), star,
                     name(engine::lordName(c.before.subLord)) + QStringLiteral(" → ") +
                         name(engine::lordName(c.after.subLord)),
                     c.confirmed() ? QStringLiteral("±1 s") : QStringLiteral("not confirmed")});
    }
    timeline_->resizeColumnsToContents();
}

} // namespace lumikan::ui
