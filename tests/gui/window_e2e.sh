#!/usr/bin/env bash
# The program in a real window, as a person would run it:
#   window_e2e.sh BINARY LAYOUT_TOOL
# Under a virtual X server, a game between two computer seats is shown to
# the end: the window read back holds a board whose squares agree with the
# scores of the result line; a mouse click does not end the final wait, a
# key press ends it with status 0.
set -uo pipefail
source "$(dirname "$0")/../../scripts/xvfb.sh"

bin=$1
layout=$2
tmp=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

start_xvfb || fail "Xvfb did not start"

"$bin" -p1 3 -p2 3 > "$tmp/out" 2> "$tmp/err" < /dev/null &
game_pid=$!
for _ in $(seq 900); do
  grep -q 'Finished\.$' "$tmp/out" && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
result=$(grep 'Finished\.$' "$tmp/out") || fail "no result line: $(tail -n 3 "$tmp/out") $(cat "$tmp/err")"
[[ $result =~ ^Player1:\ *([0-9]+)\ \ v\.s\.\ Player2:\ *([0-9]+)\ \ Finished\.$ ]] ||
  fail "result line: $result"
score1=${BASH_REMATCH[1]}
score2=${BASH_REMATCH[2]}
kill -0 "$game_pid" 2>/dev/null || fail "the program did not wait for a key"

window=$(xdotool search --sync --name '^Kalvon Trevosk$' | head -n 1)
[[ -n $window ]] || fail "no window"
sleep 0.3  # the final frame is shown before the wait; leave the server a moment
import -window "$window" "$tmp/shot.png" || fail "could not read the window back"
[[ $(identify -format '%wx%h' "$tmp/shot.png") == 500x500 ]] || fail "window is not 500x500"

# The middle pixel of every board square, from the layout tool.
targets=()
for c in $(seq 0 13); do for r in $(seq 0 13); do targets+=(square "$c" "$r"); done; done
"$layout" "${targets[@]}" > "$tmp/squares" || fail "layout tool"
counts=$(convert "$tmp/shot.png" txt:- | awk -F'[ ,:]+' '
  NR == FNR { want[$1 "," $2] = 1; next }
  FNR > 1 && ($1 "," $2) in want {
    for (i = 3; i <= NF; ++i) if ($i ~ /^#/) { n[substr($i, 1, 7)]++; break }
  }
  END { printf "%d %d %d", n["#FF00FF"], n["#FFFF00"], n["#323232"] }' "$tmp/squares" -)
read -r own1 own2 empty <<< "$counts"
((own1 == score1 && own2 == score2 && own1 + own2 + empty == 196)) ||
  fail "board shows $own1 / $own2 squares and $empty empty; result line says $score1 / $score2"
echo "ok   final board: $own1 and $own2 squares, as in '$result'"

# A mouse click does not end the wait; a key press does, with status 0.
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 100 100 click 1
sleep 0.3
kill -0 "$game_pid" 2>/dev/null || fail "a mouse click ended the final wait"
xdotool key space
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "a key press did not end the program"
wait "$game_pid"
status=$?
game_pid=""
[[ $status == 0 ]] || fail "exit status $status after the key press: $(tail -n 30 "$tmp/err")"
[[ $(tail -n 1 "$tmp/out") == "$result" ]] || fail "the result line is not the last line"
moves=$(grep -c '^Player [12] plays \[....\]$' "$tmp/out")
[[ $(($(wc -l < "$tmp/out") - 1)) == "$moves" ]] || fail "unexpected lines: $(grep -v 'plays' "$tmp/out")"
[[ -z $(uniq -d "$tmp/out") ]] || fail "a move line written twice in a row"
echo "ok   key press: exit status 0 after $moves moves"

# Another client destroying the window while a human is to move ends the
# program as a close does: status 0, nothing on standard error.
"$bin" -p1 human -p2 1 > "$tmp/out" 2> "$tmp/err" < /dev/null &
game_pid=$!
window=$(xdotool search --sync --name '^Kalvon Trevosk$' | head -n 1)
[[ -n $window ]] || fail "no window for the human game"
sleep 0.3
xdotool windowclose "$window"
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the program outlived its destroyed window"
wait "$game_pid"
status=$?
game_pid=""
[[ $status == 0 && ! -s $tmp/err ]] || fail "window destroyed: status $status, stderr: $(head -n 5 "$tmp/err")"
echo "ok   window destroyed by another client: exit status 0"
echo "3 passed, 0 failed"
