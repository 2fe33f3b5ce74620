#!/usr/bin/env bash
# Installs everything Zarlin needs to build, run and test on Debian 12. Safe to run again:
# it asks apt only for what is missing. --fuzz adds clang for the fuzzer, --bench what the
# benchmarks need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools gettext python3
  qt6-translations-l10n
  libgtest-dev
  libxcb1-dev libpulse-dev
  xvfb xauth openbox xdotool x11-utils wmctrl imagemagick
  mutter kwin-wayland xwayland dbus qt6-wayland x11-xserver-utils
  pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber
  fonts-dejavu-core fonts-cantarell fonts-noto-core fonts-liberation2 fonts-noto-cjk
  desktop-file-utils appstream lintian man-db devscripts
)
for option in "$@"; do
  case $option in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --bench) packages+=(libx11-dev valgrind) ;;
    *) echo "install.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
