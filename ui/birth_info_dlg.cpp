#include "ui/birth_info_dlg.h"

#include "document/atlas_time_zones.h"
#include "document/chart_failure_text.h"
#include "document/ini_file.h"
#include "document/local_clock.h"
#include "document/messages.h"
#include "document/text_encoding.h"
#include "document/utc_offset_text.h"
#include "engine/coded_errors.h"
#include "render/chart_appearance.h"
#include "render/contrast.h"
#include "render/font_substitution.h"
#include "ui/qt_messages.h"
#include "ui/screen_colors.h"
#include "ui/user_guide.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QEnterEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStringListModel>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace lumikan::ui {

namespace {

constexpr QRgb kWindowBack = qRgb(245, 247, 250);
constexpr QRgb kGroupTitle = qRgb(0, 70, 160);
constexpr QRgb kGroupFrame = qRgb(210, 210, 210);
constexpr QRgb kErrorOutline = qRgb(220, 50, 50);
constexpr QRgb kHintText = qRgb(150, 150, 150);
constexpr int kGroupTitlePixels = 22;
const char* const kErrorProperty = "inError";

const QStringList kMonths = {
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

QFont groupTitleFont()
{
    QFont font = render::designFont(u"Segoe UI", 12, QFont::Bold);
    font.setPixelSize(kGroupTitlePixels);
    return font;
}

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// Adds `texts` so that the list reads in alphabetical order, with each
// entry's data.
void addSorted(QComboBox* list, std::vector<std::pair<QString, QVariant>> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return lessIgnoringCase(a.first, b.first);
    });
    for (const auto& [text, data] : entries)
        list->addItem(text, data);
}

QLineEdit* numberField(const QString& cue, int maxLength, const QString& pattern, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setPlaceholderText(cue);
    field->setMaxLength(maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return field;
}

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

// --- SectionFrame -----------------------------------------------------------

SectionFrame::SectionFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title)
{
    const QFontMetrics fm(groupTitleFont());
    setContentsMargins(14, fm.height() + 6, 14, 12);
}

void SectionFrame::markError(QWidget* field, bool inError)
{
    if (field->property(kErrorProperty).toBool() == inError)
        return;
    field->setProperty(kErrorProperty, inError);
    if (QWidget* frame = field->parentWidget())
        frame->update();
}

void SectionFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont titleFont = groupTitleFont();
    const QFontMetrics fm(titleFont);
    const qreal top = fm.height() / 2.0;
    p.setPen(QPen(QColor(kGroupFrame), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, top, -0.5, -0.5), 6, 6);

    const int titleWidth = fm.horizontalAdvance(title_);
    const QRect titleRect(12, 0, titleWidth + 8, fm.height());
    p.fillRect(titleRect, palette().window());
    p.setFont(titleFont);
    p.setPen(render::readableOn(QColor(kGroupTitle), palette().color(QPalette::Window)));
    p.drawText(titleRect, Qt::AlignCenter, title_);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kErrorOutline), 2.0));
    const auto fields = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* field : fields) {
        if (field->isVisible() && field->property(kErrorProperty).toBool())
            p.drawRoundedRect(QRectF(field->geometry()).adjusted(-2.5, -2.5, 2.5, 2.5), 4, 4);
    }
}

// --- ChartTypeButton --------------------------------------------------------

ChartTypeButton::ChartTypeButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFont(render::designFont(u"Segoe UI", 10.5, QFont::Bold));
}

void ChartTypeButton::setChosen(bool chosen)
{
    chosen_ = chosen;
    update();
}

QSize ChartTypeButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 48, fm.height() + 20};
}

void ChartTypeButton::enterEvent(QEnterEvent* event)
{
    update();
    QAbstractButton::enterEvent(event);
}

void ChartTypeButton::leaveEvent(QEvent* event)
{
    update();
    QAbstractButton::leaveEvent(event);
}

void ChartTypeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill, label, border;
    if (chosen_) {
        fill = QColor(70, 130, 180);
        label = Qt::white;
        border = QColor(50, 100, 140);
    } else if (underMouse()) {
        fill = QColor(100, 160, 210);
        label = Qt::white;
        border = QColor(160, 160, 160);
    } else {
        fill = QColor(200, 200, 200);
        label = QColor(120, 120, 120);
        border = QColor(160, 160, 160);
    }
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(border, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, 10, 10);
    if (hasFocus()) {
        QPen focus(chosen_ ? QColor(255, 255, 255, 170) : QColor(60, 60, 60, 150), 1.0,
                   Qt::DotLine);
        p.setPen(focus);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 7, 7);
    }
    p.setPen(readablePair(label, fill).text);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, text());
}

// --- CBirthInfoDlg ----------------------------------------------------------

CBirthInfoDlg::CBirthInfoDlg(BirthInfoContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)),
      picker_(context_.atlas ? *context_.atlas : document::AtlasDatabase::instance())
{
    setWindowTitle(QStringLiteral("Enter Birth Information"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Its own light grey on a light theme; a dark theme's window colour otherwise.
    if (!isDarkTheme(render::currentTheme())) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(kWindowBack));
        setPalette(pal);
    }
    setAutoFillBackground(true);
    buildWidgets();
    fillLists();
    if (context_.editing) {
        setWindowTitle(QStringLiteral("Edit Birth Information"));
        fillFrom(*context_.editing);
    }
}

