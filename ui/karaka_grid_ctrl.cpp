#include "ui/karaka_grid_ctrl.h"

#include "engine/dignity_tables.h"
#include "render/chart_appearance.h"
#include "render/font_substitution.h"
#include "ui/screen_colors.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace lumikan::ui {

namespace {

struct RankColors {
    QRgb background, text;
};
constexpr std::array<RankColors, engine::kCharaKarakaCount> KARAKA_COLORS = {{
    {0xFFEBCD, 0x8B4513}, // AK
    {0xF0F8FF, 0x191970}, // AmK
    {0xF5F5F5, 0x3C3C3C}, // BK
    {0xFFFACD, 0x808000}, // MK
    {0xFFF5EE, 0xCD5C5C}, // PK
    {0xF5F5F5, 0x3C3C3C}, // GK
    {0xFFC0CB, 0x8B008B}, // DK
}};

constexpr int kMinColumnWidth = 20;
constexpr int kGap = 2;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

std::vector<KarakaCell> karakaCells(const std::vector<engine::PlanetPosition>& planets,
                                    int planetNameForm)
{
    std::array<const engine::PlanetPosition*, engine::kCharaKarakaCount> byRank{};
    for (const engine::PlanetPosition& planet : planets) {
        const int rank = planet.charaKarakaRank;
        if (rank >= 0 && rank < engine::kCharaKarakaCount && !byRank[std::size_t(rank)])
            byRank[std::size_t(rank)] = &planet;
    }
    std::vector<KarakaCell> cells;
    for (int rank = 0; rank < engine::kCharaKarakaCount; ++rank) {
        const engine::PlanetPosition* planet = byRank[std::size_t(rank)];
        if (!planet)
            continue;
        const RankColors& colors = KARAKA_COLORS[std::size_t(rank)];
        cells.push_back({rank, latin1(engine::charaKarakaLabel(rank)),
                         latin1(engine::bodyName(planet->body, planetNameForm)),
                         QColor::fromRgb(colors.background), QColor::fromRgb(colors.text)});
    }
    return cells;
}

KarakaGridLayout layoutKarakaGrid(QSize client, int cellCount)
{
    KarakaGridLayout layout;
    if (cellCount <= 0)
        return layout;
    const int W = client.width();
    const int H = client.height();
    const int columnWidth = std::max((W - 2) / cellCount - kGap, kMinColumnWidth);

    int labelTop = 2, labelBottom = 14, nameTop = 16, nameBottom = 28;
    if (H - 2 >= 28) {
        const int half = (H - 2) / 2;
        labelBottom = half;
        nameTop = half + 2;
        nameBottom = 2 * (half - 2) + 4;
    }
    for (int i = 0; i < cellCount; ++i) {
        const int x = 2 + i * (columnWidth + kGap);
        layout.columns.push_back({edges(x, labelTop, x + columnWidth, labelBottom),
                                  edges(x, nameTop, x + columnWidth, nameBottom)});
    }
    return layout;
}

CKarakaGridCtrl::CKarakaGridCtrl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the paint covers everything
    setFont(render::designFont(u"Segoe UI", 8.5));
}

void CKarakaGridCtrl::setCells(std::vector<KarakaCell> cells)
{
    cells_ = std::move(cells);
    update();
}

void CKarakaGridCtrl::paintGrid(QPainter& painter) const
{
    const KarakaGridLayout layout = layoutKarakaGrid(size(), int(cells_.size()));
    const render::ColorTheme& theme = render::currentTheme();
    const QColor border = themedSurface(QColor::fromRgb(kBorder), theme);
    painter.save();
    painter.fillRect(rect(), themedSurface(Qt::white, theme));
    painter.setFont(font());
    auto drawCell = [&](const QRect& box, const KarakaCell& cell, const QString& text) {
        const TextOnSurface colors = themedText(cell.text, cell.background, theme);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(border);
        painter.setBrush(colors.back);
        // The outline runs along the cell's last pixel row and column.
        painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(colors.text);
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
    };
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        drawCell(layout.columns[i].labelCell, cells_[i], cells_[i].label);
        drawCell(layout.columns[i].nameCell, cells_[i], cells_[i].planetName);
    }
    painter.restore();
}

int CKarakaGridCtrl::contentWidth() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const KarakaCell& cell : cells_)
        widest = std::max({widest, metrics.horizontalAdvance(cell.label),
                           metrics.horizontalAdvance(cell.planetName)});
    const int cells = std::max(int(cells_.size()), 1);
    // Each column as wide as the widest text with a little air, and the gaps.
    return 2 + cells * (std::max(widest + 8, kMinColumnWidth) + kGap);
}

void CKarakaGridCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGrid(painter);
}

} // namespace lumikan::ui
