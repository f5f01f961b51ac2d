#include "ui/chart_placeholder_view.h"

#include "document/verokant_doc.h"
#include "render/font_substitution.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumikan::ui {

namespace {

const QStringList kPlanetHeaders = {QStringLiteral("Planet"),    QStringLiteral("Nakshatra"),
                                    QStringLiteral("Sign"),      QStringLiteral("Degree"),
                                    QStringLiteral("Star Lord"), QStringLiteral("Sub Lord"),
                                    QStringLiteral("Sub-Sub"),   QStringLiteral("Significators")};
const QStringList kCuspHeaders = {QStringLiteral("Cusp"),      QStringLiteral("Degree"),
                                  QStringLiteral("Nakshatra"), QStringLiteral("Star Lord"),
                                  QStringLiteral("Sign"),      QStringLiteral("Sub Lord"),
                                  QStringLiteral("Sub-Sub"),   QStringLiteral("Significators")};

QTableWidget* makeTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    table->setWordWrap(false);
    return table;
}

void fill(QTableWidget* table, const std::vector<QStringList>& rows)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const QStringList& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(c < row.size() ? row[c] : QString()));
    }
    table->resizeColumnsToContents();
}

QLabel* sectionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(render::designFont(u"Segoe UI", 10, QFont::Bold));
    return label;
}

} // namespace

ChartPlaceholderView::ChartPlaceholderView(document::CVerokantDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(6);
    title_ = new QLabel(this);
    title_->setFont(render::designFont(u"Segoe UI", 13, QFont::Bold));
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    planets_ = makeTable(kPlanetHeaders, this);
    cusps_ = makeTable(kCuspHeaders, this);
    layout->addWidget(title_);
    layout->addWidget(summary_);
    layout->addSpacing(6);
    layout->addWidget(sectionLabel(QStringLiteral("Planets"), this));
    layout->addWidget(planets_, 1);
    layout->addWidget(sectionLabel(QStringLiteral("Cusps"), this));
    layout->addWidget(cusps_, 1);
    refresh();
}

void ChartPlaceholderView::OnUpdate(int)
{
    refresh();
}

void ChartPlaceholderView::refresh()
{
    title_->setText(doc_.GetTitle());
    if (!doc_.hasChart()) {
        summary_->setText(QStringLiteral("This file holds no chart."));
        planets_->setRowCount(0);
        cusps_->setRowCount(0);
        return;
    }
    const document::ChartPresentation& shown = doc_.presentation();
    summary_->setText(
        QStringLiteral("Ascendant %1   ·   %2").arg(shown.ascendantText, shown.ayanamsaCaption));
    std::vector<QStringList> planets, cusps;
    for (const auto& row : shown.planets)
        planets.push_back(row.cells());
    for (const auto& row : shown.cusps)
        cusps.push_back(row.cells());
    fill(planets_, planets);
    fill(cusps_, cusps);
}

} // namespace lumikan::ui