void CBirthInfoDlg::buildWidgets()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(18, 16, 18, 14);
    outer->setSpacing(12);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    natalButton_ = new ChartTypeButton(QStringLiteral("Natal /  Birth Chart"), this);
    natalButton_->setObjectName(QStringLiteral("natalButton"));
    horaryButton_ = new ChartTypeButton(QStringLiteral("Horary / Prashna"), this);
    horaryButton_->setObjectName(QStringLiteral("horaryButton"));
    natalButton_->setChosen(true);
    auto* typeRow = new QHBoxLayout;
    typeRow->setSpacing(12);
    typeRow->addWidget(natalButton_, 1);
    typeRow->addWidget(horaryButton_, 1);
    outer->addLayout(typeRow);
    connect(natalButton_, &QAbstractButton::clicked, this, &CBirthInfoDlg::chooseNatal);
    connect(horaryButton_, &QAbstractButton::clicked, this, &CBirthInfoDlg::chooseHorary);

    const QString timePattern = QStringLiteral("[0-9.\\-]*");

    // Personal info: name, gender, horary number, date and time.
    personal_ = new SectionFrame(QStringLiteral("Personal Info"), this);
    auto* pg = new QGridLayout(personal_);
    pg->setHorizontalSpacing(10);
    pg->setVerticalSpacing(10);
    name_ = new QLineEdit(personal_);
    name_->setObjectName(QStringLiteral("name"));
    name_->setPlaceholderText(QStringLiteral("Enter full name"));
    gender_ = new QComboBox(personal_);
    gender_->setObjectName(QStringLiteral("gender"));
    gender_->setPlaceholderText(QStringLiteral("Select gender"));
    horaryLabel_ = fieldLabel(QStringLiteral("Horary No."), personal_);
    horaryNumberEdit_ = new QLineEdit(QStringLiteral("1"), personal_);
    horaryNumberEdit_->setObjectName(QStringLiteral("horaryNumber"));
    horaryNumberEdit_->setMaximumWidth(70);
    horaryNumberEdit_->setToolTip(QStringLiteral("KP horary number (1-249)"));
    day_ = new QComboBox(personal_);
    day_->setObjectName(QStringLiteral("day"));
    month_ = new QComboBox(personal_);
    month_->setObjectName(QStringLiteral("month"));
    year_ = numberField(QStringLiteral("YYYY"), 4, QStringLiteral("[0-9]*"), personal_);
    year_->setObjectName(QStringLiteral("year"));
    year_->setFixedWidth(64);
    hour_ = numberField(QStringLiteral("HH"), 2, timePattern, personal_);
    hour_->setObjectName(QStringLiteral("hour"));
    hour_->setToolTip(QStringLiteral("Hour (01-12)"));
    minute_ = numberField(QStringLiteral("MM"), 2, timePattern, personal_);
    minute_->setObjectName(QStringLiteral("minute"));
    minute_->setToolTip(QStringLiteral("Minutes (00-59)"));
    second_ = numberField(QStringLiteral("SS"), 2, timePattern, personal_);
    second_->setObjectName(QStringLiteral("second"));
    second_->setToolTip(QStringLiteral("Seconds (00-59)"));
    for (QLineEdit* field : {hour_, minute_, second_}) {
        field->setFixedWidth(44);
        field->setAlignment(Qt::AlignCenter);
    }
    amPm_ = new QComboBox(personal_);
    amPm_->setObjectName(QStringLiteral("amPm"));
    amPm_->setPlaceholderText(QStringLiteral("AM / PM"));

    pg->addWidget(fieldLabel(QStringLiteral("Name"), personal_), 0, 0);
    pg->addWidget(name_, 0, 1, 1, 4);
    pg->addWidget(fieldLabel(QStringLiteral("Gender"), personal_), 1, 0);
    pg->addWidget(gender_, 1, 1);
    pg->addWidget(horaryLabel_, 1, 3, Qt::AlignRight);
    pg->addWidget(horaryNumberEdit_, 1, 4);
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(8);
    dateRow->addWidget(day_);
    dateRow->addWidget(month_, 1);
    dateRow->addWidget(year_);
    pg->addWidget(fieldLabel(QStringLiteral("Date"), personal_), 2, 0);
    pg->addLayout(dateRow, 2, 1, 1, 4);
    auto* timeRow = new QHBoxLayout;
    timeRow->setSpacing(4);
    timeRow->addWidget(hour_);
    timeRow->addWidget(new QLabel(QStringLiteral(":"), personal_));
    timeRow->addWidget(minute_);
    timeRow->addWidget(new QLabel(QStringLiteral(":"), personal_));
    timeRow->addWidget(second_);
    timeRow->addSpacing(8);
    timeRow->addWidget(amPm_);
    timeRow->addStretch(1);
    pg->addWidget(fieldLabel(QStringLiteral("Time"), personal_), 3, 0);
    pg->addLayout(timeRow, 3, 1, 1, 4);
    pg->setColumnStretch(1, 1);
    pg->setColumnStretch(2, 1);
    outer->addWidget(personal_);

    // Birth location.
    location_ = new SectionFrame(QStringLiteral("Birth Location"), this);
    auto* lg = new QGridLayout(location_);
    lg->setHorizontalSpacing(10);
    lg->setVerticalSpacing(10);
    country_ = new QComboBox(location_);
    country_->setObjectName(QStringLiteral("country"));
    country_->setPlaceholderText(QStringLiteral("Select Country"));
    country_->setMaxVisibleItems(20);
    state_ = new QComboBox(location_);
    state_->setObjectName(QStringLiteral("state"));
    state_->setPlaceholderText(QStringLiteral("Select State"));
    state_->setMaxVisibleItems(20);
    city_ = new QComboBox(location_);
    city_->setObjectName(QStringLiteral("city"));
    city_->setEditable(true);
    city_->setInsertPolicy(QComboBox::NoInsert);
    city_->setMaxVisibleItems(20);
    city_->lineEdit()->setPlaceholderText(QStringLiteral("Select City"));
    cityMatches_ = new QStringListModel(this);
    cityCompleter_ = new QCompleter(cityMatches_, this);
    cityCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cityCompleter_->setMaxVisibleItems(15);
    city_->setCompleter(cityCompleter_);
    lg->addWidget(fieldLabel(QStringLiteral("Country"), location_), 0, 0);
    lg->addWidget(country_, 0, 1);
    lg->addWidget(fieldLabel(QStringLiteral("State"), location_), 1, 0);
    lg->addWidget(state_, 1, 1);
    lg->addWidget(fieldLabel(QStringLiteral("City"), location_), 2, 0);
    lg->addWidget(city_, 2, 1);
    lg->setColumnStretch(1, 1);
    outer->addWidget(location_);

    // Coordinates and time zone.
    coordinates_ = new SectionFrame(QStringLiteral("Coordinates"), this);
    auto* cg = new QGridLayout(coordinates_);
    cg->setHorizontalSpacing(10);
    cg->setVerticalSpacing(8);
    longitude_ = numberField(QStringLiteral("Longitude"), 32, timePattern, coordinates_);
    longitude_->setObjectName(QStringLiteral("longitude"));
    longitude_->setToolTip(QStringLiteral("Decimal degrees, east positive"));
    latitude_ = numberField(QStringLiteral("Latitude"), 32, timePattern, coordinates_);
    latitude_->setObjectName(QStringLiteral("latitude"));
    latitude_->setToolTip(QStringLiteral("Decimal degrees, north positive"));
    // The place's zone gives the offset of the date and time typed; an offset
    // typed (or picked) here wins, and so does local mean time when ticked.
    zone_ = new QComboBox(coordinates_);
    zone_->setObjectName(QStringLiteral("zone"));
    zone_->setPlaceholderText(QStringLiteral("Select the zone"));
    zone_->setMaxVisibleItems(15);
    zone_->setToolTip(QStringLiteral("The time zone of the birth place, with its history"));
    zoneLine_ = new QLabel(coordinates_);
    zoneLine_->setObjectName(QStringLiteral("zoneLine"));
    zoneLine_->setWordWrap(true);
    zoneLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    timeZone_ = new QComboBox(coordinates_);
    timeZone_->setObjectName(QStringLiteral("timeZone"));
    timeZone_->setEditable(true);
    timeZone_->setInsertPolicy(QComboBox::NoInsert);
    timeZone_->lineEdit()->setPlaceholderText(QStringLiteral("UTC offset by hand"));
    timeZone_->setToolTip(
        QStringLiteral("An offset typed by hand (+05:30, -03:30) wins over the zone"));
    timeZone_->setMaxVisibleItems(15);
    localMeanTime_ = new QCheckBox(QStringLiteral("Local mean time"), coordinates_);
    localMeanTime_->setObjectName(QStringLiteral("localMeanTime"));
    localMeanTime_->setToolTip(
        QStringLiteral("The longitude's own time (longitude / 15 hours), for old births"));
    foldRow_ = new QWidget(coordinates_);
    foldRow_->setObjectName(QStringLiteral("foldChoice"));
    auto* foldLayout = new QHBoxLayout(foldRow_);
    foldLayout->setContentsMargins(0, 0, 0, 0);
    foldEarlier_ = new QRadioButton(foldRow_);
    foldEarlier_->setObjectName(QStringLiteral("foldEarlier"));
    foldLater_ = new QRadioButton(foldRow_);
    foldLater_->setObjectName(QStringLiteral("foldLater"));
    auto* foldGroup = new QButtonGroup(foldRow_);
    foldGroup->addButton(foldEarlier_);
    foldGroup->addButton(foldLater_);
    foldLayout->addWidget(foldEarlier_);
    foldLayout->addWidget(foldLater_);
    foldLayout->addStretch(1);
    foldRow_->setVisible(false);
    cg->addWidget(fieldLabel(QStringLiteral("Longitude"), coordinates_), 0, 0);
    cg->addWidget(longitude_, 0, 1);
    cg->addWidget(fieldLabel(QStringLiteral("Latitude"), coordinates_), 0, 2);
    cg->addWidget(latitude_, 0, 3);
    // Three rows keep the dialog within a 680-pixel screen.
    cg->addWidget(fieldLabel(QStringLiteral("Zone"), coordinates_), 1, 0);
    cg->addWidget(zone_, 1, 1, 1, 2);
    cg->addWidget(timeZone_, 1, 3);
    cg->addWidget(zoneLine_, 2, 0, 1, 3);
    cg->addWidget(localMeanTime_, 2, 3, Qt::AlignRight | Qt::AlignVCenter);
    cg->addWidget(foldRow_, 3, 0, 1, 4);
    cg->setColumnStretch(1, 1);
    cg->setColumnStretch(3, 1);
    outer->addWidget(coordinates_);

    // Keyboard hint and buttons.
    auto* hint = new QLabel(QStringLiteral("TAB → forward   |   ← or SHIFT+TAB backward"), this);
    hint->setFont(render::designFont(u"Segoe UI", 7.5));
    QPalette hintPalette = hint->palette();
    hintPalette.setColor(QPalette::WindowText,
                         render::readableOn(QColor(kHintText), palette().color(QPalette::Window)));
    hint->setPalette(hintPalette);
    hint->setAlignment(Qt::AlignCenter);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancel"));
    helpButton_ = new QPushButton(QStringLiteral("Help"), this);
    helpButton_->setObjectName(QStringLiteral("help"));
    helpButton_->setAutoDefault(false);
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        const QString page = QString::fromLatin1(kBirthDataHelpPage);
        if (context_.showHelp)
            context_.showHelp(page);
        else
            showUserGuide(this, page);
    });
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(hint, 1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(helpButton_);
    outer->addLayout(buttons);
    connect(okButton_, &QPushButton::clicked, this, &CBirthInfoDlg::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CBirthInfoDlg::reject);

    for (QWidget* w : {personal_, location_, coordinates_})
        w->setMinimumWidth(520);

    // Field behaviour.
    connect(month_, &QComboBox::currentIndexChanged, this, [this] {
        refillDays(day_->currentData().toInt());
        checkDateLive();
    });
    connect(day_, &QComboBox::currentIndexChanged, this, [this] { checkDateLive(); });
    for (QComboBox* list : {day_, month_, amPm_})
        connect(list, &QComboBox::currentIndexChanged, this, &CBirthInfoDlg::dateOrTimeChanged);
    for (QLineEdit* field : {year_, hour_, minute_, second_})
        connect(field, &QLineEdit::textChanged, this, &CBirthInfoDlg::dateOrTimeChanged);
    connect(zone_, &QComboBox::currentIndexChanged, this, &CBirthInfoDlg::updateZoneLine);
    connect(timeZone_, &QComboBox::currentTextChanged, this, &CBirthInfoDlg::updateZoneLine);
    connect(localMeanTime_, &QCheckBox::toggled, this, &CBirthInfoDlg::updateZoneLine);
    connect(longitude_, &QLineEdit::textChanged, this, &CBirthInfoDlg::updateZoneLine);
    for (QRadioButton* fold : {foldEarlier_, foldLater_})
        connect(fold, &QRadioButton::toggled, this, &CBirthInfoDlg::updateZoneLine);
    connect(year_, &QLineEdit::textEdited, this, &CBirthInfoDlg::yearEdited);
    for (QLineEdit* field : {hour_, minute_, second_})
        connect(field, &QLineEdit::textEdited, this, [this, field] { timeFieldEdited(field); });
    connect(country_, &QComboBox::activated, this, [this](int index) {
        // Choosing the country already chosen keeps its state and city.
        if (country_->itemData(index).toInt() == picker_.countryIndex() && state_->count() > 0)
            return;
        countryChosen(index);
    });
    connect(state_, &QComboBox::activated, this,
            [this](int index) { stateChosen(state_->itemText(index)); });
    connect(city_, &QComboBox::activated, this,
            [this](int index) { cityChosen(city_->itemText(index)); });
    connect(cityCompleter_, qOverload<const QString&>(&QCompleter::activated), this,
            &CBirthInfoDlg::cityChosen);
    connect(city_->lineEdit(), &QLineEdit::textEdited, this, &CBirthInfoDlg::cityTyped);

    const QList<QWidget*> order = {
        natalButton_, horaryButton_, name_,     gender_,        horaryNumberEdit_, day_,
        month_,       year_,         hour_,     minute_,        second_,           amPm_,
        country_,     state_,        city_,     longitude_,     latitude_,         zone_,
        foldEarlier_, foldLater_,    timeZone_, localMeanTime_, okButton_,         cancelButton_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QWidget* w : order)
        w->installEventFilter(this);
}

