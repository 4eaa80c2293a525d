#!/bin/sh
# Speaks the engine protocol until it is asked for a move, then misbehaves as
# its argument says: crash, hang, error, garbage, malformed, illegal or close.
mode=$1
while read -r command rest; do
  case $command in
    genmove)
      case $mode in
        crash) exit 3 ;;
        hang) sleep 30 ;;
        error) printf '? cannot move\n\n' ;;
        garbage) printf 'hello\n\n' ;;
        malformed) printf '= 99z9\n\n' ;;
        illegal) printf '= 11a0\n\n' ;;
        close) exec >&- && sleep 30 ;;
      esac ;;
    quit) printf '=\n\n' && exit 0 ;;
    *) printf '=\n\n' ;;
  esac
done
