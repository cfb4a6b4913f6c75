#!/usr/bin/env python3
"""Builds the sample profile tables library/prof/{IPE,HEA,HEB}.pr from the European I-section
data (shared/data/sections/i_profiles_euro.json, lengths in cm).

The tables are written by `ovss prof import`, so the files are exactly what the profile values
table reads. Usage:
    scripts/make_sample_profiles.py DATA.json [--ovss build/bin/ovss] [--lib library]
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile

LANGUAGES = ["Dutch", "English", "French", "German"]
SHAPE_I = "1"  # built-in shape number of an I section
# (column name, key in the data, factor): lengths cm -> mm; the rest keep the data's units.
COLUMNS = [
    ("h", "h", 10), ("b", "b", 10), ("tw", "tw", 10), ("tf", "tf", 10), ("r", "r", 10),
    ("m", "m", 1), ("A", "A", 1), ("Iy", "Iy", 1), ("Iz", "Iz", 1),
    ("Wel_y", "Wel_y", 1), ("Wpl_y", "Wpl_y", 1),
]
TYPES = ["IPE", "HEA", "HEB"]


def number_text(value):
    """Shortest decimal text of the value, rounded off float noise: 5.6000000000000005 -> 5.6."""
    text = repr(round(float(value), 6))
    return text[:-2] if text.endswith(".0") else text


def table_lines(sections, type_name):
    rows = []
    for section in sections:
        match = re.fullmatch(re.escape(type_name) + r"(\d+)", section["Section"])
        if match:
            rows.append((int(match.group(1)), match.group(1), section))
    rows.sort()
    lines = ["\t".join(["SysName", "I/O"] + LANGUAGES + [c[0] for c in COLUMNS])]
    for _, sys_name, section in rows:
        user_name = type_name + sys_name  # "IPE200"; the full name is "IPE-200"
        values = [number_text(section[key] * factor) for _, key, factor in COLUMNS]
        lines.append("\t".join([sys_name, "1"] + [user_name] * len(LANGUAGES) + values))
    return lines, len(rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("data")
    parser.add_argument("--ovss", default="build/bin/ovss")
    parser.add_argument("--lib", default="library")
    args = parser.parse_args()
    with open(args.data, encoding="utf-8") as f:
        sections = json.load(f)
    with tempfile.TemporaryDirectory() as work:
        for type_name in TYPES:
            lines, count = table_lines(sections, type_name)
            if count == 0:
                sys.exit(f"no {type_name} sections in {args.data}")
            tsv = os.path.join(work, type_name + ".tsv")
            with open(tsv, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
            subprocess.run([args.ovss, "prof", "import", tsv, type_name, "--shape", SHAPE_I,
                            "--lib", args.lib], check=True)


if __name__ == "__main__":
    main()
