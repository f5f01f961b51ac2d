#include "document/atlas_place_search.h"

#include "document/atlas_text.h"

#include <QString>

#include <cstdio>

namespace lumikan::document {

namespace {

std::vector<std::string> splitPlace(std::string_view text)
{
    std::vector<std::string> parts;
    for (const QString& part : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                   .split(QLatin1Char(',')))
        parts.push_back(part.trimmed().toStdString());
    return parts;
}

AtlasPlace placeOf(const AtlasDatabase& atlas, const AtlasCountry& country, std::uint32_t state,
                   std::uint32_t city)
{
    const AtlasCity c = atlas.City(state, city);
    return {c.name, atlas.StateName(state), std::string(country.name), c.latitude, c.longitude,
            c.zone, atlas.zoneProblem()};
}

struct Scope {
    int country = -1;
    int state = -1; // -1: every state
};

// The cities of the scope named `city` exactly (ignoring case), and those whose
// names start with or contain it.
void collect(AtlasDatabase& atlas, const Scope& scope, const QString& wanted,
             std::vector<AtlasPlace>& exact, std::vector<AtlasPlace>& similar,
             std::size_t maxSimilar)
{
    const AtlasCountry* country = atlasCountry(scope.country);
    if (country == nullptr || !atlas.OpenCountry(country->code))
        return;
    std::vector<AtlasPlace> inner;
    for (std::uint32_t s = 0; s < atlas.StateCount(); ++s) {
        if (scope.state >= 0 && s != static_cast<std::uint32_t>(scope.state))
            continue;
        for (std::uint32_t c = 0; c < atlas.CityCount(s); ++c) {
            const QString name = caseFolded(atlas.City(s, c).name);
            if (name == wanted)
                exact.push_back(placeOf(atlas, *country, s, c));
            else if (similar.size() < maxSimilar && name.startsWith(wanted))
                similar.push_back(placeOf(atlas, *country, s, c));
            else if (inner.size() < maxSimilar && name.contains(wanted))
                inner.push_back(placeOf(atlas, *country, s, c));
        }
    }
    for (AtlasPlace& place : inner) {
        if (similar.size() >= maxSimilar)
            break;
        similar.push_back(std::move(place));
    }
}

// The items of a list that follows a colon, on the same line: messages are
// one line each.
void appendListItem(std::string& message, bool first, const std::string& item)
{
    message += (first ? " " : "; ") + item;
}

std::string candidateLines(const std::vector<AtlasPlace>& places)
{
    std::string lines;
    for (const AtlasPlace& p : places) {
        char where[64];
        std::snprintf(where, sizeof where, " (%.4f, %.4f)", p.latitude, p.longitude);
        appendListItem(lines, lines.empty(), p.text() + where);
    }
    return lines;
}

} // namespace

std::string AtlasPlace::text() const
{
    std::string out = city;
    for (const std::string* part : {&state, &country}) {
        if (!part->empty())
            out += ", " + *part;
    }
    return out;
}

PlaceSearch searchPlace(AtlasDatabase& atlas, std::string_view text, std::size_t maxCandidates)
{
    PlaceSearch search;
    const std::vector<std::string> parts = splitPlace(text);
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (parts.size() > 3 || parts.front().empty()) {
        search.message = "The place " + quoted + " is not written as City, State, Country.";
        return search;
    }

    std::vector<Scope> scopes;
    if (parts.size() == 1) {
        for (std::size_t i = 0; i < atlasCountries().size(); ++i)
            scopes.push_back({static_cast<int>(i), -1});
    } else {
        const CountryLookup lookup = lookUpCountry(parts.back());
        search.countries = lookup.countries;
        if (lookup.ambiguous()) {
            search.status = PlaceSearchStatus::AmbiguousCountry;
            search.message = "\"" + parts.back() + "\" names more than one country:";
            for (const int i : lookup.countries)
                appendListItem(search.message, i == lookup.countries.front(),
                               std::string(atlasCountry(i)->name) + " (" +
                                   std::string(atlasCountry(i)->code) + ")");
            return search;
        }
        if (!lookup.found()) {
            search.status = PlaceSearchStatus::UnknownCountry;
            search.message = "\"" + parts.back() +
                             "\" is no country of the atlas (lumikan-cli atlas lists them).";
            return search;
        }
        const AtlasCountry& country = *atlasCountry(lookup.countries.front());
        if (!atlas.OpenCountry(country.code)) {
            search.status = PlaceSearchStatus::AtlasUnavailable;
            search.message =
                "The atlas file of " + std::string(country.name) + " is missing or damaged.";
            return search;
        }
        Scope scope{lookup.countries.front(), -1};
        if (parts.size() == 3) {
            scope.state = atlas.FindState(parts[1]);
            if (scope.state < 0) {
                search.status = PlaceSearchStatus::UnknownState;
                search.message =
                    std::string(country.name) + " has no state \"" + parts[1] + "\". Its states:";
                for (std::uint32_t s = 0; s < atlas.StateCount(); ++s)
                    appendListItem(search.message, s == 0, atlas.StateName(s));
                return search;
            }
        }
        scopes.push_back(scope);
    }

    std::vector<AtlasPlace> exact, similar;
    const QString wanted = caseFolded(parts.front());
    for (const Scope& scope : scopes)
        collect(atlas, scope, wanted, exact, similar, maxCandidates);
    // A misspelt name: the places whose names start as its first letters do.
    for (qsizetype length = wanted.size() - 1; exact.empty() && similar.empty() && length >= 3;
         --length) {
        std::vector<AtlasPlace> named;
        for (const Scope& scope : scopes)
            collect(atlas, scope, wanted.left(length), named, similar, maxCandidates);
        similar.insert(similar.begin(), named.begin(), named.end());
        if (similar.size() > maxCandidates)
            similar.resize(maxCandidates);
    }
    if (exact.size() == 1) {
        search.status = PlaceSearchStatus::Found;
        search.places = std::move(exact);
        return search;
    }
    if (exact.size() > 1) {
        search.status = PlaceSearchStatus::Ambiguous;
        const std::size_t total = exact.size();
        if (exact.size() > maxCandidates)
            exact.resize(maxCandidates);
        search.places = std::move(exact);
        search.message = quoted + " names " + std::to_string(total) +
                         " places; give the state and country:" + candidateLines(search.places);
        return search;
    }
    search.status = PlaceSearchStatus::NotFound;
    search.places = std::move(similar);
    search.message = "The atlas has no place " + quoted +
                     (search.places.empty() ? "." : ". Similar names:") +
                     candidateLines(search.places);
    return search;
}

} // namespace lumikan::document
