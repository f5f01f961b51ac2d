#include "document/ini_file.h"

#include "document/atomic_file.h"
#include "document/regular_file.h"
#include "document/text_encoding.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace lumikan::document {

namespace {

thread_local std::uint64_t nameComparisonCount = 0;

// A name as QString::compare with Qt::CaseInsensitive sees it: every code point
// simply case-folded (so "ß" stays apart from "ss"). Two names are the same
// when their folded forms are equal.
QString foldedName(const QString& name)
{
    QString folded;
    folded.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        char32_t point = c.unicode();
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            point = QChar::surrogateToUcs4(c, name[++i]);
        const char32_t foldedPoint = QChar::toCaseFolded(point);
        if (QChar::requiresSurrogates(foldedPoint)) {
            folded += QChar(QChar::highSurrogate(foldedPoint));
            folded += QChar(QChar::lowSurrogate(foldedPoint));
        } else {
            folded += QChar(static_cast<char16_t>(foldedPoint));
        }
    }
    return folded;
}

}  // namespace

std::size_t IniFile::FoldedNameHash::operator()(const QString& folded) const
{
    // Seeded per process, so a hostile file cannot aim every name at one bucket.
    return qHash(folded, QHashSeed::globalSeed());
}

bool IniFile::FoldedNameEqual::operator()(const QString& a, const QString& b) const
{
    ++nameComparisonCount;
    return a == b;
}

std::uint64_t IniFile::nameComparisons()
{
    return nameComparisonCount;
}

int leadingInteger(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    errno = 0;
    const long v = std::strtol(bytes.constData(), nullptr, 10);
    if (errno == ERANGE || v > INT_MAX || v < INT_MIN)
        return v < 0 ? INT_MIN : INT_MAX;
    return static_cast<int>(v);
}

double leadingReal(const QString& text)
{
    // The C library's reading of a leading decimal number, without its
    // dependence on the user's locale (a German locale reads "18,52").
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        return 0.0;
    bool ok = false;
    const double v = QLocale::c().toDouble(match.captured(0), &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

IniFile IniFile::parse(const QString& text)
{
    IniFile ini;
    std::optional<std::size_t> current;
    const auto lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            current = ini.sectionFor(line.mid(1, close < 0 ? -1 : close - 1).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        QString value = line.mid(eq + 1).trimmed();
        // A value in matching quotes is read without them.
        if (value.size() >= 2 && value.front() == value.back() &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
            value = value.mid(1, value.size() - 2);
        Section& section = ini.sections_[*current];
        // The first occurrence of a key wins, as with the profile functions.
        if (section.keys.try_emplace(foldedName(key), section.entries.size()).second)
            section.entries.push_back({key, value});
    }
    return ini;
}

IniFile IniFile::load(const QString& path, QString* error)
{
    const FileRead read = readRegularFile(path, kMaxIniBytes);
    if (read.status == FileReadStatus::Ok)
        return parse(decodeTextFile(read.bytes));
    if (error && read.status != FileReadStatus::Missing)
        *error = fileReadFailureText(read, QStringLiteral("settings file"));
    return {};
}

std::size_t IniFile::sectionFor(const QString& name)
{
    const auto [at, added] = sectionIndex_.try_emplace(foldedName(name), sections_.size());
    if (added)
        sections_.push_back({name, {}, {}});
    return at->second;
}

const IniFile::Entry* IniFile::find(const QString& section, const QString& key) const
{
    const auto s = sectionIndex_.find(foldedName(section));
    if (s == sectionIndex_.end())
        return nullptr;
    const Section& found = sections_[s->second];
    const auto e = found.keys.find(foldedName(key));
    return e == found.keys.end() ? nullptr : &found.entries[e->second];
}

QString IniFile::string(const QString& section, const QString& key, const QString& fallback,
                        int maxCharacters) const
{
    const Entry* e = find(section, key);
    return (e ? e->value : fallback).left(maxCharacters);
}

int IniFile::integer(const QString& section, const QString& key, int fallback) const
{
    const Entry* e = find(section, key);
    if (!e || e->value.isEmpty())
        return fallback;
    return leadingInteger(e->value);
}

double IniFile::real(const QString& section, const QString& key, double fallback) const
{
    const Entry* e = find(section, key);
    if (!e || e->value.isEmpty())
        return fallback;
    return leadingReal(e->value.left(2047));
}

void IniFile::setString(const QString& section, const QString& key, const QString& value)
{
    // Line breaks would split the entry; store them as blanks.
    QString clean = value;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Section& target = sections_[sectionFor(section)];
    const auto [at, added] = target.keys.try_emplace(foldedName(key), target.entries.size());
    if (added)
        target.entries.push_back({key, clean});
    else
        target.entries[at->second].value = clean;
}

QString IniFile::toText() const
{
    QString text;
    for (const Section& s : sections_) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + s.name + QLatin1String("]\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
    }
    return text;
}

bool IniFile::save(const QString& path, QString* error) const
{
    return writeFileAtomically(path, toText().toUtf8(), error);
}

}  // namespace lumikan::document
