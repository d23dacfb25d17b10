#!/usr/bin/env bash
# Sets up, builds and runs every test: the native build, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# (Tavoro.exe, tavoro-script.exe) with the unit and scenario suites under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVORO_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The release package: its Tavoro.exe is checked for imports and size as it is made.
tools/release.sh

cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-win32 -j "$jobs"
ctest --test-dir build-win32 --output-on-failure -j "$jobs"
