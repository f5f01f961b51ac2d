// Converts the city data of the npm package country-state-city 3.2.1 into one
// atlas file per country of the built-in country list, mondo/<code>.bin, with
// the IANA time zone of every city beside it in mondo/<code>.zones (assigned
// from the city's coordinates by @photostructure/tz-lookup), and writes the
// program's country table, document/atlas_country_table.cpp.
//
//   cd tools/atlas && npm ci && node build_atlas.mjs [OUTPUT_DIR]
//
// Layout (little-endian): a 36-byte header ("ATLB", zeros, state count, zeros,
// state-table, city-table and string-pool offsets), 12-byte state records
// (name, first city, city count), 16-byte city records (name, latitude and
// longitude as 32-bit floats, time-zone minutes, two zero bytes), then the
// zero-terminated UTF-8 names.
import { createRequire } from 'node:module';
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const assets = 'country-state-city/lib/assets/';
const cityRows = require(assets + 'city.json'); // [name, country, state, lat, lon]
const stateRows = require(assets + 'state.json');
const countryRows = require(assets + 'country.json'); // name, isoCode, timezones ...
const tzLookup = require('@photostructure/tz-lookup');
const version = require('country-state-city/package.json').version;
if (version !== '3.2.1')
    console.warn(`warning: country-state-city ${version} installed, the files were made from 3.2.1`);

// The program's first 92 countries, whose order, codes and files stay as they
// are because stored settings refer to them: code of the atlas file
// (FIPS-style), ISO code of the data, display name, standard offset in minutes
// (the program's table by name). Ashmore and Cartier Islands have no ISO code
// and no cities: an empty file.
const countries = [
    ["af", "AF", "Afghanistan", 270],
    ["al", "AL", "Albania", 60],
    ["ag", "DZ", "Algeria", 60],
    ["an", "AD", "Andorra", 60],
    ["ao", "AO", "Angola", 60],
    ["av", "AI", "Anguilla", -240],
    ["ac", "AG", "Antigua And Barbuda", -240],
    ["ar", "AR", "Argentina", -180],
    ["am", "AM", "Armenia", 240],
    ["aa", "AW", "Aruba", -240],
    ["at", null, "Ashmore And Cartier Islands", 480],
    ["as", "AU", "Australia", 600],
    ["au", "AT", "Austria", 60],
    ["aj", "AZ", "Azerbaijan", 240],
    ["bf", "BS", "Bahamas, The", -300],
    ["ba", "BH", "Bahrain", 180],
    ["bg", "BD", "Bangladesh", 360],
    ["bb", "BB", "Barbados", -240],
    ["bo", "BY", "Belarus", 180],
    ["be", "BE", "Belgium", 60],
    ["bh", "BZ", "Belize", -360],
    ["bn", "BJ", "Benin", 60],
    ["bd", "BM", "Bermuda", -240],
    ["bt", "BT", "Bhutan", 360],
    ["bl", "BO", "Bolivia", -240],
    ["bk", "BA", "Bosnia And Herzegovina", 60],
    ["bc", "BW", "Botswana", 120],
    ["br", "BR", "Brazil", -180],
    ["io", "IO", "British Indian Ocean Territory", 360],
    ["vi", "VG", "British Virgin Islands", -240],
    ["bx", "BN", "Brunei", 480],
    ["bu", "BG", "Bulgaria", 120],
    ["uv", "BF", "Burkina Faso", 0],
    ["bm", "MM", "Burma", 390],
    ["by", "BI", "Burundi", 120],
    ["cb", "KH", "Cambodia", 420],
    ["cm", "CM", "Cameroon", 60],
    ["ca", "CA", "Canada", -300],
    ["ci", "CL", "Chile", -240],
    ["ch", "CN", "China", 480],
    ["co", "CO", "Colombia", -300],
    ["cs", "CR", "Costa Rica", -360],
    ["hr", "HR", "Croatia", 60],
    ["cu", "CU", "Cuba", -300],
    ["cy", "CY", "Cyprus", 120],
    ["ez", "CZ", "Czech Republic", 60],
    ["da", "DK", "Denmark", 60],
    ["eg", "EG", "Egypt", 120],
    ["fr", "FR", "France", 60],
    ["gm", "DE", "Germany", 60],
    ["gr", "GR", "Greece", 120],
    ["in", "IN", "India", 330],
    ["id", "ID", "Indonesia", 420],
    ["ir", "IR", "Iran", 210],
    ["is", "IL", "Israel", 120],
    ["it", "IT", "Italy", 60],
    ["ja", "JP", "Japan", 540],
    ["ke", "KE", "Kenya", 180],
    ["kz", "KZ", "Kazakhstan", 360],
    ["mx", "MX", "Mexico", -360],
    ["my", "MY", "Malaysia", 480],
    ["np", "NP", "Nepal", 345],
    ["nl", "NL", "Netherlands", 60],
    ["nz", "NZ", "New Zealand", 720],
    ["ng", "NG", "Nigeria", 60],
    ["no", "NO", "Norway", 60],
    ["pk", "PK", "Pakistan", 300],
    ["pl", "PL", "Poland", 60],
    ["po", "PT", "Portugal", 0],
    ["qa", "QA", "Qatar", 180],
    ["ro", "RO", "Romania", 120],
    ["rs", "RU", "Russia", 180],
    ["sa", "SA", "Saudi Arabia", 180],
    ["sg", "SG", "Singapore", 480],
    ["sf", "ZA", "South Africa", 120],
    ["ks", "KR", "South Korea", 540],
    ["sp", "ES", "Spain", 60],
    ["ce", "LK", "Sri Lanka", 330],
    ["sw", "SE", "Sweden", 60],
    ["sz", "CH", "Switzerland", 60],
    ["th", "TH", "Thailand", 420],
    ["tu", "TR", "Turkey", 180],
    ["ug", "UG", "Uganda", 180],
    ["up", "UA", "Ukraine", 120],
    ["ae", "AE", "United Arab Emirates", 240],
    ["uk", "GB", "United Kingdom", 0],
    ["us", "US", "United States", -300],
    ["uy", "UY", "Uruguay", -180],
    ["uz", "UZ", "Uzbekistan", 300],
    ["vm", "VN", "Vietnam", 420],
    ["za", "ZM", "Zambia", 120],
    ["zi", "ZW", "Zimbabwe", 120],
];

