# bash completion for trevosk and trevosk-match (trevosk-engine takes only
# --help and --version). Installed once under each program's name.

_trevosk() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  case $prev in
    -p1 | -p2)
      COMPREPLY=($(compgen -W 'human 1 2 3 4 5 6 7 8' -- "$cur"))
      return
      ;;
    -w)
      return
      ;;
  esac
  COMPREPLY=($(compgen -W '-v -t -r -n -p1 -p2 -w -help --help' -- "$cur"))
}
complete -F _trevosk trevosk

_trevosk_match() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  case $prev in
    --tournament)
      COMPREPLY=($(compgen -W 'round-robin gauntlet' -- "$cur"))
      return
      ;;
    --openings-order)
      COMPREPLY=($(compgen -W 'sequential random' -- "$cur"))
      return
      ;;
  esac
  # Anything else (the seats, file names) is left to the shell's default
  # completion of file names.
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '--games --concurrency --seed --openings --openings-file
      --openings-order --out --resume --tc --move-time --sprt --tournament --shard
      --progress-every --csv --summary --replay --help --version' -- "$cur"))
  fi
}
complete -o default -F _trevosk_match trevosk-match
