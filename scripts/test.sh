#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test: the whole suite in a
# release build (the package included), then the unit and window tests, the
# runs of the binaries at their edges and a short soak in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, then the unit tests of
# a build without the window and what it links.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== release build"
# scripts/play.sh configures build/ with the same options.
bash scripts/build.sh build -DBUILD_TESTING=ON -DTREVOSK_BENCH=ON -DTREVOSK_GUI=ON \
  -DTREVOSK_SANITIZE=OFF
(cd build && ctest --no-tests=error --output-on-failure -j 2 --timeout 900)

echo "== sanitizer build"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVOSK_SANITIZE=ON \
  -DBUILD_TESTING=ON -DTREVOSK_BENCH=OFF -DTREVOSK_GUI=ON
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
(cd build-asan && ctest --no-tests=error --output-on-failure -j 2 --timeout 900 -L '^(unit|gui|e2e-sanitize)$')

echo "== build without the window"
bash scripts/build.sh build-nogui -DTREVOSK_GUI=OFF -DBUILD_TESTING=ON -DTREVOSK_BENCH=OFF \
  -DTREVOSK_SANITIZE=OFF
(cd build-nogui && ctest --no-tests=error --output-on-failure -j 2 --timeout 900 -L '^(unit|nogui)$')
echo "== all tests passed"
