#!/usr/bin/env bash
# Installs the game into a scratch prefix, starts the installed program with a
# scratch configuration folder and checks that it finds its content there, writes
# its settings in the user's folder and leaves the installed tree as it was.
#   InstalledGameTest.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'kill "${game:-0}" 2>/dev/null || true; rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
installed=$scratch/prefix/share/umbravale
for f in "$scratch/prefix/bin/umbravale" "$installed/Assets/Data/Parameters/GameData.json" \
         "$scratch/prefix/share/applications/umbravale.desktop" \
         "$scratch/prefix/share/icons/hicolor/256x256/apps/umbravale.png"; do
  [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
digest() { (cd "$installed" && find Assets/Data Assets/Rooms -type f | sort | xargs md5sum; ls -R Assets | md5sum); }
before=$(digest)

# Started from elsewhere, as the desktop's menu would.
cd "$scratch"
XDG_CONFIG_HOME=$scratch/config ALSOFT_DRIVERS=null "$scratch/prefix/bin/umbravale" > "$scratch/log" 2>&1 &
game=$!
for _ in $(seq 1 60); do
  grep -q "Settings: $scratch/config/umbravale/GameData.json" "$scratch/log" && break
  kill -0 "$game" 2>/dev/null || { echo "the installed game ended:"; cat "$scratch/log"; exit 1; }
  sleep 0.5
done
sleep 3
kill -0 "$game" 2>/dev/null || { echo "the installed game ended:"; cat "$scratch/log"; exit 1; }
kill "$game"; wait "$game" 2>/dev/null || true

grep -q "Settings: $scratch/config/umbravale/GameData.json" "$scratch/log" || { echo "no user settings:"; cat "$scratch/log"; exit 1; }
[ -s "$scratch/config/umbravale/GameData.json" ] || { echo "the user's settings file is missing"; exit 1; }
after=$(digest)
[ "$before" = "$after" ] || { echo "the installed tree was written"; exit 1; }
if grep -q "No Assets folder" "$scratch/log"; then echo "content not found"; exit 1; fi
echo "The installed game found its content and keeps its settings in the user's folder"
