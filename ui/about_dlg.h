#pragma once

#include <QDialog>
#include <QString>

namespace lumikan::document {
class Messages;
}

namespace lumikan::ui {

// Where users find the maker: the web site and the support address.
inline constexpr const char* kMakerWebAddress = "https://www.example.org/lumikan";
inline constexpr const char* kSupportEmailAddress = "support@example.org";

inline constexpr const char* kVersionNumber = "1.2.0";
inline constexpr const char* kReleaseName = "Stable Release";
inline constexpr int kBuildNumber = 1000;

// "Version 1.2.0 (Stable Release)".
QString versionLine();
// "Build: 1000  - (Jun 27 2026)" with the date this program was built.
QString buildLine();
// The three lines "Copy Version Info" puts on the clipboard, joined by CR LF.
QString versionInfoText();

// "About Lumikan Astrology".
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(document::Messages& messages, QWidget* parent = nullptr);

    // Puts the version lines on the clipboard and says so.
    void copyVersionInfo();

private:
    document::Messages& messages_;
};

}  // namespace lumikan::ui
