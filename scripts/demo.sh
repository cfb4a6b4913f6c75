#!/usr/bin/env bash
# The main job on the bundled sample library.
set -euo pipefail
ovss=${1:-build/bin/ovss}
here=$(cd "$(dirname "$0")/.." && pwd)
export OVSS_LIBDIR=${OVSS_LIBDIR:-$here/library/}
"$ovss" --help
"$ovss" info