// Every other country or territory of the data follows the 92, in the data's
// order, with its ISO code as file code; where that code already names one of
// the 92 files, its ISO alpha-3 code instead. Append new ones at the end:
// settings and files refer to the codes.
const alpha3ForTakenCodes = {
    AS: 'asm', BL: 'blm', CI: 'civ', GM: 'gmb', IS: 'isl', RS: 'srb', SZ: 'swz', VI: 'vir',
};

// Zones the data's country lists lack although whole regions keep them in the
// tz database: Puerto Rico (a US state in the data) and northern Vietnam.
const zoneAdditions = {
    US: ['America/Puerto_Rico'],
    VN: ['Asia/Bangkok'],
};

const headerSize = 36;
const stateSize = 12;
const citySize = 16;

// Names sort without regard to case or accents, so that "les Escaldes" files
// beside "Lleida" rather than after "Zurich"; code-point order breaks ties.
function sortKey(name) {
    return name.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();
}
function byName(a, b) {
    const ka = sortKey(a);
    const kb = sortKey(b);
    if (ka !== kb)
        return ka < kb ? -1 : 1;
    return a < b ? -1 : a > b ? 1 : 0;
}

// The pickers show "%.4f". The nearest float may round the other way from the
// source text (73.85535 becomes 73.855347 and shows 73.8553); a neighbour one
// step away shows the source's own four decimals, so prefer it.
function roundedText(text) {
    const m = /^(-?)(\d+)(?:\.(\d*))?$/.exec(text.trim());
    if (!m)
        throw new Error(`not a coordinate: ${text}`);
    const digits = BigInt(m[2] + (m[3] || '').padEnd(8, '0').slice(0, 8));
    let units = digits / 10000n;
    if (digits % 10000n >= 5000n)
        units += 1n; // half away from zero
    const s = units.toString().padStart(5, '0');
    const out = `${s.slice(0, -4)}.${s.slice(-4)}`;
    return units === 0n ? out : m[1] + out;
}

const f32 = new Float32Array(1);
const u32 = new Uint32Array(f32.buffer);
function floatStep(value, steps) {
    f32[0] = value;
    u32[0] += value >= 0 ? steps : -steps;
    return f32[0];
}

let nudged = 0;
function storedCoordinate(text) {
    const exact = Number(text);
    const want = roundedText(text);
    const nearest = Math.fround(exact);
    let best = null;
    for (let step = -2; step <= 2; ++step) {
        const candidate = floatStep(nearest, step);
        if (candidate.toFixed(4) !== want)
            continue;
        if (best === null || Math.abs(candidate - exact) < Math.abs(best - exact))
            best = candidate;
    }
    if (best === null) {
        console.warn(`warning: no float shows ${want} for ${text}`);
        return nearest;
    }
    if (best !== nearest)
        ++nudged;
    return best;
}

