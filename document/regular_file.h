#pragma once

#include <QByteArray>
#include <QString>

namespace lumikan::document {

enum class FileReadStatus { Ok, Missing, CannotOpen, NotRegular, TooLarge, ReadFailed };

struct FileRead {
    FileReadStatus status = FileReadStatus::CannotOpen;
    QByteArray bytes;    // the whole file when `status` is Ok
    QString systemError; // the system's words when opening or reading failed
};

// Opens `path` read-only when it is a regular file, and only then. Devices,
// pipes, sockets and folders are refused without a blocking open, so a FIFO
// cannot make the caller wait. The descriptor (close-on-exec) or -1.
int openRegularFile(const QString& path, FileReadStatus& status, QString* systemError = nullptr);

// The bytes of a regular file of at most `maxBytes` bytes. The cap counts the
// bytes actually read, not the size the file claims.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// One sentence for the user on why the read failed, naming the expected kind
// of file ("chart file") where the kind matters.
QString fileReadFailureText(const FileRead& read, const QString& kindOfFile);

}  // namespace lumikan::document
