#include "document/text_encoding.h"

#include <QStringDecoder>

#include <array>

namespace lumikan::document {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, kept as is.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString toQString(std::string_view utf8)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        utf8.remove_prefix(kByteOrderMark.size());
        return QChar(0xFEFF) + toQString(utf8);
    }
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString fromWindows1252(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes) {
        char16_t u = c;
        if (c >= 0x80 && c <= 0x9F && kHighControls[c - 0x80] != 0)
            u = kHighControls[c - 0x80];
        out.append(QChar(u));
    }
    return out;
}

QString decodeTextFile(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringConverter::Utf16LE);
        return decoder.decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace lumikan::document
