#!/usr/bin/env bash
# The main job on the bundled sample library: the connection standards of
# "library/Connection Standards" computed for the macros of library/Drawings/sample.json
# (macro mode, showing what the calculation changed), then each standard on its own with
# input values given on the command line (list mode).
set -euo pipefail
ovss=${1:-build/bin/ovss}
here=$(cd "$(dirname "$0")/.." && pwd)
export OVSS_LIBDIR=${OVSS_LIBDIR:-$here/library/}
drawing=$here/library/Drawings/sample.json

"$ovss" info

if ! "$ovss" --help | grep -qE '^[[:space:]]+calc[[:space:]]'; then
    echo "This ovss has no calc command yet; the library's standards are listed instead."
    ls "$OVSS_LIBDIR/Connection Standards"
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Macro mode: each macro of the drawing dimensioned by its standard. The end plate and the fin
# plate and the base plate use their mapping files (key = macro name).
# The calculation writes a copy of the drawing; the difference to the original is what it changed.
macro_calc() {
    local macro=$1 standard=$2 module=$3
    echo
    echo "== macro $macro, standard $standard ($module)"
    cp "$drawing" "$work/after.json"
    "$ovss" calc --drawing "$work/after.json" --macro "$macro" --standard "$standard" \
        --module "$module" --write
    echo "-- what changed in the drawing:"
    # Each changed value with the variable it belongs to: a dialog variable's "value" by the
    # variable's name, any other field (a bolt block's diameter, a pattern's count) by its
    # module and field name. The whole file is context, so every name is seen.
    diff -U1000000 "$drawing" "$work/after.json" | awk '
        /"name":/ { name = $0; sub(/.*"name": "/, "", name); sub(/".*/, "", name) }
        /"group":/ { module = name }
        /^-[^-]/ { old = $0; sub(/^-[ ]*/, "", old); sub(/,$/, "", old)
                   key = old; sub(/^"/, "", key); sub(/".*/, "", key); sub(/^"[^"]*": /, "", old)
                   n++; olds[n] = old; labels[n] = (key == "value") ? name : module "." key }
        /^\+[^+]/ { new = $0; sub(/^\+[ ]*/, "", new); sub(/,$/, "", new); sub(/^"[^"]*": /, "", new)
                    m++; printf "   %-22s %s  ->  %s\n", labels[m], olds[m], new }' || true
}
macro_calc EndPlateBeamToColumn EndPlateBeamColumn EndPlateBeamToColumn
macro_calc BasePlate BasePlate BasePlate
macro_calc FinPlate FinPlate FinPlate

# List mode: Input values by name, as a parent sheet's CallChild would hand them over.
list_calc() {
    echo
    echo "== standard $*"
    "$ovss" calc "$@"
}
list_calc EndPlateBeamColumn --set BeamSection=IPE300 --set ColumnSection=HEB200 \
    --set BoltDiameter=20
list_calc BasePlate --set Column.Name=HEB300 --set Anchor.Diameter=24
list_calc FinPlate --set BeamSection=IPE400 --set BoltDiameter=20 --set Shear=300
