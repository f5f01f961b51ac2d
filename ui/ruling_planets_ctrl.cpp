#include "ui/ruling_planets_ctrl.h"

#include "render/chart_appearance.h"
#include "render/font_substitution.h"
#include "ui/screen_colors.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace lumikan::ui {

namespace {

struct RowColors {
    QRgb background, text;
};
// By position in the list; the last entry serves every later row.
constexpr std::array<RowColors, 6> RULING_ROW_COLORS = {{
    {0xE6F0FF, 0x193773},
    {0xF0F8FF, 0x284678},
    {0xF8FCFF, 0x325082},
    {0xFCFCFA, 0x3C5564},
    {0xFAF8F5, 0x504B46},
    {0xF5F5F8, 0x46464B},
}};

constexpr QRgb kHeaderBack = 0xF8F9FA;
constexpr QRgb kTitleColor = 0x323234;
constexpr QRgb kCaptionColor = 0x646469;
constexpr QRgb kPlaceColor = 0x465A6E;
constexpr QRgb kSeparatorColor = 0xE1E4E8;
constexpr QRgb kRowOutline = 0xD2D7DC;

constexpr int kHeaderHeight = 78;
constexpr int kFirstRowTop = 86;
constexpr int kRowPitch = 30;
constexpr int kRowHeight = 28;
constexpr int kBottomMargin = 8;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// A rectangle given by its edges, right and bottom exclusive.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

std::vector<RulingPlanetRow>
rulingPlanetRows(const std::array<engine::RankedRulingPlanet, 7>& ranked, int planetNameForm)
{
    std::vector<RulingPlanetRow> rows;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const RowColors& colors = RULING_ROW_COLORS[std::min(i, RULING_ROW_COLORS.size() - 1)];
        rows.push_back({ranked[i].rank, latin1(ranked[i].category),
                        latin1(engine::bodyName(ranked[i].body, planetNameForm)),
                        QColor::fromRgb(colors.background), QColor::fromRgb(colors.text)});
    }
    return rows;
}

QString rulingPlanetPlaceLine(const RulingPlanetPlace& place)
{
    const bool placeSet =
        !place.city.isEmpty() || place.latitudeDeg != 0.0 || place.longitudeDeg != 0.0;
    if (!placeSet)
        return QStringLiteral("Location: Birth place (set RP in Settings)");

    QStringList names;
    for (const QString& name : {place.city, place.state, place.country})
        if (!name.isEmpty())
            names << name;
    const QString where = names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
    return where + QStringLiteral("  |  ") +
           QString::asprintf("Lat: %.4f  Long: %.4f  TZ: %+.2f", place.latitudeDeg,
                             place.longitudeDeg, place.timeZoneHours);
}

RulingPanelColors rulingPanelColors(const render::ColorTheme& theme)
{
    RulingPanelColors colors;
    colors.background = themedSurface(Qt::white, theme);
    colors.header = themedSurface(QColor::fromRgb(kHeaderBack), theme);
    auto onHeader = [&colors](QRgb text) {
        return readablePair(QColor::fromRgb(text), colors.header).text;
    };
    colors.title = onHeader(kTitleColor);
    colors.caption = onHeader(kCaptionColor);
    colors.place = onHeader(kPlaceColor);
    colors.separator = themedSurface(QColor::fromRgb(kSeparatorColor), theme);
    colors.rowOutline = themedSurface(QColor::fromRgb(kRowOutline), theme);
    return colors;
}

RulingPlanetsLayout layoutRulingPlanets(QSize client, int rowCount)
{
    const int width = client.width();
    const int height = client.height();
    RulingPlanetsLayout layout;
    layout.header = QRect(0, 0, width, kHeaderHeight);
    layout.title = edges(8, 4, width - 8, 22);
    layout.caption = edges(8, 22, width - 8, 38);
    layout.placeLine = edges(8, 38, width - 8, 74);
    for (int i = 0; i < rowCount; ++i) {
        const int top = kFirstRowTop + kRowPitch * i;
        if (top + kRowHeight > height - kBottomMargin)
            break;
        const int bottom = top + kRowHeight;
        layout.rows.push_back({edges(8, top, width - 8, bottom), edges(12, top, 36, bottom),
                               edges(40, top, width - 98, bottom),
                               edges(width - 96, top, width - 12, bottom)});
    }
    return layout;
}

CRulingPlanetsCtrl::CRulingPlanetsCtrl(QWidget* parent)
    : QWidget(parent), title_(QStringLiteral("Ruling Planets")),
      placeLine_(rulingPlanetPlaceLine({})), regular_(render::designFont(u"Segoe UI", 8.5)),
      bold_(render::designFont(u"Segoe UI Semibold", 7.8, QFont::DemiBold))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRulingPlanetsCtrl::setRows(std::vector<RulingPlanetRow> rows)
{
    rows_ = std::move(rows);
    update();
}

