# bash completion for kostenkoch-cli: commands, each command's options, the values of --sort,
# --measure and --round, and file names. Needs nothing from the bash-completion package.

_kostenkoch_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "check resave ingredients recipes sales book evaluate impact \
            --help --version" -- "$cur")
        return
    fi

    case $prev in
    --sort)
        # "Group|Name" must reach the program as one word.
        local key
        for key in Name 'Group|Name'; do
            [[ $key == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$key")")
        done
        return ;;
    --measure)
        mapfile -t COMPREPLY < <(compgen -W "0 1 2 3 4" -- "$cur")
        return ;;
    --round)
        mapfile -t COMPREPLY < <(compgen -W "cents tenths endings" -- "$cur")
        return ;;
    --recipe | --portions | --date | --start | --end | --series | --ingredient | --group | --supplier | \
        --percent | --price)
        return ;;
    esac

    local options=
    case ${COMP_WORDS[1]} in
    ingredients) options="--sort --descending --csv" ;;
    recipes | sales) options="--csv" ;;
    book) options="--recipe --portions --date" ;;
    evaluate) options="--measure --start --end --cumulative --simulation --series --csv" ;;
    impact) options="--ingredient --group --supplier --percent --price --all --round --csv" ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    else
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}

complete -F _kostenkoch_cli kostenkoch-cli
