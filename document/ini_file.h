#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace lumikan::document {

// An INI file with the semantics of the classic profile functions: sections and
// keys match case-insensitively, values are trimmed, a missing key gives the
// caller's default. Written back as UTF-8.
// Settings files are small; a larger file is not ours.
inline constexpr qint64 kMaxIniBytes = 4 * 1024 * 1024;

class IniFile {
public:
    // Parses INI text. Anything that is not a section or key line is ignored.
    static IniFile parse(const QString& text);
    // Reads the file. A missing file gives an empty IniFile; so does one that
    // cannot be read, is not a regular file or is larger than a settings file
    // can be, and then `error` (when given) says why.
    static IniFile load(const QString& path, QString* error = nullptr);

    // The value text, or `fallback` when the key is absent. At most
    // `maxCharacters` characters are returned.
    QString string(const QString& section, const QString& key, const QString& fallback = {},
                   int maxCharacters = 2047) const;
    // A leading decimal integer; `fallback` when the key is absent or empty,
    // 0 when the text does not start with a number.
    int integer(const QString& section, const QString& key, int fallback) const;
    // A leading decimal real; `fallback` when the key is absent or empty, 0.0
    // when the text does not start with a number.
    double real(const QString& section, const QString& key, double fallback) const;

    // Sets a key, adding the section and key in order of first use.
    void setString(const QString& section, const QString& key, const QString& value);

    QString toText() const;
    // Writes the whole file atomically; on failure the old file is kept and
    // `error` gets the reason.
    bool save(const QString& path, QString* error = nullptr) const;

    // Names compared while looking sections and keys up, by every IniFile of
    // the calling thread so far; tests read it to see that lookups stay cheap.
    static std::uint64_t nameComparisons();

private:
    struct Entry {
        QString key;
        QString value;
    };
    // Case-folded names to positions: a lookup is one hash probe, not a walk
    // over every earlier name.
    struct FoldedNameHash {
        std::size_t operator()(const QString& folded) const;
    };
    struct FoldedNameEqual {
        bool operator()(const QString& a, const QString& b) const;
    };
    using NameIndex = std::unordered_map<QString, std::size_t, FoldedNameHash, FoldedNameEqual>;
    struct Section {
        QString name;
        std::vector<Entry> entries; // in order of first use
        NameIndex keys;
    };

    // The section's position, added at the end when new.
    std::size_t sectionFor(const QString& name);
    const Entry* find(const QString& section, const QString& key) const;

    std::vector<Section> sections_; // in order of first use
    NameIndex sectionIndex_;
};

// The leading number of a text as the C library reads it ("12abc" -> 12,
// "abc" -> 0), for integers and reals.
int leadingInteger(const QString& text);
double leadingReal(const QString& text);

}  // namespace lumikan::document