void CRulingPlanetsCtrl::setTitle(const QString& title)
{
    title_ = title;
    setToolTip(title);
    update();
}

QString CRulingPlanetsCtrl::fittedTitle(const QFontMetrics& metrics, int width) const
{
    // "Ruling planets now — 15 Mar 2026 10:30 IST, Pune" loses its words
    // before its moment and place, and is never cut off mid-letter.
    if (metrics.horizontalAdvance(title_) <= width)
        return title_;
    const qsizetype dash = title_.indexOf(QStringLiteral(" \u2014 "));
    if (dash > 0) {
        const QString moment = title_.mid(dash + 3);
        if (metrics.horizontalAdvance(moment) <= width)
            return moment;
        return metrics.elidedText(moment, Qt::ElideRight, width);
    }
    return metrics.elidedText(title_, Qt::ElideRight, width);
}

void CRulingPlanetsCtrl::setPlace(const RulingPlanetPlace& place)
{
    placeLine_ = rulingPlanetPlaceLine(place);
    update();
}

void CRulingPlanetsCtrl::paintPanel(QPainter& painter) const
{
    const RulingPlanetsLayout layout = layoutRulingPlanets(size(), int(rows_.size()));
    const render::ColorTheme& theme = render::currentTheme();
    const RulingPanelColors colors = rulingPanelColors(theme);
    painter.save();
    painter.fillRect(rect(), colors.background);
    painter.fillRect(layout.header, colors.header);

    painter.setFont(bold_);
    painter.setPen(colors.title);
    painter.drawText(layout.title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     fittedTitle(QFontMetrics(bold_, painter.device()), layout.title.width()));
    painter.setFont(regular_);
    painter.setPen(colors.caption);
    const QFontMetrics metrics(regular_, painter.device());
    // In a narrow panel the caption wraps and the place line gives up the room.
    const QString caption = latin1(engine::kRulingPlanetsOrderCaption);
    QRect captionRect = layout.caption;
    QRect placeRect = layout.placeLine;
    const int captionHeight = metrics.boundingRect(captionRect, Qt::TextWordWrap, caption).height();
    if (captionHeight > captionRect.height()) {
        captionRect.setHeight(captionHeight);
        placeRect.setTop(captionRect.bottom() + 1);
    }
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
    painter.setPen(colors.place);
    // A long place wraps onto a second line when there is one, before anything is cut.
    const int lines = std::max(placeRect.height() / metrics.lineSpacing(), 1);
    const QString place =
        metrics.boundingRect(placeRect, Qt::TextWordWrap, placeLine_).height() <= placeRect.height()
            ? placeLine_
            : metrics.elidedText(placeLine_, Qt::ElideRight, lines * placeRect.width() * 9 / 10);
    painter.drawText(placeRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, place);

    painter.setPen(colors.separator);
    painter.drawLine(0, layout.separatorY, width() - 1, layout.separatorY);

    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        const RulingPlanetsLayout::Row& box = layout.rows[i];
        const RulingPlanetRow& row = rows_[i];
        const TextOnSurface rowColors = themedText(row.text, row.background, theme);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(colors.rowOutline);
        painter.setBrush(rowColors.back);
        // The outline runs along the box's last pixel row and column.
        painter.drawRoundedRect(QRectF(box.box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);

        painter.setPen(rowColors.text);
        painter.setFont(regular_);
        painter.drawText(box.rank, Qt::AlignCenter | Qt::TextSingleLine, QString::number(row.rank));
        painter.drawText(box.category, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(row.category, Qt::ElideRight, box.category.width()));
        painter.setFont(bold_);
        painter.drawText(box.planet, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         row.planetName);
    }
    painter.restore();
}

int CRulingPlanetsCtrl::contentWidth() const
{
    const QFontMetrics regular(regular_);
    const QFontMetrics bold(bold_);
    int categories = 0;
    int planets = 0;
    for (const RulingPlanetRow& row : rows_) {
        categories = std::max(categories, regular.horizontalAdvance(row.category));
        planets = std::max(planets, bold.horizontalAdvance(row.planetName));
    }
    // The rows: rank box to 40, the category, then the planet's 84-pixel box
    // from width - 96 to width - 12.
    // The caption wraps where it must, so it asks for no width of its own.
    return std::max({16 + bold.horizontalAdvance(QStringLiteral("Ruling Planets")),
                     40 + categories + 2 + std::max(planets + 12, 96)});
}

void CRulingPlanetsCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPanel(painter);
}

} // namespace lumikan::ui
