#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace lumikan::document {

// Reading past the end, or a length that cannot fit in what is left.
class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian field stream with the chart file's string format: a length
// prefix (1, 3, 7 or 15 bytes) after the UTF-16 tag FF FE FF.
class ArchiveWriter {
public:
    void writeUInt16(std::uint16_t v);
    void writeInt32(std::int32_t v);
    void writeDouble(double v);
    void writeString(const QString& text);  // always tagged UTF-16LE

    const QByteArray& bytes() const { return bytes_; }

private:
    void writeRaw(const void* data, std::size_t size);
    QByteArray bytes_;
};

class ArchiveReader {
public:
    explicit ArchiveReader(const QByteArray& bytes) : bytes_(bytes) {}

    std::uint16_t readUInt16();
    std::int32_t readInt32();
    double readDouble();
    // Tagged UTF-16 strings, and untagged single-byte strings in Windows-1252.
    // A length beyond the bytes left throws before anything is allocated.
    QString readString();

    qsizetype remaining() const { return bytes_.size() - pos_; }

private:
    void readRaw(void* data, std::size_t size);
    std::uint8_t readUInt8();
    std::uint32_t readUInt32();
    std::uint64_t readUInt64();

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

}  // namespace lumikan::document
