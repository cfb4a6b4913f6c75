#!/usr/bin/env python3
"""Writes the connection standards of the sample library as .ovs sheets.

Each sheet is laid out in two columns: column A holds the area headers, the declarations
and the equations; column B holds notes beside the declarations. The sheets are written as
CSV and turned into .ovs files with `ovss convert`, so the committed files are always what
this script describes.

    scripts/make_sample_standards.py --ovss build/bin/ovss --lib library
"""

import argparse
import csv
import os
import subprocess
import sys
import tempfile

# (file name relative to "Connection Standards", title, rows); a row is (column A, note).
SHEETS = [
    (
        "EndPlateBeamColumn.ovs",
        "End plate beam-to-column connection, extended above the top flange",
        [
            ("Input", ""),
            ("String BeamSection", "beam section, e.g. IPE300"),
            ("String ColumnSection", "column section, e.g. HEB200"),
            ("Double BoltDiameter", "bolt diameter d (mm): 12, 16, 20, 24, 27 or 30"),
            ("Output", ""),
            ("Double PlateThickness", "standard thickness near d (mm)"),
            ("Double PlateWidth", "stock flat width for that thickness (mm)"),
            ("Double PlateHeight", "beam height plus both extensions (mm)"),
            ("Double TopExtension", "room for one bolt row above the flange (mm)"),
            ("Double BottomExtension", "weld access below the bottom flange (mm)"),
            ("Double HoleOffset", "hole clearance d0 - d (mm)"),
            ("Double Gauge", "horizontal bolt spacing, fits the column flange (mm)"),
            ("Double Pitch", "vertical bolt spacing between the flanges (mm)"),
            ("String NrRows", "bolt rows, from the child sheet"),
            ("Local", ""),
            ("Double BeamH", ""),
            ("Double BeamB", ""),
            ("Double BeamTf", ""),
            ("Double ColumnB", ""),
            ("Double HoleDia", "d0 from the bolt table"),
            ("Double EdgeDist", "1.5 d0, rounded up to 5 mm"),
            ("Calc", ""),
            ("BeamH = SECTIONSIZE(BeamSection, 1)", ""),
            ("BeamB = SECTIONSIZE(BeamSection, 2)", ""),
            ("BeamTf = SECTIONSIZE(BeamSection, 4)", ""),
            ("ColumnB = SECTIONSIZE(ColumnSection, 2)", ""),
            ('HoleDia = TONUMBER(GETCELL("BoltTable.txt", BoltDiameter, "d0"))', ""),
            ("HoleOffset = HoleDia - BoltDiameter", ""),
            ("EdgeDist = CEILING(1.5 * HoleDia, 5)", ""),
            ('PlateThickness = STDSIZEWITHTOLERANCE("PlateThicknesses.txt", 5, BoltDiameter, 2, 10)',
             ""),
            ("Gauge = MIN(MAX(CEILING(BeamB * 6 / 10, 10), CEILING(2.4 * HoleDia, 10)), "
             "FLOOR(ColumnB - 2 * EdgeDist, 10))", ""),
            ('PlateWidth = STDWIDTHWITHTOLERANCE("PlateSizes.txt", 10, PlateThickness, '
             "MAX(BeamB, Gauge + 2 * EdgeDist), 0, 50)", ""),
            ("TopExtension = 2 * EdgeDist", ""),
            ("BottomExtension = CEILING(PlateThickness, 5)", ""),
            ("PlateHeight = BeamH + TopExtension + BottomExtension", ""),
            ('CallChild("EndPlateBoltRows.ovs", BeamH, BeamTf, HoleDia, EdgeDist, '
             "PlateThickness, NrRows, Pitch)", ""),
        ],
    ),
    (
        "Childs/EndPlateBoltRows.ovs",
        "Bolt rows of an end plate: evenly spread between the flanges, plus one above",
        [
            ("Input", ""),
            ("Double Depth", "beam height h (mm)"),
            ("Double Flange", "beam flange thickness tf (mm)"),
            ("Double HoleDia", "bolt hole diameter d0 (mm)"),
            ("Double EdgeDist", "distance of a row from a flange (mm)"),
            ("Double PlateT", "end plate thickness (mm)"),
            ("Output", ""),
            ("Double NrRows", "rows between the flanges and one in the extension"),
            ("Double Pitch", "spacing of the rows between the flanges (mm)"),
            ("Local", ""),
            ("Double Avail", "room for rows between the flanges (mm)"),
            ("Double MinPitch", "2.2 d0"),
            ("Double MaxPitch", "the smaller of 14 t and 200 mm"),
            ("Double RowsInside", ""),
            ("Calc", ""),
            ("Avail = Depth - 2 * Flange - 2 * EdgeDist", ""),
            ("MinPitch = CEILING(2.2 * HoleDia, 5)", ""),
            ("MaxPitch = MIN(200, 14 * PlateT)", ""),
            ("RowsInside = IF(Avail < MinPitch, 1, MAX(2, CEILING(Avail / MaxPitch, 1) + 1))", ""),
            ("Pitch = IF(RowsInside > 1, FLOOR(Avail / (RowsInside - 1), 5), 0)", ""),
            ("NrRows = RowsInside + 1", ""),
        ],
    ),
    (
        "BasePlate.ovs",
        "Base plate of a column with four or six anchor bolts outside the flanges",
        [
            ("Input", ""),
            ("String Column.Name", "column section, e.g. HEB200"),
            ("Double Anchor.Diameter", "anchor bolt diameter d (mm)"),
            ("Output", ""),
            ("Double Thickness", "stock thickness of at least d and 1.5 tf (mm)"),
            ("Double Length", "along the column web (mm)"),
            ("Double Width", "stock flat width across the flanges (mm)"),
            ("Double SpacingX", "anchor spacing along the length (mm)"),
            ("Double SpacingY", "anchor spacing across the width (mm)"),
            ("Double Anchor.HoleOffset", "oversize of the anchor holes (mm)"),
            ("String Anchors.NrBolts1", "anchors along the length"),
            ("String Anchors.NrBolts2", "anchors across the width"),
            ("Local", ""),
            ("Double ColumnH", ""),
            ("Double ColumnB", ""),
            ("Double ColumnTf", ""),
            ("Double HoleDia", "anchor hole from the bolt table"),
            ("Double Edge", "1.5 d0, rounded up to 5 mm"),
            ("Calc", ""),
            ("ColumnH = SECTIONSIZE(Column.Name, 1)", ""),
            ("ColumnB = SECTIONSIZE(Column.Name, 2)", ""),
            ("ColumnTf = SECTIONSIZE(Column.Name, 4)", ""),
            ('HoleDia = TONUMBER(GETCELL("BoltTable.txt", Anchor.Diameter, "AnchorHole"))', ""),
            ("Anchor.HoleOffset = HoleDia - Anchor.Diameter", ""),
            ("Edge = CEILING(1.5 * HoleDia, 5)", ""),
            ('Thickness = STDTHICKNESSWITHTOLERANCE("PlateSizes.txt", 5, '
             "MAX(Anchor.Diameter, 1.5 * ColumnTf), 0, 15)", ""),
            ("Length = CEILING(ColumnH + 4 * Edge, 10)", ""),
            ('Width = STDWIDTHWITHTOLERANCE("PlateSizes.txt", 10, Thickness, ColumnB + 2 * Edge, 0, 60)',
             ""),
            ("SpacingX = Length - 2 * Edge", ""),
            ("SpacingY = Width - 2 * Edge", ""),
            ('Anchors.NrBolts1 = IF(SpacingX > 400, "3", "2")', ""),
            ('Anchors.NrBolts2 = "2"', ""),
        ],
    ),
    (
        "FinPlate.ovs",
        "Fin plate shear connection of a beam web, one bolt column",
        [
            ("Input", ""),
            ("String BeamSection", "supported beam, e.g. IPE300"),
            ("Double BoltDiameter", "bolt diameter d (mm)"),
            ("Double Shear", "design shear force V (kN)"),
            ("Output", ""),
            ("Double Thickness", "at most d / 2, for rotation capacity (mm)"),
            ("Double Height", "(mm)"),
            ("Double Width", "stock flat width (mm)"),
            ("Double Pitch", "3 d0, at least 70 mm"),
            ("Double EdgeDistance", "1.5 d0, rounded up to 5 mm"),
            ("Double HoleOffset", "hole clearance d0 - d (mm)"),
            ("String NrRows", "bolts in the column"),
            ("Local", ""),
            ("Double BeamH", ""),
            ("Double BeamTf", ""),
            ("Double BeamR", ""),
            ("Double HoleDia", ""),
            ("Double BoltShear", "shear resistance of one bolt (kN)"),
            ("Double RowsForShear", ""),
            ("Double RowsForDepth", "the plate covers 0.6 h of the beam"),
            ("Double MaxRows", "what fits on the straight part of the web"),
            ("Double Rows", ""),
            ("Calc", ""),
            ("BeamH = SECTIONSIZE(BeamSection, 1)", ""),
            ("BeamTf = SECTIONSIZE(BeamSection, 4)", ""),
            ("BeamR = SECTIONSIZE(BeamSection, 5)", ""),
            ('HoleDia = TONUMBER(GETCELL("BoltTable.txt", BoltDiameter, "d0"))', ""),
            ("HoleOffset = HoleDia - BoltDiameter", ""),
            ('BoltShear = TONUMBER(GETCELL("BoltTable.txt", BoltDiameter, "FvRd"))', ""),
            ("EdgeDistance = CEILING(1.5 * HoleDia, 5)", ""),
            ("Pitch = CEILING(MAX(70, 3 * HoleDia), 5)", ""),
            ('Thickness = STDSIZEWITHTOLERANCE("PlateThicknesses.txt", 1, 0.5 * BoltDiameter, 2, 0)',
             ""),
            ("RowsForShear = CEILING(MAX(Shear, 0) / BoltShear, 1)", ""),
            ("RowsForDepth = CEILING((BeamH * 6 / 10 - 2 * EdgeDistance) / Pitch, 1) + 1", ""),
            ("MaxRows = INT((BeamH - 2 * BeamTf - 2 * BeamR - 2 * EdgeDistance) / Pitch) + 1", ""),
            ("Rows = MAX(1, MIN(MaxRows, MAX(2, RowsForShear, RowsForDepth)))", ""),
            ('NrRows = Rows & ""', ""),
            ("Height = (Rows - 1) * Pitch + 2 * EdgeDistance", ""),
            ('Width = STDWIDTHWITHTOLERANCE("PlateSizes.txt", 10, Thickness, 2 * EdgeDistance + 30, 0, 40)',
             ""),
        ],
    ),
]


def write_csv(path, title, rows):
    with open(path, "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow([title, ""])
        for cell, note in rows:
            writer.writerow([cell, note])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ovss", required=True, help="the built ovss tool")
    parser.add_argument("--lib", required=True, help="the library folder to write into")
    args = parser.parse_args()

    target_root = os.path.join(args.lib, "Connection Standards")
    with tempfile.TemporaryDirectory() as tmp:
        for name, title, rows in SHEETS:
            csv_path = os.path.join(tmp, os.path.basename(name) + ".csv")
            write_csv(csv_path, title, rows)
            target = os.path.join(target_root, name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            result = subprocess.run([args.ovss, "convert", csv_path, target])
            if result.returncode != 0:
                sys.exit(f"converting {name} failed")
            print(f"wrote {target}")


if __name__ == "__main__":
    main()