void CBirthInfoDlg::fillLists()
{
    // Time zones and countries.
    std::vector<std::pair<QString, QVariant>> zones;
    const auto entries = document::timeZoneEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        zones.emplace_back(document::toQString(entries[i]), static_cast<int>(i));
    addSorted(timeZone_, std::move(zones));
    clearTypedOffset();
    std::vector<std::pair<QString, QVariant>> countries;
    const auto list = document::AtlasDatabase::Countries();
    for (std::size_t i = 0; i < list.size(); ++i)
        countries.emplace_back(document::toQString(list[i].name), static_cast<int>(i));
    addSorted(country_, std::move(countries));
    country_->setCurrentIndex(-1);

    // Gender.
    gender_->addItems({QStringLiteral("Male"), QStringLiteral("Female"), QStringLiteral("Other")});
    gender_->setCurrentIndex(working_.gender >= 0 && working_.gender <= 2 ? working_.gender : -1);

    // Date, time, horary number.
    for (int m = 0; m < 12; ++m)
        month_->addItem(kMonths[m], m + 1);
    amPm_->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    showDate(working_.year, working_.month, working_.day);
    showTime(working_.hour, working_.minute, working_.second);
    horaryNumberEdit_->setText(QStringLiteral("1"));
    horaryLabel_->setVisible(false);
    horaryNumberEdit_->setVisible(false);
    updateZoneLine();
    name_->setFocus(Qt::OtherFocusReason);
}

