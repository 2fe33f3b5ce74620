#!/usr/bin/env bash
# The play command installs what building and playing need, and the virtual screen only where
# there is no display: no compositor, sound server, linter, packaging tool or test library.
# scripts/install.sh runs against stand-ins for apt-get and dpkg-query that find nothing
# installed and write down what they are asked: what_playing_installs.sh [ROOT].
set -euo pipefail
root=${1:-$(dirname "$0")/../..}
stand_ins=$(mktemp -d)
trap 'rm -rf "$stand_ins"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
printf '#!/bin/sh\nexit 1\n' > "$stand_ins/dpkg-query"
printf '#!/bin/sh\necho "$*" >> "%s/asked"\n' "$stand_ins" > "$stand_ins/apt-get"
printf '#!/bin/sh\nexec "$@"\n' > "$stand_ins/sudo"
chmod +x "$stand_ins"/*

asked() {  # asked [VARIABLE=VALUE...]: the packages install.sh play asks apt-get to install
  rm -f "$stand_ins/asked"
  env -u DISPLAY -u WAYLAND_DISPLAY "$@" PATH="$stand_ins:$PATH" bash "$root/scripts/install.sh" play >/dev/null
  grep -qx 'update -qq' "$stand_ins/asked" || fail "apt-get update was not run first"
  sed -n 's/^install -y -qq --no-install-recommends //p' "$stand_ins/asked" | tr ' ' '\n'
}
on_a_desktop=$(asked DISPLAY=:0)
headless=$(asked)
on_wayland=$(asked WAYLAND_DISPLAY=wayland-0)
for needed in build-essential cmake ninja-build qt6-base-dev libpulse-dev; do
  grep -qx "$needed" <<<"$on_a_desktop" || fail "playing does not install $needed"
done
for virtual in xvfb openbox xdotool imagemagick; do
  grep -qx "$virtual" <<<"$headless" || fail "without a display, playing does not install $virtual"
  ! grep -qx "$virtual" <<<"$on_a_desktop$on_wayland" || fail "on a desktop, playing installs $virtual"
done
for tests_only in mutter kwin-wayland pulseaudio pipewire wireplumber lintian devscripts debhelper \
    autopkgtest diffoscope-minimal libgtest-dev fonts-cantarell fonts-noto-cjk; do
  ! grep -qx "$tests_only" <<<"$headless" || fail "playing installs $tests_only, which only the tests need"
done
echo "playing installs $(wc -l <<<"$headless") packages without a display, $(wc -l <<<"$on_a_desktop") on a desktop"
