#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots: the main window on the sample year,
# the entry dialog (F5), the settings dialog (Ctrl+G), the open dialog (Ctrl+O),
# the monthly account table (Ctrl+E) with the descriptions of 売上, the income
# and expense graph, and a question (Ctrl+N after an entry), on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
missing=()
for package in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if (( ${#missing[@]} )); then
  sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
tools/build.sh >/dev/null
build_dir=${TALLYRIX6_BUILD_DIR:-build}
out=docs/screenshots
mkdir -p "$out"

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export TALLYRIX6_DATA_DIR="$work/data" TMPDIR="$work" DISPLAY=:97
Xvfb :97 -screen 0 1440x900x24 -nolisten tcp &
sleep 1
cp examples/sample.exv "$work/sample.exv"
"$build_dir/bin/tallyrix6" "$work/sample.exv" &
sleep 4
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "$out/$1.png"; }
# There is no window manager: give the main window the keyboard by hand.
focus() { xdotool search --onlyvisible --name "$1" | tail -n 1 | xargs -r -I{} xdotool windowfocus --sync {}; }
focus "Tallyrix6-Tallyrix Version6"
shot main_window
xdotool key F5
shot entry_dialog
focus "Tallyrix6-Tallyrix Version6"
xdotool key Escape
sleep 0.5
focus "Tallyrix6-Tallyrix Version6"
xdotool key ctrl+g
shot settings_dialog
xdotool key Escape
sleep 0.5
focus "Tallyrix6-Tallyrix Version6"
xdotool key ctrl+o
shot open_dialog
xdotool key Escape
sleep 0.5
# The monthly table of all books, the descriptions of 売上 (its fourth row, a
# double-click), then the graph from the tool tab 月別一覧表 and back to the ledger.
focus "Tallyrix6-Tallyrix Version6"
xdotool key ctrl+e
shot monthly_table
xdotool mousemove 115 271 click --repeat 2 --delay 80 1
shot monthly_table_descriptions
xdotool mousemove 245 43 click 1
sleep 0.5
xdotool mousemove 348 82 click 1
shot summary_graph
xdotool mousemove 161 43 click 1
sleep 0.5
# One entry from the keyboard, so that a new year asks first.
focus "Tallyrix6-Tallyrix Version6"
xdotool key F5
sleep 1
xdotool key Down Tab
xdotool type "sample"
xdotool key Tab
xdotool type "100"
xdotool key Return
sleep 0.5
xdotool key Escape
sleep 0.5
focus "Tallyrix6-Tallyrix Version6"
xdotool key ctrl+n
shot question_window
xdotool key Escape

