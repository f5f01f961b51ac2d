#include "document/atomic_file.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace lumikan::document {

namespace {

QString reasonOf(const QFileDevice& file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("The file could not be written.") : reason;
}

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    if (path.isEmpty())
        return fail(error, QStringLiteral("No file name was given."));
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system here and its error is
    // seen: a buffered tail is only written inside commit(), which drops the
    // error and renames the short file over the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, reasonOf(file));
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        // A short write carries no reason; the next write fails with it.
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            const QString reason = reasonOf(file);
            file.cancelWriting();
            return fail(error, reason);
        }
        data += written;
        left -= written;
    }
    // Some file systems report a lost write only when syncing; commit() would
    // ignore that. EINVAL and EROFS mean the file cannot be synced at all.
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, reasonOf(file));
    return true;
}

} // namespace lumikan::document
