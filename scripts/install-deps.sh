#!/usr/bin/env bash
# Installs the Debian packages that building and testing ovss needs, only those missing.
set -euo pipefail
packages=(g++ clang cmake make pkg-config qt6-base-dev nlohmann-json3-dev libsimdjson-dev libcli11-dev libfmt-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
