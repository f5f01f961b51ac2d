#include "ui/planet_tooltip.h"

#include "document/name_forms.h"
#include "engine/dignity_tables.h"
#include "engine/zodiac.h"
#include "render/font_substitution.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::ui {

namespace {

constexpr QRgb kBackground = 0x0E1324;
constexpr QRgb kHeaderBack = 0x141C38;
constexpr QRgb kGold = 0xFFC542;
constexpr QRgb kOutline = 0x375094;
constexpr QRgb kLabel = 0x788AB4;
constexpr QRgb kValue = 0xDAE2FF;
constexpr QRgb kBlue = 0x64B9FF;
constexpr QRgb kDivider = 0x243058;
constexpr QRgb kTrack = 0x202A4C;
constexpr QRgb kGreen = 0x48D77D;
constexpr QRgb kRed = 0xFF4B4B;
constexpr QRgb kOrange = 0xFF8037;

constexpr int kHeaderHeight = 65;
constexpr int kRowHeight = 21;
constexpr int kSeparatorHeight = 9;
constexpr int kBarHeight = 20;
constexpr int kBottomMargin = 10;
constexpr int kTrackWidth = 346;
constexpr int kTrackHeight = 7;
constexpr int kRight = 358;

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

using Role = PlanetTooltipLayout::FontRole;
constexpr int kVCenterLeft = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

// Appends the card's rows from the top of the first row down.
class RowWriter {
public:
    explicit RowWriter(PlanetTooltipLayout& layout) : layout_(layout) {}

    int y() const { return y_; }

    void pair(const QString& leftLabel, const QString& leftValue, QColor leftColor,
              const QString& rightLabel, const QString& rightValue, QColor rightColor)
    {
        label(leftLabel, 12, 100);
        value(leftValue, 100, 181, leftColor);
        layout_.lines.push_back({QLine(183, y_ + 3, 183, y_ + 18), rgb(kDivider)});
        label(rightLabel, 189, 277);
        value(rightValue, 277, kRight, rightColor);
        y_ += kRowHeight;
    }

    void single(const QString& labelText, const QString& valueText, QColor color)
    {
        label(labelText, 12, 100);
        value(valueText, 100, kRight, color);
        y_ += kRowHeight;
    }

    void separator()
    {
        layout_.lines.push_back({QLine(12, y_ + 4, kRight, y_ + 4), rgb(kDivider)});
        y_ += kSeparatorHeight;
    }

    void bar(double shadbala)
    {
        layout_.bar = {QRect(12, y_ + 6, kTrackWidth, kTrackHeight), strengthBarFill(shadbala),
                       strengthBarColor(shadbala)};
        y_ += kBarHeight;
    }

private:
    void label(const QString& text, int left, int right)
    {
        layout_.texts.push_back({text, edges(left, y_, right, y_ + kRowHeight), rgb(kLabel),
                                 Role::Label, kVCenterLeft});
    }
    void value(const QString& text, int left, int right, QColor color)
    {
        layout_.texts.push_back({text, edges(left, y_, right, y_ + kRowHeight), color, Role::Value,
                                 kVCenterLeft, true});
    }

    PlanetTooltipLayout& layout_;
    int y_ = kHeaderHeight;
};

QString degreeInSignText(double degrees)
{
    const int d = static_cast<int>(std::trunc(degrees));
    const double minutes = (degrees - d) * 60.0;
    const int m = static_cast<int>(std::trunc(minutes));
    const int s = static_cast<int>(std::trunc((minutes - m) * 60.0));
    return QString::asprintf("%d° %02d' %02d\"", d, m, s);
}

} // namespace

QString planetGlyph(engine::BodyId body)
{
    static const std::array<const char*, 12> glyphs = {"☉", "☽", "☿", "♀", "♂", "♃",
                                                       "♄", "♅", "♆", "♇", "☊", "☋"};
    if (body < 0 || body >= static_cast<int>(glyphs.size()))
        return {};
    return QString::fromUtf8(glyphs[std::size_t(body)]);
}

QString signGlyph(int sign)
{
    if (!engine::isValidSign(sign))
        return {};
    return QChar(0x2648 + sign);
}

