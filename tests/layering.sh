#!/usr/bin/env bash
# The layers depend one way: rules <- players <- search <- game <- front
# ends (gui, engine, match). A file may include only its own layer and those
# below it, and only the window layer includes SDL. Prints every include that breaks
# this and fails; run from the source tree's top.
set -uo pipefail

declare -A allowed=(
  [rules]="rules"
  [players]="rules players"
  [search]="rules players search"
  [game]="rules players search game"
  [gui]="rules players search game gui"
  [engine]="rules players search game engine"
  [match]="rules players search game match"
)

bad=0
for layer in "${!allowed[@]}"; do
  [[ -d src/$layer ]] || continue
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<< "$text")
    [[ $target == "$text" ]] && continue  # not a project include
    if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
      echo "$file:$line: the $layer layer includes $target/"
      bad=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "src/$layer")
done
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](SDL|SDL2/|fontconfig/)' src app tests bench tools 2> /dev/null |
  grep -v '^src/gui/'; then
  echo "SDL or fontconfig included outside src/gui"
  bad=1
fi
((bad == 0)) && echo "layers depend one way"
exit $bad
