#!/usr/bin/env bash
# Fails when the repository tracks what is not source: a core dump, or any file over 1 MB.
# only_source.sh [ROOT]; outside a git checkout there is nothing to check.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git checkout: nothing to check"; exit 0; }
found=$(git ls-files -z | xargs -0 -r stat -c '%s %n' 2>/dev/null |
  awk '$1 > 1048576 {print $2 " (" $1 " bytes, over 1 MB)"}
       $2 ~ /(^|\/)(core|core\.[0-9]+|vgcore\.[0-9]+)$/ {print $2 " (a core dump)"}')
[ -z "$found" ] || { echo "tracked, but not source: $(echo $found)" >&2; exit 1; }
echo "the repository tracks only source"
