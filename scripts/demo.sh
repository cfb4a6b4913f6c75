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
# plate use their mapping files (key = macro name); the base plate is mapped by module group.
# The calculation works on a copy; the difference to the original is what it changed.
macro_calc() {
    local macro=$1 standard=$2 module=$3
    echo
    echo "== $macro: $standard ($module)"
    cp "$drawing" "$work/before.json"
    cp "$drawing" "$work/after.json"
    "$ovss" calc --drawing "$work/after.json" --macro "$macro" --standard "$standard" \
        --module "$module"
    diff -u --label "before" --label "after" "$work/before.json" "$work/after.json" || true
}
macro_calc EndPlateBeamToColumn EndPlateBeamColumn EndPlateBeamToColumn
macro_calc BasePlate BasePlate Module.BasePlate
macro_calc FinPlate FinPlate FinPlate

# List mode: Input values by position, in the order the standard declares them.
list_calc() {
    local standard=$1
    shift
    echo
    echo "== $standard $*"
    "$ovss" calc --standard "$standard" "$@"
}
list_calc EndPlateBeamColumn IPE300 HEB200 20
list_calc "Childs/EndPlateBoltRows" 300 10.7 22 35 20
list_calc BasePlate HEB300 24
list_calc FinPlate IPE400 20 300
