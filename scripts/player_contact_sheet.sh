#!/usr/bin/env bash
# Lays the player's animation sheets out on one picture, over the game's clear
# colour, for judging the three forms side by side: a column per form (neutral,
# angelic, demonic), a row per animation. Needs ImageMagick and a built content tree.
# Usage: scripts/player_contact_sheet.sh OUT.png [ACTION-REGEX] [SCALE%]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
filter=${2:-.}
scale=${3:-50}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

columns=()
for form in neutral holy evil; do
  files=()
  for action in Walk Idle Attack Dodge Dead; do
    for dir in Top Down Left Right; do
      letter=${dir:0:1}; [ "$dir" = Top ] && letter=U
      case $form in
        neutral) file="Assets/Sprites/Player/${action}_${dir}/SpriteSheet_Player_${action}${letter}.png"
                 [ "$action$dir" = WalkRight ] && file=Assets/Sprites/Player/Walk_Right/spritesheet_2.png ;;
        holy) file="Assets/Sprites/Player/${action}/SpriteSheet-Holy_Player_${action}_${letter}.png" ;;
        evil) file="Assets/Sprites/Player/${action}/SpriteSheet-Evil_Player_${action}_${letter}.png" ;;
      esac
      if [ -f "$file" ] && [[ "$action$dir" =~ $filter ]]; then files+=("$file"); fi
    done
  done
  [ ${#files[@]} -gt 0 ] || continue
  convert -background '#290c0e' "${files[@]}" -gravity west -append -alpha remove "$tmp/$form.png"
  columns+=("$tmp/$form.png")
done
convert -background '#290c0e' "${columns[@]}" -gravity east -splice 24x0 -gravity north +append -resize "$scale%" "$out"
echo "$out"
