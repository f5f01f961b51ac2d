#include "ui/recent_file_list.h"

#include <QFileInfo>

namespace lumikan::ui {

namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString entryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }
}  // namespace

bool hasForbiddenPathCharacter(const QString& path)
{
    for (QChar c : path) {
        switch (c.unicode()) {
        case '*': case '?': case '|': case '"': case '<': case '>': return true;
        default: break;
        }
    }
    return false;
}

bool isBrokenRecentEntry(const QString& entry)
{
    return hasForbiddenPathCharacter(entry) || entry.contains(QLatin1String("Lumikan Files")) ||
           entry.contains(QLatin1String(".lmk)")) ||
           (entry.contains(QLatin1String("Verokant")) && !entry.contains(QLatin1String(".lmk")));
}

void RecentFileList::load()
{
    files_.clear();
    bool dropped = false;
    store_.beginGroup(kGroup);
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString entry = store_.value(entryKey(i)).toString();
        if (entry.isEmpty())
            continue;
        if (isBrokenRecentEntry(entry)) {
            dropped = true;
            continue;
        }
        if (!files_.contains(entry))
            files_.push_back(entry);
    }
    store_.endGroup();
    if (dropped)
        save();
}

void RecentFileList::save()
{
    store_.beginGroup(kGroup);
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < files_.size())
            store_.setValue(entryKey(i), files_[i]);
        else
            store_.remove(entryKey(i));
    }
    store_.endGroup();
    store_.sync();
}

void RecentFileList::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > kRecentFileCount)
        files_.removeLast();
    save();
}

void RecentFileList::remove(const QString& path)
{
    if (files_.removeAll(QFileInfo(path).absoluteFilePath()) + files_.removeAll(path) > 0)
        save();
}

}  // namespace lumikan::ui
