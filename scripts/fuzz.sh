#!/usr/bin/env bash
# Runs every built fuzzer for a while (FUZZ_SECONDS, default 60) on a scratch corpus seeded with
# the files of its kind from the sample library and the test data, and reports the runs.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

# The seed files of one fuzzer, one path a line.
seeds() {
  case "$1" in
    fuzz_loader) find "$root/tests/data/sheets" "$root/library/Connection Standards" -name '*.ovs' ;;
    fuzz_formula) find "$root/tests/data/formulas" -name '*.txt' ;;
    fuzz_drawing) find "$root/tests/data/drawings" "$root/library/Drawings" -name '*.json' ;;
    fuzz_mapping) find "$root/library" "$root/tests/data" -name '*.map' ;;
    fuzz_lookup) find "$root/tests/data/standards" "$root/library/Connection Standards/Data" \
                   -maxdepth 1 -name '*.txt' ;;
    fuzz_profile_table) find "$root/library/prof" -name '*.pr'
                        echo "$root/library/SectionLibrary.txt" ;;
    fuzz_template) find "$root/library/Dialog Templates" -name '*.txt' ;;
    fuzz_settings) find "$root/tests/data/sheets" -name '*.ovd' ;;
    fuzz_registry) echo "$root/fuzz/seeds/registry.json" ;;
  esac
}

status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  count=0
  while IFS= read -r seed; do
    [ -f "$seed" ] || continue
    cp "$seed" "$corpus/seed-$count"
    count=$((count + 1))
  done < <(seeds "$name")
  log=$(mktemp)
  if "$fuzzer" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
       "$corpus" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} runs in ${seconds}s from $count seeds, clean"
  else
    echo "$name: FAILED"
    tail -n 40 "$log"
    status=1
  fi
  rm -rf "$corpus" "$log"
done
exit $status
