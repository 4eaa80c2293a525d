#!/usr/bin/env bash
# Measures trevosk-match on this machine: each level against itself, GAMES
# games (default 40) with 4 opening half-moves, with --concurrency 1 and 2,
# each run three times (the median counts: the machine's speed varies).
#   scripts/match_speed.sh [GAMES]
# Writes docs/match_speed.csv: wall seconds and games per second for each
# concurrency, the speed-up, and the level's mean and largest time per move
# (from the median --concurrency 1 run). Run it on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-40}

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVOSK_SANITIZE=OFF > /dev/null
cmake --build build --target trevosk-match > /dev/null
match=build/trevosk-match
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "level,games,seconds_c1,games_per_s_c1,seconds_c2,games_per_s_c2,speedup,ms_mean,ms_max" \
  > "$tmp/speed"
for l in 1 2 3 4 5 6 7 8; do
  row="$l,$games"
  # The two concurrencies take turns, so that a drift of the machine's speed
  # touches both alike.
  for rep in 1 2 3; do
    for c in 1 2; do
      start=$(date +%s.%N)
      "$match" --games "$games" --seed 1 --openings 4 --concurrency "$c" --csv \
        "level:$l" "level:$l" > "$tmp/c$c-$rep.csv" 2> /dev/null
      end=$(date +%s.%N)
      awk -v s="$start" -v e="$end" -v r="$rep" 'BEGIN { printf "%.3f %d\n", e - s, r }' \
        >> "$tmp/times$c"
    done
  done
  for c in 1 2; do
    read -r seconds rep < <(sort -n "$tmp/times$c" | sed -n 2p)
    rm "$tmp/times$c"
    cp "$tmp/c$c-$rep.csv" "$tmp/c$c.csv"
    row+=$(awk -v t="$seconds" -v n="$games" 'BEGIN { printf ",%.2f,%.2f", t, n / t }')
  done
  # Both seats are the same level: their times per move together.
  times=$(awk -F, 'NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next }
    { na = $col["moves_a"]; nb = $col["moves_b"]
      mean = ($col["ms_mean_a"] * na + $col["ms_mean_b"] * nb) / (na + nb)
      max = $col["ms_max_a"] > $col["ms_max_b"] ? $col["ms_max_a"] : $col["ms_max_b"]
      printf "%.2f,%.1f", mean, max }' "$tmp/c1.csv")
  echo "$row" | awk -F, -v t="$times" '{ printf "%s,%.2f,%s\n", $0, ($4 > 0 ? $6 / $4 : 0), t }' \
    >> "$tmp/speed"
  echo "match_speed: level $l done" >&2
done
mv "$tmp/speed" docs/match_speed.csv
column -s, -t docs/match_speed.csv
