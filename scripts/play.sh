#!/usr/bin/env bash
# Sets up the machine, builds, and plays one text-mode game between two
# level-8 computer players. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DBUILD_TESTING=OFF -DTREVOSK_BENCH=OFF -DTREVOSK_SANITIZE=OFF
exec build/trevosk -t "$@"
