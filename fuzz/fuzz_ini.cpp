// settings.ini may be edited by hand or damaged: any bytes must load.
#include "document/app_settings.h"
#include "document/ini_file.h"
#include "document/text_encoding.h"

#include <climits>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lumikan::document;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeTextFile(bytes);
    const IniFile ini = IniFile::parse(text);
    (void)ini.integer("AppSettings", "ColorTheme", 0);
    (void)ini.real("Ayanamsa", "CustomValue", 0.0);
    (void)ini.string("RP_Location", "City");
    const IniFile again = IniFile::parse(ini.toText());
    (void)again.toText();

    // Names from the input: a key that was set is found again under its name.
    IniFile edited = ini;
    const QString section = text.left(16);
    const QString key = text.mid(16, 16);
    QString value = text.mid(32, 64);
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    edited.setString(section, key, value);
    if (edited.string(section, key, QStringLiteral("absent"), INT_MAX) != value)
        __builtin_trap();
    (void)edited.string(section.toCaseFolded(), key.toLower());
    (void)edited.toText();
    return 0;
}
