#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: the bugprone and performance checks) over
# every C++ file the build compiles: src, app, tests, bench, tools, fuzz.
#   tidy.sh [BUILD_DIR [FILE_REGEX]]
# BUILD_DIR (default build-tidy) is configured when it has no compilation
# database; FILE_REGEX narrows the files (default: all of them). A few
# minutes of processor time; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${1:-build-tidy}
files=${2:-"$PWD/(src|app|tests|bench|tools|fuzz)/"}
if [[ ! -f $build/compile_commands.json ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DTREVOSK_BENCH=ON -DTREVOSK_GUI=ON
fi
run-clang-tidy-14 -p "$build" -quiet -j "$(nproc)" "$files"
