#include "ui/dasha_tree_ctrl.h"

#include "render/font_substitution.h"

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
    return QStringLiteral("▼ %1 Mahadasha (%2y) ● %3 to %4")
        .arg(utf8(p.lordName))
        .arg(p.years)
        .arg(utf8(p.start), utf8(p.end));
}

QString antardashaItemText(const engine::DashaPeriod& p)
{
    if (p.years >= 1)
        return QStringLiteral("  ▶ %1 Antardasha (%2y %3m) ● %4 to %5")
            .arg(utf8(p.lordName))
            .arg(p.years)
            .arg(p.months)
            .arg(utf8(p.start), utf8(p.end));
    return QStringLiteral("  ▶  %1 Antardasha (%2m %3d) ● %4 to %5")
        .arg(utf8(p.lordName))
        .arg(p.months)
        .arg(p.days)
        .arg(utf8(p.start), utf8(p.end));
}

QString pratyantardashaItemText(const engine::DashaPeriod& p)
{
    return QStringLiteral("    ● %1  (%2m %3d) ● %4 to %5")
        .arg(utf8(p.lordName))
        .arg(p.months)
        .arg(p.days)
        .arg(utf8(p.start), utf8(p.end));
}

QString sookshmaItemText(const engine::DashaPeriod& p)
{
    return QStringLiteral("    ● %1 Sookshma (%2d) ● %3 to %4")
        .arg(utf8(p.lordName))
        .arg(p.days)
        .arg(utf8(p.start), utf8(p.end));
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
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true); // hot tracking
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(16, 16));
    setFont(render::designFont(u"Segoe UI", 9.0));

    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, QColor::fromRgb(kBackground));
        colors.setColor(group, QPalette::Window, QColor::fromRgb(kBackground));
        colors.setColor(group, QPalette::Text, QColor::fromRgb(kText));
    }
    // The selection stays visible when the tree loses the focus.
    colors.setColor(QPalette::Inactive, QPalette::Highlight,
                    colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);

    for (std::size_t lord = 0; lord < bullets_.size(); ++lord)
        bullets_[lord] = bulletIcon(LORD_BULLET_COLORS[lord]);
}

QTreeWidgetItem* CDashaTreeCtrl::addItem(QTreeWidgetItem* parent, const QString& text,
                                         engine::LordIndex lord, bool bold)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setSizeHint(0, QSize(-1, kItemHeight));
    if (bold) {
        QFont boldFont = font();
        boldFont.setBold(true);
        item->setFont(0, boldFont);
    }
    if (engine::isValidLord(lord))
        item->setIcon(0, bullets_[std::size_t(lord)]);
    return item;
}

void CDashaTreeCtrl::setDasha(const std::vector<engine::DashaPeriod>& mahadashas,
                              const engine::LocalDateTime& today)
{
    setUpdatesEnabled(false);
    clear();

    QTreeWidgetItem* root = addItem(nullptr, QStringLiteral("Vimshottari Dasha"), -1, true);
    for (const engine::DashaPeriod& maha : mahadashas) {
        QTreeWidgetItem* mahaItem = addItem(root, mahadashaItemText(maha), maha.lord, true);
        for (const engine::DashaPeriod& antar : maha.antardashas) {
            QTreeWidgetItem* antarItem =
                addItem(mahaItem, antardashaItemText(antar), antar.lord, false);
            for (const engine::DashaPeriod& pratyantar : antar.pratyantardashas) {
                QTreeWidgetItem* pratyantarItem =
                    addItem(antarItem, pratyantardashaItemText(pratyantar), pratyantar.lord, false);
                for (const engine::DashaPeriod& sookshma : pratyantar.sookshmas)
                    addItem(pratyantarItem, sookshmaItemText(sookshma), sookshma.lord, false);
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

} // namespace lumikan::ui
