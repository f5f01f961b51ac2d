#include "document/atlas_database.h"

#include "document/atlas_text.h"
#include "document/regular_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace lumikan::document {

const AtlasCountry* atlasCountry(int index)
{
    const auto countries = atlasCountries();
    if (index < 0 || static_cast<std::size_t>(index) >= countries.size())
        return nullptr;
    return &countries[static_cast<std::size_t>(index)];
}

std::vector<std::string_view> countryZones(const AtlasCountry& country)
{
    std::vector<std::string_view> zones;
    std::string_view rest = country.zones;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        const std::string_view zone = rest.substr(0, blank);
        if (!zone.empty())
            zones.push_back(zone);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
    return zones;
}

CountryLookup lookUpCountry(std::string_view text)
{
    CountryLookup lookup;
    const auto countries = atlasCountries();
    const auto add = [&](std::size_t i) {
        const int index = static_cast<int>(i);
        if (std::find(lookup.countries.begin(), lookup.countries.end(), index) ==
            lookup.countries.end())
            lookup.countries.push_back(index);
    };
    // A full name is never a code, so it settles the matter at once.
    for (std::size_t i = 0; i < countries.size(); ++i) {
        if (equalIgnoringCase(countries[i].name, text)) {
            add(i);
            return lookup;
        }
    }
    for (std::size_t i = 0; i < countries.size(); ++i) {
        if (equalIgnoringCase(countries[i].code, text) ||
            (!countries[i].iso.empty() && equalIgnoringCase(countries[i].iso, text)))
            add(i);
    }
    return lookup;
}

