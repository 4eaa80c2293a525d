#!/usr/bin/env bash
# A seeded soak: plays games through the match runner at every pair of
# levels, with and without random assist (r) and the stored opening (n), and
# replays every game through the transcript checker, which follows it with
# its own copy of the rules.
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
match=$build/trevosk-match
checker=$build/tests/e2e/transcript_check
for tool in "$match" "$checker"; do
  [[ -x $tool ]] || { echo "soak: $tool is missing (build $build with its tests first)" >&2; exit 2; }
done
[[ -n $seed ]] || seed=$(( (RANDOM << 30 | RANDOM << 15 | RANDOM) ))
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "soak: up to $games games from seed $seed in $build"
start=$SECONDS
played=0 failures=0
for ((k = 0; played < games; ++k)); do
  ((seconds > 0 && SECONDS - start >= seconds)) && break
  combo=$((97 * k % 256))
  a=$((combo % 8 + 1)) b=$((combo / 8 % 8 + 1)) variant=$((combo / 64))
  options=""
  ((variant & 1)) && options+=",r"
  ((variant & 2)) && options+=",n"
  pair_seed=$((seed + k))
  seats=("level:$a$options" "level:$b$options")
  records=$scratch/pair.jsonl
  replay="$match --games 2 --seed $pair_seed --out pair.jsonl ${seats[*]}"
  if ! "$match" --games 2 --concurrency 2 --seed "$pair_seed" --out "$records" "${seats[@]}" \
    > /dev/null 2> "$scratch/err"; then
    echo "FAIL $replay: status $?, $(tail -n 1 "$scratch/err")"
    failures=$((failures + 1))
    continue
  fi
  for g in 0 1; do
    played=$((played + 1))
    if ! grep -q "\"game\":$g,.*\"termination\":\"normal\"" "$records"; then
      echo "FAIL $replay: game $g did not end normally"
      failures=$((failures + 1))
      continue
    fi
    "$match" --replay "$records:$g" > "$scratch/game.txt" 2> "$scratch/err" &&
      "$checker" "$scratch/game.txt" > /dev/null 2>> "$scratch/err" && continue
    echo "FAIL $replay; then --replay pair.jsonl:$g: $(tail -n 1 "$scratch/err" | sed "s|^$scratch/game.txt:|line |")"
    failures=$((failures + 1))
  done
done
echo "soak: $played games in $((SECONDS - start)) s, $failures failures (seed $seed)"
((failures == 0))
