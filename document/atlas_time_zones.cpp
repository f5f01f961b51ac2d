#include "document/atlas_time_zones.h"

#include "document/atlas_database.h"

#include <QString>

#include <charconv>
#include <cmath>

namespace lumikan::document {

namespace {

constexpr std::array<CountryTimeZoneEntry, kCountryTimeZoneCount> kCountryTimeZones = {{
    {"Niue", -11.0},
    {"Cook Islands", -10.0},
    {"French Polynesia (Tahiti)", -10.0},
    {"French Polynesia", -10.0},
    {"Clipperton Island", -8.0},
    {"Pitcairn Islands", -8.0},
    {"Belize", -6.0},
    {"Costa Rica", -6.0},
    {"El Salvador", -6.0},
    {"Guatemala", -6.0},
    {"Honduras", -6.0},
    {"Mexico (Mexico City)", -6.0},
    {"Mexico", -6.0},
    {"Nicaragua", -6.0},
    {"Bahamas, The", -5.0},
    {"Bahamas", -5.0},
    {"Canada (Ottawa/Toronto)", -5.0},
    {"Canada", -5.0},
    {"United States", -5.0},
    {"United States Of America", -5.0},
    {"Cayman Islands", -5.0},
    {"Colombia", -5.0},
    {"Cuba", -5.0},
    {"Ecuador", -5.0},
    {"Haiti", -5.0},
    {"Jamaica", -5.0},
    {"Panama", -5.0},
    {"Peru", -5.0},
    {"Turks And Caicos Islands", -5.0},
    {"Usa", -5.0},
    {"Anguilla", -4.0},
    {"Antigua And Barbuda", -4.0},
    {"Aruba", -4.0},
    {"Barbados", -4.0},
    {"Bermuda", -4.0},
    {"Bolivia", -4.0},
    {"British Virgin Islands", -4.0},
    {"Chile", -4.0},
    {"Dominica", -4.0},
    {"Dominican Republic", -4.0},
    {"Grenada", -4.0},
    {"Guadeloupe", -4.0},
    {"Guyana", -4.0},
    {"Martinique", -4.0},
    {"Montserrat", -4.0},
    {"Netherlands Antilles", -4.0},
    {"Paraguay", -4.0},
    {"Puerto Rico", -4.0},
    {"Saint Kitts And Nevis", -4.0},
    {"Saint Lucia", -4.0},
    {"Saint Vincent And The Grenadines", -4.0},
    {"Trinidad And Tobago", -4.0},
    {"Trinidad & Tobago", -4.0},
    {"Venezuela", -4.0},
    {"Argentina", -3.0},
    {"Brazil (Brasilia)", -3.0},
    {"Brazil", -3.0},
    {"Falkland Islands", -3.0},
    {"French Guiana", -3.0},
    {"Greenland (Nuuk)", -3.0},
    {"Greenland", -3.0},
    {"Saint Pierre And Miquelon", -3.0},
    {"Suriname", -3.0},
    {"Uruguay", -3.0},
    {"South Georgia And South Sandwich Islands", -2.0},
    {"South Georgia And The South Sandwich Islands", -2.0},
    {"South Georgia", -2.0},
    {"Cape Verde", -1.0},
    {"Burkina Faso", 0.0},
    {"Cote D'Ivoire", 0.0},
    {"Faroe Islands", 0.0},
    {"Gambia, The", 0.0},
    {"Gambia", 0.0},
    {"Ghana", 0.0},
    {"Guernsey", 0.0},
    {"Guinea", 0.0},
    {"Guinea-Bissau", 0.0},
    {"Iceland", 0.0},
    {"Ireland", 0.0},
    {"Isle Of Man", 0.0},
    {"Jersey", 0.0},
    {"Liberia", 0.0},
    {"Mali", 0.0},
    {"Mauritania", 0.0},
    {"Portugal", 0.0},
    {"Saint Helena", 0.0},
    {"Sao Tome And Principe", 0.0},
    {"Senegal", 0.0},
    {"Sierra Leone", 0.0},
    {"Togo", 0.0},
    {"United Kingdom", 0.0},
    {"Uk", 0.0},
    {"Great Britain", 0.0},
    {"Albania", 1.0},
    {"Algeria", 1.0},
    {"Andorra", 1.0},
    {"Angola", 1.0},
    {"Austria", 1.0},
    {"Belgium", 1.0},
    {"Benin", 1.0},
    {"Bosnia And Herzegovina", 1.0},
    {"Bosnia", 1.0},
    {"Bouvet Island", 1.0},
    {"Cameroon", 1.0},
    {"Central African Republic", 1.0},
    {"Chad", 1.0},
    {"Congo", 1.0},
    {"Congo, Democratic Republic Of The", 1.0},
    {"Croatia", 1.0},
    {"Czech Republic", 1.0},
    {"Czechia", 1.0},
    {"Denmark", 1.0},
    {"Equatorial Guinea", 1.0},
    {"France", 1.0},
    {"Gabon", 1.0},
    {"Germany", 1.0},
    {"Gibraltar", 1.0},
    {"Hungary", 1.0},
    {"Italy", 1.0},
    {"Jan Mayen", 1.0},
    {"Liechtenstein", 1.0},
    {"Luxembourg", 1.0},
    {"Macedonia (North Macedonia)", 1.0},
    {"North Macedonia", 1.0},
    {"Malta", 1.0},
    {"Monaco", 1.0},
    {"Morocco", 1.0},
    {"Netherlands", 1.0},
    {"Niger", 1.0},
    {"Nigeria", 1.0},
    {"Norway", 1.0},
    {"Poland", 1.0},
    {"San Marino", 1.0},
    {"Serbia And Montenegro", 1.0},
    {"Serbia", 1.0},
    {"Slovakia", 1.0},
    {"Slovenia", 1.0},
    {"Spain", 1.0},
    {"Svalbard", 1.0},
    {"Sweden", 1.0},
    {"Switzerland", 1.0},
    {"Tunisia", 1.0},
    {"Vatican City", 1.0},
    {"Western Sahara", 1.0},
    {"Botswana", 2.0},
    {"Bulgaria", 2.0},
    {"Burundi", 2.0},
    {"Cyprus", 2.0},
    {"Egypt", 2.0},
    {"Estonia", 2.0},
    {"Finland", 2.0},
    {"Gaza Strip", 2.0},
    {"Greece", 2.0},
    {"Israel", 2.0},
    {"Jordan", 2.0},
    {"Latvia", 2.0},
    {"Lebanon", 2.0},
    {"Lesotho", 2.0},
    {"Libya", 2.0},
    {"Lithuania", 2.0},
    {"Malawi", 2.0},
    {"Moldova", 2.0},
    {"Mozambique", 2.0},
    {"Namibia", 2.0},
    {"Romania", 2.0},
    {"Rwanda", 2.0},
    {"South Africa", 2.0},
    {"Swaziland (Eswatini)", 2.0},
    {"Swaziland", 2.0},
    {"Eswatini", 2.0},
    {"Syria", 2.0},
    {"Ukraine", 2.0},
    {"West Bank", 2.0},
    {"Zambia", 2.0},
    {"Zimbabwe", 2.0},
    {"Bahrain", 3.0},
    {"Bassas Da India", 3.0},
    {"Belarus", 3.0},
    {"Comoros", 3.0},
    {"Djibouti", 3.0},
    {"Eritrea", 3.0},
    {"Ethiopia", 3.0},
    {"Europa Island", 3.0},
    {"Glorioso Islands", 3.0},
    {"Iraq", 3.0},
    {"Juan De Nova Island", 3.0},
    {"Kenya", 3.0},
    {"Kuwait", 3.0},
    {"Madagascar", 3.0},
    {"Mayotte", 3.0},
    {"Qatar", 3.0},
    {"Russia (Moscow)", 3.0},
    {"Russia", 3.0},
    {"Saudi Arabia", 3.0},
    {"Somalia", 3.0},
    {"Sudan", 3.0},
    {"Tanzania", 3.0},
    {"Turkey", 3.0},
    {"Uganda", 3.0},
    {"Yemen", 3.0},
    {"Iran", 3.5},
    {"Armenia", 4.0},
    {"Azerbaijan", 4.0},
    {"Georgia", 4.0},
    {"Mauritius", 4.0},
    {"Oman", 4.0},
    {"Reunion", 4.0},
    {"Seychelles", 4.0},
    {"United Arab Emirates", 4.0},
    {"Uae", 4.0},
    {"Afghanistan", 4.5},
    {"French Southern And Antarctic Lands", 5.0},
    {"Heard Island And McDonald Islands", 5.0},
    {"Kyrgyzstan", 5.0},
    {"Maldives", 5.0},
    {"Pakistan", 5.0},
    {"Tajikistan", 5.0},
    {"Tromelin Island", 5.0},
    {"Turkmenistan", 5.0},
    {"Uzbekistan", 5.0},
    {"India", 5.5},
    {"Sri Lanka", 5.5},
    {"Nepal", 5.75},
    {"Bangladesh", 6.0},
    {"Bhutan", 6.0},
    {"British Indian Ocean Territory", 6.0},
    {"Kazakhstan (Astana)", 6.0},
    {"Kazakhstan", 6.0},
    {"Kyrgyzstan", 6.0},
    {"Burma (Myanmar)", 6.5},
    {"Burma", 6.5},
    {"Myanmar", 6.5},
    {"Cocos (Keeling) Islands", 6.5},
    {"Cocos Islands", 6.5},
    {"Cambodia", 7.0},
    {"Christmas Island", 7.0},
    {"Indonesia (Jakarta)", 7.0},
    {"Indonesia", 7.0},
    {"Laos", 7.0},
    {"Thailand", 7.0},
    {"Vietnam", 7.0},
    {"Ashmore And Cartier Islands", 8.0},
    {"Brunei", 8.0},
    {"China", 8.0},
    {"Hong Kong", 8.0},
    {"Macau", 8.0},
    {"Malaysia", 8.0},
    {"Mongolia (Ulaanbaatar)", 8.0},
    {"Mongolia", 8.0},
    {"Philippines", 8.0},
    {"Singapore", 8.0},
    {"Spratly Islands", 8.0},
    {"Taiwan", 8.0},
    {"East Timor (Timor-Leste)", 9.0},
    {"East Timor", 9.0},
    {"Timor-Leste", 9.0},
    {"Japan", 9.0},
    {"North Korea", 9.0},
    {"Korea, North", 9.0},
    {"Palau", 9.0},
    {"South Korea", 9.0},
    {"Korea, South", 9.0},
    {"Korea", 9.0},
    {"Australia (Canberra/Sydney)", 10.0},
    {"Australia", 10.0},
    {"Papua New Guinea", 10.0},
    {"Coral Sea Islands", 11.0},
    {"Micronesia, Federated States Of (Pohnpei)", 11.0},
    {"Micronesia", 11.0},
    {"New Caledonia", 11.0},
    {"Solomon Islands", 11.0},
    {"Vanuatu", 11.0},
    {"Norfolk Island", 11.5},
    {"Fiji", 12.0},
    {"Kiribati (Tarawa)", 12.0},
    {"Kiribati", 12.0},
    {"Marshall Islands", 12.0},
    {"Nauru", 12.0},
    {"New Zealand", 12.0},
    {"Tuvalu", 12.0},
    {"Wallis And Futuna", 12.0},
    {"Samoa", 13.0},
    {"Tokelau", 13.0},
    {"Tonga", 13.0},
}};

constexpr std::array<std::string_view, kTimeZoneEntryCount> kTimeZoneEntries = {
    "UTC -11:00", "UTC -10:00", "UTC -8:00",  "UTC -6:00",       "UTC -5:00",  "UTC -4:00",
    "UTC -3:00",  "UTC -2:00",  "UTC -1:00",  "UTC +0:00",       "UTC +1:00",  "UTC +2:00",
    "UTC +3:00",  "UTC +3:30",  "UTC +4:00",  "UTC +4:30",       "UTC +5:00",  "UTC +5:30 (IST)",
    "UTC +5:45",  "UTC +6:00",  "UTC +6:30",  "UTC +7:00",       "UTC +8:00",  "UTC +9:00",
    "UTC +10:00", "UTC +11:00", "UTC +11:30", "UTC +12:00",      "UTC +13:00",
};

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The number at the start of `text` as a C library would read it with
// leading blanks, a sign, digits and a fraction; 0.0 when there is none.
double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
    }
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data() + i, text.data() + end, value);
    if (error != std::errc() || ptr == text.data() + i)
        return 0.0;
    return sign * value;
}

}  // namespace

