#!/usr/bin/env python3
"""Writes the seed corpus of the atlas reader's fuzz target: fuzz/corpus/atlas/.

Files named ok_* are sound atlas files; every bad_* file is damaged in one way
and must be rejected like a file with the wrong magic. The atlas tests replay
the folder and check exactly that.

    python3 tools/atlas/make_fuzz_corpus.py
"""
import math
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "fuzz" / "corpus" / "atlas"


def atlas(states):
    """states: [(name, [(city, lat, lon, minutes), ...]), ...] in the builder's layout."""
    city_count = sum(len(c) for _, c in states)
    state_table = 36
    city_table = state_table + 12 * len(states)
    pool_start = city_table + 16 * city_count
    pool = bytearray()

    def name(text):
        offset = len(pool)
        pool.extend(text.encode("utf-8") + b"\0")
        return offset

    state_bytes = bytearray()
    city_bytes = bytearray()
    first = 0
    for state, cities in states:
        state_bytes += struct.pack("<III", name(state), first, len(cities))
        for city, lat, lon, minutes in cities:
            city_bytes += struct.pack("<Iffhh", name(city), lat, lon, minutes, 0)
        first += len(cities)
    header = b"ATLB" + struct.pack("<IIIIIIII", 0, 0, len(states), 0, 0, state_table, city_table, pool_start)
    return bytearray(header + state_bytes + city_bytes + pool)


SMALL = [
    ("Goa", [("Panaji", 15.4909, 73.8278, 330)]),
    ("Maharashtra", [("Mumbai", 19.076, 72.8777, 330), ("Pune", 18.5196, 73.8554, 330)]),
]


def put32(data, at, value):
    struct.pack_into("<I", data, at, value & 0xFFFFFFFF)


def get32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def city_record(data, index):
    return get32(data, 28) + 16 * index


def corpus():
    small = atlas(SMALL)
    pool = get32(small, 32)
    files = {
        "ok_small.bin": small,
        "ok_no_states.bin": atlas([]),
        "ok_state_without_cities.bin": atlas([("Empty", []), ("Goa", [("Panaji", 15.49, 73.83, 330)])]),
        "bad_empty.bin": bytearray(),
        "bad_magic.bin": bytearray(b"ATLX") + small[4:],
        "bad_magic_lower_case.bin": bytearray(b"atlb") + small[4:],
        "bad_short_header.bin": small[:35],
    }

    def damaged(name, change):
        data = bytearray(small)
        change(data)
        files[name] = data

    size = len(small)
    damaged("bad_state_table_past_end.bin", lambda d: put32(d, 24, size + 1))
    damaged("bad_state_table_cut_by_end.bin", lambda d: put32(d, 24, size - 12))
    # 0x15555556 states of 12 bytes wrap to 8 bytes in 32-bit arithmetic.
    damaged("bad_state_count_overflows.bin", lambda d: put32(d, 12, 0x15555556))
    damaged("bad_state_count_huge.bin", lambda d: put32(d, 12, 0xFFFFFFFF))
    damaged("bad_city_table_past_end.bin", lambda d: put32(d, 28, size + 16))
    damaged("bad_pool_past_end.bin", lambda d: put32(d, 32, size + 1))
    damaged("bad_city_count_past_end.bin", lambda d: put32(d, 36 + 12 + 8, 1000))
    # First city 0xFFFFFFFF plus 2 cities wraps to 1 in 32-bit arithmetic.
    damaged("bad_first_city_wraps.bin", lambda d: (put32(d, 36 + 4, 0xFFFFFFFF), put32(d, 36 + 8, 2)))
    damaged("bad_first_city_past_end.bin", lambda d: put32(d, 36 + 12 + 4, 1000))
    damaged("bad_state_name_past_end.bin", lambda d: put32(d, 36, size))
    damaged("bad_city_name_past_end.bin", lambda d: put32(d, city_record(d, 2), size - pool + 5))
    # Pool offset plus name offset wraps to the start of the file in 32 bits.
    damaged("bad_city_name_wraps.bin", lambda d: put32(d, city_record(d, 0), 0x100000000 - pool))
    damaged("bad_unterminated_last_name.bin", lambda d: d.__setitem__(len(d) - 1, ord("x")))
    files["bad_truncated_in_city_table.bin"] = small[: city_record(small, 1) + 7]
    files["bad_truncated_in_pool.bin"] = small[: pool + 3]
    damaged("bad_latitude_nan.bin", lambda d: struct.pack_into("<f", d, city_record(d, 1) + 4, math.nan))
    damaged("bad_latitude_past_pole.bin", lambda d: struct.pack_into("<f", d, city_record(d, 1) + 4, 90.5))
    damaged("bad_longitude_infinite.bin", lambda d: struct.pack_into("<f", d, city_record(d, 0) + 8, -math.inf))
    return files


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, data in corpus().items():
        (OUT / name).write_bytes(bytes(data))
    andorra = ROOT / "mondo" / "an.bin"
    if andorra.exists():
        (OUT / "ok_andorra.bin").write_bytes(andorra.read_bytes())
    print(f"wrote {len(list(OUT.iterdir()))} files to {OUT}")


if __name__ == "__main__":
    main()
