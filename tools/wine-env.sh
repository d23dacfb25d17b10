# Sourced by the scripts that run Tavoro's Windows programs under Wine: builds
# them and prepares the Wine prefix whose windows go to the X display.
# Defines: WIN32_BUILD (the build folder), WIN32_BIN (where the .exe files are),
# start_virtual_screen (an Xvfb display when there is none).

WIN32_BUILD=${WIN32_BUILD:-build-win32}
WIN32_BIN="$WIN32_BUILD/bin"

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

# prepare_screen_prefix: the prefix for windows on a display; exports WINEPREFIX.
prepare_screen_prefix() {
  tools/wine-prefix.sh "$WIN32_BUILD/wine/screen" screen
  WINEPREFIX="$(cd "$WIN32_BUILD/wine/screen" && pwd)"
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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
