#!/usr/bin/env bash
# The Debian package cpack makes of a built tree: its dependencies are
# computed (SDL2 among them) and it holds the programs, manual pages,
# desktop entry, metainfo, icon, README and completion.
#   deb.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && cpack -G DEB -B "$tmp" --config "$build/CPackConfig.cmake" > cpack.log) ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/*.deb)
bad=0
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libsdl2-2.0-0 libsdl2-ttf-2.0-0 libfontconfig1; do
  if [[ ", $depends" != *", $lib "* && ", $depends" != *", $lib," && ", $depends" != *", $lib" ]]; then
    echo "Depends lacks $lib"
    bad=1
  fi
done
contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
for f in ./usr/games/trevosk ./usr/games/trevosk-engine ./usr/games/trevosk-match \
         ./usr/share/man/man6/trevosk.6.gz ./usr/share/man/man6/trevosk-engine.6.gz \
         ./usr/share/man/man6/trevosk-match.6.gz \
         ./usr/share/applications/org.trevosk.trevosk.desktop \
         ./usr/share/metainfo/org.trevosk.trevosk.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/trevosk.png ./usr/share/doc/trevosk/README.md \
         ./usr/share/bash-completion/completions/trevosk; do
  if ! grep -qxF -- "$f" <<< "$contents"; then
    echo "the package lacks $f"
    bad=1
  fi
done
((bad == 0)) && echo "$(basename "$deb"): dependencies computed, every file in it"
exit $bad
