#!/usr/bin/env bash
# Builds the Debian package of Zarlin into build/: install it with
# sudo apt-get install ./build/zarlin_1.00_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
(cd build && cpack -G DEB)
