#!/usr/bin/env bash
# The programs at the edges of their standard streams: an input that cannot
# be read ends like an empty one, and an output that cannot be written ends
# the program with one line on standard error and status 1, never status 0.
# Usage: stream_edges.sh TREVOSK TREVOSK_ENGINE TREVOSK_MATCH
set -uo pipefail
trevosk=$1 engine=$2 match=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect GOT WHAT STATUS STDERR: compares a run's status and standard error.
expect() {
  local got_status=$1 what=$2 status=$3 err=$4
  if [[ $got_status != "$status" || $(< "$scratch/err") != "$err" ]]; then
    echo "FAIL $what: status $got_status (want $status), stderr: $(< "$scratch/err")"
    failures=$((failures + 1))
  fi
}

# Standard input closed, a directory, or open only for writing: the human is
# asked once, then the input has ended.
human=(-t -p1 human -p2 1)
"$trevosk" "${human[@]}" > "$scratch/out" 2> "$scratch/err" <&-
expect $? "stdin closed" 2 "Fatal error: exception End_of_file"
"$trevosk" "${human[@]}" > "$scratch/out" 2> "$scratch/err" < /
expect $? "stdin a directory" 2 "Fatal error: exception End_of_file"
"$trevosk" "${human[@]}" > "$scratch/out" 2> "$scratch/err" 0> "$scratch/write-only"
expect $? "stdin write-only" 2 "Fatal error: exception End_of_file"
[[ $(tail -c 7 "$scratch/out") == "Input> " ]] || { echo "FAIL stdin: no prompt"; failures=$((failures + 1)); }

# Standard output full or closed: a game, the banner and the usage.
for words in "-t -p1 1 -p2 1" "-v" "-help"; do
  # shellcheck disable=SC2086
  "$trevosk" $words > /dev/full 2> "$scratch/err" < /dev/null
  expect $? "trevosk $words > /dev/full" 1 "$trevosk: cannot write to standard output"
  # shellcheck disable=SC2086
  "$trevosk" $words 2> "$scratch/err" < /dev/null >&-
  expect $? "trevosk $words >&-" 1 "$trevosk: cannot write to standard output"
done

# The engine: an unreadable input is the end of the session; replies nobody
# can read end it with status 1.
"$engine" > "$scratch/out" 2> "$scratch/err" < /
expect $? "engine stdin a directory" 0 ""
printf 'name\nversion\n' | "$engine" > /dev/full 2> "$scratch/err"
expect $? "engine > /dev/full" 1 "trevosk-engine: cannot write to standard output"

# The match runner's summary and help.
"$match" --help > /dev/full 2> "$scratch/err"
expect $? "match --help > /dev/full" 1 "trevosk-match: cannot write to standard output"

((failures == 0)) && echo "all stream edges hold"
exit $((failures > 0))
