#!/usr/bin/env bash
# Builds Zarlin's source and binary Debian packages as the archive does, tests included, and
# moves them from beside the tree into build/: install with
# sudo apt-get install ./build/zarlin_1.00_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install.sh package
dpkg-buildpackage -us -uc -J"$(nproc)" --post-clean
mkdir -p build
version=$(dpkg-parsechangelog -S Version)
for made in ../zarlin_"$version"* ../zarlin-dbgsym_"$version"_*; do
  mv "$made" build/
  echo "build/${made#../}"
done
