#!/usr/bin/env bash
# Checks that no source file includes a header of a layer above its own. The layers,
# lowest first: core, creatures, world, run, menus, editor; the files at the top of
# src/ (the entry point, the content catalogue, the game's wiring) may include any.
set -euo pipefail
cd "$(dirname "$0")/../src"

rank() {
  case "$1" in
    core) echo 0 ;; creatures) echo 1 ;; world) echo 2 ;; run) echo 3 ;;
    menus) echo 4 ;; editor) echo 5 ;; *) echo 6 ;;
  esac
}

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  [ "$folder" = "$file" ] && folder=top
  own=$(rank "$folder")
  while IFS= read -r line; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/' <<<"$line")
    target=${header%%/*}
    if [ "$target" = "$header" ]; then
      # A header of the top, or one beside the file in its own folder.
      [ -f "$header" ] || continue
      target=top
    fi
    if [ "$(rank "$target")" -gt "$own" ]; then
      echo "$file includes \"$header\": $folder may not include $target"
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' "$file" || true)
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort)

[ $status -eq 0 ] && echo "Include layers: every include points down or sideways"
exit $status
