#!/usr/bin/env bash
# Sets up, builds and starts Tavoro. Until the window comes, the program runs on
# the headless host: type script commands (open 3, set 1002 100, click 1008,
# get 1013, ...) and read what the dialogs show.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tavoro-script >/dev/null
exec build/tools/tavoro-script "$@"
