#!/usr/bin/env bash
# Renders the documentation screens headless: the language screen and the main menu in each language.
set -euo pipefail
exe=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
archive="$(dirname "$0")/../data/WEERDATA.VSs"
if [ -f "$archive" ]; then cp "$archive" "$work/"; else : > "$work/WEERDATA.VSs"; fi

# shot NAME KEYS: the screen at the last wait of the key script.
shot() {
  rm -rf "$work/shots"
  "$exe" --headless --dir "$work" --keys "$2" --shots "$work/shots" >/dev/null
  cp "$(ls "$work"/shots/*.png | tail -1)" "$out/$1.png"
}
shot language_nl ""
shot language_en "{Right}"
shot language_de "{Right 2}"
shot menu_nl "{Enter}"
shot menu_en "{Right}{Enter}"
shot menu_de "{Left}{Enter}"
echo "screens written to $out"
