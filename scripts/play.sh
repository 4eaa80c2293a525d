#!/usr/bin/env bash
# Sets up the machine, builds the programs, and plays one text-mode game
# between two level-8 computer players. Extra arguments go to the program.
# build/ is configured as the test command configures it, so that neither
# command leaves the other's binaries stale; only the programs are built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DBUILD_TESTING=ON -DTREVOSK_BENCH=ON -DTREVOSK_GUI=ON \
  -DTREVOSK_SANITIZE=OFF --target trevosk --target trevosk-engine --target trevosk-match
exec build/trevosk -t "$@"
