#!/usr/bin/env bash
# Installs what Zarlin needs, then builds and runs every test twice: in an optimised build and
# in a build with AddressSanitizer and UndefinedBehaviourSanitizer; and the window and timer
# tests once more in a portable build, as on a system without xcb's headers, timerfd or libpulse.
# The optimised build's tests include the Debian package, built twice from this tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install.sh
jobs=$(nproc)
# A test that fails is run once more before the run fails: the end-to-end tests play against
# real compositors and sound servers started for them, whose start-up now and then loses a race
# of its own; a fault of the game fails twice.
repeat=(--repeat until-pass:2)

scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
ctest --test-dir build --output-on-failure -j "$jobs" "${repeat[@]}"

scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZARLIN_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" "${repeat[@]}"

scripts/build.sh build-portable -DCMAKE_BUILD_TYPE=Release -DZARLIN_X11=OFF -DZARLIN_SPIN_TIMER=ON \
  -DZARLIN_SOUND=OFF
ctest --test-dir build-portable --output-on-failure -j "$jobs" "${repeat[@]}" -L windows
