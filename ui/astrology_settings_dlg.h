#pragma once

#include "document/app_settings.h"
#include "document/atlas_place_picker.h"
#include "render/color_theme.h"

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPushButton;
class QTabWidget;

namespace lumikan::ui {

// The custom ayanamsa as the "DMS:" field shows it: 23.5 gives 23°30'0" and
// 23.999999 carries to 24°0'0". A negative value keeps its minus sign even
// below one degree.
QString ayanamsaDmsText(double degrees);
// "-23:51:11" or -23°51'11" in degrees: up to three integers separated by °,
// ', " : or blanks; parts that cannot be read count as 0. A leading minus
// makes the value negative.
double ayanamsaFromDms(const QString& text);
// "%.6f".
QString ayanamsaDecimalText(double degrees);
// The leading decimal number of a text, 0 when there is none ("23.5abc" gives 23.5).
double leadingNumber(const QString& text);

// The four bands of the theme preview, top to bottom; the last takes what is left.
struct ThemePreviewBand {
    QRect rect;
    QString label;
    QColor back, text;
};
std::array<ThemePreviewBand, 4> themePreviewBands(QSize size, const render::ColorTheme& theme);

// The chosen colour theme, as the settings' rows would look in it.
class CThemePreview : public QWidget {
    Q_OBJECT
public:
    explicit CThemePreview(QWidget* parent = nullptr);
    void setThemeIndex(int colorThemeSetting);
    int themeIndex() const { return themeIndex_; }
    QSize sizeHint() const override { return {260, 96}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int themeIndex_ = 0;
};

// "Display": ayanamsa, dasha year and depth, extra bodies, name forms.
class CTabAyanamsaDlg : public QWidget {
    Q_OBJECT
public:
    explicit CTabAyanamsaDlg(QWidget* parent = nullptr);
    void fill(const document::AppSettings& settings);
    void gather(document::AppSettings& settings) const;

    QButtonGroup* ayanamsaButtons() const { return ayanamsa_; }
    QLineEdit* decimalEdit() const { return decimal_; }
    QLineEdit* dmsEdit() const { return dms_; }

private:
    void ayanamsaChosen(int id);
    void decimalEdited(const QString& text);
    void dmsEdited(const QString& text);

    QButtonGroup* ayanamsa_ = nullptr;
    QLineEdit* decimal_ = nullptr;
    QLineEdit* dms_ = nullptr;
    QButtonGroup* dashaYear_ = nullptr;
    QButtonGroup* depth_ = nullptr;
    QCheckBox* uranus_ = nullptr;
    QCheckBox* neptune_ = nullptr;
    QCheckBox* pluto_ = nullptr;
    QCheckBox* fortuna_ = nullptr;
    QCheckBox* gulika_ = nullptr;
    QCheckBox* mandi_ = nullptr;
    QButtonGroup* planetFormat_ = nullptr;
    QButtonGroup* nakshatraFormat_ = nullptr;
    QButtonGroup* signFormat_ = nullptr;
    double storedCustom_ = 0.0; // what choosing "Custom" puts back in the fields
    bool echoing_ = false;      // one field is rewriting the other
};

// What the ruling-planet page needs from the program.
struct RulingPlaceContext {
    document::AtlasDatabase* atlas = nullptr; // null: the program's atlas
    // Atlas failures (error icon). Null: a message box.
    std::function<void(const QString& message)> showError;
};

// "RP's Location": the place whose ruling planets the charts show.
class CTabRPLocationDlg : public QWidget {
    Q_OBJECT
public:
    explicit CTabRPLocationDlg(RulingPlaceContext context, QWidget* parent = nullptr);
    void fill(const document::AppSettings& settings);
    void gather(document::AppSettings& settings) const;

    // As the user picks from the lists.
    void pickCountry(const QString& name);
    void pickState(const QString& name);
    void pickCity(const QString& name);

    QComboBox* countryList() const { return country_; }
    QComboBox* stateList() const { return state_; }
    QComboBox* cityList() const { return city_; }
    QComboBox* timeZoneList() const { return timeZone_; }
    QLineEdit* latitudeEdit() const { return latitude_; }
    QLineEdit* longitudeEdit() const { return longitude_; }
    // The atlas zone of the place, empty once an offset is picked by hand.
    const std::string& zone() const { return zoneId_; }

private:
    void countryChosen(int listIndex);
    void stateChosen(int listIndex);
    void cityChosen(int listIndex);
    void selectTimeZoneEntry(int entryIndex);
    void showCoordinates(double latitude, double longitude);
    void reportError(const QString& message);
    void showZone();

