#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds and needs, and that its
# desktop entry and AppStream metadata pass their validators: check_package.sh BUILD_DIR.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/zarlin_1.00_*.deb) || fail "no zarlin_1.00 package was made"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for expected in ./usr/bin/zarlin \
    ./usr/share/applications/org.example.Zarlin.desktop \
    ./usr/share/metainfo/org.example.Zarlin.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/32x32/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/48x48/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/256x256/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/scalable/apps/org.example.Zarlin.svg; do
  grep -qx -- "$expected" <<<"$files" || fail "the package lacks $expected"
done
outside=$(grep -vE '^\./(usr/((bin|share)(/.*)?)?)?$' <<<"$files" || true)
[ -z "$outside" ] || fail "the package installs outside /usr/bin and /usr/share: $outside"

info=$(dpkg-deb -I "$deb")
grep -q '^ Package: zarlin$' <<<"$info" || fail "the package is not named zarlin"
grep -q '^ Version: 1.00$' <<<"$info" || fail "the package version is not 1.00"
grep -q '^ Section: games$' <<<"$info" || fail "the package is not in the games section"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
  grep -q "^ Depends:.*$library" <<<"$info" || fail "the package does not depend on $library"
done
grep -q '^ Depends:.*libasan' <<<"$info" && fail "the package depends on a sanitizer runtime"

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/org.example.Zarlin.desktop"
appstreamcli validate --no-net --pedantic "$out/root/usr/share/metainfo/org.example.Zarlin.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$out/root/usr/share/metainfo/org.example.Zarlin.metainfo.xml"
echo "the package holds and needs what it should"