engine::LocalDateTime CBirthInfoDlg::now() const
{
    return document::readClock(context_.clock);
}

std::int64_t CBirthInfoDlg::milliseconds() const
{
    if (context_.milliseconds)
        return context_.milliseconds();
    using namespace std::chrono;
    return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// --- Date and time ----------------------------------------------------------

void CBirthInfoDlg::showDate(int year, int month, int day)
{
    {
        const QSignalBlocker block(month_);
        month_->setCurrentIndex(month >= 1 && month <= 12 ? month - 1 : 0);
    }
    year_->setText(QString::asprintf("%04d", year));
    refillDays(day);
    checkDateLive();
}

void CBirthInfoDlg::showTime(int hour24, int minute, int second)
{
    const document::Hour12 shown = document::toHour12(hour24);
    hour_->setText(QString::asprintf("%02d", shown.hour));
    minute_->setText(QString::asprintf("%02d", minute));
    second_->setText(QString::asprintf("%02d", second));
    amPm_->setCurrentIndex(shown.pm ? 1 : 0);
}

void CBirthInfoDlg::refillDays(int preferredDay)
{
    // Every day 1 to 31, whatever the month and year typed so far: a day the
    // user picked is never changed behind their back (29 chosen before the
    // month and a leap year). The live check and OK judge the whole date.
    const QSignalBlocker block(day_);
    if (day_->count() != 31) {
        day_->clear();
        for (int d = 1; d <= 31; ++d)
            day_->addItem(QString::asprintf("%02d", d), d);
    }
    day_->setCurrentIndex(std::clamp(preferredDay, 1, 31) - 1);
}

void CBirthInfoDlg::checkDateLive()
{
    const int month = month_->currentData().toInt();
    const int day = day_->currentData().toInt();
    const bool valid = document::isBirthYearText(year_->text()) &&
                       document::isBirthDateValid(year_->text().toInt(), month, day, now(), false);
    if (valid) {
        day_->setToolTip(QStringLiteral("Birth day"));
        month_->setToolTip(QStringLiteral("Birth month"));
        year_->setToolTip(QStringLiteral("Birth year (4 digits)"));
    } else {
        for (QWidget* w : {static_cast<QWidget*>(day_), static_cast<QWidget*>(month_),
                           static_cast<QWidget*>(year_)})
            w->setToolTip(QString::fromLatin1(kInvalidBirthDateMessage));
    }
    setDateFlag(!valid);
}

void CBirthInfoDlg::setNameFlag(bool raised)
{
    nameFlag_ = raised;
    SectionFrame::markError(name_, raised);
}

void CBirthInfoDlg::setDateFlag(bool raised)
{
    dateFlag_ = raised;
    for (QWidget* w :
         {static_cast<QWidget*>(day_), static_cast<QWidget*>(month_), static_cast<QWidget*>(year_)})
        SectionFrame::markError(w, raised);
}

void CBirthInfoDlg::setTimeFlag(bool raised)
{
    timeFlag_ = raised;
    SectionFrame::markError(hour_, raised);
}

void CBirthInfoDlg::yearEdited(const QString& text)
{
    refillDays(day_->currentData().toInt());
    checkDateLive();
    if (text.size() == 4) {
        hour_->setFocus(Qt::TabFocusReason);
        hour_->selectAll();
    }
}

void CBirthInfoDlg::leaveYear()
{
    const QString text = year_->text();
    if (text.size() != 4)
        return;
    year_->setText(QString::asprintf("%04d", document::clampBirthYear(text.toInt())));
    refillDays(day_->currentData().toInt());
    checkDateLive();
    if (dateFlag_)
        QToolTip::showText(year_->mapToGlobal(QPoint(0, year_->height())),
                           QString::fromLatin1(kInvalidBirthDateMessage), year_);
}

void CBirthInfoDlg::leaveName()
{
    const bool empty = name_->text().trimmed().isEmpty();
    setNameFlag(empty);
    if (empty)
        QToolTip::showText(name_->mapToGlobal(QPoint(0, name_->height())),
                           QStringLiteral("Name cannot be empty"), name_);
}

void CBirthInfoDlg::leaveTimeField(QLineEdit* field, bool isHour)
{
    // An empty field stays empty: a value the user never typed is not made up.
    if (field->text().isEmpty())
        return;
    const int value = document::leadingInteger(field->text());
    field->setText(QString::asprintf("%02d", isHour ? document::clampHour12(value)
                                                    : document::clampMinuteOrSecond(value)));
    setTimeFlag(false);
}

void CBirthInfoDlg::timeFieldEdited(QLineEdit* field)
{
    const QString text = field->text();
    if (field == hour_ && document::hourEntryComplete(text)) {
        minute_->setFocus(Qt::TabFocusReason);
        minute_->selectAll();
    } else if (field == minute_ && document::minuteEntryComplete(text)) {
        second_->setFocus(Qt::TabFocusReason);
        second_->selectAll();
    } else if (field == second_ && document::minuteEntryComplete(text)) {
        amPm_->setFocus(Qt::TabFocusReason);
    }
}

bool CBirthInfoDlg::typeNumber(QComboBox* list, document::NumberTypeAhead& typeAhead, int digit)
{
    const auto number = typeAhead.key(digit, milliseconds());
    if (!number)
        return true;
    const int index = list->findData(*number);
    if (index >= 0)
        list->setCurrentIndex(index);
    return true;
}

// --- Natal and horary -------------------------------------------------------

void CBirthInfoDlg::chooseNatal()
{
    if (chartType_ == document::ChartType::Natal)
        return;
    chartType_ = document::ChartType::Natal;
    natalButton_->setChosen(true);
    horaryButton_->setChosen(false);
    name_->clear();
    gender_->setCurrentIndex(-1);
    working_.year = 1900;
    working_.month = 1;
    working_.day = 1;
    working_.hour = working_.minute = working_.second = 0;
    showDate(1900, 1, 1);
    showTime(0, 0, 0);
    setNameFlag(true);
    horaryLabel_->setVisible(false);
    horaryNumberEdit_->setVisible(false);
}

void CBirthInfoDlg::chooseHorary()
{
    if (chartType_ == document::ChartType::Horary)
        return;
    chartType_ = document::ChartType::Horary;
    horaryButton_->setChosen(true);
    natalButton_->setChosen(false);
    const engine::LocalDateTime t = now();
    working_.year = t.year;
    working_.month = t.month;
    working_.day = t.day;
    working_.hour = t.hour;
    working_.minute = t.minute;
    working_.second = t.second;
    name_->setText(QStringLiteral("HORARY - "));
    gender_->setCurrentIndex(0);
    showDate(t.year, t.month, t.day);
    showTime(t.hour, t.minute, t.second);
    fillPlaceFromSettings();
    setNameFlag(false);
    horaryLabel_->setVisible(true);
    horaryNumberEdit_->setVisible(true);
}

void CBirthInfoDlg::fillPlaceFromSettings()
{
    const document::AppSettings defaults;
    const document::AppSettings& s = context_.settings ? *context_.settings : defaults;
    if (s.rpCountry.empty())
        return;
    const int countryIndex = document::findAtlasCountry(s.rpCountry);
    const int listIndex = country_->findData(countryIndex);
    if (countryIndex >= 0 && listIndex >= 0) {
        country_->setCurrentIndex(listIndex);
        countryChosen(listIndex);
        if (exitRequested_)
            return;
        if (!s.rpState.empty() &&
            state_->findText(document::toQString(s.rpState), Qt::MatchFixedString) >= 0)
            stateChosen(document::toQString(s.rpState), document::toQString(s.rpCity));
    }
    // A place with its zone takes the zone's offset of the question's moment;
    // one stored with a fixed offset keeps it, as typed.
    if (!s.rpZone.empty()) {
        selectZone(s.rpZone);
    } else {
        double hours = s.rpTimeZoneHours;
        if (std::fabs(hours) <= 1e-6 && !s.rpTimezone.empty())
            hours = document::AtlasDatabase::ParseTimeZoneEntry(s.rpTimezone);
        selectTimeZoneEntry(document::findTimeZoneEntry(hours));
        timeZoneValue_ = hours;
    }
    if (std::fabs(s.rpLatitude) > 1e-9 || std::fabs(s.rpLongitude) > 1e-9) {
        latitude_->setText(QString::fromStdString(document::formatCoordinate(s.rpLatitude, 4)));
        longitude_->setText(QString::fromStdString(document::formatCoordinate(s.rpLongitude, 4)));
    }
}

// --- Place ------------------------------------------------------------------

void CBirthInfoDlg::pickCountry(const QString& name)
{
    const int index = country_->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    country_->setCurrentIndex(index);
    countryChosen(index);
}

void CBirthInfoDlg::pickState(const QString& name)
{
    const int index = state_->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    state_->setCurrentIndex(index);
    stateChosen(state_->itemText(index));
}

void CBirthInfoDlg::pickCity(const QString& name)
{
    city_->setEditText(name);
    cityChosen(name);
}

bool CBirthInfoDlg::askManualEntry(const QString& message)
{
    if (context_.offerManualEntry)
        return context_.offerManualEntry(message);
    QMessageBox box(QMessageBox::Critical, productName(), message,
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void CBirthInfoDlg::countryChosen(int listIndex)
{
    if (listIndex < 0)
        return;
    const int countryIndex = country_->itemData(listIndex).toInt();
    const document::CountryChoice choice = picker_.chooseCountry(countryIndex);
    if (choice == document::CountryChoice::InvalidSelection)
        return;
    // The lists of the country chosen before no longer apply.
    state_->clear();
    city_->clear();
    cityMatches_->setStringList({});
    // The country's zones are known even without its atlas file.
    fillZones(picker_.countryZones(), picker_.zone());
    clearTypedOffset();
    if (choice == document::CountryChoice::AtlasUnavailable) {
        const QString message = document::toQString(
            document::countryChoiceMessage(choice, document::PlacePickerOwner::BirthData));
        if (!askManualEntry(message)) {
            exitRequested_ = true;
            reject();
        }
        return;
    }
    if (!picker_.zoneProblem().empty() && context_.messages)
        context_.messages->warning(picker_.zoneProblem());
    std::vector<std::pair<QString, QVariant>> states;
    states.reserve(picker_.stateNames().size());
    for (const std::string& state : picker_.stateNames())
        states.emplace_back(document::toQString(state), QVariant());
    addSorted(state_, std::move(states));
    if (state_->count() > 0) {
        state_->setCurrentIndex(0);
        stateChosen(state_->itemText(0));
    } else {
        state_->setCurrentIndex(-1);
    }
}

void CBirthInfoDlg::stateChosen(const QString& name, const QString& preferredCity)
{
    if (!picker_.chooseState(document::toUtf8(name)))
        return;
    const int stateIndex = state_->findText(name, Qt::MatchFixedString);
    if (stateIndex >= 0)
        state_->setCurrentIndex(stateIndex);
    city_->clear();
    std::vector<std::pair<QString, QVariant>> cities;
    cities.reserve(picker_.cityNames().size());
    for (const std::string& city : picker_.cityNames())
        cities.emplace_back(document::toQString(city), QVariant());
    addSorted(city_, std::move(cities));
    cityMatches_->setStringList({});
    if (city_->count() == 0) {
        city_->setCurrentIndex(-1);
        return;
    }
    int chosen = 0;
    if (!preferredCity.isEmpty()) {
        const int preferred = city_->findText(preferredCity, Qt::MatchFixedString);
        if (preferred >= 0)
            chosen = preferred;
    }
    city_->setCurrentIndex(chosen);
    cityChosen(city_->itemText(chosen));
}

void CBirthInfoDlg::cityChosen(const QString& name)
{
    if (!picker_.chooseCity(document::toUtf8(name)))
        return;
    const int index = city_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        city_->setCurrentIndex(index);
    else
        city_->setEditText(name);
    longitude_->setText(QString::fromStdString(document::formatCoordinate(picker_.longitude(), 4)));
    latitude_->setText(QString::fromStdString(document::formatCoordinate(picker_.latitude(), 4)));
    // The city's zone gives the offset again, whatever was typed before.
    selectZone(picker_.zone());
    clearTypedOffset();
}

void CBirthInfoDlg::cityTyped(const QString& text)
{
    const std::vector<std::size_t> matches = picker_.filterCities(document::toUtf8(text));
    QStringList names;
    names.reserve(static_cast<qsizetype>(matches.size()));
    for (std::size_t i : matches)
        names.push_back(document::toQString(picker_.cityNames()[i]));
    cityMatches_->setStringList(names);
    // The list follows the typing; the text and caret stay as typed.
    cityCompleter_->setCompletionPrefix(QString());
    if (!names.isEmpty() && city_->isVisible())
        cityCompleter_->complete();
    else
        cityCompleter_->popup()->hide();
}

void CBirthInfoDlg::selectTimeZoneEntry(int entryIndex)
{
    if (entryIndex < 0)
        return;
    const int index = timeZone_->findData(entryIndex);
    if (index >= 0)
        timeZone_->setCurrentIndex(index);
}

void CBirthInfoDlg::fillZones(const std::vector<std::string>& zones, const std::string& zone)
{
    const QSignalBlocker block(zone_);
    zone_->clear();
    QStringList names;
    for (const std::string& z : zones)
        names.push_back(document::toQString(z));
    names.sort(Qt::CaseInsensitive);
    zone_->addItems(names);
    zone_->setCurrentIndex(-1);
    selectZone(zone);
}

void CBirthInfoDlg::selectZone(const std::string& zone)
{
    if (zone.empty()) {
        zone_->setCurrentIndex(-1);
        updateZoneLine();
        return;
    }
    const QString name = document::toQString(zone);
    int index = zone_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        zone_->addItem(name);
        index = zone_->count() - 1;
    }
    zone_->setCurrentIndex(index);
    updateZoneLine();
}

void CBirthInfoDlg::clearTypedOffset()
{
    const QSignalBlocker block(timeZone_);
    timeZone_->setCurrentIndex(-1);
    timeZone_->clearEditText();
    updateZoneLine();
}

std::optional<engine::LocalDateTime> CBirthInfoDlg::typedLocalTime() const
{
    if (!document::isBirthYearText(year_->text()))
        return std::nullopt;
    const int year = year_->text().toInt();
    const int month = month_->currentData().toInt();
    const int day = day_->currentData().toInt();
    const int hour12 = document::leadingInteger(hour_->text());
    const int minute = document::leadingInteger(minute_->text());
    const int second = document::leadingInteger(second_->text());
    if (month < 1 || day < 1 || day > document::daysInMonth(month, year) ||
        !document::isBirthTimeValid(hour12, minute, second))
        return std::nullopt;
    const int hour = document::toHour24(hour12, amPm_->currentText() == QLatin1String("PM"));
    return engine::LocalDateTime{year, month, day, hour, minute, second};
}

document::ResolvedOffset CBirthInfoDlg::currentOffset() const
{
    document::BirthTimeZone choice;
    if (zone_->currentIndex() >= 0)
        choice.zone = document::toUtf8(zone_->currentText());
    const QString typed = timeZone_->currentText().trimmed();
    if (!typed.isEmpty()) {
        const auto seconds = document::parseUtcOffset(document::toUtf8(typed));
        if (!seconds || !document::isTimeZoneValid(*seconds / 3600.0)) {
            document::ResolvedOffset bad;
            bad.status = document::OffsetStatus::NoOffset;
            bad.source = document::OffsetSource::HandTyped;
            bad.description =
                QStringLiteral("\u201c%1\u201d is not an offset such as +05:30").arg(typed);
            bad.problem = QString::fromLatin1(kBadTypedOffsetMessage);
            return bad;
        }
        choice.handTypedSeconds = *seconds;
    }
    choice.localMeanTime = localMeanTime_->isChecked();
    choice.longitudeDeg = document::leadingReal(longitude_->text());
    if (foldEarlier_->isChecked())
        choice.fold = document::FoldChoice::Earlier;
    else if (foldLater_->isChecked())
        choice.fold = document::FoldChoice::Later;
    const std::optional<engine::LocalDateTime> local = typedLocalTime();
    if (!local) {
        // Without a date and time no offset can be read from the zone yet.
        document::ResolvedOffset waiting;
        waiting.description =
            choice.zone.empty()
                ? QString()
                : document::toQString(choice.zone) +
                      QStringLiteral(" \u2014 the offset follows the birth date and time");
        if (choice.handTypedSeconds || choice.localMeanTime)
            return document::resolveBirthOffset(choice, engine::LocalDateTime{});
        return waiting;
    }
    return document::resolveBirthOffset(choice, *local);
}

void CBirthInfoDlg::dateOrTimeChanged()
{
    // A choice between two offsets belongs to the time it was made for.
    QButtonGroup* group = foldEarlier_->group();
    group->setExclusive(false);
    foldEarlier_->setChecked(false);
    foldLater_->setChecked(false);
    group->setExclusive(true);
    updateZoneLine();
}

void CBirthInfoDlg::updateZoneLine()
{
    if (zoneLine_ == nullptr || foldRow_ == nullptr)
        return; // still being built
    const document::ResolvedOffset offset = currentOffset();
    const bool trouble =
        offset.status == document::OffsetStatus::Gap ||
        offset.status == document::OffsetStatus::UnknownZone ||
        (offset.status == document::OffsetStatus::NoOffset && !offset.problem.isEmpty() &&
         offset.source == document::OffsetSource::HandTyped);
    zoneLine_->setText(offset.description.isEmpty()
                           ? QStringLiteral("No zone: type the offset, or choose local mean time")
                           : offset.description);
    QPalette pal = zoneLine_->palette();
    pal.setColor(QPalette::WindowText,
                 trouble ? QColor(kErrorOutline) : palette().color(QPalette::WindowText));
    zoneLine_->setPalette(pal);
    zoneLine_->setToolTip(offset.problem);
    const bool fold = offset.reading.kind == document::LocalTimeKind::Fold &&
                      offset.source == document::OffsetSource::Zone;
    if (fold) {
        const auto label = [](const QString& which, const document::ZoneOffset& z) {
            QString text = which + QStringLiteral(": ") + document::utcOffsetText(z.offsetSeconds);
            if (!z.abbreviation.isEmpty() && z.abbreviation.front().isLetter())
                text += QStringLiteral(" (") + z.abbreviation + QLatin1Char(')');
            return text;
        };
        foldEarlier_->setText(label(QStringLiteral("Earlier"), offset.reading.offset));
        foldLater_->setText(label(QStringLiteral("Later"), offset.reading.later));
    }
    foldRow_->setVisible(fold);
    if (offset.ok())
        timeZoneValue_ = offset.hours();
}

bool CBirthInfoDlg::confirmMissingOffset(const engine::BirthDetails& b)
{
    if (context_.messages == nullptr)
        return true;
    const bool noPlace = b.country.empty() && b.state.empty() &&
                         (b.city.empty() || b.city == "Unknown") && b.latitude == 0.0 &&
                         b.longitude == 0.0;
    return context_.messages->question(noPlace ? kNoPlaceQuestion : kNoZoneQuestion) ==
           document::Messages::Answer::Yes;
}

document::ChartDescription CBirthInfoDlg::chartDescription() const
{
    document::ChartDescription d = document::describeChart(working_, chartType_, horaryNumber_);
    if (zone_->currentIndex() >= 0)
        d.zone = document::toUtf8(zone_->currentText());
    d.offsetSource = offsetUsed_.source;
    d.offsetDescription = offsetUsed_.description;
    return d;
}

// --- Keyboard and focus -----------------------------------------------------

bool CBirthInfoDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == name_)
            leaveName();
        else if (watched == year_)
            leaveYear();
        else if (watched == hour_ || watched == minute_ || watched == second_)
            leaveTimeField(static_cast<QLineEdit*>(watched), watched == hour_);
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if ((watched == day_ || watched == month_) && mods == Qt::NoModifier &&
        key->text().size() == 1 && key->text()[0].isDigit()) {
        const int digit = key->text()[0].digitValue();
        return watched == day_ ? typeNumber(day_, dayTypeAhead_, digit)
                               : typeNumber(month_, monthTypeAhead_, digit);
    }
    if (key->key() != Qt::Key_Left || mods != Qt::NoModifier)
        return QDialog::eventFilter(watched, event);

    if (watched == second_) {
        minute_->setFocus(Qt::BacktabFocusReason);
        minute_->selectAll();
        return true;
    }
    if (watched == minute_) {
        hour_->setFocus(Qt::BacktabFocusReason);
        hour_->selectAll();
        return true;
    }
    QLineEdit* edit = watched == city_ ? city_->lineEdit() : qobject_cast<QLineEdit*>(watched);
    if (edit && (edit->cursorPosition() != 0 || edit->hasSelectedText()))
        return false;
    focusPreviousChild();
    return true;
}