    // What the lists and fields show, to tell whether the user changed any.
    QStringList shownTexts() const;

    RulingPlaceContext context_;
    document::PlacePicker picker_;
    document::AppSettings filled_; // the settings the page was filled from
    QStringList filledTexts_;      // and what it showed then
    QLabel* unsetNote_ = nullptr;
    QComboBox* country_ = nullptr;
    QComboBox* state_ = nullptr;
    QComboBox* city_ = nullptr;
    QComboBox* timeZone_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    double timeZoneHours_ = 0.0; // kept when no list entry matches
    QLabel* zoneLabel_ = nullptr;
    std::string zoneId_;
    QRadioButton* dayLordSunrise_ = nullptr;
    QRadioButton* dayLordUtDate_ = nullptr;
};

// "App Settings": window title format and colour theme.
class CTabAstrologerDlg : public QWidget {
    Q_OBJECT
public:
    explicit CTabAstrologerDlg(QWidget* parent = nullptr);
    void fill(const document::AppSettings& settings);
    void gather(document::AppSettings& settings) const;

    QButtonGroup* titleFormatButtons() const { return titleFormat_; }
    QComboBox* themeList() const { return theme_; }
    CThemePreview* preview() const { return preview_; }

private:
    QButtonGroup* titleFormat_ = nullptr;
    QComboBox* theme_ = nullptr;
    CThemePreview* preview_ = nullptr;
};

// What the settings dialog needs from the program.
struct SettingsDialogContext {
    document::AppSettings* settings = nullptr; // the settings in force; OK and Apply replace them
    QString settingsPath;                      // where they are saved; empty: not saved
    // Run after OK and Apply with the new theme in force: every view of every
    // document updated with the settings-changed hint, every chart
    // recomputed and retitled, the status bar refreshed.
    std::function<void()> refreshOpenDocuments;
    RulingPlaceContext rulingPlace;
    // Yes/No question with the question icon; true for Yes. Null: a message box.
    std::function<bool(const QString& text, const QString& title)> askYesNo;
    // Tells that the settings could not be saved. Null: a warning box.
    std::function<void(const QString& message)> showSaveError;
    // Tells that a value typed cannot be used (the dialog stays open). Null: a warning box.
    std::function<void(const QString& message)> showInputError;
    // When given, OK and Apply hand the working copy to it, and it stores,
    // saves and applies; the three members above `rulingPlace` are then unused
    // but for the starting values.
    std::function<void(const document::AppSettings& accepted)> takeOver;
};

inline constexpr const char* kResetDefaultsQuestion = "Reset all settings to their default values?";
inline constexpr const char* kInvalidCustomAyanamsaMessage =
    "The custom ayanamsa must be between -60 and 60 degrees.";
inline constexpr const char* kInvalidRulingPlaceMessage =
    "The ruling planets' place needs a latitude from -90 to 90 degrees and a longitude from "
    "-180 to 180 degrees.";

// "Lumikan Settings": edits a working copy of the settings on three pages.
// OK and Apply take the copy over, save it and refresh every open chart;
// Cancel drops it.
class CAstrologySettingsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAstrologySettingsDlg(SettingsDialogContext context, QWidget* parent = nullptr);

    const document::AppSettings& workingCopy() const { return working_; }

    // Reads every page back into the working copy.
    void gather();
    // Gathers the pages; false (after saying why) when a value cannot be used.
    bool gatherValid();
    // The Apply button: the dialog stays open.
    void apply();
    // OK.
    void accept() override;
    // After the question, the defaults on every page; nothing is stored yet.
    void resetDefaults();

    QTabWidget* tabs() const { return tabs_; }
    CTabAyanamsaDlg* displayPage() const { return display_; }
    CTabRPLocationDlg* rulingPlacePage() const { return rulingPlace_; }
    CTabAstrologerDlg* appSettingsPage() const { return appSettings_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* applyButton() const { return apply_; }

private:
    void fillPages();
    void takeOver();

    SettingsDialogContext context_;
    document::AppSettings working_;
    QTabWidget* tabs_ = nullptr;
    CTabAyanamsaDlg* display_ = nullptr;
    CTabRPLocationDlg* rulingPlace_ = nullptr;
    CTabAstrologerDlg* appSettings_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* apply_ = nullptr;
};

// Options > Settings, modal, over `parent`: edits a copy of `current` and
// hands it to `apply` on OK and on Apply. The divisional-charts windows under
// `parent` repaint in the new theme.
void runSettingsDialog(QWidget* parent, const document::AppSettings& current,
                       const std::function<void(const document::AppSettings&)>& apply);

} // namespace lumikan::ui
