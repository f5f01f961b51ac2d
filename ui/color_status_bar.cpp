#include "ui/color_status_bar.h"

#include "document/text_encoding.h"
#include "render/chart_appearance.h"
#include "ui/screen_colors.h"

#include <QEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyleOption>

#include <cmath>

namespace lumikan::ui {

namespace {

struct PaneLook {
    int width;       // pixels at 96 dpi; 0 stretches
    QRgb background;  // 0: none
    const char* widest;  // a text the pane must show whole
};

constexpr std::array<PaneLook, kStatusPaneCount> kPanes = {{
    {0, 0, ""},
    {100, 0xDAE8FC, ""},
    {80, 0xD2F0F0, "30/12/2026"},
    {80, 0xD2F0F0, "12:00:00 PM"},
    {130, 0xDAF2DA, ""},
    {70, 0xFCF8DA, "88.8888 N"},
    {70, 0xFCF8DA, "188.8888 W"},
    {55, 0xFCEBDA, "+10.00"},
    {200, 0xEBDEF8, "Ayanamsa: Krishnamurti | 24°08'11\""},
    {100, 0xFCF5DA, "SAGITTARIUS 29°59'"},
}};

constexpr QRgb kSeparator = 0xAAAAAA;
constexpr QRgb kDefaultText = 0x1E1E1E;
constexpr int kTextInset = 4;

QString hemisphere(double degrees, char positive, char negative)
{
    return QString::asprintf("%.4f %c", std::fabs(degrees), degrees >= 0.0 ? positive : negative);
}

}  // namespace

QString ayanamsaSettingName(int ayanamsaSetting)
{
    switch (ayanamsaSetting) {
    case 0: return QStringLiteral("Lahiri");
    case 1: return QStringLiteral("Sayana");
    case 2: return QStringLiteral("Raman");
    case 4: return QStringLiteral("Custom");
    default: return QStringLiteral("Krishnamurti");
    }
}

StatusTexts chartStatusTexts(const engine::BirthDetails& b, const QString& ayanamsaLabel,
                             const QString& ascendantText)
{
    StatusTexts t;
    t[kPaneName] = document::toQString(b.name);
    t[kPaneDate] = QString::asprintf("%02d/%02d/%04d", b.day, b.month, b.year);
    const int hour12 = b.hour % 12 == 0 ? 12 : b.hour % 12;
    t[kPaneTime] = QString::asprintf("%02d:%02d:%02d %s", hour12, b.minute, b.second,
                                     b.hour < 12 ? "AM" : "PM");
    const QString city = document::toQString(b.city);
    if (!city.isEmpty() && city.compare(QLatin1String("Unknown"), Qt::CaseInsensitive) != 0) {
        QString place = city;
        if (!b.state.empty())
            place += QLatin1String(", ") + document::toQString(b.state);
        if (!b.country.empty())
            place += QLatin1String(", ") + document::toQString(b.country);
        t[kPanePlace] = place;
    }
    t[kPaneLatitude] = hemisphere(b.latitude, 'N', 'S');
    t[kPaneLongitude] = hemisphere(b.longitude, 'E', 'W');
    t[kPaneZone] = QString::asprintf("%+.2f", b.timeZone);
    t[kPaneAyanamsa] = ayanamsaLabel;
    t[kPaneAscendant] = ascendantText;
    return t;
}

StatusTexts noChartStatusTexts(int ayanamsaSetting)
{
    StatusTexts t;
    t[kPaneAyanamsa] = QStringLiteral("Ayanamsa: %1").arg(ayanamsaSettingName(ayanamsaSetting));
    return t;
}

CColorStatusBar::CColorStatusBar(QWidget* parent) : QStatusBar(parent)
{
    for (int pane = 1; pane < kStatusPaneCount; ++pane)
        backgrounds_[pane] = QColor(kPanes[static_cast<std::size_t>(pane)].background);
    computeWidths();
    connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
}

void CColorStatusBar::setPaneText(int pane, const QString& text)
{
    if (pane < 0 || pane >= kStatusPaneCount || texts_[static_cast<std::size_t>(pane)] == text)
        return;
    texts_[static_cast<std::size_t>(pane)] = text;
    update();
}

QString CColorStatusBar::paneText(int pane) const
{
    if (pane == kPanePrompt)
        return currentMessage();
    if (pane < 0 || pane >= kStatusPaneCount)
        return {};
    return texts_[static_cast<std::size_t>(pane)];
}

void CColorStatusBar::setTexts(const StatusTexts& texts)
{
    for (int pane = 1; pane < kStatusPaneCount; ++pane)
        setPaneText(pane, texts[static_cast<std::size_t>(pane)]);
}

void CColorStatusBar::setPaneBackground(int pane, const QColor& color)
{
    backgrounds_[pane] = color;
    update();
}

void CColorStatusBar::setPaneTextColor(int pane, const QColor& color)
{
    textColors_[pane] = color;
    update();
}

void CColorStatusBar::computeWidths()
{
    const QFontMetrics fm(font());
    for (int pane = 1; pane < kStatusPaneCount; ++pane) {
        const PaneLook& look = kPanes[static_cast<std::size_t>(pane)];
        const int needed = fm.horizontalAdvance(QString::fromUtf8(look.widest)) + 2 * kTextInset + 2;
        widths_[static_cast<std::size_t>(pane)] = qMax(look.width, needed);
    }
}

int CColorStatusBar::paneWidth(int pane) const
{
    if (pane == kPanePrompt)
        return paneRect(kPanePrompt).width();
    return pane > 0 && pane < kStatusPaneCount ? widths_[static_cast<std::size_t>(pane)] : 0;
}

QRect CColorStatusBar::paneRect(int pane) const
{
    int right = width();
    if (isSizeGripEnabled()) {
        if (const auto* grip = findChild<QSizeGrip*>(); grip && grip->isVisible())
            right = grip->geometry().left();
    }
    for (int p = kStatusPaneCount - 1; p >= 1; --p) {
        const int left = right - widths_[static_cast<std::size_t>(p)];
        if (p == pane)
            return QRect(left, 0, right - left, height());
        right = left;
    }
    return pane == kPanePrompt ? QRect(0, 0, qMax(0, right), height()) : QRect();
}

TextOnSurface CColorStatusBar::paneColors(int pane) const
{
    // The panes' light colours turn dark with a dark theme; the text follows.
    if (backgrounds_.contains(pane) && backgrounds_[pane].isValid())
        return themedText(textColors_.value(pane, QColor(kDefaultText)), backgrounds_[pane],
                          render::currentTheme());
    return readablePair(textColors_.value(pane, palette().color(QPalette::ButtonText)),
                        palette().color(QPalette::Button));
}

QSize CColorStatusBar::sizeHint() const
{
    QSize hint = QStatusBar::sizeHint();
    hint.setHeight(qMax(hint.height(), fontMetrics().height() + 10));
    return hint;
}

QSize CColorStatusBar::minimumSizeHint() const
{
    QSize hint = QStatusBar::minimumSizeHint();
    hint.setHeight(qMax(hint.height(), fontMetrics().height() + 10));
    return hint;
}

void CColorStatusBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        computeWidths();
    QStatusBar::changeEvent(event);
}

void CColorStatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    p.setFont(font());
    for (int pane = 0; pane < kStatusPaneCount; ++pane) {
        const QRect r = paneRect(pane);
        if (r.width() <= 0)
            continue;
        const QString text = paneText(pane);
        const bool filled =
            backgrounds_.contains(pane) && backgrounds_[pane].isValid() && !text.isEmpty();
        const TextOnSurface colors = paneColors(pane);
        if (filled)
            p.fillRect(r.adjusted(1, 1, -1, -1), colors.back);
        if (pane >= 1) {
            p.setPen(QColor(kSeparator));
            p.drawLine(r.left(), r.top() + 2, r.left(), r.bottom() - 2);
        }
        if (text.isEmpty())
            continue;
        const QRect textRect = r.adjusted(kTextInset, 0, -kTextInset, 0);
        p.setPen(colors.text);
        const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, textRect.width());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
}

}  // namespace lumikan::ui