int findAtlasCountry(std::string_view codeOrName)
{
    const auto countries = atlasCountries();
    for (std::size_t i = 0; i < countries.size(); ++i) {
        const AtlasCountry& c = countries[i];
        if (equalIgnoringCase(c.code, codeOrName) || equalIgnoringCase(c.name, codeOrName))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<AtlasView> AtlasView::parse(std::span<const std::uint8_t> bytes)
{
    // Sizes are compared in 64 bits: a 32-bit offset plus a count times a
    // record size must not wrap around.
    const std::uint64_t size = bytes.size();
    if (size < kHeaderSize || std::memcmp(bytes.data(), "ATLB", 4) != 0)
        return std::nullopt;

    AtlasView view(bytes);
    view.stateCount_ = view.u32(12);
    const std::uint64_t stateTable = view.u32(24);
    const std::uint64_t cityTable = view.u32(28);
    const std::uint64_t pool = view.u32(32);
    if (stateTable > size || cityTable > size || pool > size)
        return std::nullopt;
    if (stateTable + kStateRecordSize * std::uint64_t{view.stateCount_} > size)
        return std::nullopt;
    view.stateTable_ = static_cast<std::size_t>(stateTable);
    view.cityTable_ = static_cast<std::size_t>(cityTable);
    view.pool_ = static_cast<std::size_t>(pool);

    // A name starting at or before the file's last zero byte ends inside the file.
    std::uint64_t lastZero = 0;
    bool hasZero = false;
    for (std::uint64_t i = size; i-- > 0;) {
        if (bytes[static_cast<std::size_t>(i)] == 0) {
            lastZero = i;
            hasZero = true;
            break;
        }
    }
    const auto nameInside = [&](std::uint32_t offset) { return hasZero && pool + offset <= lastZero; };

    // Every state's cities lie in the city table; the table is checked once up
    // to the furthest city any state claims, so overlapping states cost nothing.
    const std::uint64_t cityRoom = (size - cityTable) / kCityRecordSize;
    std::uint64_t citiesUsed = 0;
    for (std::uint32_t s = 0; s < view.stateCount_; ++s) {
        const std::size_t record = view.stateRecord(s);
        if (!nameInside(view.u32(record)))
            return std::nullopt;
        const std::uint64_t end = std::uint64_t{view.u32(record + 4)} + view.u32(record + 8);
        if (end > cityRoom)
            return std::nullopt;
        citiesUsed = std::max(citiesUsed, end);
    }
    view.cityTableCount_ = static_cast<std::uint32_t>(citiesUsed);
    for (std::uint64_t c = 0; c < citiesUsed; ++c) {
        const std::size_t record = view.cityTable_ + static_cast<std::size_t>(c) * kCityRecordSize;
        if (!nameInside(view.u32(record)))
            return std::nullopt;
        float latitude = 0;
        float longitude = 0;
        std::memcpy(&latitude, bytes.data() + record + 4, 4);
        std::memcpy(&longitude, bytes.data() + record + 8, 4);
        if (!(std::fabs(latitude) <= 90.0f) || !(std::fabs(longitude) <= 180.0f))
            return std::nullopt;
    }
    return view;
}

std::uint32_t AtlasView::u32(std::size_t offset) const
{
    const std::uint8_t* p = bytes_.data() + offset;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

std::string_view AtlasView::string(std::uint32_t poolOffset) const
{
    const char* start = reinterpret_cast<const char*>(bytes_.data() + pool_ + poolOffset);
    return std::string_view(start);  // parse() proved a zero byte follows inside the file
}

std::string_view AtlasView::stateName(std::uint32_t state) const
{
    if (state >= stateCount_)
        return {};
    return string(u32(stateRecord(state)));
}

std::uint32_t AtlasView::cityCount(std::uint32_t state) const
{
    if (state >= stateCount_)
        return 0;
    return u32(stateRecord(state) + 8);
}

std::size_t AtlasView::cityRecord(std::uint32_t state, std::uint32_t city) const
{
    const std::size_t first = u32(stateRecord(state) + 4);
    return cityTable_ + (first + city) * kCityRecordSize;
}

std::uint32_t AtlasView::cityTableIndex(std::uint32_t state, std::uint32_t city) const
{
    return u32(stateRecord(state) + 4) + city;
}

std::string_view AtlasView::cityName(std::uint32_t state, std::uint32_t city) const
{
    if (city >= cityCount(state))
        return {};
    return string(u32(cityRecord(state, city)));
}

AtlasCity AtlasView::city(std::uint32_t state, std::uint32_t city) const
{
    if (city >= cityCount(state))
        return {};
    const std::size_t record = cityRecord(state, city);
    float latitude = 0;
    float longitude = 0;
    std::int16_t minutes = 0;
    std::memcpy(&latitude, bytes_.data() + record + 4, 4);
    std::memcpy(&longitude, bytes_.data() + record + 8, 4);
    minutes = static_cast<std::int16_t>(bytes_[record + 12] | bytes_[record + 13] << 8);
    return AtlasCity{validUtf8(string(u32(record))), latitude, longitude, minutes / 60.0, {}};
}

AtlasDatabase::AtlasDatabase(std::filesystem::path folder) : folder_(std::move(folder)) {}

AtlasDatabase::~AtlasDatabase()
{
    close();
}

AtlasDatabase& AtlasDatabase::instance()
{
    static AtlasDatabase atlas(defaultFolder());
    return atlas;
}

std::filesystem::path AtlasDatabase::defaultFolder()
{
    if (QCoreApplication::instance() != nullptr) {
        const QString dir = QCoreApplication::applicationDirPath();
        if (!dir.isEmpty())
            return std::filesystem::path(QFile::encodeName(dir).toStdString()) / "mondo";
    }
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && exe.has_parent_path())
        return exe.parent_path() / "mondo";
    return "mondo";
}

bool AtlasDatabase::OpenCountry(std::string_view code)
{
    std::string lower(code);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    if (!code_.empty() && lower == code_ && view_)
        return true;
    close();

    const bool letters = !lower.empty()
        && std::all_of(lower.begin(), lower.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!letters)
        return false;

    const std::filesystem::path path = folder_ / (lower + ".bin");
    // A FIFO or device in the folder must neither block the open nor be mapped.
    FileReadStatus status = FileReadStatus::CannotOpen;
    const int fd = openRegularFile(QFile::decodeName(path.c_str()), status);
    if (fd < 0)
        return false;
    // A failed open may leave the handle with QFile; leaking it beats closing it twice.
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close();
        return false;
    }
    const qint64 size = file_.size();
    mapping_ = size > 0 ? file_.map(0, size) : nullptr;
    if (mapping_ == nullptr) {
        close();
        return false;
    }
    view_ = AtlasView::parse({mapping_, static_cast<std::size_t>(size)});
    if (!view_) {
        close();
        return false;
    }
    code_ = lower;
    readZoneFile({mapping_, static_cast<std::size_t>(size)});
    return true;
}

void AtlasDatabase::readZoneFile(std::span<const std::uint8_t> atlasBytes)
{
    const int index = findAtlasCountry(code_);
    const AtlasCountry* country = atlasCountry(index);
    countryZones_ = country ? countryZones(*country) : std::vector<std::string_view>();
    if (view_->cityTableCount() == 0)
        return; // no city needs a zone
    const std::filesystem::path path = folder_ / (code_ + ".zones");
    // One byte per city and the names: far below this for any country.
    constexpr qint64 kMaxZoneFileBytes = 4 * 1024 * 1024;
    const FileRead read = readRegularFile(QFile::decodeName(path.c_str()), kMaxZoneFileBytes);
    if (read.status == FileReadStatus::Ok) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(read.bytes.constData());
        zoneFile_ = AtlasZoneFile::parse({data, static_cast<std::size_t>(read.bytes.size())},
                                         atlasFingerprint(atlasBytes), view_->cityTableCount(),
                                         countryZones_);
    }
    if (zoneFile_)
        return;
    const std::string name = country ? std::string(country->name) : code_;
    zoneProblem_ =
        "The time zones of the places of " + name + " could not be read: " + path.string() +
        (read.status == FileReadStatus::Ok ? " is damaged." : " is missing or cannot be read.") +
        (countryZones_.size() == 1
             ? " The country's one time zone is used."
             : " Choose the time zone of the place from the country's zones.");
}

