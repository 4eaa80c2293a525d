#!/usr/bin/env bash
# Runs reference transcripts against the binary, as a user would run it:
#   run_golden.sh BINARY GOLDEN_DIR [CASE...]
# Without CASE names every case in GOLDEN_DIR is run. Standard output and the
# exit status must match byte for byte; standard error too, except that a
# line "Fatal error: exception ..." only needs to match up to "exception ".
set -uo pipefail

bin=$1
dir=$2
shift 2
if (($# == 0)); then
  set -- $(cd "$dir" && ls *.args | sed 's/\.args$//')
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
normalize() { sed -E 's/^(Fatal error: exception ).*/\1/' "$1"; }

failed=0
for name in "$@"; do
  mapfile -t args < "$dir/$name.args"
  bash -c 'exec -a trevosk "$0" "$@"' "$bin" "${args[@]}" \
    < "$dir/$name.stdin" > "$tmp/out" 2> "$tmp/err"
  status=$?
  ok=1
  if ! cmp -s "$tmp/out" "$dir/$name.stdout"; then
    echo "FAIL $name: standard output differs"
    diff "$dir/$name.stdout" "$tmp/out" | head -20
    ok=0
  fi
  if [[ "$status" != "$(tr -d '[:space:]' < "$dir/$name.status")" ]]; then
    echo "FAIL $name: exit status $status, expected $(cat "$dir/$name.status")"
    ok=0
  fi
  if ! diff -q <(normalize "$tmp/err") <(normalize "$dir/$name.stderr") > /dev/null; then
    echo "FAIL $name: standard error differs"
    diff "$dir/$name.stderr" "$tmp/err" | head -20
    ok=0
  fi
  if ((ok)); then echo "ok   $name"; else failed=1; fi
done
exit $failed
