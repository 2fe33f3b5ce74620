#!/usr/bin/env bash
# Fails on any #include "…" in the program's folders that runs upward or sideways through the
# layers, from the bottom: engine, window_parts, desktop and sound, windows, options and info,
# app. Every library has the repository's root on its include path, so the build alone would not
# notice an upward include of a header that needs no library: layers_run_downward.sh [ROOT].
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"
declare -A layer=([engine]=0 [window_parts]=1 [desktop]=2 [sound]=2 [windows]=3 [options]=4 [info]=4 [app]=5)
wrong=0
for folder in "${!layer[@]}"; do
  while IFS=: read -r file line included; do
    included=${included#*\"}; included=${included%%\"*}
    [[ $included == */* ]] || continue  # beside the file itself
    top=${included%%/*}
    if [ -z "${layer[$top]:-}" ] || { [ "$top" != "$folder" ] && [ "${layer[$top]}" -ge "${layer[$folder]}" ]; }; then
      echo "$file:$line includes $included: $folder may use only the layers below it" >&2
      wrong=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.in' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$folder" || true)
done
[ $wrong -eq 0 ] && echo "every include of the program's folders runs downward"
exit $wrong