// --- Edit Birth Data --------------------------------------------------------

void CBirthInfoDlg::fillFrom(const document::ChartDescription& chart)
{
    const engine::BirthDetails& b = chart.birth;
    if (chart.chartType == document::ChartType::Horary) {
        chartType_ = document::ChartType::Horary;
        horaryButton_->setChosen(true);
        natalButton_->setChosen(false);
        horaryLabel_->setVisible(true);
        horaryNumberEdit_->setVisible(true);
        horaryNumberEdit_->setText(QString::number(chart.horaryNumber));
    }
    working_ = b;
    name_->setText(chart.displayName);
    setNameFlag(chart.displayName.trimmed().isEmpty());
    gender_->setCurrentIndex(b.gender >= 0 && b.gender <= 2 ? b.gender : -1);
    showDate(b.year, b.month, b.day);
    showTime(b.hour, b.minute, b.second);

    // The place as the chart has it, whatever the atlas says of it today.
    if (!b.country.empty()) {
        pickCountry(document::toQString(b.country));
        if (exitRequested_)
            return;
        if (!b.state.empty() &&
            state_->findText(document::toQString(b.state), Qt::MatchFixedString) >= 0)
            stateChosen(document::toQString(b.state), document::toQString(b.city));
    }
    if (!b.city.empty())
        city_->setEditText(document::toQString(b.city));
    latitude_->setText(QString::fromStdString(document::formatCoordinate(b.latitude, 4)));
    longitude_->setText(QString::fromStdString(document::formatCoordinate(b.longitude, 4)));
    // The chart's own zone decides the offset again; without one (a chart
    // from a file) or with a typed offset, the stored offset is shown as typed.
    selectZone(chart.zone);
    localMeanTime_->setChecked(chart.offsetSource == document::OffsetSource::LocalMeanTime);
    timeZone_->setCurrentIndex(-1);
    if (chart.zone.empty() || chart.offsetSource == document::OffsetSource::HandTyped)
        timeZone_->setEditText(document::utcOffsetText(int(std::lround(b.timeZone * 3600.0))));
    else
        timeZone_->setEditText(QString());
    timeZoneValue_ = b.timeZone;
    filledLatitude_ = latitude_->text();
    filledLongitude_ = longitude_->text();
    filledTimeZone_ = timeZone_->currentText();
    filledZone_ = zone_->currentText();
}

