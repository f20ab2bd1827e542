#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora from the shipped cities.

    fuzz/make_seeds.py BUILD_DIR

Run after a build; the seeds are kept in fuzz/corpus/.
"""
import json
import pathlib
import struct
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent
build = pathlib.Path(sys.argv[1])
route = build / "bin" / "tunnex-route"

for module in sorted((build / "bin").glob("*.tnd")):
    city = json.loads(subprocess.run([str(route), "--city", str(module), "--dump"],
                                     capture_output=True, check=True, text=True).stdout)
    out = bytearray(struct.pack("8B", city["IsNTime"], city["NumOfStations"], city["NumOfLines"],
                                city["CityCode"], city["DefFirstStation"], city["MaxChanges"],
                                city["FileVersion"], city["CityVersion"]))
    stations = bytearray(8280)
    for s in city["stations"]:
        name = s["Name"].encode("cp1251")
        record = struct.pack("<B25sBBHHBBBBHHHHBB", len(name), name, s["Line"], 0, s["X"], s["Y"],
                             s["Next"], s["Prev"], s["MinutesToNext"], s["MinutesToPrev"],
                             s["BendToNextX"], s["BendToNextY"], s["BendToPrevX"], s["BendToPrevY"],
                             s["InOperation"], 0)
        stations[(s["number"] - 1) * 46:s["number"] * 46] = record
    changes = bytearray(726)
    for t in city["transfers"]:
        at = (t["from_line"] - 1) * 66 + (t["to_line"] - 1) * 6 + (t["option"] - 1) * 3
        changes[at:at + 3] = bytes([t["FromStation"], t["ToStation"], t["Minutes"]])
    out += stations + changes + bytes(city["day_waits"]) + bytes(city["evening_waits"])
    n = city["NumOfStations"]
    for i, settings in enumerate([(1, n, 3, 10, 0b01011), (n // 2, 2, 5, 25, 0b10011), (3, 4, 0, 1, 0b00100)]):
        (root / "corpus" / "fuzz_city_search" / f"{module.stem}_{i}").write_bytes(out + bytes(settings))

# Whole module files: the shipped ones, small copies of them and the hand-made good one.
module_seeds = root / "corpus" / "fuzz_module_file"
module_seeds.mkdir(parents=True, exist_ok=True)
# Small copies (pictures shrunk to the CIRCLE) let the fuzzer reach the tables and the
# search thousands of times a second; the whole modules are there as they ship.
small = build / "tests" / "shell" / "small.tnd"
for old in module_seeds.iterdir():
    old.unlink()
for module in sorted((build / "bin").glob("*.tnd")) + [build / "tests" / "shell" / "modules" / "good.tnd"]:
    # The first byte of an input says whether the fuzzer sets the checksums right first.
    (module_seeds / module.stem).write_bytes(b"\x01" + module.read_bytes())
    if module.parent.name == "bin":
        subprocess.run([str(build / "tests" / "shell" / "make_fake_modules"), "--small", str(module), str(small)],
                       check=True)
        (module_seeds / f"{module.stem}_small").write_bytes(b"\x01" + small.read_bytes())
        small.unlink()

dib_seeds = root / "corpus" / "fuzz_dib"
dib_seeds.mkdir(parents=True, exist_ok=True)
for picture in ("CIRCLE", "FLAG1", "L1"):
    for source in sorted((build / "city" / "cities").glob(f"*/pictures/{picture}.dib"))[:2]:
        (dib_seeds / f"{source.parent.parent.name}_{picture}").write_bytes(source.read_bytes())

cities = root.parent / "city" / "cities"
for folder in sorted(p for p in cities.iterdir() if p.is_dir()):
    files = ["city.txt", "lines.txt", "stations.txt", "transfers.txt", "info.txt", "rivers.txt"]
    parts = [(folder / f).read_bytes() for f in files if (folder / f).exists()]
    (root / "corpus" / "fuzz_city_source" / folder.name).write_bytes(b"\x1e".join(parts))