void AtlasDatabase::close()
{
    view_.reset();
    if (mapping_ != nullptr)
        file_.unmap(mapping_);
    mapping_ = nullptr;
    file_.close();
    code_.clear();
    zoneFile_.reset();
    countryZones_.clear();
    zoneProblem_.clear();
}

std::uint32_t AtlasDatabase::StateCount() const
{
    return view_ ? view_->stateCount() : 0;
}

std::string AtlasDatabase::StateName(std::uint32_t state) const
{
    return view_ ? validUtf8(view_->stateName(state)) : std::string();
}

std::uint32_t AtlasDatabase::CityCount(std::uint32_t state) const
{
    return view_ ? view_->cityCount(state) : 0;
}

AtlasCity AtlasDatabase::City(std::uint32_t state, std::uint32_t city) const
{
    if (!view_)
        return {};
    AtlasCity found = view_->city(state, city);
    if (found.name.empty() && city >= view_->cityCount(state))
        return found;
    if (zoneFile_)
        found.zone = std::string(zoneFile_->zoneOf(view_->cityTableIndex(state, city)));
    else if (countryZones_.size() == 1)
        found.zone = std::string(countryZones_.front());
    return found;
}

int AtlasDatabase::FindState(std::string_view name) const
{
    if (!view_)
        return -1;
    const QString wanted = caseFolded(name);
    const std::uint32_t count = std::min<std::uint32_t>(view_->stateCount(), INT32_MAX);
    for (std::uint32_t s = 0; s < count; ++s) {
        if (caseFolded(view_->stateName(s)) == wanted)
            return static_cast<int>(s);
    }
    return -1;
}

}  // namespace lumikan::document
