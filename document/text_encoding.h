#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lumikan::document {

// UTF-8 std::string (the engine's text) <-> QString (the Qt boundary). A
// leading U+FEFF is text like any other here (QString::fromUtf8 would drop it).
QString toQString(std::string_view utf8);
inline std::string toUtf8(const QString& text)
{
    return text.toStdString();
}

// Windows-1252 bytes to text: Latin-1 except for the printable characters the
// code page puts at 0x80..0x9F.
QString fromWindows1252(std::string_view bytes);

// Text of a file: UTF-8 (with or without a byte-order mark), UTF-16LE with its
// mark, and anything that is not valid UTF-8 as Windows-1252.
QString decodeTextFile(const QByteArray& bytes);

} // namespace lumikan::document
