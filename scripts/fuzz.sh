#!/usr/bin/env bash
# Runs every built fuzzer for a short while (FUZZ_SECONDS, default 60) on a scratch corpus.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  corpus=$(mktemp -d)
  echo "== $(basename "$fuzzer") for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -max_len=4096 "$corpus" 2>&1 | tail -n 3 || status=1
  rm -rf "$corpus"
done
exit $status
