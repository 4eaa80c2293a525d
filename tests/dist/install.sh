#!/usr/bin/env bash
# cmake --install puts every file in its place, with a prefix and with
# DESTDIR, and the installed program plays a text-mode game.
#   install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad=0
expect_files() {  # root, then paths under it
  local root=$1 f
  shift
  for f in "$@"; do
    if [[ ! -s $root/$f ]]; then
      echo "missing: $root/$f"
      bad=1
    fi
  done
}
files=(
  games/trevosk games/trevosk-engine games/trevosk-match
  share/applications/org.trevosk.trevosk.desktop
  share/metainfo/org.trevosk.trevosk.metainfo.xml
  share/icons/hicolor/256x256/apps/trevosk.png
  share/doc/trevosk/README.md share/doc/trevosk/copyright share/doc/trevosk/changelog.gz
  share/doc/trevosk/docs/engine.md share/doc/trevosk/docs/match.md
  share/bash-completion/completions/trevosk
  share/bash-completion/completions/trevosk-match
)
if grep -q '^SCDOC:FILEPATH=/' "$build/CMakeCache.txt"; then
  files+=(share/man/man6/trevosk.6.gz share/man/man6/trevosk-engine.6.gz
          share/man/man6/trevosk-match.6.gz)
fi

cmake --install "$build" --prefix "$tmp/prefix" > /dev/null
expect_files "$tmp/prefix" "${files[@]}"
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr > /dev/null
expect_files "$tmp/root/usr" "${files[@]}"
# No program for the tests or the scripts.
tools() { find "$tmp/root" -type f -perm -u+x \( -name '*test*' -o -name 'trevosk-layout' -o -name '*bench*' \); }
if [[ -n $(tools) ]]; then
  echo "test or script tools installed:"
  tools
  bad=1
fi

out=$("$tmp/root/usr/games/trevosk" -t -p1 1 -p2 1 < /dev/null)
if ! grep -qE '^Player1:[ 0-9]{2}  v\.s\. Player2:[ 0-9]{2}  Finished\.$' <<< "$out"; then
  echo "the installed trevosk -t did not finish a game"
  bad=1
fi
((bad == 0)) && echo "installed ${#files[@]} files twice; the installed program plays"
exit $bad
