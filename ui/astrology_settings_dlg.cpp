#include "ui/astrology_settings_dlg.h"

#include "document/atlas_time_zones.h"
#include "document/birth_data_rules.h"
#include "document/text_encoding.h"
#include "document/verokant_doc.h"
#include "render/chart_appearance.h"
#include "ui/qt_messages.h"
#include "ui/screen_colors.h"
#include "ui/varga_chart_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace lumikan::ui {

namespace {

// Radio buttons stacked in a group box, with ids 0, 1, 2 ... in order.
QButtonGroup* addRadios(QGroupBox* box, QLayout* layout, const QStringList& texts)
{
    auto* group = new QButtonGroup(box);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], box);
        group->addButton(button, int(i));
        layout->addWidget(button);
    }
    return group;
}

QGroupBox* radioGroup(const QString& title, const QStringList& texts, QButtonGroup*& group,
                      QWidget* parent, Qt::Orientation orientation = Qt::Vertical)
{
    auto* box = new QGroupBox(title, parent);
    QBoxLayout* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    layout->setSpacing(orientation == Qt::Vertical ? 4 : 16);
    group = addRadios(box, layout, texts);
    return box;
}

void check(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

int inRangeOr(int value, int low, int high, int fallback)
{
    return value >= low && value <= high ? value : fallback;
}

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// The lists show their entries alphabetically; each keeps its data.
void fillSorted(QComboBox* list, std::vector<std::pair<QString, QVariant>> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return lessIgnoringCase(a.first, b.first);
    });
    list->clear();
    for (const auto& [text, data] : entries)
        list->addItem(text, data);
    list->setCurrentIndex(-1);
}

QString currentText(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? list->currentText() : QString();
}

} // namespace

// --- Conversions ---------------------------------------------------------------

QString ayanamsaDmsText(double degrees)
{
    const double a = std::fabs(degrees);
    int d = int(std::trunc(a));
    const double minutes = (a - d) * 60.0;
    int m = int(std::trunc(minutes));
    int s = int(std::trunc((minutes - m) * 60.0 + 0.5));
    if (s >= 60) {
        s -= 60;
        ++m;
    }
    if (m >= 60) {
        m -= 60;
        ++d;
    }
    return QStringLiteral("%1%2\u00B0%3'%4\"")
        .arg(degrees < 0 ? QStringLiteral("-") : QString())
        .arg(d)
        .arg(m)
        .arg(s);
}

double ayanamsaFromDms(const QString& text)
{
    QString t = text;
    for (QChar c : {QChar(0x00B0), QChar('\''), QChar('"'), QChar(':')})
        t.replace(c, QLatin1Char(' '));
    // Up to three integers, each read where the previous one stopped; the
    // first that cannot be read ends the reading.
    std::array<long long, 3> parts{};
    bool negative = false;
    qsizetype pos = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        while (pos < t.size() && t[pos].isSpace())
            ++pos;
        qsizetype start = pos;
        bool minus = false;
        if (pos < t.size() && (t[pos] == QLatin1Char('-') || t[pos] == QLatin1Char('+'))) {
            minus = t[pos] == QLatin1Char('-');
            ++pos;
        }
        const qsizetype digits = pos;
        while (pos < t.size() && t[pos].isDigit() && pos - digits < 9)
            ++pos;
        if (pos == digits) {
            pos = start;
            break;
        }
        parts[i] = t.mid(digits, pos - digits).toLongLong();
        if (i == 0)
            negative = minus;
    }
    const double value = double(parts[0]) + double(parts[1]) / 60.0 + double(parts[2]) / 3600.0;
    return negative ? -value : value;
}

QString ayanamsaDecimalText(double degrees)
{
    return QString::asprintf("%.6f", degrees);
}

double leadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// --- Theme preview ---------------------------------------------------------------