function citiesByState() {
    const map = new Map();
    for (const [name, country, state, lat, lon] of cityRows) {
        const key = `${country}|${state}`;
        if (!map.has(key))
            map.set(key, []);
        map.get(key).push({ name, lat, lon });
    }
    return map;
}

// The same zone under two names (Europe/Kiev and Europe/Kyiv) is one zone to ICU.
function canonicalZone(zone) {
    try {
        return new Intl.DateTimeFormat('en', { timeZone: zone }).resolvedOptions().timeZone;
    } catch {
        return zone;
    }
}

// The zones a country may give its cities: the data's list plus the additions,
// a listed name replaced by the spelling tz-lookup uses for the same zone.
function zoneListOf(iso) {
    const row = countryRows.find(c => c.isoCode === iso);
    const listed = (row?.timezones || []).map(t => t.zoneName).concat(zoneAdditions[iso] || []);
    const cities = cityRows.filter(r => r[1] === iso);
    const looked = new Set(cities.map(r => tzLookup(Number(r[3]), Number(r[4]))));
    const zones = [];
    for (const zone of listed) {
        const modern = [...looked].find(z => z !== zone && !listed.includes(z) && canonicalZone(z) === canonicalZone(zone));
        const name = modern || zone;
        if (!zones.includes(name))
            zones.push(name);
    }
    return zones;
}

function distance(a, b) {
    const rad = Math.PI / 180;
    const dLat = (b.lat - a.lat) * rad;
    const dLon = (b.lon - a.lon) * rad;
    const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * rad) * Math.cos(b.lat * rad) * Math.sin(dLon / 2) ** 2;
    return Math.asin(Math.min(1, Math.sqrt(h)));
}

let zonesReplaced = 0;
// tz-lookup's zone of each city of the country, or, where that zone is not the
// country's (a border town given its neighbour's zone), the zone of the
// nearest city of the same state that has one of the country's zones, else of
// the same country, else the country's first zone.
function assignZones(states, zones) {
    const all = [];
    for (const state of states)
        for (const city of state.cities) {
            const lat = Number(city.lat);
            const lon = Number(city.lon);
            all.push({ city, state, lat, lon, zone: tzLookup(lat, lon) });
        }
    const sound = all.filter(c => zones.includes(c.zone));
    for (const c of all) {
        if (zones.includes(c.zone))
            continue;
        ++zonesReplaced;
        const nearest = pool => pool.reduce((best, o) => (best === null || distance(c, o) < distance(c, best) ? o : best), null);
        const near = nearest(sound.filter(o => o.state === c.state)) || nearest(sound);
        c.zone = near ? near.zone : zones[0];
    }
    for (const c of all)
        c.city.zone = c.zone;
}

function buildCountry(iso, minutes, zones, cityIndex) {
    const states = [];
    if (iso) {
        for (const s of stateRows) {
            if (s.countryCode !== iso)
                continue;
            const cities = cityIndex.get(`${iso}|${s.isoCode}`) || [];
            // A state without cities would leave the city picker empty.
            if (cities.length > 0)
                states.push({ name: s.name, cities: [...cities].sort((a, b) => byName(a.name, b.name)) });
        }
    }
    states.sort((a, b) => byName(a.name, b.name));
    assignZones(states, zones);

    const pool = [];
    const poolOffsets = new Map();
    let poolSize = 0;
    function intern(name) {
        if (!poolOffsets.has(name)) {
            const bytes = Buffer.from(name + '\0', 'utf8');
            poolOffsets.set(name, poolSize);
            pool.push(bytes);
            poolSize += bytes.length;
        }
        return poolOffsets.get(name);
    }

    const cityCount = states.reduce((n, s) => n + s.cities.length, 0);
    const stateTable = headerSize;
    const cityTable = stateTable + stateSize * states.length;
    const poolStart = cityTable + citySize * cityCount;
    const head = Buffer.alloc(poolStart);
    head.write('ATLB', 0, 'latin1');
    head.writeUInt32LE(states.length, 12);
    head.writeUInt32LE(stateTable, 24);
    head.writeUInt32LE(cityTable, 28);
    head.writeUInt32LE(poolStart, 32);

    const cityZones = [];
    let cityNumber = 0;
    states.forEach((state, i) => {
        const at = stateTable + stateSize * i;
        head.writeUInt32LE(intern(state.name), at);
        head.writeUInt32LE(cityNumber, at + 4);
        head.writeUInt32LE(state.cities.length, at + 8);
        for (const city of state.cities) {
            const c = cityTable + citySize * cityNumber++;
            head.writeUInt32LE(intern(city.name), c);
            head.writeFloatLE(storedCoordinate(city.lat), c + 4);
            head.writeFloatLE(storedCoordinate(city.lon), c + 8);
            head.writeInt16LE(minutes, c + 12);
            cityZones.push(city.zone);
        }
    });
    return { bytes: Buffer.concat([head, ...pool]), states: states.length, cities: cityCount, cityZones };
}

