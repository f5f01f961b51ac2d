#pragma once

#include <QString>

#include <vector>

namespace lumikan::document {

// An INI file with the semantics of the classic profile functions: sections and
// keys match case-insensitively, values are trimmed, a missing key gives the
// caller's default. Written back as UTF-8.
class IniFile {
public:
    // Parses INI text. Anything that is not a section or key line is ignored.
    static IniFile parse(const QString& text);
    // Reads the file; a missing or unreadable file gives an empty IniFile.
    static IniFile load(const QString& path);

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

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    const Entry* find(const QString& section, const QString& key) const;

    std::vector<Section> sections_;
};

// The leading number of a text as the C library reads it ("12abc" -> 12,
// "abc" -> 0), for integers and reals.
int leadingInteger(const QString& text);
double leadingReal(const QString& text);

}  // namespace lumikan::document
