# bash completion for zendrik: options, script files (.pas) and pages (.html, .htm).

_zendrik_files() {
  # $1: extensions for extglob, e.g. "pas|PAS"; directories always complete.
  local IFS=$'\n' cur=$2
  compopt -o filenames 2>/dev/null
  COMPREPLY+=($(compgen -d -- "$cur"))
  COMPREPLY+=($(shopt -s extglob; compgen -f -X "!*.@($1)" -- "$cur"))
}

_zendrik() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  COMPREPLY=()
  case $prev in
    --format) COMPREPLY=($(compgen -W "csv tsv json" -- "$cur")); return ;;
    --jobs) COMPREPLY=($(compgen -W "1 2 4 8 16 32 64" -- "$cur")); return ;;
    -o) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --list) _zendrik_files "pas|PAS" "$cur"; return ;;
  esac
  local word extracting=
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    [[ $word == --extract ]] && extracting=1
  done
  if [[ $extracting ]]; then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "-o --format --jobs" -- "$cur"))
    else
      _zendrik_files "html|htm|HTML|HTM" "$cur"
    fi
  elif ((COMP_CWORD == 1)); then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "--extract --list --help --version" -- "$cur"))
    else
      _zendrik_files "pas|html|htm|PAS|HTML|HTM" "$cur"
    fi
  else
    # Arguments of a script: any file.
    compopt -o default 2>/dev/null
  fi
}

complete -F _zendrik zendrik
