#include "document/regular_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumikan::document {

int openRegularFile(const QString& path, FileReadStatus& status, QString* systemError)
{
    const auto fail = [&](FileReadStatus why, int error) {
        status = why;
        if (systemError)
            *systemError = error != 0 ? qt_error_string(error) : QString();
        return -1;
    };
    if (path.isEmpty())
        return fail(FileReadStatus::Missing, ENOENT);
    const QByteArray name = QFile::encodeName(path);
    // Looking first spares devices the side effects of being opened.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return fail(errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::CannotOpen, errno);
    if (!S_ISREG(info.st_mode))
        return fail(FileReadStatus::NotRegular, 0);
    // The path may have been replaced since; O_NONBLOCK keeps a FIFO's open from
    // waiting for a writer, and the opened descriptor is checked again.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::CannotOpen, errno);
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(FileReadStatus::CannotOpen, error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(FileReadStatus::NotRegular, 0);
    }
    status = FileReadStatus::Ok;
    return fd;
}

FileRead readRegularFile(const QString& path, qint64 maxBytes)
{
    FileRead read;
    const int fd = openRegularFile(path, read.status, &read.systemError);
    if (fd < 0)
        return read;
    // What is kept grows with what arrives, never to the cap up front.
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 room = std::min(kChunk, maxBytes + 1 - read.bytes.size());
        if (room <= 0) {
            read.status = FileReadStatus::TooLarge;
            break;
        }
        const ssize_t got = ::read(fd, chunk.data(), static_cast<size_t>(room));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            read.status = FileReadStatus::ReadFailed;
            read.systemError = qt_error_string(errno);
            break;
        }
        if (got == 0)
            break;
        read.bytes.append(chunk.constData(), got);
    }
    ::close(fd);
    if (read.status != FileReadStatus::Ok)
        read.bytes.clear();
    return read;
}

QString fileReadFailureText(const FileRead& read, const QString& kindOfFile)
{
    switch (read.status) {
    case FileReadStatus::Ok:
        return {};
    case FileReadStatus::NotRegular:
        return QStringLiteral("The path is not a regular file (it is a folder, device or pipe).");
    case FileReadStatus::TooLarge:
        return QStringLiteral("The file is too large to be a %1.").arg(kindOfFile);
    case FileReadStatus::Missing:
    case FileReadStatus::CannotOpen:
    case FileReadStatus::ReadFailed:
        break;
    }
    return read.systemError.isEmpty() ? QStringLiteral("The file cannot be read.")
                                      : read.systemError;
}

}  // namespace lumikan::document
