# bash completion for kostenkoch-cli: commands, each command's options, the values of --sort,
# --measure, --prices, --group and --round, and file names. Needs nothing from the
# bash-completion package.

_kostenkoch_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W "check resave ingredients recipes sales book evaluate import menu health impact \
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
    --prices)
        mapfile -t COMPREPLY < <(compgen -W "booked current" -- "$cur")
        return ;;
    --group)
        mapfile -t COMPREPLY < <(compgen -W "$(echo {0..19})" -- "$cur")
        return ;;
    --recipe | --portions | --date | --start | --end | --series | --today)
        return ;;
    --date-col | --time-col | --item-col | --artno-col | --qty-col | --price-col)
        return ;;
    --round)
        mapfile -t COMPREPLY < <(compgen -W "cents tenths endings" -- "$cur")
        return ;;
    --ingredient | --supplier | --percent | --price)
        return ;;
    esac

    local options=
    case ${COMP_WORDS[1]} in
    ingredients) options="--sort --descending --csv" ;;
    recipes | sales) options="--csv" ;;
    book) options="--recipe --portions --date" ;;
    evaluate) options="--measure --start --end --cumulative --simulation --series --csv" ;;
    import) options="--dry-run --accept-exact --date-col --time-col --item-col --artno-col --qty-col \
        --price-col --no-heading" ;;
    menu) options="--start --end --group --food --drinks --prices --csv" ;;
    health) options="--today" ;;
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