std::array<ThemePreviewBand, 4> themePreviewBands(QSize size, const render::ColorTheme& theme)
{
    const int band = size.height() / 4;
    std::array<ThemePreviewBand, 4> bands = {{
        {QRect(0, 0, size.width(), band), QStringLiteral("Zebra Light"),
         QColor::fromRgb(theme.rowLight), QColor::fromRgb(theme.chartText)},
        {QRect(0, band, size.width(), band), QStringLiteral("Zebra Dark"),
         QColor::fromRgb(theme.rowDark), QColor::fromRgb(theme.chartText)},
        {QRect(0, 2 * band, size.width(), band), QStringLiteral("Hover"),
         QColor::fromRgb(theme.hoverBack), QColor::fromRgb(theme.chartText)},
        {QRect(0, 3 * band, size.width(), size.height() - 3 * band), QStringLiteral("Selected"),
         QColor::fromRgb(theme.selectedBack), QColor::fromRgb(theme.selectedText)},
    }};
    return bands;
}

CThemePreview::CThemePreview(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(80);
}

void CThemePreview::setThemeIndex(int colorThemeSetting)
{
    themeIndex_ = colorThemeSetting;
    update();
}

void CThemePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const ThemePreviewBand& band :
         themePreviewBands(size(), render::colorThemeAt(themeIndex_).colors)) {
        // As the tables will show them: the text readable on its row.
        const TextOnSurface shown = readablePair(band.text, band.back);
        p.fillRect(band.rect, shown.back);
        p.setPen(shown.text);
        p.drawText(band.rect, Qt::AlignCenter | Qt::TextSingleLine, band.label);
    }
}

// --- "Display" -------------------------------------------------------------------

