#!/usr/bin/env bash
# Builds a release tree and runs the benchmark: the fast players against the
# reference on fixed positions, a before/after table and the signature.
# Extra arguments go to the benchmark (e.g. --benchmark_filter=decision/L8).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DTREVOSK_BENCH=ON -DTREVOSK_SANITIZE=OFF
exec build/bench/trevosk_bench "$@"