// --- OK ---------------------------------------------------------------------

bool CBirthInfoDlg::takeOffset(engine::BirthDetails& b)
{
    offsetUsed_ = currentOffset();
    if (offsetUsed_.ok()) {
        b.timeZone = offsetUsed_.hours();
        return true;
    }
    if (!offsetUsed_.problem.isEmpty() && offsetUsed_.status != document::OffsetStatus::NoOffset) {
        // A skipped time, an unknown zone, or a repeated time without a choice.
        if (context_.messages)
            context_.messages->error(engine::error_code::kInvalidBirthData,
                                     document::toUtf8(offsetUsed_.problem));
        (foldRow_->isVisible() ? static_cast<QWidget*>(foldEarlier_) : static_cast<QWidget*>(hour_))
            ->setFocus();
        return false;
    }
    if (offsetUsed_.source == document::OffsetSource::HandTyped) {
        if (context_.messages)
            context_.messages->error(engine::error_code::kInvalidBirthData, kBadTypedOffsetMessage);
        timeZone_->setFocus();
        return false;
    }
    // Nothing gives an offset: cast at UTC+0:00 only when the user says so.
    if (!confirmMissingOffset(b))
        return false;
    b.timeZone = timeZoneValue_;
    offsetUsed_.source = document::OffsetSource::HandTyped;
    offsetUsed_.description =
        document::utcOffsetText(static_cast<int>(std::lround(b.timeZone * 3600.0)));
    return true;
}

