#!/usr/bin/env bash
# Runs trevosk-engine on hostile input (a megabyte line, NUL and other
# control bytes, bytes above 127, CR line ends, a last line without its
# newline) and checks every reply, that nothing is read after quit, and that
# the end of the input ends the program with status 0.
set -euo pipefail
engine="$1"
replies="$({ printf '1 name\r\n'; head -c 1048576 /dev/zero | tr '\0' 'a'
  printf '\n\0\0\001\n\377\376 play\n2 play 1 66t0\n3 play 1 66t0\n4 undo\n5 undo\n'
  printf '6 play 2 99s0 # c\n7 play 1 55a0\n8 moves\n9 quit\nname\n'; } | "$engine"; echo x)"
expected="$(printf '=1 Kalvon Trevosk\n\n? line too long\n\n? unknown command\n\n=2 \n\n')"
expected+="$(printf "\n\n?3 not player 1's turn\n\n=4 \n\n?5 cannot undo\n\n")"
expected+="$(printf "\n\n?6 not player 2's turn\n\n=7 \n\n=8 55a0\n\n=9 \n\nx")"
[[ "$replies" == "$expected" ]] || { printf 'unexpected replies:\n%s\n' "$replies"; exit 1; }
printf 'name\nbench extra\n\0garbage' | "$engine" >/dev/null
