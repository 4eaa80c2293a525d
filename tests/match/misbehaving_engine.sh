#!/bin/sh
# Speaks the engine protocol until it is asked for a move, then misbehaves as
# its argument says: crash, hang, error, garbage, malformed, illegal or close;
# tell answers genmove with `?' and the clock it was told of; dead exits
# before reading anything.
mode=$1
[ "$mode" = dead ] && exit 4
settings= left=
while read -r command rest; do
  case $command in
    time_settings) settings=$rest && printf '=\n\n' ;;
    time_left) left=$rest && printf '=\n\n' ;;
    genmove)
      case $mode in
        crash) exit 3 ;;
        hang) sleep 30 ;;
        error) printf '? cannot move\n\n' ;;
        garbage) printf 'hello\n\n' ;;
        malformed) printf '= 99z9\n\n' ;;
        illegal) printf '= 11a0\n\n' ;;
        close) exec >&- && sleep 30 ;;
        tell) printf '? %s | %s\n\n' "$settings" "$left" ;;
      esac ;;
    quit) printf '=\n\n' && exit 0 ;;
    *) printf '=\n\n' ;;
  esac
done
