#!/usr/bin/env bash
# Builds the Debian package: scripts/package.sh [FOLDER] (default
# build-package/deb). Its dependencies are computed by dpkg-shlibdeps;
# install it with `apt install ./FOLDER/trevosk_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-package/deb}
bash scripts/setup.sh
bash scripts/build.sh build-package -DBUILD_TESTING=OFF -DTREVOSK_BENCH=OFF -DTREVOSK_GUI=ON \
  -DTREVOSK_SANITIZE=OFF
mkdir -p "$out"
cpack -G DEB -B "$(cd "$out" && pwd)" --config build-package/CPackConfig.cmake > /dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
