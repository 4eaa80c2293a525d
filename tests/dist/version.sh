#!/usr/bin/env bash
# The three programs report the version the build defines:
#   version.sh VERSION TREVOSK TREVOSK_ENGINE TREVOSK_MATCH
set -euo pipefail
version=$1 trevosk=$2 engine=$3 match=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bad=0
check() {  # what, got, expected
  if [[ $2 != "$3" ]]; then
    echo "$1: got [$2], expected [$3]"
    bad=1
  fi
}
check "trevosk -v" "$("$trevosk" -v)" "Kalvon Trevosk $version r.temmo"
check "trevosk-engine version" "$(printf 'version\n' | "$engine")" "= $version"
check "trevosk-engine --version" "$("$engine" --version)" "trevosk-engine $version"
check "trevosk-match --version" "$("$match" --version)" "trevosk-match $version"
"$match" --games 1 --seed 1 --out "$tmp/r.jsonl" level:1 level:1 > /dev/null 2>&1
check "trevosk-match record" "$(grep -o '"version":"[^"]*"' "$tmp/r.jsonl")" "\"version\":\"$version\""
((bad == 0)) && echo "all three report $version"
exit $bad
