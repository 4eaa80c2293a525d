#!/usr/bin/env bash
# Checks the match runner's SPRT on the built-in levels (slow; run by hand):
#   scripts/sprt_check.sh [SEEDS [MAX_GAMES]]   (defaults 20 and 2000)
# 1. level:8 against level:8 with the opening suite (shuffled by each seed),
#    elo0=0, elo1=10, SEEDS master seeds: H0 must be accepted more often than
#    H1.
# 2. level:8 against level:4, elo0=0, elo1=20: H1 within 200 games.
# Each match stops at MAX_GAMES if the test has not decided by then. Prints
# one line per match and the counts; exits 1 if either check fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-20}
max_games=${2:-2000}

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVOSK_SANITIZE=OFF > /dev/null
cmake --build build --target trevosk-match > /dev/null
match=build/trevosk-match
suite=dist/openings-4.txt

# sprt SEED MAX ELO1 SEATS...: prints "verdict games llr".
sprt() {
  local seed=$1 max=$2 elo1=$3
  shift 3
  "$match" --games "$max" --seed "$seed" --openings-file "$suite" --openings-order random \
    --sprt "elo0=0,elo1=$elo1" --progress-every 0 --csv "$@" 2> /dev/null |
    awk -F, 'NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next }
             { print $col["sprt"], $col["games"], $col["llr"] }'
}

h0=0 h1=0 open=0
for seed in $(seq 1 "$seeds"); do
  read -r verdict games llr < <(sprt "$seed" "$max_games" 10 level:8 level:8)
  echo "level:8 vs level:8, seed $seed: $verdict after $games games, LLR $llr"
  case $verdict in H0) h0=$((h0 + 1)) ;; H1) h1=$((h1 + 1)) ;; *) open=$((open + 1)) ;; esac
done
echo "equal seats: H0 $h0, H1 $h1, inconclusive $open of $seeds"
read -r verdict games llr < <(sprt 1 200 20 level:8 level:4)
echo "level:8 vs level:4: $verdict after $games games, LLR $llr"
((h0 > h1)) && [[ $verdict == H1 ]]
