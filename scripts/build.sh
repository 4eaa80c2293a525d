#!/usr/bin/env bash
# Configures and builds one tree: build.sh DIR [cmake options...] [--target NAME...]
# (with --target, only those targets are built). CMake's progress messages
# are left out; its warnings (a missing tool, say) are shown.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
options=()
targets=()
while (($#)); do
  if [[ $1 == --target ]]; then
    targets+=("$2")
    shift 2
  else
    options+=("$1")
    shift
  fi
done
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}" > /dev/null
cmake --build "$dir" -j "$(nproc)" ${targets[@]+--target "${targets[@]}"}
