#!/usr/bin/env bash
# Each manual page renders without warnings, and names every option of its
# program's usage text (for trevosk-engine: every protocol command).
#   man_pages.sh PAGE_DIR TREVOSK TREVOSK_ENGINE TREVOSK_MATCH
set -uo pipefail
dir=$1 trevosk=$2 engine=$3 match=$4
export LC_ALL=C.UTF-8 MANWIDTH=200
bad=0
check_page() {  # program, then its options
  local page=$dir/$1.6 text warnings
  shift
  warnings=$(man --warnings -l "$page" 2>&1 > /dev/null)
  if [[ -n $warnings ]]; then
    echo "$page: man warns:"
    echo "$warnings"
    bad=1
  fi
  # Rendered without hyphenation or adjustment, so no word is split.
  text=$(man -l --nh --nj "$page" 2> /dev/null)
  for option in "$@"; do
    if ! grep -qE -- "(^|[^-[:alnum:]_])$option([^-[:alnum:]_]|$)" <<< "$text"; then
      echo "$page: $option is missing"
      bad=1
    fi
  done
}
options() { sed -nE 's/^ +(-[-[:alnum:]]+).*/\1/p'; }
mapfile -t trevosk_options < <("$trevosk" -help | options)
mapfile -t match_options < <("$match" --help | options)
mapfile -t engine_commands < <(printf 'list_commands\n' | "$engine" | sed 's/^= //' | grep .)
# The usage texts cannot have gone empty.
if ((${#trevosk_options[@]} < 9 || ${#match_options[@]} < 11 || ${#engine_commands[@]} < 20)); then
  echo "usage texts not read: ${#trevosk_options[@]} ${#match_options[@]} ${#engine_commands[@]}"
  exit 1
fi
check_page trevosk "${trevosk_options[@]}"
check_page trevosk-match "${match_options[@]}"
check_page trevosk-engine "${engine_commands[@]}"
((bad == 0)) && echo "pages render and name ${#trevosk_options[@]}, ${#match_options[@]} and ${#engine_commands[@]} options and commands"
exit $bad
