#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace lumikan::ui {

inline constexpr int kRecentFileCount = 4;

// Where the recent-file list is kept: the organisation and application names
// of the framework's registry key, as QSettings names them.
inline constexpr const char* kRecentFilesOrganization = "Local AppWizard-Generated Applications";
inline constexpr const char* kRecentFilesApplication = "Verokant";

// * ? | " < > : characters no chart path may hold.
bool hasForbiddenPathCharacter(const QString& path);

// An entry that is no chart path: a forbidden character, the file filter's
// text ("Lumikan Files", ".lmk)"), or the document type name without ".lmk".
bool isBrokenRecentEntry(const QString& entry);

// The most recently opened or saved charts, newest first, kept in a QSettings
// store as "Recent File List/File1".."File4".
class RecentFileList {
public:
    explicit RecentFileList(QSettings& store) : store_(store) {}

    // Reads the list; broken entries are dropped and, when any was, the list
    // is written back. A store that cannot be read gives an empty list.
    void load();
    void save();

    const QStringList& files() const { return files_; }
    // Puts `path` first (once), keeping at most four entries, and saves.
    void add(const QString& path);
    void remove(const QString& path);

private:
    QSettings& store_;
    QStringList files_;
};

}  // namespace lumikan::ui
