#!/usr/bin/env bash
# The desktop entry and each of its actions start trevosk with a game a
# person plays: every Exec line is trevosk with options it accepts, and run in
# text mode it asks a human for a move (the main entry: player 1).
#   desktop_entry.sh DESKTOP_FILE TREVOSK
set -uo pipefail
entry=$1 trevosk=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad=0
mapfile -t lines < <(sed -n 's/^Exec=//p' "$entry")
if ((${#lines[@]} < 4)); then
  echo "expected the main Exec line and three actions, found ${#lines[@]}"
  exit 1
fi
if [[ $(printf '%s\n' "${lines[@]}" | sort | uniq -d) ]]; then
  echo "two entries start the same game"
  bad=1
fi
for i in "${!lines[@]}"; do
  read -ra words <<< "${lines[i]}"
  if [[ ${words[0]} != trevosk ]]; then
    echo "[${lines[i]}] does not start trevosk"
    bad=1
    continue
  fi
  # With standard input at its end, a human's first turn ends the game with
  # status 2 right after the prompt; anything else ran past the options.
  timeout 120 "$trevosk" "${words[@]:1}" -t < /dev/null > "$tmp/out" 2> "$tmp/err"
  status=$?
  asked=$(grep '^Turn-P' "$tmp/out" | tail -n 1 | cut -c6-7)
  if ((status != 2)) || [[ $(tail -n 1 "$tmp/out") != "Input> " ||
    $(cat "$tmp/err") != "Fatal error: exception End_of_file" ]]; then
    echo "[${lines[i]}]: no human asked for a move (status $status):"
    tail -n 3 "$tmp/out" "$tmp/err"
    bad=1
  elif ((i == 0)) && [[ $asked != P1 ]]; then
    echo "[${lines[i]}]: the main entry asks $asked first, not player 1"
    bad=1
  fi
done
((bad == 0)) && echo "${#lines[@]} command lines, each a game a human plays"
exit $bad
