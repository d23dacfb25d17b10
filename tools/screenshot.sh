#!/usr/bin/env bash
# Takes a picture of one of Tavoro's windows as Windows would show it, through
# Wine on a virtual screen: tools/screenshot.sh DIALOG-ID OUT.png
#   102  the function menu            100  the About box
#   129 130 142 143 131 132 133 146   the calculators, open over the menu
set -euo pipefail

id=${1:?usage: tools/screenshot.sh DIALOG-ID OUT.png}
out=$(realpath -m -- "${2:?usage: tools/screenshot.sh DIALOG-ID OUT.png}")
cd "$(dirname "$0")/.."

tools/setup-deps.sh
. tools/wine-env.sh
build_win32 tavoro-script
prepare_screen_prefix

work=$(mktemp -d)
XVFB_PID=
cleanup() {
  # Wine's processes leave before their screen does.
  timeout 30 wineserver -w 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
screen_size=800x600
start_virtual_screen "$screen_size"

# play SCRIPT-TEXT: runs tavoro-script on the virtual screen in the background,
# its output in $work/out; PLAY_PID is the Wine process.
play() {
  printf '%b' "$1" >"$work/script"
  : >"$work/out"
  wine explorer "/desktop=Tavoro,$screen_size" "$(realpath "$WIN32_BIN/tavoro-script.exe")" \
    "$(winepath -w "$work/script")" >"$work/out" 2>/dev/null &
  PLAY_PID=$!
}

case "$id" in
  102) opener="" ;;
  100) opener="open 57664\n" ;;
  129) opener="open 3\n" ;;
  130 | 131 | 132 | 133 | 142 | 143 | 146) opener="open $id\n" ;;
  *) echo "no such dialog: $id" >&2; exit 2 ;;
esac
# Open the dialog, let it paint, take the picture while the script waits.
play "${opener}wait 6000\n"
for tries in $(seq 300); do
  grep -q "^opened	$id\$" "$work/out" && break
  kill -0 "$PLAY_PID" 2>/dev/null || break
  sleep 0.1
done
grep -q "^opened	$id\$" "$work/out" || { cat "$work/out" >&2; echo "dialog $id did not open" >&2; exit 1; }
sleep 2
# The desktop's own colour around the windows is trimmed away.
import -window root -trim +repage "$out"
wait "$PLAY_PID" || true
echo "$out"
