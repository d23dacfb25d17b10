#!/usr/bin/env bash
# Takes a picture of one of Tavoro's windows as Windows would show it, through
# Wine in Japanese on a virtual screen:
#   tools/screenshot.sh [--dpi N] [--script FILE] [--do LINE]... [--over ID] DIALOG-ID OUT.png
#   102  the function menu            100  the About box
#   129 130 142 143 131 132 133 146 147 148 149 150   the calculators, open over the menu
#   160  the repayment graph of a schedule dialog, 131 unless --over names
#        132, 146, 147 or 148: the lines fill its fields and press 計算; its
#        グラフ button is pressed after them
#   --dpi N        the screen's DPI: 96 (the default, 100 %), 120, 144, 192 ...
#   --script FILE  tavoro-script lines played on the open dialog before the picture
#   --do LINE      one such line; may be given several times, after the file's lines
#   --over ID      the schedule dialog under the graph (160)
# The pictures are taken in a Wine prefix of their own (build-win32/wine/screenshot),
# one at a time, so they may be taken while tools/run.sh runs the program.
set -euo pipefail

usage="usage: tools/screenshot.sh [--dpi N] [--script FILE] [--do LINE]... [--over ID] DIALOG-ID OUT.png"
dpi=96
over=131
actions=""
while [ $# -gt 0 ]; do
  case "$1" in
    --dpi) dpi=${2:?$usage}; shift 2 ;;
    --script) actions+="$(cat -- "${2:?$usage}")"$'\n'; shift 2 ;;
    --do) actions+="${2?$usage}"$'\n'; shift 2 ;;
    --over) over=${2:?$usage}; shift 2 ;;
    -*) echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
[[ "$dpi" =~ ^[0-9]+$ ]] && [ "$dpi" -ge 48 ] && [ "$dpi" -le 480 ] ||
  { echo "--dpi takes a number from 48 to 480" >&2; exit 2; }
id=${1:?$usage}
out=$(realpath -m -- "${2:?$usage}")
cd "$(dirname "$0")/.."

tools/setup-deps.sh
. tools/wine-env.sh
build_win32 tavoro-script
prepare_screen_prefix screenshot
# One picture at a time: the prefix's DPI and its desktop are shared.
exec 9>"$WINEPREFIX/.screenshot-lock"
flock 9
set_screen_dpi "$dpi"

work=$(mktemp -d)
XVFB_PID=
cleanup() {
  # Wine's processes leave before their screen does.
  timeout 30 wineserver -w 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# The screen grows with the DPI, as a real one would hold the larger windows.
screen_size="$((800 * dpi / 96))x$((600 * dpi / 96))"
start_virtual_screen "$screen_size"

# play SCRIPT-TEXT: runs tavoro-script on the virtual screen in the background,
# its output in $work/out; PLAY_PID is the Wine process.
play() {
  printf '%s' "$1" >"$work/script"
  : >"$work/out"
  wine explorer "/desktop=Tavoro,$screen_size" "$(realpath "$WIN32_BIN/tavoro-script.exe")" \
    "$(winepath -w "$work/script")" >"$work/out" 2>/dev/null &
  PLAY_PID=$!
}

case "$id" in
  102) opener="" ;;
  100) opener="open 57664"$'\n' ;;
  129) opener="open 3"$'\n' ;;
  130 | 131 | 132 | 133 | 142 | 143 | 146 | 147 | 148 | 149 | 150) opener="open $id"$'\n' ;;
  160)
    # Each schedule dialog's グラフ button.
    case "$over" in
      131) graph=1057 ;; 132) graph=1060 ;; 146) graph=1153 ;; 147) graph=1228 ;; 148) graph=1337 ;;
      *) echo "no graph over dialog $over" >&2; exit 2 ;;
    esac
    opener="open $over"$'\n'; actions+="click $graph"$'\n' ;;
  *) echo "no such dialog: $id" >&2; exit 2 ;;
esac
# Open the dialog, play the actions, and print the dialog line as a sign that
# they are done; take the picture while the script waits.
dialogs_before=$(printf '%s' "$actions" | grep -c '^dialog' || true)
play "${opener}${actions}dialog"$'\n'"wait 8000"$'\n'
for tries in $(seq 1200); do
  [ "$(grep -c "^dialog	$id	" "$work/out")" -gt "$dialogs_before" ] && break
  kill -0 "$PLAY_PID" 2>/dev/null || break
  sleep 0.1
done
[ "$(grep -c "^dialog	$id	" "$work/out")" -gt "$dialogs_before" ] ||
  { cat "$work/out" >&2; echo "dialog $id did not open" >&2; exit 1; }
grep "^error" "$work/out" >&2 || true
sleep 2
# The desktop's own colour around the windows is trimmed away.
import -window root -trim +repage "$out"
wait "$PLAY_PID" || true
echo "$out"
