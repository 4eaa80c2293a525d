#!/usr/bin/env bash
# A build without the window (-DTREVOSK_GUI=OFF):
#   no_window_build.sh BUILD_DIR BINARY
# SDL2, SDL2_ttf and fontconfig were not looked up and no executable built
# in the tree links them; the program without -t says in one line that it
# has no window, suggests -t, and exits with status 2.
set -uo pipefail
build=$1
bin=$2
fail() { echo "FAIL: $*"; exit 1; }

grep -q '^GUI_DEPS' "$build/CMakeCache.txt" && fail "the window's libraries were looked up"
checked=0
while IFS= read -r -d '' exe; do
  [[ $(head -c 4 "$exe") == $'\x7fELF' ]] || continue
  ldd "$exe" | grep -E 'lib(SDL2|SDL2_ttf|fontconfig)[-.]' && fail "$exe links the window's libraries"
  checked=$((checked + 1))
done < <(find "$build" -path "$build/CMakeFiles" -prune -o -type f -perm -u+x -print0)
[[ -x $bin ]] || fail "no program at $bin"
echo "ok   $checked executables link no SDL2, SDL2_ttf or fontconfig"

err=$("$bin" -p1 1 -p2 1 2>&1 > "$build/no_window.out" < /dev/null)
status=$?
[[ $status == 2 && ! -s $build/no_window.out ]] || fail "exit status $status, output: $(head -n 3 "$build/no_window.out")"
[[ $err == "$bin: this build has no graphics window; use -t to play in text mode." ]] || fail "message: $err"
echo "ok   without -t: '$err', status 2"
echo "2 passed, 0 failed"
