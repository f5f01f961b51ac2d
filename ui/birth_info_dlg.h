#pragma once

#include "document/atlas_place_picker.h"
#include "document/birth_data_rules.h"
#include "document/birth_time_zone.h"
#include "document/chart_description.h"
#include "document/verokant_doc.h"
#include "engine/chart.h"
#include "engine/chart_computation.h"
#include "engine/clock.h"

#include <QAbstractButton>
#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QCompleter;
class QRadioButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace lumikan::document {
class Messages;
}

namespace lumikan::ui {

// A titled, framed group of fields that outlines in red the fields marked
// with the "inError" property.
class SectionFrame : public QWidget {
    Q_OBJECT
public:
    SectionFrame(const QString& title, QWidget* parent = nullptr);
    const QString& title() const { return title_; }
    static void markError(QWidget* field, bool inError);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

// One of the two large natal / horary choice buttons.
class ChartTypeButton : public QAbstractButton {
    Q_OBJECT
public:
    ChartTypeButton(const QString& text, QWidget* parent = nullptr);
    void setChosen(bool chosen);
    bool isChosen() const { return chosen_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool chosen_ = false;
};

// What the birth-data dialog takes from the program.
struct BirthInfoContext {
    const document::AppSettings* settings = nullptr;  // the horary place; defaults when null
    document::Messages* messages = nullptr;             // the coded errors
    std::function<engine::LocalDateTime()> clock;     // the local date and time now
    document::AtlasDatabase* atlas = nullptr;         // null: the program's atlas
    // The missing-atlas question: true for OK (enter the place by hand), false
    // for Cancel (close the program). Null: a message box.
    std::function<bool(const QString& message)> offerManualEntry;
    // A steady clock in milliseconds for typed day and month numbers. Null: the system's.
    std::function<std::int64_t()> milliseconds;
    // Casts the chart described, so that OK can refuse one that cannot be cast
    // while everything typed is still there. Null: not tried.
    std::function<engine::ChartStatus(const document::ChartDescription&)> castChart;
    // Opens the user guide at a page. Null: the program's help window.
    std::function<void(const QString& page)> showHelp;
    // Edit Birth Data: the chart whose data the dialog starts from. Null: a new chart.
    const document::ChartDescription* editing = nullptr;
};

// The guide's page about the birth data, opened by the dialog's Help button.
inline constexpr const char* kBirthDataHelpPage = "casting-a-chart.html";

// "Enter Birth Information": the birth data of a new chart, natal or horary.
class CBirthInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBirthInfoDlg(BirthInfoContext context, QWidget* parent = nullptr);

    // Results after OK.
    const engine::BirthDetails& birthDetails() const { return working_; }
    document::ChartType chartType() const { return chartType_; }
    int horaryNumber() const { return horaryNumber_; }
    // Cancel was chosen in the missing-atlas question: the program is to close.
    bool exitRequested() const { return exitRequested_; }
    // The new chart as described after OK, with its zone and where its offset came from.
    document::ChartDescription chartDescription() const;
    // The offset the date, time and place now give, as the zone line shows it.
    document::ResolvedOffset currentOffset() const;

    // The flags behind the red outlines.
    bool nameFlag() const { return nameFlag_; }
    bool dateFlag() const { return dateFlag_; }
    bool timeFlag() const { return timeFlag_; }
    double timeZoneValue() const { return timeZoneValue_; }

    void chooseNatal();
    void chooseHorary();
    // Picks a country, state or city as the user would from the lists.
    void pickCountry(const QString& name);
    void pickState(const QString& name);
    void pickCity(const QString& name);

public slots:
    // The OK checks; the dialog closes only when they pass.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void fillLists();
    void fillFrom(const document::ChartDescription& chart);
    void showDate(int year, int month, int day);
    void showTime(int hour24, int minute, int second);
    void refillDays(int preferredDay);
    void checkDateLive();
    void setNameFlag(bool raised);
    void setDateFlag(bool raised);
    void setTimeFlag(bool raised);

    void yearEdited(const QString& text);
    void leaveYear();
    void leaveName();
    void leaveTimeField(QLineEdit* field, bool isHour);
    void timeFieldEdited(QLineEdit* field);
    bool typeNumber(QComboBox* list, document::NumberTypeAhead& typeAhead, int digit);

