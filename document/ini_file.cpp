#include "document/ini_file.h"

#include "document/atomic_file.h"
#include "document/text_encoding.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace lumikan::document {

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

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
    Section* current = nullptr;
    const auto lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            current = nullptr;
            for (Section& s : ini.sections_)
                if (sameName(s.name, name))
                    current = &s;
            if (!current) {
                ini.sections_.push_back({name, {}});
                current = &ini.sections_.back();
            }
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
        bool known = false;
        for (const Entry& e : current->entries)
            known = known || sameName(e.key, key);
        // The first occurrence of a key wins, as with the profile functions.
        if (!known)
            current->entries.push_back({key, value});
    }
    return ini;
}

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    // Settings files are small; a huge one is not ours.
    constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    return parse(decodeTextFile(file.read(kMaxBytes)));
}

const IniFile::Entry* IniFile::find(const QString& section, const QString& key) const
{
    for (const Section& s : sections_) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry& e : s.entries)
            if (sameName(e.key, key))
                return &e;
    }
    return nullptr;
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
    Section* target = nullptr;
    for (Section& s : sections_)
        if (sameName(s.name, section))
            target = &s;
    if (!target) {
        sections_.push_back({section, {}});
        target = &sections_.back();
    }
    for (Entry& e : target->entries) {
        if (sameName(e.key, key)) {
            e.value = clean;
            return;
        }
    }
    target->entries.push_back({key, clean});
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