PlanetDetail planetDetail(const engine::PlanetPosition& planet,
                          const engine::ShadbalaResult& strength, int planetNameForm)
{
    PlanetDetail d;
    d.title = document::planetNameInForm(planet.body, planetNameForm);
    d.glyph = planetGlyph(planet.body);
    d.signName = latin1(engine::signName(planet.sign));
    d.signGlyph = signGlyph(planet.sign);
    d.house = QString::number(planet.house);
    d.nakshatra = engine::isValidNakshatra(planet.nakshatra)
                      ? latin1(engine::nakshatraName(planet.nakshatra))
                      : QStringLiteral("-");
    d.starLord = document::lordNameInForm(planet.starLord, planetNameForm);
    d.subLord = document::lordNameInForm(planet.subLord, planetNameForm);
    d.subSubLord = document::lordNameInForm(planet.subSubLord, planetNameForm);
    d.pada = planet.pada;
    d.retrograde = planet.dignity.retrograde;
    d.combust = planet.dignity.combust;
    if (planet.dignity.exalted)
        d.dignity = QStringLiteral("Exalted");
    else if (planet.dignity.debilitated)
        d.dignity = QStringLiteral("Debilitated");
    else if (planet.dignity.moolatrikona)
        d.dignity = QStringLiteral("Moolatrikona");
    else if (planet.dignity.ownSign)
        d.dignity = QStringLiteral("Own Sign");
    if (planet.charaKarakaRank >= 0 && planet.charaKarakaRank < engine::kCharaKarakaCount)
        d.karaka = latin1(engine::charaKarakaLabel(planet.charaKarakaRank));
    d.longitudeDeg = planet.longitude;
    d.degreeInSign = std::fmod(planet.longitude, 30.0);
    d.speedDegPerDay = planet.speed;
    d.shadbala = static_cast<int>(std::trunc(planet.shadbala));

    auto whole = [](double v) { return QString::asprintf("%.0f", v); };
    d.extraPairs = {{QStringLiteral("Sub Lord"), d.subLord},
                    {QStringLiteral("Sub-Sub Lord"), d.subSubLord},
                    {QStringLiteral("Sthana Bala"), whole(strength.sthana)},
                    {QStringLiteral("Dig Bala"), whole(strength.dig)},
                    {QStringLiteral("Kala Bala"), whole(strength.kala)},
                    {QStringLiteral("Cheshta Bala"), whole(strength.cheshta)},
                    {QStringLiteral("Naisargika"), whole(strength.naisargika)},
                    {QStringLiteral("Drik Bala"), whole(strength.drik)}};
    return d;
}

int strengthBarFill(double shadbala)
{
    const double filled = std::trunc(shadbala / 360.0 * kTrackWidth);
    return static_cast<int>(std::min<double>(kTrackWidth, std::max(0.0, filled)));
}

QColor strengthBarColor(double shadbala)
{
    const double ratio = shadbala / 360.0;
    if (ratio < 0.28)
        return rgb(kRed);
    if (ratio < 0.55)
        return rgb(kGold);
    return rgb(kGreen);
}

QColor dignityColor(const QString& dignity, bool combust)
{
    const QString lower = dignity.toLower();
    if (lower.contains(QLatin1String("exalt")))
        return rgb(kGreen);
    if (lower.contains(QLatin1String("debil")))
        return rgb(kRed);
    if (lower.contains(QLatin1String("own")))
        return rgb(kBlue);
    return rgb(combust ? kOrange : kValue);
}

PlanetTooltipLayout layoutPlanetTooltip(const PlanetDetail& d)
{
    PlanetTooltipLayout layout;
    layout.width = CPlanetTooltip::kWidth;

    int x = 12;
    if (!d.glyph.isEmpty()) {
        layout.texts.push_back({d.glyph, edges(12, 10, 44, 42), rgb(kGold), Role::Glyph,
                                Qt::AlignCenter | Qt::TextSingleLine});
        x = 48;
    }
    layout.texts.push_back(
        {d.title, edges(x, 10, kRight, 32), rgb(kGold), Role::Title, kVCenterLeft});
    QString subtitle = QStringLiteral("in %1").arg(d.signName);
    if (!d.signGlyph.isEmpty())
        subtitle += QStringLiteral("  ") + d.signGlyph;
    if (d.retrograde)
        subtitle += QString::fromUtf8("   ® Retrograde");
    if (d.combust)
        subtitle += QString::fromUtf8("   ☉ Combust");
    layout.texts.push_back(
        {subtitle, edges(x, 34, kRight, 52), rgb(kLabel), Role::Subtitle, kVCenterLeft, true});

    RowWriter rows(layout);
    rows.pair(QStringLiteral("Rashi"), d.signName, rgb(kValue), QStringLiteral("House"), d.house,
              rgb(kBlue));
    rows.pair(QStringLiteral("Nakshatra"), d.nakshatra, rgb(kValue), QStringLiteral("Nak Lord"),
              d.starLord, rgb(kBlue));
    QString pada = QString::number(d.pada);
    if (d.retrograde)
        pada += QStringLiteral(" R");
    if (d.combust)
        pada += QString::fromUtf8(" ☉");
    rows.pair(QStringLiteral("Pada"), pada, rgb(kValue), QStringLiteral("Karaka"), d.karaka,
              rgb(kGold));
    rows.separator();

    const QColor dignity = dignityColor(d.dignity, d.combust);
    if (d.shadbala < 1)
        rows.single(QStringLiteral("Strength"), d.dignity, dignity);
    else
        rows.pair(QStringLiteral("Strength"), d.dignity, dignity, QStringLiteral("Shadbala"),
                  QStringLiteral("%1 / 700").arg(d.shadbala), rgb(kValue));
    rows.bar(d.shadbala);
    rows.separator();

    rows.pair(QStringLiteral("Longitude"), QString::asprintf("%.4f°", d.longitudeDeg), rgb(kValue),
              QStringLiteral("Deg in Sign"), degreeInSignText(d.degreeInSign), rgb(kValue));
    rows.single(QStringLiteral("Speed"), QString::asprintf("%.4f°/day", d.speedDegPerDay),
                rgb(d.retrograde ? kOrange : kValue));

    if (!d.extraPairs.empty()) {
        rows.separator();
        for (std::size_t i = 0; i < d.extraPairs.size(); i += 2) {
            const auto& left = d.extraPairs[i];
            if (i + 1 < d.extraPairs.size()) {
                const auto& right = d.extraPairs[i + 1];
                rows.pair(left.first, left.second, rgb(kBlue), right.first, right.second,
                          rgb(kBlue));
            } else {
                rows.single(left.first, left.second, rgb(kBlue));
            }
        }
    }
    layout.height = rows.y() + kBottomMargin;
    return layout;
}