    void countryChosen(int listIndex);
    void stateChosen(const QString& name, const QString& preferredCity = {});
    void cityChosen(const QString& name);
    void cityTyped(const QString& text);
    void selectTimeZoneEntry(int entryIndex);
    void fillPlaceFromSettings();
    // The zone list of the chosen country, with `zone` selected (added when missing).
    void fillZones(const std::vector<std::string>& zones, const std::string& zone);
    void selectZone(const std::string& zone);
    void clearTypedOffset();
    void updateZoneLine();
    void dateOrTimeChanged();
    // The date and time typed, when they make a date and time.
    std::optional<engine::LocalDateTime> typedLocalTime() const;
    // The no-place and no-zone questions; true to go on.
    bool confirmMissingOffset(const engine::BirthDetails& birth);
    // The birth's offset at OK; false (reported) when none can be taken.
    bool takeOffset(engine::BirthDetails& birth);
    bool askManualEntry(const QString& message);

    engine::LocalDateTime now() const;
    std::int64_t milliseconds() const;

    BirthInfoContext context_;
    document::PlacePicker picker_;
    engine::BirthDetails working_;
    document::ChartType chartType_ = document::ChartType::Natal;
    int horaryNumber_ = 1;
    double timeZoneValue_ = 0.0;
    bool nameFlag_ = false;
    bool dateFlag_ = false;
    bool timeFlag_ = false;
    bool exitRequested_ = false;
    // Edit Birth Data: what the place fields showed, so that untouched ones
    // keep the chart's exact values.
    QString filledLatitude_, filledLongitude_, filledTimeZone_, filledZone_;
    document::NumberTypeAhead dayTypeAhead_{31};
    document::NumberTypeAhead monthTypeAhead_{12};

    SectionFrame* personal_ = nullptr;
    SectionFrame* location_ = nullptr;
    SectionFrame* coordinates_ = nullptr;
    ChartTypeButton* natalButton_ = nullptr;
    ChartTypeButton* horaryButton_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* gender_ = nullptr;
    QLabel* horaryLabel_ = nullptr;
    QLineEdit* horaryNumberEdit_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* hour_ = nullptr;
    QLineEdit* minute_ = nullptr;
    QLineEdit* second_ = nullptr;
    QComboBox* amPm_ = nullptr;
    QComboBox* country_ = nullptr;
    QComboBox* state_ = nullptr;
    QComboBox* city_ = nullptr;
    QCompleter* cityCompleter_ = nullptr;
    QStringListModel* cityMatches_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QComboBox* timeZone_ = nullptr;
    QComboBox* zone_ = nullptr;
    QLabel* zoneLine_ = nullptr;
    QCheckBox* localMeanTime_ = nullptr;
    QWidget* foldRow_ = nullptr;
    QRadioButton* foldEarlier_ = nullptr;
    QRadioButton* foldLater_ = nullptr;
    document::ResolvedOffset offsetUsed_;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

// The dialog's messages.
inline constexpr const char* kInvalidBirthDateMessage = "Invalid birth date.";
inline constexpr const char* kInvalidPlaceMessage =
    "Invalid place: the latitude must be from -90 to 90 degrees (north positive) and the "
    "longitude from -180 to 180 degrees (east positive).";
inline constexpr const char* kInvalidTimeMessage =
    "Invalid time. Hours must be 01-12, Minutes 00-59, Seconds 00-59.";
inline constexpr const char* kNoPlaceQuestion =
    "No birth place is given: the chart would be cast for 0\u00b0 N, 0\u00b0 E with the birth "
    "time read as UTC+0:00.\n\nCast it anyway?";
inline constexpr const char* kNoZoneQuestion =
    "No time zone is given for the birth place: the birth time would be read as UTC+0:00.\n\n"
    "Cast it anyway?";
inline constexpr const char* kBadTypedOffsetMessage =
    "The offset typed is not one: type it as +05:30, -03:30 or 5.5 (from -14 to +14 hours), or "
    "leave it empty to take the zone's.";

}  // namespace lumikan::ui
