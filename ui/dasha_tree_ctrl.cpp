#include "ui/dasha_tree_ctrl.h"

#include "render/chart_appearance.h"
#include "render/font_substitution.h"
#include "ui/screen_colors.h"

#include <QHeaderView>
#include <QStyle>

#include <QPainter>
#include <QPixmap>

namespace lumikan::ui {

namespace {

constexpr QRgb kBulletOutline = 0x646464;

QString utf8(const std::string& text)
{
    return QString::fromUtf8(text);
}

QIcon bulletIcon(QRgb color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor::fromRgb(kBulletOutline), 1.0));
    painter.setBrush(QColor::fromRgb(color));
    painter.drawEllipse(QRectF(2.5, 2.5, 11.0, 11.0)); // the circle from (2, 2) to (14, 14)
    return QIcon(pixmap);
}

bool contains(const engine::DashaPeriod& period, const QString& today)
{
    return utf8(period.start) <= today && today <= utf8(period.end);
}

int firstContaining(const std::vector<engine::DashaPeriod>& periods, const QString& today)
{
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (contains(periods[i], today))
            return static_cast<int>(i);
    return -1;
}

} // namespace

QString mahadashaItemText(const engine::DashaPeriod& p)
{
    return QStringLiteral("%1 Mahadasha (%2y)").arg(utf8(p.lordName)).arg(p.years);
}

QString antardashaItemText(const engine::DashaPeriod& p)
{
    if (p.years >= 1)
        return QStringLiteral("%1 Antardasha (%2y %3m)")
            .arg(utf8(p.lordName))
            .arg(p.years)
            .arg(p.months);
    return QStringLiteral("%1 Antardasha (%2m %3d)")
        .arg(utf8(p.lordName))
        .arg(p.months)
        .arg(p.days);
}

QString pratyantardashaItemText(const engine::DashaPeriod& p)
{
    return QStringLiteral("%1 (%2m %3d)").arg(utf8(p.lordName)).arg(p.months).arg(p.days);
}

QString sookshmaItemText(const engine::DashaPeriod& p)
{
    return QStringLiteral("%1 Sookshma (%2d)").arg(utf8(p.lordName)).arg(p.days);
}

QString dashaTodayText(const engine::LocalDateTime& today)
{
    return QString::asprintf("%04d-%02d-%02d", today.year, today.month, today.day);
}

std::vector<int> runningDashaPath(const std::vector<engine::DashaPeriod>& mahadashas,
                                  const QString& todayText)
{
    std::vector<int> path;
    const int maha = firstContaining(mahadashas, todayText);
    if (maha < 0)
        return path;
    path.push_back(maha);
    const engine::DashaPeriod& mahadasha = mahadashas[std::size_t(maha)];
    const int antar = firstContaining(mahadasha.antardashas, todayText);
    if (antar < 0)
        return path;
    path.push_back(antar);
    const engine::DashaPeriod& antardasha = mahadasha.antardashas[std::size_t(antar)];
    const int pratyantar = firstContaining(antardasha.pratyantardashas, todayText);
    if (pratyantar >= 0)
        path.push_back(pratyantar);
    return path;
}

CDashaTreeCtrl::CDashaTreeCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Period"), QStringLiteral("Start"), QStringLiteral("End")});
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    setRootIsDecorated(true);
    setIndentation(16);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setTextElideMode(Qt::ElideRight); // only ever the period, and never its lord
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setMouseTracking(true); // hot tracking
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(16, 16));
    setFont(render::designFont(u"Segoe UI", 9.0));
    applyThemeColors();

    for (std::size_t lord = 0; lord < bullets_.size(); ++lord)
        bullets_[lord] = bulletIcon(LORD_BULLET_COLORS[lord]);
    connect(this, &QTreeWidget::itemExpanded, this, [this] { fitColumns(); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { fitColumns(); });
}

void CDashaTreeCtrl::applyThemeColors()
{
    const render::ColorTheme& theme = render::currentTheme();
    const TextOnSurface plain =
        themedText(QColor::fromRgb(kText), QColor::fromRgb(kBackground), theme);
    const TextOnSurface selected =
        readablePair(QColor::fromRgb(theme.selectedText), QColor::fromRgb(theme.selectedBack));
    const TextOnSurface head = headerColors(theme);
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, plain.back);
        colors.setColor(group, QPalette::Window, plain.back);
        colors.setColor(group, QPalette::Text, plain.text);
        // The selection stays visible when the tree loses the focus.
        colors.setColor(group, QPalette::Highlight, selected.back);
        colors.setColor(group, QPalette::HighlightedText, selected.text);
        colors.setColor(group, QPalette::Button, head.back);
        colors.setColor(group, QPalette::ButtonText, head.text);
        colors.setColor(group, QPalette::WindowText, head.text);
    }
    setPalette(colors);
    header()->setPalette(colors);
}

QTreeWidgetItem* CDashaTreeCtrl::addItem(QTreeWidgetItem* parent, const QString& text,
                                         const engine::DashaPeriod* period, bool bold)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(PeriodColumn, text);
    if (period) {
        item->setText(StartColumn, utf8(period->start));
        item->setText(EndColumn, utf8(period->end));
        item->setToolTip(
            PeriodColumn,
            QStringLiteral("%1: %2 to %3").arg(text, utf8(period->start), utf8(period->end)));
    }
    item->setSizeHint(PeriodColumn, QSize(-1, kItemHeight));
    if (bold) {
        QFont boldFont = font();
        boldFont.setBold(true);
        for (int column = 0; column < columnCount(); ++column)
            item->setFont(column, boldFont);
    }
    if (period && engine::isValidLord(period->lord))
        item->setIcon(PeriodColumn, bullets_[std::size_t(period->lord)]);
    return item;
}

