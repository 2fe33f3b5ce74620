#!/usr/bin/env bash
# Configures and builds one Zarlin build folder: scripts/build.sh DIR [extra cmake arguments].
set -euo pipefail
dir=$1; shift
cmake -S "$(dirname "$0")/.." -B "$dir" -G Ninja -DZARLIN_WERROR=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
