#!/usr/bin/env bash
# The match runner and the engine as a user drives them from a shell: their
# command lines, the record file's lock, a match interrupted and resumed, the
# check of outside programs before the first game, and the progress lines of
# a run whose standard error is not a terminal.
# Usage: run_control.sh TREVOSK_ENGINE TREVOSK_MATCH MISBEHAVING_ENGINE
set -uo pipefail
engine=$1 match=$2 misbehaving=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
# expect STATUS WHAT STATUS_WANTED [STDERR_LINE]: the last line of standard error.
expect() {
  if [[ $1 != "$3" ]] || { (($# > 3)) && [[ $(tail -n 1 "$scratch/err") != "$4" ]]; }; then
    fail "$2: status $1 (want $3), stderr: $(tail -n 1 "$scratch/err")"
  fi
}
# The records without their times, in game order.
records() { sed -E 's/"ms":\[[^]]*\]//' "$1" | sort; }

# Both programs: --help, --version, and one line with status 2 for anything else.
for program in "$engine" "$match"; do
  "$program" --version > "$scratch/out" 2> "$scratch/err"
  expect $? "$program --version" 0
  grep -qE "^trevosk-(engine|match) [0-9]" "$scratch/out" || fail "$program --version: $(< "$scratch/out")"
  "$program" --help > "$scratch/out" 2> "$scratch/err"
  expect $? "$program --help" 0
  grep -q "^Usage: " "$scratch/out" || fail "$program --help: no usage"
  for word in -x --bogus; do
    "$program" $word level:1 level:2 < /dev/null > "$scratch/out" 2> "$scratch/err"
    expect $? "$program $word" 2
    [[ $(wc -l < "$scratch/err") == 1 && ! -s "$scratch/out" ]] || fail "$program $word: not one line"
  done
done

# A file that holds records is refused without --resume and left as it was;
# a file another run holds is refused.
play=(--games 12 --seed 5 --openings 2 --concurrency 2 level:2 level:3)
"$match" "${play[@]}" --out "$scratch/full.jsonl" > "$scratch/full.txt" 2> "$scratch/err"
expect $? "a match" 0
cp "$scratch/full.jsonl" "$scratch/copy.jsonl"
"$match" "${play[@]}" --out "$scratch/full.jsonl" > /dev/null 2> "$scratch/err"
expect $? "--out on a file of records" 2 \
  "trevosk-match: $scratch/full.jsonl already holds records: --resume goes on with its match"
cmp -s "$scratch/full.jsonl" "$scratch/copy.jsonl" || fail "the refused file changed"
(
  flock 9
  "$match" "${play[@]}" --out "$scratch/held.jsonl" > /dev/null 2> "$scratch/err"
  expect $? "--out on a locked file" 1 \
    "trevosk-match: $scratch/held.jsonl: in use by another run of trevosk-match"
) 9>> "$scratch/held.jsonl"

# Interrupted after a few games and resumed: the records of the match played
# whole, and its summary.
"$match" "${play[@]}" --concurrency 1 --out "$scratch/part.jsonl" > /dev/null 2> "$scratch/err" &
pid=$!
for _ in $(seq 200); do
  (($(wc -l < "$scratch/part.jsonl" 2> /dev/null || echo 0) >= 3)) && break
  sleep 0.05
done
kill -INT $pid
wait $pid
expect $? "a match interrupted" 130
lines=$(wc -l < "$scratch/part.jsonl")
((lines >= 3 && lines < 12)) || fail "the interrupted match wrote $lines records"
"$match" "${play[@]}" --resume --out "$scratch/part.jsonl" > "$scratch/resumed.txt" 2> "$scratch/err"
expect $? "--resume" 0
[[ $(records "$scratch/part.jsonl") == "$(records "$scratch/full.jsonl")" ]] ||
  fail "the resumed match's records differ from the whole match's"
[[ $(grep -v "^time per move" "$scratch/resumed.txt") == "$(grep -v "^time per move" "$scratch/full.txt")" ]] ||
  fail "the resumed match's summary differs"
"$match" "${play[@]/--openings/--games}" --resume --out "$scratch/part.jsonl" > /dev/null 2> "$scratch/err"
expect $? "--resume of another match" 1

# Outside programs that cannot start, or stop before protocol_version, end
# the run before any record is written.
for seat in "cmd:$scratch/missing-engine" "cmd:$misbehaving dead"; do
  "$match" --games 2 --seed 1 --out "$scratch/none.jsonl" level:1 "$seat" > /dev/null 2> "$scratch/err"
  expect $? "$seat" 1
  grep -q "seat \`$seat'" "$scratch/err" || fail "$seat: $(< "$scratch/err")"
  [[ ! -e $scratch/none.jsonl ]] || fail "$seat: a record file was left"
done

# Deterministic seats without openings: one warning.
"$match" --games 4 --seed 1 level:3 level:4 > /dev/null 2> "$scratch/err"
[[ $(grep -c "warning: deterministic seats" "$scratch/err") == 1 ]] || fail "no warning: $(< "$scratch/err")"

# Off a terminal: a progress line every --progress-every seconds; games here
# take 0.6 s each (a program that never answers, its moves timed out).
"$match" --games 2 --concurrency 1 --seed 1 --move-time 0.6 --progress-every 0.25 level:1 \
  "cmd:$misbehaving hang" > /dev/null 2> "$scratch/err"
grep -qE "^trevosk-match: [0-2]/2 games  A [0-9.]+ - B [0-9.]+  Elo" "$scratch/err" ||
  grep -qx "trevosk-match: 0/2 games" "$scratch/err" || fail "no progress line: $(< "$scratch/err")"

((failures == 0)) && echo "run control as expected"
exit $((failures > 0))
