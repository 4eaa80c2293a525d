#!/usr/bin/env bash
# Builds the opening suite dist/openings-4.txt, openings of 4 half-moves
# balanced between the first and the second player under level 8:
#   scripts/openings.sh [CANDIDATES [KEEP [SEED]]]   (defaults 500, 300 and 1)
# 1. CANDIDATES distinct random openings: the first 4 half-moves of random
#    pairs (legal moves drawn uniformly, as --openings 4 draws them).
# 2. Each is played on by level 8 against level 8 (one game: the level is
#    deterministic, so both games of a pair are the same).
# 3. Kept: the drawn openings, then as many that player 1 won as player 2
#    won, KEEP in all, each time those of the smallest square margin; listed
#    in candidate order.
# 4. Checked on games not used to choose them: each kept opening as a pair
#    of level:8,w=9 against level:8,w=11; the figures go into the header.
# It plays about 1,100 level-8 games (some 6 minutes of one core on an idle
# machine). Run it by hand, with nice on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."
candidates=${1:-500}
keep=${2:-300}
seed=${3:-1}
python=/usr/bin/python3

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVOSK_SANITIZE=OFF > /dev/null
cmake --build build --target trevosk-match > /dev/null
match=build/trevosk-match
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

echo "openings: drawing $candidates candidates" >&2
"$match" --games $((4 * candidates)) --seed "$seed" --openings 4 --out "$tmp/draw.jsonl" \
  level:1 level:1 > /dev/null 2>&1
"$python" - "$tmp/draw.jsonl" "$candidates" > "$tmp/candidates.txt" << 'EOF_PY'
import json, sys
seen, lines = set(), []
for line in open(sys.argv[1]):
    g = json.loads(line)
    opening = " ".join(g["moves"][:4])
    if g["game"] % 2 == 0 and opening not in seen:
        seen.add(opening)
        lines.append((g["game"], opening))
for _, opening in sorted(lines)[: int(sys.argv[2])]:
    print(opening)
EOF_PY
[[ $(wc -l < "$tmp/candidates.txt") == "$candidates" ]] || { echo "openings: too few distinct candidates" >&2; exit 1; }

play() {  # name, openings file, seats: each opening as one pair
  local name=$1 file=$2
  shift 2
  echo "openings: $* over $(wc -l < "$file") openings" >&2
  "$match" --games $((2 * $(wc -l < "$file"))) --seed "$seed" --openings-file "$file" \
    --progress-every 0 --out "$tmp/$name.jsonl" "$@" > /dev/null
}
play select "$tmp/candidates.txt" --shard 0/2 level:8 level:8

"$python" - "$tmp/candidates.txt" "$keep" "$tmp/select.jsonl" > "$tmp/kept.txt" 2> "$tmp/selection.txt" << 'EOF_PY'
import json, sys
lines = open(sys.argv[1]).read().split("\n")[:-1]
margin = {}
for line in open(sys.argv[3]):
    g = json.loads(line)
    margin[g["pair"]] = g["score1"] - g["score2"]
# Draws first, then as many wins of either player, smallest margins first,
# so that player 1 scores one half in these games.
draws = [k for k, m in margin.items() if m == 0][: int(sys.argv[2])]
half = (int(sys.argv[2]) - len(draws)) // 2
wins1 = sorted((m, k) for k, m in margin.items() if m > 0)[:half]
wins2 = sorted((-m, k) for k, m in margin.items() if m < 0)[:half]
chosen = sorted(draws + [k for _, k in wins1 + wins2])
for k in chosen:
    print(lines[k])
m = [margin[k] for k in chosen]
print(f"# candidates: {len(lines)}; player 1 won {sum(1 for v in margin.values() if v > 0)}, "
      f"drew {sum(1 for v in margin.values() if v == 0)}, lost "
      f"{sum(1 for v in margin.values() if v < 0)} under level 8 against level 8", file=sys.stderr)
print(f"# kept: {len(chosen)}; player 1 won {sum(1 for v in m if v > 0)}, drew "
      f"{sum(1 for v in m if v == 0)}, lost {sum(1 for v in m if v < 0)}; margins "
      f"{min(m):+d} to {max(m):+d} squares, mean {sum(m) / len(m):+.2f}", file=sys.stderr)
EOF_PY

check() {  # name, seats
  play "$1" "$tmp/kept.txt" "$2" "$3"
  "$python" - "$tmp/$1.jsonl" "$2 against $3" << 'EOF_PY'
import json, math, sys
games = [json.loads(line) for line in open(sys.argv[1])]
x = [{"1-0": 1, "0-1": 0}.get(g["result"], 0.5) for g in games]
d = [g["score1"] - g["score2"] for g in games]
def ci(v):
    m = sum(v) / len(v)
    s = math.sqrt(sum((a - m) ** 2 for a in v) / (len(v) - 1) / len(v))
    return m, m - 1.96 * s, m + 1.96 * s
print("# check, %s: %d games, player 1 scored %.3f (95%% %.3f .. %.3f), "
      "%+.2f (95%% %+.2f .. %+.2f) squares a game" % ((sys.argv[2], len(games)) + ci(x) + ci(d)))
EOF_PY
}
{
  echo "# Openings of 4 half-moves, one a line, balanced between player 1 and"
  echo "# player 2 under level 8; made by scripts/openings.sh $candidates $keep $seed."
  cat "$tmp/selection.txt"
  check check level:8,w=9 level:8,w=11
  cat "$tmp/kept.txt"
} > "$tmp/suite.txt"
mv "$tmp/suite.txt" dist/openings-4.txt
echo "openings: wrote dist/openings-4.txt" >&2
