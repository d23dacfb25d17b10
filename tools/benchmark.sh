#!/usr/bin/env bash
# Times the largest schedules, as the README's performance paragraph reports:
#   tools/benchmark.sh [REPETITIONS]
# The Google benchmarks of a native Release build (4000 repayments computed and
# formatted, the report formatted and encoded, the report file replaced, a Calc
# through the headless dialog), each run REPETITIONS times (default 5), of which
# the median is printed; then the Win32 host's Calc of 4000 rows against 40
# (the Release build of the Windows programs, under Wine's null display driver).
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-5}

tools/setup-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j 2 --target tavoro_benchmarks >/dev/null
build-bench/tests/tavoro_benchmarks --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -v -e '_mean ' -e '_stddev ' -e '_cv '

win32=build-bench-win32
cmake -S . -B "$win32" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win32" -j 2 --target tavoro_win32_benchmark >/dev/null
tools/wine-prefix.sh "$win32/wine/headless" headless
WINEPREFIX="$(cd "$win32/wine/headless" && pwd)" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  DISPLAY= wine "$win32/bin/tavoro_win32_benchmark.exe" $((repetitions * 6 + 1))
