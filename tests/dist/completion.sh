#!/usr/bin/env bash
# The bash completion offers the options, and for -p1/-p2 the seats.
#   completion.sh COMPLETION_FILE
set -uo pipefail
source "$1"
bad=0
complete_words() {  # function, then the words of the line; the last is completed
  local function=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  "$function"
  echo "${COMPREPLY[*]}"
}
check() {  # expected, function, words...
  local expected=$1 got
  shift
  got=$(complete_words "$@")
  if [[ $got != "$expected" ]]; then
    echo "${*:2}: got [$got], expected [$expected]"
    bad=1
  fi
}
check "human 1 2 3 4 5 6 7 8" _trevosk trevosk -t -p2 ""
check "human" _trevosk trevosk -p1 h
check "-p1 -p2" _trevosk trevosk -p
check "" _trevosk trevosk -w ""
check "--seed --sprt --shard --summary" _trevosk_match trevosk-match --s
check "round-robin" _trevosk_match trevosk-match --tournament r
# Registered under the programs' names.
[[ $(complete -p trevosk) == *"-F _trevosk trevosk" ]] || { echo "trevosk not registered"; bad=1; }
[[ $(complete -p trevosk-match) == *"_trevosk_match trevosk-match" ]] || { echo "trevosk-match not registered"; bad=1; }
((bad == 0)) && echo "completions as expected"
exit $bad
