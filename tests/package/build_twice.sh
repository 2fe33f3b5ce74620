#!/usr/bin/env bash
# Builds the Debian package twice from one source package, as two machines would at two times:
# in folders of different names and depths, under other time zones, locales and umasks, the
# first time as the archive builds it (dpkg-buildpackage -us -uc, source and tests included),
# the second time the binaries alone without the tests, which must not change them either.
# Every .deb must be the same byte for byte, diffoscope naming what differs, and the archive's
# build must warn of nothing (a flag given twice, say). Leaves the first
# build's packages in OUT for check_package.sh: build_twice.sh SOURCE_TREE OUT.
set -euo pipefail
source=$1
out=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out/first" "$out/the/second/one"
cd "$out"
dpkg-source -b "$source" >/dev/null 2>&1 || dpkg-source -b "$source"
dsc=$(ls "$out"/zarlin_*.dsc)

build() {  # build FOLDER DPKG-BUILDPACKAGE-ARGUMENTS...: the packages, left beside FOLDER's tree
  local folder=$1; shift
  dpkg-source -x "$dsc" "$folder/zarlin" >/dev/null 2>&1
  (cd "$folder/zarlin" && nice dpkg-buildpackage -us -uc -J"$(nproc)" "$@" >../build.log 2>&1) ||
    { tail -n 40 "$folder/build.log" >&2; fail "dpkg-buildpackage $* failed in $folder (log: $folder/build.log)"; }
  rm -rf "$folder/zarlin"
}
build first
warnings=$(grep -E ': warning: ' first/build.log || true)
[ -z "$warnings" ] || fail "the package's build warns: $(sort -u <<<"$warnings" | head -n 5)"
(
  export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 DEB_BUILD_OPTIONS=nocheck
  umask 0002
  build the/second/one -b -Pnocheck
)

debs=$(cd first && ls ./*.deb)
[ -n "$debs" ] || fail "no package was built"
for deb in $debs; do
  cmp -s "first/$deb" "the/second/one/$deb" && continue
  diffoscope "first/$deb" "the/second/one/$deb" >&2 || true
  fail "$deb differs between two builds"
done
mv first/*.deb .
echo "two builds gave the same $(echo $debs)"
