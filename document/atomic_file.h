#pragma once

#include <QByteArray>
#include <QString>

namespace lumikan::document {

// Replaces the file at `path` with `bytes`. The bytes go to a temporary file in
// the same folder, which is synced and renamed over the target only when every
// byte is written; after any failure the previous file is as it was and
// `error` holds the system's reason (such as "No space left on device").
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace lumikan::document
