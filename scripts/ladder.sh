#!/usr/bin/env bash
# Plays the strength ladder of the built-in levels and draws it:
#   scripts/ladder.sh [GAMES [SEED]]      (defaults: 300 games per pair, seed 1)
# Each pair of adjacent levels (the higher one as seat A) and level 8 against
# every lower level play GAMES games, each pair of games from a line of the
# opening suite dist/openings-4.txt (4 half-moves balanced under level 8),
# in an order shuffled from the seed. Writes docs/ladder.csv (one summary
# row per pair) and docs/ladder.png
# (the ladder); the records stay in build/ladder/.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-300}
seed=${2:-1}
suite=dist/openings-4.txt

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVOSK_SANITIZE=OFF > /dev/null
cmake --build build --target trevosk-match > /dev/null
match=build/trevosk-match
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
records=build/ladder
mkdir -p "$records"

pairs=()
for l in 7 6 5 4 3 2 1; do pairs+=("step $((l + 1)) $l"); done
for l in 6 5 4 3 2 1; do pairs+=("vs8 8 $l"); done

csv=docs/ladder.csv
for pair in "${pairs[@]}"; do
  read -r kind a b <<< "$pair"
  echo "ladder: level $a against level $b ($games games)" >&2
  rm -f "$records/$kind-$a-$b.jsonl"
  "$match" --games "$games" --seed "$seed" --openings-file "$suite" --openings-order random --csv \
    --out "$records/$kind-$a-$b.jsonl" "level:$a" "level:$b" > "$tmp/summary.csv"
  if [[ ! -s "$tmp/rows" ]]; then echo "kind,level_a,level_b,$(head -1 "$tmp/summary.csv")" > "$tmp/rows"; fi
  echo "$kind,$a,$b,$(tail -1 "$tmp/summary.csv")" >> "$tmp/rows"
done
mv "$tmp/rows" "$csv"

# Ratings with level 8 at 0. The chain goes down the adjacent steps (its
# bars add the steps' interval half-widths in quadrature); the direct points
# are minus the Elo of level 8 against the level. A perfect score has no
# finite Elo: the chain stops there, and such a direct point is left out.
awk -F, -v chain="$tmp/chain.dat" -v direct="$tmp/direct.dat" '
  NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next }
  { e = $col["elo"]; lo = $col["elo_low"]; hi = $col["elo_high"] }
  $1 == "step" { step[$3] = e; step_lo[$3] = lo; step_hi[$3] = hi }
  $1 == "vs8" && e !~ /inf/ {
    down = (hi ~ /inf/) ? 800 : hi - e; up = (lo ~ /inf/) ? 800 : e - lo
    printf "%d %.1f %.1f %.1f\n", $3, -e, -e - down, -e + up > direct
  }
  END {
    r = 0; down2 = 0; up2 = 0
    printf "8 0 0 0\n" > chain
    for (l = 7; l >= 1; --l) {
      if (!(l in step) || step[l] ~ /inf/) break
      r -= step[l]
      down2 += (step_hi[l] ~ /inf/) ? 640000 : (step_hi[l] - step[l]) ^ 2
      up2 += (step_lo[l] ~ /inf/) ? 640000 : (step[l] - step_lo[l]) ^ 2
      printf "%d %.1f %.1f %.1f\n", l, r, r - sqrt(down2), r + sqrt(up2) > chain
    }
  }' "$csv"

gnuplot <<EOF
set terminal pngcairo size 800,500 font "DejaVu Sans,10"
set output "docs/ladder.png"
set title "Level ladder: Elo relative to level 8 ($games games per pair, openings of $suite, seed $seed)"
set xlabel "level"
set ylabel "Elo (level 8 = 0)"
set xrange [0.5:8.5]
set xtics 1
set grid
set key bottom right
plot "$tmp/chain.dat" using 1:2:3:4 with yerrorlines lw 2 title "adjacent levels, chained (95%)", \
     "$tmp/direct.dat" using (\$1 + 0.08):2:3:4 with yerrorbars pt 7 title "against level 8 (95%)"
EOF

echo "ladder: wrote $csv and docs/ladder.png; the games are in $records" >&2
