#!/usr/bin/env bash
# The Debian package cpack makes of a built tree: its dependencies are
# computed (SDL2 among them), it holds every installed file, its copyright
# file carries LICENSE, its changelog names its version, and lintian
# --pedantic finds no error and no warning.
#   deb.sh BUILD_DIR LICENSE
set -uo pipefail
build=$(cd "$1" && pwd)
license=$2
command -v lintian > /dev/null || { echo "lintian not found (scripts/setup.sh installs it)"; exit 1; }
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
doc=./usr/share/doc/trevosk
for f in ./usr/games/trevosk ./usr/games/trevosk-engine ./usr/games/trevosk-match \
         ./usr/share/man/man6/trevosk.6.gz ./usr/share/man/man6/trevosk-engine.6.gz \
         ./usr/share/man/man6/trevosk-match.6.gz \
         ./usr/share/applications/org.trevosk.trevosk.desktop \
         ./usr/share/metainfo/org.trevosk.trevosk.metainfo.xml \
         ./usr/share/icons/hicolor/256x256/apps/trevosk.png $doc/README.md $doc/copyright \
         $doc/changelog.gz ./usr/share/bash-completion/completions/trevosk; do
  if ! grep -qxF -- "$f" <<< "$contents"; then
    echo "the package lacks $f"
    bad=1
  fi
done

dpkg-deb -x "$deb" "$tmp/root"
# The copyright file's Expat text, unfolded, is LICENSE below its copyright
# line, and its holder and year are LICENSE's.
awk '/^License: Expat$/ { text = 1; next } text && /^ / { print } text && !/^ / { text = 0 }' \
  "$tmp/root/$doc/copyright" | sed 's/^ //; s/^\.$//' > "$tmp/expat"
sed '1,/^Copyright (c) /d' "$license" | sed '/./,$!d' > "$tmp/license"
if [[ ! -s $tmp/expat ]] || ! diff -u "$tmp/license" "$tmp/expat"; then
  echo "the copyright file's Expat text is not LICENSE's"
  bad=1
fi
holder=$(sed -n 's/^Copyright (c) //p' "$license")
if ! grep -qxF "Copyright: $holder" "$tmp/root/$doc/copyright"; then
  echo "the copyright file does not name [$holder]"
  bad=1
fi
version=$(dpkg-deb --field "$deb" Version)
logged=$(zcat "$tmp/root/$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)
if [[ $logged != "$version" ]]; then
  echo "the changelog's last entry is $logged, the package is $version"
  bad=1
fi

# Errors (E:) and warnings (W:) fail; pedantic and informational tags are shown.
lintian --pedantic --info --display-info "$deb" 2>&1 | grep -v '^running with root privileges' |
  tee "$tmp/lintian"
if grep -q '^[EW]: ' "$tmp/lintian"; then
  echo "lintian reports errors or warnings"
  bad=1
fi
((bad == 0)) && echo "$(basename "$deb"): dependencies computed, every file in it, lintian clean"
exit $bad