void CBirthInfoDlg::accept()
{
    engine::BirthDetails b = working_;
    if (picker_.countryIndex() >= 0)
        b.country = picker_.countryName();
    else if (country_->currentIndex() >= 0)
        b.country = document::toUtf8(country_->currentText());
    if (state_->currentIndex() >= 0)
        b.state = document::toUtf8(state_->currentText());
    // A city typed by hand (no atlas, or a place the atlas lacks) counts too.
    if (const QString city = city_->currentText().trimmed(); !city.isEmpty())
        b.city = document::toUtf8(city);

    const bool horary = chartType_ == document::ChartType::Horary;
    b.month = month_->currentData().toInt();
    b.day = day_->currentData().toInt();
    const bool yearOk = document::isBirthYearText(year_->text());
    b.year = yearOk ? year_->text().toInt() : 0;
    if (!yearOk || !document::isBirthDateValid(b.year, b.month, b.day, now(), horary)) {
        setDateFlag(true);
        if (context_.messages)
            context_.messages->error(engine::error_code::kInvalidBirthData,
                                     kInvalidBirthDateMessage);
        return;
    }

    const int hour12 = document::leadingInteger(hour_->text());
    const int minute = document::leadingInteger(minute_->text());
    const int second = document::leadingInteger(second_->text());
    if (!document::isBirthTimeValid(hour12, minute, second)) {
        setTimeFlag(true);
        if (context_.messages)
            context_.messages->error(engine::error_code::kInvalidBirthData, kInvalidTimeMessage);
        return;
    }
    b.hour = document::toHour24(hour12, amPm_->currentText() == QLatin1String("PM"));
    b.minute = minute;
    b.second = second;

    b.name = document::toUtf8(name_->text());
    b.longitude = document::leadingReal(longitude_->text());
    b.latitude = document::leadingReal(latitude_->text());
    // Edit Birth Data: fields left as they were shown keep the chart's exact values.
    if (context_.editing) {
        if (latitude_->text() == filledLatitude_)
            b.latitude = context_.editing->birth.latitude;
        if (longitude_->text() == filledLongitude_)
            b.longitude = context_.editing->birth.longitude;
    }
    if (!document::isLatitudeValid(b.latitude) || !document::isLongitudeValid(b.longitude)) {
        if (context_.messages)
            context_.messages->error(engine::error_code::kInvalidBirthData, kInvalidPlaceMessage);
        (document::isLatitudeValid(b.latitude) ? longitude_ : latitude_)->setFocus();
        return;
    }
    if (!takeOffset(b))
        return;
    // An offset shown as it was (to the second) keeps the chart's exact value.
    if (context_.editing && timeZone_->currentText() == filledTimeZone_ &&
        zone_->currentText() == filledZone_ &&
        std::fabs(b.timeZone - context_.editing->birth.timeZone) < 1.0 / 3600.0)
        b.timeZone = context_.editing->birth.timeZone;
    b.gender =
        gender_->currentIndex() >= 0 && gender_->currentIndex() <= 2 ? gender_->currentIndex() : 3;
    const int horaryNumber = horary ? document::horaryNumberFromText(horaryNumberEdit_->text()) : 1;

    // The chart is cast before the dialog closes: one that cannot be cast is
    // explained while everything typed is still here to correct.
    if (context_.castChart) {
        const engine::ChartStatus status =
            context_.castChart(document::describeChart(b, chartType_, horaryNumber));
        if (status != engine::ChartStatus::Ok) {
            const QString why = document::chartFailureExplanation(status, b);
            if (context_.messages) {
                const auto coded = engine::codedErrorFor(status);
                context_.messages->error(coded ? coded->code : engine::error_code::kGeneral,
                                         document::toUtf8(why));
            }
            if (status == engine::ChartStatus::NoHouses)
                latitude_->setFocus();
            return;
        }
    }
    horaryNumber_ = horaryNumber;
    working_ = b;
    QDialog::accept();
}

} // namespace lumikan::ui
