#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing
# (setup.sh --fuzz: also what the fuzz targets need).
# Safe to run repeatedly; does nothing when everything is present.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libx11-dev fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  gnuplot-nox
  scdoc man-db desktop-file-utils appstream dpkg-dev file lintian
  python3  # the documents' examples (tests/docs)
  clang-format  # the format check (tests/format.sh)
  clang-tidy  # scripts/tidy.sh
)
# With --fuzz (scripts/fuzz.sh): clang and its sanitizer and libFuzzer runtimes.
if [[ ${1:-} == --fuzz ]]; then packages+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "setup: installing ${missing[*]}" >&2
  sudo=""
  if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