// FNV-1a, 32 bits: ties a zone file to the exact atlas file it was made with.
function fnv1a(bytes) {
    let hash = 0x811c9dc5;
    for (const b of bytes)
        hash = Math.imul(hash ^ b, 0x01000193) >>> 0;
    return hash >>> 0;
}

// Layout (little-endian): "ATLZ", the FNV-1a hash of the country's .bin, the
// number of cities of its city table, the number of zones Z (at most 255),
// Z zero-terminated zone names, then one byte per city in city-table order:
// the index of its zone.
function buildZoneFile(atlasBytes, zones, cityZones) {
    if (zones.length > 255)
        throw new Error('too many zones');
    const head = Buffer.alloc(16);
    head.write('ATLZ', 0, 'latin1');
    head.writeUInt32LE(fnv1a(atlasBytes), 4);
    head.writeUInt32LE(cityZones.length, 8);
    head.writeUInt32LE(zones.length, 12);
    const names = Buffer.from(zones.map(z => z + '\0').join(''), 'latin1');
    const indexes = Buffer.from(cityZones.map(z => {
        const i = zones.indexOf(z);
        if (i < 0)
            throw new Error(`zone ${z} not in the list`);
        return i;
    }));
    return Buffer.concat([head, names, indexes]);
}

function standardMinutes(name, iso) {
    const row = countryRows.find(c => c.isoCode === iso);
    return Math.round((row?.timezones?.[0]?.gmtOffset || 0) / 60);
}

function allCountries() {
    const list = countries.map(([code, iso, name, minutes]) => ({ code, iso, name, minutes }));
    const taken = new Set(list.map(c => c.iso));
    for (const row of countryRows) {
        if (taken.has(row.isoCode))
            continue;
        const iso = row.isoCode;
        const code = alpha3ForTakenCodes[iso] || iso.toLowerCase();
        if (list.some(c => c.code === code))
            throw new Error(`code ${code} of ${row.name} is taken`);
        list.push({ code, iso, name: row.name, minutes: standardMinutes(row.name, iso) });
    }
    return list;
}

function cString(text) {
    return JSON.stringify(text);  // the names are printable; JSON escapes are C escapes here
}

function countryTable(list) {
    const lines = list.map(c => `    {${cString(c.code)}, ${cString(c.iso || '')}, ${cString(c.name)}, ${cString(c.zones.join(' '))}},`);
    return `// Generated by tools/atlas/build_atlas.mjs from country-state-city ${version}; do not edit.
// The first ${countries.length} entries keep their order and codes: settings refer to them.
#include "document/atlas_database.h"

#include <array>

namespace lumikan::document {

namespace {

// clang-format off
constexpr std::array<AtlasCountry, kAtlasCountryCount> kAtlasCountries = {{
${lines.join('\n')}
}};
// clang-format on

} // namespace

std::span<const AtlasCountry> atlasCountries()
{
    return kAtlasCountries;
}

} // namespace lumikan::document
`;
}

const outDir = resolve(process.argv[2] || join(here, '..', '..', 'mondo'));
mkdirSync(outDir, { recursive: true });
const cityIndex = citiesByState();
const list = allCountries();
let total = 0;
for (const country of list) {
    country.zones = country.iso ? zoneListOf(country.iso) : [];
    const { bytes, states, cities, cityZones } = buildCountry(country.iso, country.minutes, country.zones, cityIndex);
    writeFileSync(join(outDir, `${country.code}.bin`), bytes);
    writeFileSync(join(outDir, `${country.code}.zones`), buildZoneFile(bytes, country.zones, cityZones));
    total += cities;
    console.log(`${country.code}.bin  ${country.name}: ${states} states, ${cities} cities, ${country.zones.length} zones`);
}
const tableFile = process.argv[2] ? join(outDir, 'atlas_country_table.cpp')
                                  : join(here, '..', '..', 'document', 'atlas_country_table.cpp');
writeFileSync(tableFile, countryTable(list));
console.log(`${list.length} countries, ${total} cities, ${nudged} coordinates moved one float step, ` +
            `${zonesReplaced} cities given a zone of their own country instead of tz-lookup's`);
