#!/usr/bin/env bash
# Takes the README's screenshot of a game in progress:
#   scripts/screenshot.sh [BINARY] [OUTPUT]   (defaults: build/trevosk, docs/screenshot.png)
#
# Where to click comes from the layout tool built next to the binary
# (tools/trevosk-layout in its build tree).
#
# A text-mode game between two level-4 players gives player 1's moves. The
# same game is then played in a window under a virtual X server, player 1 as
# a human whose moves are made with the mouse (pick from the tray, mirror and
# turn with the controls, drop on the board) against the same level-4 player
# 2, which answers as before. After a few moves the next piece is picked,
# turned and held over the board, and the window is read back.
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"

bin=${1:-build/trevosk}
output=${2:-docs/screenshot.png}
layout=$(dirname "$bin")/tools/trevosk-layout
[[ -x $layout ]] || { echo "screenshot: no layout tool at $layout" >&2; exit 1; }
moves_before_shot=7

tmp=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Player 1's move codes, each once (text mode logs every move twice).
mapfile -t codes < <("$bin" -t -p1 4 -p2 4 < /dev/null | sed -n 's/^Player 1 plays \[\(....\)\]$/\1/p' | uniq)

start_xvfb || { echo "screenshot: Xvfb did not start" >&2; exit 1; }

"$bin" -p1 human -p2 4 > "$tmp/out" < /dev/null &
game_pid=$!
window=$(xdotool search --sync --name '^Kalvon Trevosk$' | head -n 1)

# X's window coordinates, from the layout tool.
at() { "$layout" "$@"; }
click() { xdotool mousemove --window "$window" $(at "$@") click 1; }
hover() { xdotool mousemove --window "$window" $(at "$@"); }
decode() {  # one code character of a column or row: "1".."9" 0..8, "A".."E" 9..13
  local c=$1
  if [[ $c == [1-9] ]]; then echo $((c - 1)); else echo $(($(printf '%d' "'$c") - 56)); fi
}
# Picks piece letter $1 from player 1's tray and brings it to orientation $2:
# a mirror for an odd one, then quarter turns (each adds 2).
pick() {
  local piece=$(($(printf '%d' "'$1") - 97)) rot=$2
  click slot 1 "$piece"
  if ((rot % 2)); then click control mirror_left_right; fi
  for ((i = 0; i < rot / 2; ++i)); do click control turn_right; done
}
wait_for_moves() {
  for _ in $(seq 300); do
    (($(grep -c plays "$tmp/out") >= $1)) && return
    sleep 0.1
  done
  echo "screenshot: the game did not go on" >&2
  exit 1
}

for ((k = 0; k < moves_before_shot; ++k)); do
  wait_for_moves $((2 * k))
  code=${codes[k]}
  pick "${code:2:1}" "${code:3:1}"
  x=$(decode "${code:0:1}") y=$(decode "${code:1:1}")
  hover square "$x" "$y"
  click square "$x" "$y"
done
wait_for_moves $((2 * moves_before_shot))
code=${codes[moves_before_shot]}
pick "${code:2:1}" "${code:3:1}"
x=$(decode "${code:0:1}") y=$(decode "${code:1:1}")
hover square $((x + 1)) $((y - 1))  # held up and to the right of its place
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
xdotool windowfocus --sync "$window" key space
wait "$game_pid"
game_pid=""
echo "screenshot: $output after $moves_before_shot moves of player 1:"
cat "$tmp/out"
