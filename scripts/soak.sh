#!/usr/bin/env bash
# A seeded soak: plays games through the match runner at every pair of
# levels, with and without random assist (r) and the stored opening (n);
# replays every game through the transcript checker, which follows it with
# its own copy of the rules, and plays it again with `trevosk -t` seeded by
# TREVOSK_SEED with the game's seed, which must print it byte for byte.
# Every fourth pair puts a search (level 9 on a small budget) in seat A
# instead; trevosk has no such level, so those games are only checked.
#
#   soak.sh [--build DIR] [--seed S] [--seconds T] [GAMES]
#
# GAMES (default 512: each of the 64 level pairs in the 4 variants, as a pair
# of games with the seats swapped) are played in pairs; --seconds stops
# starting new pairs after T seconds. Pair k uses master seed S + k (S drawn
# at random unless given) and the variant and levels numbered 97k mod 256, so
# that a short soak already mixes levels and variants. Prints the games, the
# seconds and each failure with the command that replays it; status 1 if
# anything failed. DIR (default build) holds an existing build with the tests.
set -uo pipefail
cd "$(dirname "$0")/.."

build=build seed="" seconds=0 games=512
while (($#)); do
  case $1 in
    --build) build=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    -*) echo "usage: soak.sh [--build DIR] [--seed S] [--seconds T] [GAMES]" >&2; exit 2 ;;
    *) games=$1; shift ;;
  esac
done
trevosk=$build/trevosk
match=$build/trevosk-match
checker=$build/tests/e2e/transcript_check
for tool in "$trevosk" "$match" "$checker"; do
  [[ -x $tool ]] || { echo "soak: $tool is missing (build $build with its tests first)" >&2; exit 2; }
done
[[ -n $seed ]] || seed=$(( (RANDOM << 30 | RANDOM << 15 | RANDOM) ))
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}

# check_game G: game G of the pair just played, replayed, checked and played
# again by trevosk itself. Player 1 is seat A in game 0, seat B in game 1.
check_game() {
  local g=$1 record game_seed words
  record=$(grep "\"game\":$g," "$scratch/pair.jsonl")
  [[ $record == *'"termination":"normal"'* ]] || { fail "$replay: game $g did not end normally"; return; }
  if ! "$match" --replay "$scratch/pair.jsonl:$g" > "$scratch/game.txt" 2> "$scratch/err" ||
    ! "$checker" "$scratch/game.txt" > /dev/null 2> "$scratch/err"; then
    fail "$replay; then --replay pair.jsonl:$g: $(sed "s|^$scratch/game.txt:|line |" "$scratch/err" | tail -n 1)"
    return
  fi
  game_seed=$(sed -E 's/.*"seed":"([0-9]+)".*/\1/' <<< "$record")
  ((a > 8)) && return
  if ((g == 0)); then words=(-t -p1 "$a" -p2 "$b"); else words=(-t -p1 "$b" -p2 "$a"); fi
  ((variant & 1)) && words+=(-r)
  ((variant & 2)) && words+=(-n)
  TREVOSK_SEED=$game_seed "$trevosk" "${words[@]}" < /dev/null > "$scratch/direct.txt" 2>&1
  cmp -s "$scratch/game.txt" "$scratch/direct.txt" ||
    fail "TREVOSK_SEED=$game_seed trevosk ${words[*]} does not print game $g of $replay"
}

echo "soak: up to $games games from seed $seed in $build"
start=$SECONDS
played=0
for ((k = 0; played < games; ++k)); do
  ((seconds > 0 && SECONDS - start >= seconds)) && break
  combo=$((97 * k % 256))
  a=$((combo % 8 + 1)) b=$((combo / 8 % 8 + 1)) variant=$((combo / 64))
  options=""
  ((variant & 1)) && options+=",r"
  ((variant & 2)) && options+=",n"
  seats=("level:$a$options" "level:$b$options")
  if ((k % 4 == 3)); then
    a=9
    seats[0]="level:9$options,p=$((100 + combo))"
  fi
  replay="trevosk-match --games 2 --seed $((seed + k)) --out pair.jsonl ${seats[*]}"
  rm -f "$scratch/pair.jsonl"
  "$match" --games 2 --concurrency 2 --seed $((seed + k)) --out "$scratch/pair.jsonl" \
    "${seats[@]}" > /dev/null 2> "$scratch/err"
  status=$?
  if ((status != 0)); then
    fail "$replay: status $status, $(tail -n 1 "$scratch/err")"
    continue
  fi
  check_game 0
  check_game 1
  played=$((played + 2))
done
echo "soak: $played games in $((SECONDS - start)) s, $failures failures (seed $seed)"
((failures == 0))