std::span<const CountryTimeZoneEntry> countryTimeZoneEntries()
{
    return kCountryTimeZones;
}

std::span<const std::string_view> timeZoneEntries()
{
    return kTimeZoneEntries;
}

std::string_view timeZoneEntry(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kTimeZoneEntries.size())
        return {};
    return kTimeZoneEntries[static_cast<std::size_t>(index)];
}

int findTimeZoneEntry(double hours)
{
    for (std::size_t i = 0; i < kTimeZoneEntries.size(); ++i) {
        if (std::fabs(AtlasDatabase::ParseTimeZoneEntry(kTimeZoneEntries[i]) - hours) <= 0.01)
            return static_cast<int>(i);
    }
    return -1;
}

double AtlasDatabase::CountryTimeZone(std::string_view countryName)
{
    const QString text = QString::fromUtf8(countryName.data(), static_cast<qsizetype>(countryName.size()));
    const std::string name = text.trimmed().toLower().toStdString();
    // An empty name is contained in every entry; it names no country.
    if (name.empty())
        return 0.0;
    for (const CountryTimeZoneEntry& entry : kCountryTimeZones) {
        if (asciiLower(entry.name) == name)
            return entry.hours;
    }
    for (const CountryTimeZoneEntry& entry : kCountryTimeZones) {
        if (entry.name.size() <= 3)
            continue;
        const std::string lower = asciiLower(entry.name);
        if (lower.find(name) != std::string::npos || name.find(lower) != std::string::npos)
            return entry.hours;
    }
    return 0.0;
}

double AtlasDatabase::ParseTimeZoneEntry(std::string_view entryText)
{
    std::size_t sign = entryText.find('-');
    if (sign == std::string_view::npos)
        sign = entryText.find('+');
    if (sign == std::string_view::npos)
        return 0.0;
    const std::string_view rest = entryText.substr(sign + 1);
    double hours = 0.0;
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos)
        hours = leadingNumber(rest);
    else
        hours = leadingNumber(rest.substr(0, colon)) + leadingNumber(rest.substr(colon + 1)) / 60.0;
    return entryText[sign] == '-' ? -hours : hours;
}

}  // namespace lumikan::document