CTabAyanamsaDlg::CTabAyanamsaDlg(QWidget* parent) : QWidget(parent)
{
    auto* ayanamsaBox = new QGroupBox(QStringLiteral("Ayanamsa System"), this);
    auto* ayanamsaLayout = new QVBoxLayout(ayanamsaBox);
    ayanamsaLayout->setSpacing(4);
    ayanamsa_ =
        addRadios(ayanamsaBox, ayanamsaLayout,
                  {QStringLiteral("Lahiri"), QStringLiteral("Sayana"), QStringLiteral("Raman"),
                   QStringLiteral("Krishnamurti (Recommended)"), QStringLiteral("Custom")});
    auto* customRow = new QGridLayout;
    decimal_ = new QLineEdit(ayanamsaBox);
    decimal_->setObjectName(QStringLiteral("customDecimal"));
    dms_ = new QLineEdit(ayanamsaBox);
    dms_->setObjectName(QStringLiteral("customDms"));
    customRow->addWidget(new QLabel(QStringLiteral("Decimal:"), ayanamsaBox), 0, 0);
    customRow->addWidget(decimal_, 0, 1);
    customRow->addWidget(new QLabel(QStringLiteral("DMS:"), ayanamsaBox), 1, 0);
    customRow->addWidget(dms_, 1, 1);
    ayanamsaLayout->addLayout(customRow);

    auto* dashaBox = radioGroup(QStringLiteral("Dasha Year Length"),
                                {QStringLiteral("360 days  (Sidereal/Lunar Year)"),
                                 QStringLiteral("365.25 days (Recommended)"),
                                 QStringLiteral("327.85 days  (Lunar/Tithi)")},
                                dashaYear_, this);
    auto* depthBox =
        radioGroup(QStringLiteral("Mahadasha Depth"),
                   {QStringLiteral("1-Level"), QStringLiteral("2-Level"),
                    QStringLiteral("3-Level (Recommended)"), QStringLiteral("4-Level")},
                   depth_, this, Qt::Horizontal);

    auto* planetsBox = new QGroupBox(QStringLiteral("Additional Planets"), this);
    auto* planetsLayout = new QGridLayout(planetsBox);
    planetsLayout->setVerticalSpacing(4);
    uranus_ = new QCheckBox(QStringLiteral("  Uranus"), planetsBox);
    neptune_ = new QCheckBox(QStringLiteral("  Neptune"), planetsBox);
    pluto_ = new QCheckBox(QStringLiteral("  Pluto"), planetsBox);
    fortuna_ = new QCheckBox(QStringLiteral("  Fortuna"), planetsBox);
    gulika_ = new QCheckBox(QStringLiteral("  Gulika"), planetsBox);
    mandi_ = new QCheckBox(QStringLiteral("  Mandi"), planetsBox);
    gulika_->setEnabled(false); // nothing computes them yet
    mandi_->setEnabled(false);
    planetsLayout->addWidget(uranus_, 0, 0);
    planetsLayout->addWidget(neptune_, 1, 0);
    planetsLayout->addWidget(pluto_, 2, 0);
    planetsLayout->addWidget(fortuna_, 0, 1);
    planetsLayout->addWidget(gulika_, 1, 1);
    planetsLayout->addWidget(mandi_, 2, 1);
    auto* note = new QLabel(QStringLiteral("Note: Uranus, Neptune and Pluto are\nouter planets not "
                                           "traditionally used\nin Parashari Jyotish."),
                            planetsBox);
    setReadableTextColor(note, QColor(0x50, 0x50, 0x50));
    planetsLayout->addWidget(note, 3, 0, 1, 2);

    auto* planetFormatBox =
        radioGroup(QStringLiteral("Planet Name Format"),
                   {QStringLiteral("Short Name (CAPS)"), QStringLiteral("Short Name (Title)"),
                    QStringLiteral("Full Name")},
                   planetFormat_, this);
    auto* nakshatraBox =
        radioGroup(QStringLiteral("Nakshatra Format"),
                   {QStringLiteral("CAPS (ASHWINI)"), QStringLiteral("Short (P.Phalguni)"),
                    QStringLiteral("Full (Purva Phalguni)")},
                   nakshatraFormat_, this);
    auto* signBox = radioGroup(QStringLiteral("Sign Format"),
                               {QStringLiteral("CAPS (ARIES)"), QStringLiteral("Short (Sg)"),
                                QStringLiteral("Full (Sagittarius)")},
                               signFormat_, this);

    auto* left = new QVBoxLayout;
    left->addWidget(ayanamsaBox);
    left->addWidget(dashaBox);
    left->addStretch(1);
    auto* formats = new QHBoxLayout;
    formats->addWidget(planetFormatBox);
    formats->addWidget(nakshatraBox);
    formats->addWidget(signBox);
    auto* right = new QVBoxLayout;
    right->addWidget(planetsBox);
    right->addLayout(formats);
    right->addWidget(depthBox);
    right->addStretch(1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    connect(ayanamsa_, &QButtonGroup::idClicked, this, &CTabAyanamsaDlg::ayanamsaChosen);
    connect(decimal_, &QLineEdit::textEdited, this, &CTabAyanamsaDlg::decimalEdited);
    connect(dms_, &QLineEdit::textEdited, this, &CTabAyanamsaDlg::dmsEdited);
}

void CTabAyanamsaDlg::fill(const document::AppSettings& s)
{
    // Out-of-range values show what the program uses in their place.
    const int ayanamsa = inRangeOr(s.ayanamsa, 0, 4, 3);
    check(ayanamsa_, ayanamsa);
    storedCustom_ = s.customAyanamsa;
    echoing_ = true;
    decimal_->setText(ayanamsaDecimalText(storedCustom_));
    dms_->setText(ayanamsaDmsText(storedCustom_));
    echoing_ = false;
    decimal_->setEnabled(ayanamsa == 4);
    dms_->setEnabled(ayanamsa == 4);
    check(dashaYear_, inRangeOr(s.dashaYear, 0, 2, 1));
    check(depth_, std::clamp(s.mahadashaDepth, 1, 4) - 1);
    uranus_->setChecked(s.showUranus);
    neptune_->setChecked(s.showNeptune);
    pluto_->setChecked(s.showPluto);
    fortuna_->setChecked(s.showFortuna);
    gulika_->setChecked(s.showGulika);
    mandi_->setChecked(s.showMandi);
    check(planetFormat_, inRangeOr(s.planetNameFormat, 0, 2, 0));
    check(nakshatraFormat_, inRangeOr(s.nakshatraNameFormat, 0, 2, 0));
    check(signFormat_, inRangeOr(s.signNameFormat, 0, 2, 0));
}

void CTabAyanamsaDlg::gather(document::AppSettings& s) const
{
    if (ayanamsa_->checkedId() >= 0)
        s.ayanamsa = ayanamsa_->checkedId();
    s.customAyanamsa = leadingNumber(decimal_->text());
    if (dashaYear_->checkedId() >= 0)
        s.dashaYear = dashaYear_->checkedId();
    if (depth_->checkedId() >= 0)
        s.mahadashaDepth = depth_->checkedId() + 1;
    s.showUranus = uranus_->isChecked();
    s.showNeptune = neptune_->isChecked();
    s.showPluto = pluto_->isChecked();
    s.showFortuna = fortuna_->isChecked();
    s.showGulika = gulika_->isChecked();
    s.showMandi = mandi_->isChecked();
    if (planetFormat_->checkedId() >= 0)
        s.planetNameFormat = planetFormat_->checkedId();
    if (nakshatraFormat_->checkedId() >= 0)
        s.nakshatraNameFormat = nakshatraFormat_->checkedId();
    if (signFormat_->checkedId() >= 0)
        s.signNameFormat = signFormat_->checkedId();
}

void CTabAyanamsaDlg::ayanamsaChosen(int id)
{
    const bool custom = id == 4;
    decimal_->setEnabled(custom);
    dms_->setEnabled(custom);
    if (!custom)
        return;
    echoing_ = true;
    decimal_->setText(ayanamsaDecimalText(storedCustom_));
    dms_->setText(ayanamsaDmsText(storedCustom_));
    echoing_ = false;
}

void CTabAyanamsaDlg::decimalEdited(const QString& text)
{
    if (echoing_)
        return;
    echoing_ = true;
    dms_->setText(ayanamsaDmsText(leadingNumber(text)));
    echoing_ = false;
}

void CTabAyanamsaDlg::dmsEdited(const QString& text)
{
    if (echoing_)
        return;
    echoing_ = true;
    decimal_->setText(ayanamsaDecimalText(ayanamsaFromDms(text)));
    echoing_ = false;
}

// --- "RP's Location" -------------------------------------------------------------

CTabRPLocationDlg::CTabRPLocationDlg(RulingPlaceContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)),
      picker_(context_.atlas ? *context_.atlas : document::AtlasDatabase::instance())
{
    auto* box = new QGroupBox(QStringLiteral("RP's Place of Birth / Residence"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(8);
    auto list = [box](const char* name) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setMaxVisibleItems(15);
        combo->setMinimumWidth(240);
        return combo;
    };
    country_ = list("country");
    state_ = list("state");
    city_ = list("city");
    timeZone_ = list("timeZone");
    country_->setPlaceholderText(QStringLiteral("Select Country"));
    state_->setPlaceholderText(QStringLiteral("Select State"));
    city_->setPlaceholderText(QStringLiteral("Select City"));
    timeZone_->setPlaceholderText(QStringLiteral("Select Timezone"));
    latitude_ = new QLineEdit(box);
    latitude_->setObjectName(QStringLiteral("latitude"));
    longitude_ = new QLineEdit(box);
    longitude_->setObjectName(QStringLiteral("longitude"));
    auto hintLabel = [box](const QString& text) {
        auto* label = new QLabel(text, box);
        setReadableTextColor(label, QColor(0x64, 0x64, 0x64));
        return label;
    };

    grid->addWidget(new QLabel(QStringLiteral("Country:"), box), 0, 0);
    grid->addWidget(country_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("State:"), box), 1, 0);
    grid->addWidget(state_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("City:"), box), 2, 0);
    grid->addWidget(city_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Timezone:"), box), 3, 0);
    grid->addWidget(timeZone_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Latitude:"), box), 4, 0);
    grid->addWidget(latitude_, 4, 1);
    grid->addWidget(hintLabel(QStringLiteral("North +, South \u2212")), 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("Longitude:"), box), 5, 0);
    grid->addWidget(longitude_, 5, 1);
    grid->addWidget(hintLabel(QStringLiteral("East +, West \u2212")), 5, 2);
    auto* detect = new QPushButton(QStringLiteral("Detect My Location..."), box);
    detect->setEnabled(false);
    grid->addWidget(detect, 6, 1, Qt::AlignLeft);
    auto* tip = new QLabel(
        QStringLiteral(
            "Tip: Select Country/State/City to auto-fill\nLatitude, Longitude and Timezone."),
        box);
    setReadableTextColor(tip, QColor(0x00, 0x64, 0x96));
    grid->addWidget(tip, 7, 0, 1, 3);
    // The atlas place's zone gives each day's offset, summer time included.
    zoneLabel_ = hintLabel(QString());
    zoneLabel_->setObjectName(QStringLiteral("rpZone"));
    grid->addWidget(zoneLabel_, 3, 2);
    unsetNote_ = new QLabel(
        QStringLiteral("No place is set: each chart shows the ruling planets of its birth place."),
        box);
    unsetNote_->setObjectName(QStringLiteral("unsetNote"));
    unsetNote_->setWordWrap(true);
    grid->addWidget(unsetNote_, 8, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* dayLordBox = new QGroupBox(QStringLiteral("Day Lord of the Ruling Planets"), this);
    auto* dayLordLayout = new QVBoxLayout(dayLordBox);
    dayLordSunrise_ = new QRadioButton(QStringLiteral("From local sunrise (KP)"), dayLordBox);
    dayLordSunrise_->setObjectName(QStringLiteral("dayLordSunrise"));
    dayLordUtDate_ = new QRadioButton(QStringLiteral("From the UT date"), dayLordBox);
    dayLordUtDate_->setObjectName(QStringLiteral("dayLordUtDate"));
    dayLordLayout->addWidget(dayLordSunrise_);
    dayLordLayout->addWidget(dayLordUtDate_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(dayLordBox);
    layout->addStretch(1);

    connect(country_, &QComboBox::activated, this, &CTabRPLocationDlg::countryChosen);
    connect(state_, &QComboBox::activated, this, &CTabRPLocationDlg::stateChosen);
    connect(city_, &QComboBox::activated, this, &CTabRPLocationDlg::cityChosen);
    // An offset picked by hand is the place's from then on.
    connect(timeZone_, &QComboBox::activated, this, [this] {
        zoneId_.clear();
        showZone();
    });
}

void CTabRPLocationDlg::showZone()
{
    zoneLabel_->setText(
        zoneId_.empty()
            ? QString()
            : QStringLiteral("Zone %1: each day's offset").arg(document::toQString(zoneId_)));
}

void CTabRPLocationDlg::fill(const document::AppSettings& s)
{
    std::vector<std::pair<QString, QVariant>> zones;
    const auto entries = document::timeZoneEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        zones.emplace_back(document::toQString(entries[i]), int(i));
    fillSorted(timeZone_, std::move(zones));
    std::vector<std::pair<QString, QVariant>> countries;
    const auto list = document::AtlasDatabase::Countries();
    for (std::size_t i = 0; i < list.size(); ++i)
        countries.emplace_back(document::toQString(list[i].name), int(i));
    fillSorted(country_, std::move(countries));
    state_->clear();
    city_->clear();
    latitude_->clear();
    longitude_->clear();
    timeZoneHours_ = s.rpTimeZoneHours;
    (s.dayLordRule == 0 ? dayLordSunrise_ : dayLordUtDate_)->setChecked(true);
    zoneId_.clear();
    showZone();

    filled_ = s;
    // No place set: the lists wait for a choice and each chart uses its birth
    // place. Nothing is proposed, so nothing is stored unless chosen.
    const bool unset =
        s.rpCountry.empty() && s.rpCity.empty() && s.rpLatitude == 0.0 && s.rpLongitude == 0.0;
    unsetNote_->setVisible(unset);
    if (s.rpCountry.empty()) {
        if (!unset) {
            showCoordinates(s.rpLatitude, s.rpLongitude);
            selectTimeZoneEntry(document::findTimeZoneEntry(s.rpTimeZoneHours));
        }
        filledTexts_ = shownTexts();
        return;
    }

    pickCountry(document::toQString(s.rpCountry));
    pickState(document::toQString(s.rpState));
    const int cityIndex = city_->findText(document::toQString(s.rpCity), Qt::MatchFixedString);
    if (cityIndex >= 0)
        city_->setCurrentIndex(cityIndex);
    // The stored place as it was accepted, whatever the atlas says today.
    showCoordinates(s.rpLatitude, s.rpLongitude);
    timeZoneHours_ = s.rpTimeZoneHours;
    const int zone = timeZone_->findText(document::toQString(s.rpTimezone), Qt::MatchFixedString);
    if (!s.rpTimezone.empty() && zone >= 0)
        timeZone_->setCurrentIndex(zone);
    else
        selectTimeZoneEntry(document::findTimeZoneEntry(s.rpTimeZoneHours));
    zoneId_ = s.rpZone;
    showZone();
    filledTexts_ = shownTexts();
}

QStringList CTabRPLocationDlg::shownTexts() const
{
    return {currentText(country_),  currentText(state_), currentText(city_),
            currentText(timeZone_), latitude_->text(),   longitude_->text()};
}

void CTabRPLocationDlg::gather(document::AppSettings& s) const
{
    // A page left as it was shown gives back the place exactly as it was stored.
    if (shownTexts() == filledTexts_) {
        s.rpCountry = filled_.rpCountry;
        s.rpState = filled_.rpState;
        s.rpCity = filled_.rpCity;
        s.rpTimezone = filled_.rpTimezone;
        s.rpLatitude = filled_.rpLatitude;
        s.rpLongitude = filled_.rpLongitude;
        s.rpTimeZoneHours = filled_.rpTimeZoneHours;
        return;
    }
    s.rpCountry = document::toUtf8(currentText(country_));
    s.rpState = document::toUtf8(currentText(state_));
    s.rpCity = document::toUtf8(currentText(city_));
    s.rpTimezone = document::toUtf8(currentText(timeZone_));
    s.rpLatitude = leadingNumber(latitude_->text());
    s.rpLongitude = leadingNumber(longitude_->text());
    s.rpTimeZoneHours = timeZone_->currentIndex() >= 0
                            ? document::AtlasDatabase::ParseTimeZoneEntry(s.rpTimezone)
                            : timeZoneHours_;
    s.rpZone = zoneId_;
    s.dayLordRule = dayLordUtDate_->isChecked() ? 1 : 0;
}

void CTabRPLocationDlg::pickCountry(const QString& name)
{
    const int index = country_->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    country_->setCurrentIndex(index);
    countryChosen(index);
}

void CTabRPLocationDlg::pickState(const QString& name)
{
    const int index = state_->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    state_->setCurrentIndex(index);
    stateChosen(index);
}

void CTabRPLocationDlg::pickCity(const QString& name)
{
    const int index = city_->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    city_->setCurrentIndex(index);
    cityChosen(index);
}

void CTabRPLocationDlg::countryChosen(int listIndex)
{
    const int countryIndex = listIndex >= 0 ? country_->itemData(listIndex).toInt() : -1;
    const document::CountryChoice choice = listIndex >= 0
                                               ? picker_.chooseCountry(countryIndex)
                                               : document::CountryChoice::InvalidSelection;
    if (choice == document::CountryChoice::Loaded)
        unsetNote_->hide();
    if (choice != document::CountryChoice::Loaded) {
        // The state and city lists stay as they were.
        reportError(document::toQString(
            document::countryChoiceMessage(choice, document::PlacePickerOwner::RulingPlanetPlace)));
        return;
    }
    selectTimeZoneEntry(picker_.timeZoneEntryIndex());
    timeZoneHours_ = picker_.timeZoneHours();
    zoneId_ = picker_.zone();
    showZone();
    std::vector<std::pair<QString, QVariant>> states;
    states.reserve(picker_.stateNames().size());
    for (const std::string& state : picker_.stateNames())
        states.emplace_back(document::toQString(state), QVariant());
    fillSorted(state_, std::move(states));
    city_->clear();
}

void CTabRPLocationDlg::stateChosen(int listIndex)
{
    if (listIndex < 0 || !picker_.chooseState(document::toUtf8(state_->itemText(listIndex))))
        return;
    std::vector<std::pair<QString, QVariant>> cities;
    cities.reserve(picker_.cityNames().size());
    for (const std::string& city : picker_.cityNames())
        cities.emplace_back(document::toQString(city), QVariant());
    fillSorted(city_, std::move(cities));
}

void CTabRPLocationDlg::cityChosen(int listIndex)
{
    if (listIndex < 0 || !picker_.chooseCity(document::toUtf8(city_->itemText(listIndex))))
        return;
    showCoordinates(picker_.latitude(), picker_.longitude());
    selectTimeZoneEntry(picker_.timeZoneEntryIndex());
    timeZoneHours_ = picker_.timeZoneHours();
    zoneId_ = picker_.zone();
    showZone();
}

void CTabRPLocationDlg::selectTimeZoneEntry(int entryIndex)
{
    if (entryIndex < 0)
        return;
    const int index = timeZone_->findData(entryIndex);
    if (index >= 0)
        timeZone_->setCurrentIndex(index);
}

void CTabRPLocationDlg::showCoordinates(double latitude, double longitude)
{
    latitude_->setText(QString::fromStdString(document::formatCoordinate(latitude, 6)));
    longitude_->setText(QString::fromStdString(document::formatCoordinate(longitude, 6)));
}

void CTabRPLocationDlg::reportError(const QString& message)
{
    if (message.isEmpty())
        return;
    if (context_.showError)
        context_.showError(message);
    else
        QMessageBox::critical(window(), productName(), message);
}

// --- "App Settings" ----------------------------------------------------------------

CTabAstrologerDlg::CTabAstrologerDlg(QWidget* parent) : QWidget(parent)
{
    auto* titleBox =
        radioGroup(QStringLiteral("Window Title Format"),
                   {QStringLiteral("Essentials:  Lumikan - Date | Time TZ | City"),
                    QStringLiteral("Friendly:  DD-MM-YYYY | Time TZ | Lat N | Lon E"),
                    QStringLiteral("Compact:  DOB: Date | Time TZ | City | LatN LonE"),
                    QStringLiteral("Premium:  Date . Time TZ . City . LatN LonE"),
                    QStringLiteral("KP Friendly:  DD-MM-YYYY | Time TZ | Lat N | Lon E")},
                   titleFormat_, this);

    auto* themeBox = new QGroupBox(QStringLiteral("Color Theme"), this);
    auto* themeLayout = new QGridLayout(themeBox);
    theme_ = new QComboBox(themeBox);
    theme_->setObjectName(QStringLiteral("theme"));
    theme_->setMaxVisibleItems(16);
    for (const render::NamedColorTheme& theme : render::COLOR_THEMES)
        theme_->addItem(QString::fromUtf8(theme.name.data(), qsizetype(theme.name.size())));
    preview_ = new CThemePreview(themeBox);
    preview_->setObjectName(QStringLiteral("themePreview"));
    themeLayout->addWidget(new QLabel(QStringLiteral("Theme:"), themeBox), 0, 0);
    themeLayout->addWidget(theme_, 0, 1);
    themeLayout->addWidget(preview_, 1, 0, 1, 2);
    themeLayout->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleBox);
    layout->addWidget(themeBox);
    layout->addStretch(1);

    // Only the preview follows the list until OK or Apply.
    connect(theme_, &QComboBox::currentIndexChanged, preview_,
            [this](int index) { preview_->setThemeIndex(std::max(0, index)); });
}

void CTabAstrologerDlg::fill(const document::AppSettings& s)
{
    check(titleFormat_, inRangeOr(s.titleFormat, 0, 4, 0));
    const int theme = inRangeOr(s.colorTheme, 0, render::kColorThemeCount - 1, 0);
    theme_->setCurrentIndex(theme);
    preview_->setThemeIndex(theme);
}

void CTabAstrologerDlg::gather(document::AppSettings& s) const
{
    if (titleFormat_->checkedId() >= 0)
        s.titleFormat = titleFormat_->checkedId();
    s.colorTheme = std::max(0, theme_->currentIndex());
}

// --- The dialog --------------------------------------------------------------------

CAstrologySettingsDlg::CAstrologySettingsDlg(SettingsDialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context))
{
    setWindowTitle(QStringLiteral("Lumikan Settings"));
    if (context_.settings)
        working_ = *context_.settings;

    tabs_ = new QTabWidget(this);
    display_ = new CTabAyanamsaDlg(tabs_);
    rulingPlace_ = new CTabRPLocationDlg(context_.rulingPlace, tabs_);
    appSettings_ = new CTabAstrologerDlg(tabs_);
    tabs_->addTab(display_, QStringLiteral("Display"));
    tabs_->addTab(rulingPlace_, QStringLiteral("RP's Location"));
    tabs_->addTab(appSettings_, QStringLiteral("App Settings"));
    tabs_->setCurrentIndex(0);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    reset_ = new QPushButton(QStringLiteral("Reset Defaults"), this);
    apply_ = new QPushButton(QStringLiteral("Apply"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch(1);
    buttons->addWidget(apply_);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(separator);
    layout->addLayout(buttons);

    connect(reset_, &QPushButton::clicked, this, &CAstrologySettingsDlg::resetDefaults);
    connect(apply_, &QPushButton::clicked, this, &CAstrologySettingsDlg::apply);
    connect(ok, &QPushButton::clicked, this, &CAstrologySettingsDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CAstrologySettingsDlg::reject);

    fillPages();
}

void CAstrologySettingsDlg::fillPages()
{
    display_->fill(working_);
    rulingPlace_->fill(working_);
    appSettings_->fill(working_);
}

void CAstrologySettingsDlg::gather()
{
    display_->gather(working_);
    rulingPlace_->gather(working_);
    appSettings_->gather(working_);
}

void CAstrologySettingsDlg::takeOver()
{
    if (context_.takeOver) {
        context_.takeOver(working_);
        return;
    }
    if (context_.settings)
        *context_.settings = working_;
    QString reason;
    if (!context_.settingsPath.isEmpty() &&
        !document::SaveSettings(working_, context_.settingsPath, &reason)) {
        const QString message = document::settingsSaveFailureMessage(context_.settingsPath, reason);
        if (context_.showSaveError)
            context_.showSaveError(message);
        else
            QMessageBox::warning(this, productName(), message);
    }
    render::applyColorTheme(working_.colorTheme, context_.refreshOpenDocuments);
}

bool CAstrologySettingsDlg::gatherValid()
{
    gather();
    QString problem;
    if (working_.ayanamsa == int(engine::AyanamsaMode::Custom) &&
        !document::isCustomAyanamsaValid(working_.customAyanamsa))
        problem = QString::fromLatin1(kInvalidCustomAyanamsaMessage);
    else if (!document::isLatitudeValid(working_.rpLatitude) ||
             !document::isLongitudeValid(working_.rpLongitude))
        problem = QString::fromLatin1(kInvalidRulingPlaceMessage);
    if (problem.isEmpty())
        return true;
    if (context_.showInputError)
        context_.showInputError(problem);
    else
        QMessageBox::warning(this, productName(), problem);
    return false;
}

void CAstrologySettingsDlg::apply()
{
    if (gatherValid())
        takeOver();
}

void CAstrologySettingsDlg::accept()
{
    if (!gatherValid())
        return;
    QDialog::accept();
    takeOver();
}

void CAstrologySettingsDlg::resetDefaults()
{
    const QString question = QString::fromLatin1(kResetDefaultsQuestion);
    const QString title = QStringLiteral("Reset Defaults");
    const bool yes = context_.askYesNo ? context_.askYesNo(question, title)
                                       : QMessageBox::question(this, title, question,
                                                               QMessageBox::Yes | QMessageBox::No,
                                                               QMessageBox::No) == QMessageBox::Yes;
    if (!yes)
        return;
    working_ = document::AppSettings{};
    fillPages();
}

void runSettingsDialog(QWidget* parent, const document::AppSettings& current,
                       const std::function<void(const document::AppSettings&)>& apply)
{
    document::AppSettings start = current;
    SettingsDialogContext context;
    context.settings = &start;
    context.takeOver = [parent, apply](const document::AppSettings& accepted) {
        if (apply)
            apply(accepted);
        // Not chart documents, so the shell's refresh does not reach them.
        if (parent) {
            for (CVargaChartView* view : parent->window()->findChildren<CVargaChartView*>())
                view->OnUpdate(document::HINT_SETTINGS_CHANGED);
        }
    };
    CAstrologySettingsDlg dialog(std::move(context), parent);
    dialog.exec();
}

} // namespace lumikan::ui
