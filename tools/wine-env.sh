# Sourced by the scripts that run Tavoro's Windows programs under Wine: builds
# them and prepares the Wine prefix whose windows go to the X display.
# Defines: WIN32_BUILD (the build folder), WIN32_BIN (where the .exe files are),
# WINE_LOCALE, build_win32, prepare_screen_prefix, set_screen_dpi, and
# start_virtual_screen (an Xvfb display when there is none).

WIN32_BUILD=${WIN32_BUILD:-build-win32}
WIN32_BIN="$WIN32_BUILD/bin"
WINE_LOCALE=ja_JP.UTF-8

# build_win32 TARGET...: configures the Windows build once and builds the targets.
build_win32() {
  if [ ! -f "$WIN32_BUILD/CMakeCache.txt" ]; then
    cmake -S . -B "$WIN32_BUILD" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  local target
  for target in "$@"; do
    cmake --build "$WIN32_BUILD" -j "$(nproc)" --target "$target" >/dev/null
  done
}

# prepare_screen_prefix [NAME]: the prefix for windows on a display, by
# default "screen"; exports WINEPREFIX and the Japanese locale that Wine runs
# in, so that its own dialogs and boxes speak Japanese as on a Japanese Windows.
prepare_screen_prefix() {
  local name=${1:-screen}
  export LANG=$WINE_LOCALE LC_ALL=$WINE_LOCALE  # also while the prefix is made
  tools/wine-prefix.sh "$WIN32_BUILD/wine/$name" screen
  WINEPREFIX="$(cd "$WIN32_BUILD/wine/$name" && pwd)"
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# set_screen_dpi DPI: the DPI (display scaling: 96 is 100 %) that the prefix's
# programs start with from now on.
set_screen_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# start_virtual_screen WIDTHxHEIGHT: starts Xvfb on a free display number and
# exports DISPLAY; XVFB_PID is its process, for the caller to stop.
start_virtual_screen() {
  local size=$1 number
  for number in $(seq 90 199); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] || break
  done
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  local tries
  for tries in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}
