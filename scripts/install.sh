#!/usr/bin/env bash
# Installs the Debian 12 packages Zarlin needs, by purpose: scripts/install.sh PURPOSE...
#   play     building and playing: what debian/control's Build-Depends names less the tests'
#            own (<!nocheck>) and debhelper; where there is no display, the virtual screen the
#            game is then shown on
#   package  building the Debian package and checking it as Debian would
#   test     (the default) everything the tests need: the package, desktops and sound servers
#   bench    the tests' needs and the benchmarks'
#   fuzz     building and clang for the fuzzer
# Safe to run again: it asks apt only for what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

# The package names debian/control's Build-Depends lists, the tests' own too with "all".
build_depends() {
  sed -n '/^Build-Depends:/,/^[^ ]/p' debian/control | sed -e '1s/^Build-Depends://' -e '/^[^ ]/d' |
    tr ',' '\n' | awk -v all="$1" 'NF && (all == "all" || !/<!nocheck>/) {print $1}'
}
virtual_screen=(xvfb openbox xdotool x11-utils imagemagick)
packages=(build-essential)
for purpose in "${@:-test}"; do
  case $purpose in
    play)
      mapfile -t -O ${#packages[@]} packages < <(build_depends nocheck | grep -vx debhelper-compat)
      [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || packages+=("${virtual_screen[@]}") ;;
    package|test|bench)
      mapfile -t -O ${#packages[@]} packages < <(build_depends all | sed 's/^debhelper-compat$/debhelper/')
      packages+=(lintian devscripts desktop-file-utils appstream man-db diffoscope-minimal autopkgtest)
      [ "$purpose" = package ] && continue
      packages+=("${virtual_screen[@]}" xauth wmctrl x11-xserver-utils
        mutter kwin-wayland xwayland dbus qt6-wayland
        pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber strace)
      [ "$purpose" = bench ] && packages+=(libx11-dev valgrind) ;;
    fuzz)
      mapfile -t -O ${#packages[@]} packages < <(build_depends all | grep -vx debhelper-compat)
      packages+=(clang libclang-rt-14-dev) ;;
    *) echo "install.sh: no purpose '$purpose' (play, package, test, bench or fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
