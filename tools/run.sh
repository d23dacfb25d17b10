#!/usr/bin/env bash
# Sets up, builds and starts Tavoro.exe, the Windows program, under Wine. With
# no X display, it runs on a virtual screen (Xvfb); tools/screenshot.sh shows
# what such a screen holds. The program ends when its function menu is closed.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-deps.sh
. tools/wine-env.sh
# The guide beside Tavoro.exe, so that F1 opens it.
build_win32 Tavoro guide
prepare_screen_prefix

program=$(realpath "$WIN32_BIN/Tavoro.exe")
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$program"
fi

XVFB_PID=
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null' EXIT
start_virtual_screen 1024x768
echo "No display here: Tavoro runs on the virtual screen $DISPLAY until its menu closes (Ctrl-C stops it)."
# Wine draws the window frames itself on a virtual desktop.
wine explorer /desktop=Tavoro,1024x768 "$program"
timeout 30 wineserver -w 2>/dev/null || true
