#include "document/archive.h"

#include "document/text_encoding.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "archive code assumes a little-endian host");

namespace lumikan::document {

void ArchiveWriter::writeRaw(const void* data, std::size_t size)
{
    bytes_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

void ArchiveWriter::writeUInt16(std::uint16_t v) { writeRaw(&v, sizeof v); }
void ArchiveWriter::writeInt32(std::int32_t v) { writeRaw(&v, sizeof v); }
void ArchiveWriter::writeDouble(double v) { writeRaw(&v, sizeof v); }

void ArchiveWriter::writeString(const QString& text)
{
    const std::uint8_t tag = 0xFF;
    writeRaw(&tag, 1);
    writeUInt16(0xFFFE);
    const std::uint64_t length = static_cast<std::uint64_t>(text.size());
    if (length < 0xFF) {
        const std::uint8_t b = static_cast<std::uint8_t>(length);
        writeRaw(&b, 1);
    } else if (length < 0xFFFE) {
        writeRaw(&tag, 1);
        writeUInt16(static_cast<std::uint16_t>(length));
    } else if (length < 0xFFFFFFFFull) {
        writeRaw(&tag, 1);
        writeUInt16(0xFFFF);
        const std::uint32_t l32 = static_cast<std::uint32_t>(length);
        writeRaw(&l32, 4);
    } else {
        writeRaw(&tag, 1);
        writeUInt16(0xFFFF);
        const std::uint32_t ones = 0xFFFFFFFFu;
        writeRaw(&ones, 4);
        writeRaw(&length, 8);
    }
    writeRaw(text.utf16(), static_cast<std::size_t>(text.size()) * 2);
}

void ArchiveReader::readRaw(void* data, std::size_t size)
{
    if (static_cast<std::uint64_t>(remaining()) < size)
        throw ArchiveError("unexpected end of file");
    std::memcpy(data, bytes_.constData() + pos_, size);
    pos_ += static_cast<qsizetype>(size);
}

std::uint8_t ArchiveReader::readUInt8()
{
    std::uint8_t v = 0;
    readRaw(&v, 1);
    return v;
}

std::uint16_t ArchiveReader::readUInt16()
{
    std::uint16_t v = 0;
    readRaw(&v, 2);
    return v;
}

std::uint32_t ArchiveReader::readUInt32()
{
    std::uint32_t v = 0;
    readRaw(&v, 4);
    return v;
}

std::uint64_t ArchiveReader::readUInt64()
{
    std::uint64_t v = 0;
    readRaw(&v, 8);
    return v;
}

std::int32_t ArchiveReader::readInt32() { return static_cast<std::int32_t>(readUInt32()); }

double ArchiveReader::readDouble()
{
    double v = 0;
    readRaw(&v, 8);
    return v;
}

QString ArchiveReader::readString()
{
    bool utf16 = false;
    std::uint64_t length = 0;
    for (;;) {
        const std::uint8_t first = readUInt8();
        if (first < 0xFF) {
            length = first;
            break;
        }
        const std::uint16_t word = readUInt16();
        if (word == 0xFFFE) {
            // The UTF-16 tag; the length prefix follows. A second tag is malformed.
            if (utf16)
                throw ArchiveError("malformed string tag");
            utf16 = true;
            continue;
        }
        if (word < 0xFFFE) {
            length = word;
            break;
        }
        const std::uint32_t dword = readUInt32();
        length = dword < 0xFFFFFFFFu ? dword : readUInt64();
        break;
    }
    const std::uint64_t byteCount = utf16 ? length * 2 : length;
    if ((utf16 && length > UINT64_MAX / 2) || byteCount > static_cast<std::uint64_t>(remaining()))
        throw ArchiveError("string longer than the file");
    const char* start = bytes_.constData() + pos_;
    pos_ += static_cast<qsizetype>(byteCount);
    if (utf16) {
        // Copied bytewise: the characters need not be aligned in the file.
        QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
        std::memcpy(text.data(), start, static_cast<std::size_t>(byteCount));
        return text;
    }
    return fromWindows1252(std::string_view(start, static_cast<std::size_t>(length)));
}

}  // namespace lumikan::document
