#!/usr/bin/env bash
# Installs what Zarlin needs, builds it and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here (DISPLAY and WAYLAND_DISPLAY are unset): run 'build/app/zarlin' from a desktop session, or 'xvfb-run build/app/zarlin' for an invisible one." >&2
  exit 1
fi
exec build/app/zarlin
