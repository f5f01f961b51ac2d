// settings.ini may be edited by hand or damaged: any bytes must load.
#include "document/app_settings.h"
#include "document/ini_file.h"
#include "document/text_encoding.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lumikan::document;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::parse(decodeTextFile(bytes));
    (void)ini.integer("AppSettings", "ColorTheme", 0);
    (void)ini.real("Ayanamsa", "CustomValue", 0.0);
    (void)ini.string("RP_Location", "City");
    const IniFile again = IniFile::parse(ini.toText());
    (void)again.toText();
    return 0;
}