void CDashaTreeCtrl::setDasha(const std::vector<engine::DashaPeriod>& mahadashas,
                              const engine::LocalDateTime& today)
{
    setUpdatesEnabled(false);
    clear();

    QTreeWidgetItem* root = addItem(nullptr, QStringLiteral("Vimshottari Dasha"), nullptr, true);
    for (const engine::DashaPeriod& maha : mahadashas) {
        QTreeWidgetItem* mahaItem = addItem(root, mahadashaItemText(maha), &maha, true);
        for (const engine::DashaPeriod& antar : maha.antardashas) {
            QTreeWidgetItem* antarItem =
                addItem(mahaItem, antardashaItemText(antar), &antar, false);
            for (const engine::DashaPeriod& pratyantar : antar.pratyantardashas) {
                QTreeWidgetItem* pratyantarItem =
                    addItem(antarItem, pratyantardashaItemText(pratyantar), &pratyantar, false);
                for (const engine::DashaPeriod& sookshma : pratyantar.sookshmas)
                    addItem(pratyantarItem, sookshmaItemText(sookshma), &sookshma, false);
            }
        }
    }
    root->setExpanded(true);

    const std::vector<int> path = runningDashaPath(mahadashas, dashaTodayText(today));
    if (path.empty()) {
        if (root->childCount() > 0)
            root->child(0)->setExpanded(true);
        clearSelection();
        setCurrentItem(nullptr);
    } else {
        // Open the mahadasha and antardasha on the way; select the deepest found.
        QTreeWidgetItem* item = root;
        for (std::size_t level = 0; level < path.size(); ++level) {
            item = item->child(path[level]);
            if (level < 2)
                item->setExpanded(true);
        }
        setCurrentItem(item);
        scrollToItem(item);
    }
    fitColumns();
    setUpdatesEnabled(true);
}

int CDashaTreeCtrl::visibleRowCount() const
{
    int rows = 0;
    std::vector<const QTreeWidgetItem*> pending;
    for (int i = 0; i < topLevelItemCount(); ++i)
        pending.push_back(topLevelItem(i));
    while (!pending.empty()) {
        const QTreeWidgetItem* item = pending.back();
        pending.pop_back();
        ++rows;
        if (item->isExpanded())
            for (int i = 0; i < item->childCount(); ++i)
                pending.push_back(item->child(i));
    }
    return rows;
}

std::array<int, 4> CDashaTreeCtrl::columnNeeds() const
{
    // Every row shown, measured in its own font; the header titles count too.
    // The fourth entry is the least period column: each row's lord, then "…".
    constexpr int kCellPadding = 10;
    std::array<int, 4> needs{};
    const QFontMetrics headerMetrics(header()->font());
    for (int column = 0; column < 3; ++column)
        needs[std::size_t(column)] =
            headerMetrics.horizontalAdvance(headerItem()->text(column)) + 2 * kCellPadding;
    std::vector<std::pair<const QTreeWidgetItem*, int>> pending;
    for (int i = 0; i < topLevelItemCount(); ++i)
        pending.emplace_back(topLevelItem(i), 1);
    while (!pending.empty()) {
        const auto [item, depth] = pending.back();
        pending.pop_back();
        const QFontMetrics metrics(item->font(PeriodColumn));
        const int indent = depth * indentation() + iconSize().width() + 6 + kCellPadding;
        const QString text = item->text(PeriodColumn);
        needs[0] = std::max(needs[0], indent + metrics.horizontalAdvance(text));
        const QString lord = text.section(QLatin1Char(' '), 0, 0) + QStringLiteral(" …");
        needs[3] = std::max(needs[3], indent + metrics.horizontalAdvance(lord));
        for (int column : {int(StartColumn), int(EndColumn)})
            needs[std::size_t(column)] =
                std::max(needs[std::size_t(column)],
                         metrics.horizontalAdvance(item->text(column)) + kCellPadding);
        if (item->isExpanded())
            for (int i = 0; i < item->childCount(); ++i)
                pending.emplace_back(item->child(i), depth + 1);
    }
    return needs;
}

int CDashaTreeCtrl::leastWidth() const
{
    const std::array<int, 4> needs = columnNeeds();
    return needs[3] + needs[1] + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void CDashaTreeCtrl::fitColumns()
{
    // The dates keep their width. Short of room the end column goes first,
    // then the periods shorten after their lord (the tooltip has it all);
    // below that the tree scrolls sideways.
    const std::array<int, 4> needs = columnNeeds();
    const int room = viewport()->width();
    const bool showEnd = room >= needs[0] + needs[1] + needs[2];
    setColumnHidden(EndColumn, !showEnd);
    header()->resizeSection(StartColumn, needs[1]);
    header()->resizeSection(EndColumn, needs[2]);
    const int dates = needs[1] + (showEnd ? needs[2] : 0);
    header()->resizeSection(PeriodColumn, std::max(needs[3], room - dates));
}

void CDashaTreeCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

} // namespace lumikan::ui
