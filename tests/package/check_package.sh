#!/usr/bin/env bash
# Checks the Debian package that dpkg-buildpackage made as Debian and a desktop would: lintian,
# what it holds and needs, a launcher that names the installed program, its icon and its
# metadata, the manual page, and the program's command line; and, from a build folder, the
# launcher installed without a package: check_package.sh PACKAGE_DIR BUILD_DIR.
set -euo pipefail
packages=$1
build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

deb=$(ls "$packages"/zarlin_1.00_*.deb) || fail "no zarlin_1.00 package was made"
lintian --fail-on error,warning "$deb" "$packages"/zarlin_1.00.dsc || fail "lintian finds fault with the package or its source"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for expected in ./usr/games/zarlin ./usr/share/man/man6/zarlin.6.gz \
    ./usr/share/doc/zarlin/changelog.gz ./usr/share/doc/zarlin/copyright \
    ./usr/share/applications/org.example.Zarlin.desktop \
    ./usr/share/metainfo/org.example.Zarlin.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/32x32/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/48x48/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/256x256/apps/org.example.Zarlin.png \
    ./usr/share/icons/hicolor/scalable/apps/org.example.Zarlin.svg; do
  grep -qx -- "$expected" <<<"$files" || fail "the package lacks $expected"
done
outside=$(grep -vE '^\./(usr/((games|share|lib/games/zarlin)(/.*)?|lib/|lib/games/)?)?$' <<<"$files" || true)
[ -z "$outside" ] || fail "the package installs outside /usr/games, /usr/lib/games/zarlin and /usr/share: $outside"

info=$(dpkg-deb -I "$deb")
grep -q '^ Package: zarlin$' <<<"$info" || fail "the package is not named zarlin"
grep -q '^ Version: 1.00$' <<<"$info" || fail "the package version is not 1.00"
grep -q '^ Section: games$' <<<"$info" || fail "the package is not in the games section"
module=$(grep -x -- './usr/lib/games/zarlin/[^/]*\.so' <<<"$files") || fail "the package lacks the sound module"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libpulse0; do
  grep -q "^ Depends:.*$library" <<<"$info" || fail "the package does not depend on $library"
done
grep -q '^ Depends:.*libasan' <<<"$info" && fail "the package depends on a sanitizer runtime"

root=$out/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/org.example.Zarlin.desktop
metainfo=$root/usr/share/metainfo/org.example.Zarlin.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
  appstreamcli validate --no-net "$metainfo"
# Both speak every language the game speaks, each text of the metadata translated.
english=$(grep -cE '<(name|summary|p|developer_name)>' "$metainfo")
for language in de fr es it pt_BR pl tr ru uk zh_CN zh_TW ja ar he; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || fail "the launcher has no $key in $language"
  done
  [ "$(grep -c "xml:lang=\"$language\"" "$metainfo")" = "$english" ] ||
    fail "the metadata has not its $english texts in $language"
done

# What the launcher and the metadata name is there, spelt as installed.
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$exec" = /usr/games/zarlin ] && [ -x "$root$exec" ] || fail "the launcher runs '$exec', not the installed /usr/games/zarlin"
cmake --install "$build" --prefix "$out/home" >/dev/null
grep -qx "Exec=$out/home/games/zarlin" "$out/home/share/applications/org.example.Zarlin.desktop" ||
  fail "installed with a prefix of its own, the launcher does not run $out/home/games/zarlin"
grep -qE '^Categories=(.*;)?Game;' "$desktop" || fail "the launcher is not in the Game category"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls "$root"/usr/share/icons/hicolor/*/apps/"$icon".* >/dev/null 2>&1 || fail "no icon $icon in the hicolor theme"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$root/usr/share/applications/$launchable" ] || fail "the metadata launches '$launchable', which is not installed"

man --warnings -l "$root/usr/share/man/man6/zarlin.6.gz" 2>&1 >/dev/null | grep . && fail "the manual page has faults"
lexgrog "$root/usr/share/man/man6/zarlin.6.gz" >/dev/null || fail "the manual page has no name line"

# Built as hardened as Debian builds its own packages, the sound module too (a shared library,
# which is no executable).
for binary in /usr/games/zarlin ${module#.}; do
  hardening=$(hardening-check "$root$binary" || true)
  for protection in "Position Independent Executable" "Stack protected" "Read-only relocations" \
                    "Immediate binding"; do
    grep -qE "^ $protection: (yes|.*\(ignored\))" <<<"$hardening" || fail "$binary is not hardened: $(grep "$protection" <<<"$hardening")"
  done
done
# And with the two protections that hardening-check cannot see, read from the options GCC
# recorded for each part of the program in its debugging symbols.
dbgsym=$(ls "$packages"/zarlin-dbgsym_1.00_*.deb) || fail "no debugging symbols were packaged"
dpkg-deb -x "$dbgsym" "$out/debug"
id=$(readelf -n "$root/usr/games/zarlin" | sed -n 's/.*Build ID: //p')
producers=$(readelf --debug-dump=info "$out/debug/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" 2>/dev/null |
  grep 'DW_AT_producer.*GNU C++' || true)
[ -n "$producers" ] || fail "no debugging symbols for the program"
for protection in -fstack-clash-protection -fcf-protection; do
  ! grep -vq -- " $protection" <<<"$producers" || fail "parts of the program are built without $protection"
done

# The command line, with no display: none of these may crash, and each says what it should.
# Status 124 is the game running until timeout ends it, on Qt's offscreen platform. Where no
# display answers the program says so in one line.
zarlin=$root/usr/games/zarlin
many=$(printf -- '--x%d ' $(seq 100000))
while IFS='|' read -r environment arguments status expected; do
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment timeout 5 "$zarlin" $arguments 2>&1) &&
    got=0 || got=$?
  [ "$got" = "$status" ] || fail "zarlin ${arguments:0:40} ($environment) exits with $got, not $status"
  grep -qE -- "$expected" <<<"$output" || fail "zarlin ${arguments:0:40} ($environment) does not say '$expected'"
  [ "$status" != 1 ] || [ "$(wc -l <<<"$output")" = 1 ] || fail "zarlin ${arguments:0:40} ($environment) says more than one line: $output"
done <<EOF
|--version|0|^Zarlin 1\.00$
|-version|0|^Zarlin 1\.00$
|--help|0|internal name "Zarlin v\. 1\.1"
|--help|0|file version 1\.00, product version 1\.00
|-help|0|--help-all
|--help-all|0|--platform <name> +Qt's option
|-platform offscreen --version|0|^Zarlin 1\.00$
|-platform=offscreen|124|
|--platform=offscreen|124|
|--platform offscreen -style=fusion|124|
|--display=:97|1|^zarlin: the X display :97 does not answer
|-display :97|1|^zarlin: the X display :97 does not answer
|--bogus|2|Unknown option 'bogus'
|-- --version|2|takes no file or other argument
|--$(printf '\377\376')|2|Unknown option
|$many|2|Unknown options: x1, x2
|--|1|^zarlin: no display answers
WAYLAND_DISPLAY=gone||1|^zarlin: no display answers
QT_QPA_PLATFORM=nosuch||1|^zarlin: no display answers
EOF
echo "the package holds and needs what it should, and lintian passes it"