QPoint planetTooltipPosition(QPoint cursor, QSize card, const QRect& workArea)
{
    QPoint at(cursor.x() + 16, cursor.y() + 16);
    if (at.x() + card.width() > workArea.x() + workArea.width())
        at.setX(cursor.x() - 386);
    if (at.y() + card.height() > workArea.y() + workArea.height())
        at.setY(cursor.y() - card.height() - 16);
    return at;
}

CPlanetTooltip::CPlanetTooltip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      title_(render::designFont(u"Segoe UI", 13.0, QFont::Bold)),
      subtitle_(render::designFont(u"Segoe UI", 10.0)),
      label_(render::designFont(u"Segoe UI", 8.0, QFont::Bold)),
      value_(render::designFont(u"Segoe UI", 9.0)),
      glyph_(render::designFont(u"Segoe UI Symbol", 16.0))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShowMillis);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void CPlanetTooltip::showFor(const PlanetDetail& detail, QPoint cursorGlobal)
{
    layout_ = layoutPlanetTooltip(detail);
    const QSize card(layout_.width, layout_.height);
    setFixedSize(card);
    QRect workArea(cursorGlobal - QPoint(2000, 2000), QSize(4000, 4000));
    if (const QScreen* screen = QGuiApplication::screenAt(cursorGlobal))
        workArea = screen->availableGeometry();
    move(planetTooltipPosition(cursorGlobal, card, workArea));
    show();
    repaint();
    hideTimer_.start();
}

QFont CPlanetTooltip::fontFor(PlanetTooltipLayout::FontRole role) const
{
    switch (role) {
    case Role::Title:
        return title_;
    case Role::Subtitle:
        return subtitle_;
    case Role::Label:
        return label_;
    case Role::Glyph:
        return glyph_;
    case Role::Value:
        break;
    }
    return value_;
}

void CPlanetTooltip::paintCard(QPainter& painter) const
{
    const int w = layout_.width;
    const int h = layout_.height;
    painter.save();
    painter.fillRect(QRect(0, 0, w, h), rgb(kBackground));
    painter.fillRect(QRect(0, 0, w, kHeaderHeight), rgb(kHeaderBack));
    painter.fillRect(QRect(8, 1, w - 16, 2), rgb(kGold));

    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PlanetTooltipLayout::Line& line : layout_.lines) {
        painter.setPen(line.color);
        painter.drawLine(line.line);
    }
    const PlanetTooltipLayout::Bar& bar = layout_.bar;
    if (bar.track.isValid()) {
        painter.fillRect(bar.track, rgb(kTrack));
        painter.fillRect(QRect(bar.track.topLeft(), QSize(bar.fillWidth, bar.track.height())),
                         bar.fill);
        painter.setPen(rgb(kDivider));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bar.track.adjusted(0, 0, -1, -1));
    }

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PlanetTooltipLayout::Text& text : layout_.texts) {
        const QFont font = fontFor(text.font);
        painter.setFont(font);
        painter.setPen(text.color);
        const QString shown =
            text.elide ? QFontMetrics(font).elidedText(text.text, Qt::ElideRight, text.rect.width())
                       : text.text;
        painter.drawText(text.rect, text.alignment, shown);
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(rgb(kOutline), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0), 5.0, 5.0);
    painter.restore();
}

void CPlanetTooltip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCard(painter);
}

} // namespace lumikan::ui
