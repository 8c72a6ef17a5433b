# Bash completion for kolvar-chart: subcommands, their options, and file names
# for the options that take one. Works with or without the bash-completion
# package (installed as completions/kolvar-chart, loaded on first use).

_kolvar_chart()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    # --opt=VALUE reaches us as the words --opt, = and VALUE.
    if [[ $cur == = ]]; then
        cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    local subcommands="ephemeris elements list render runic identify closeup find print telescope tonight"
    local time="--jd --date --zone --summer --dst"
    local sky="$time --city --lat --lon --size"
    local view="--show --label-mag --night --daylight --small-bodies-mag --elements"

    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$subcommands --help" -- "$cur"))
        return
    fi

    local options
    case ${COMP_WORDS[1]} in
        ephemeris) options="$time --body --from --to --step --elements" ;;
        elements)
            if ((COMP_CWORD == 2)); then
                COMPREPLY=($(compgen -W "import list remove --help" -- "$cur"))
            elif ((COMP_CWORD == 3)) && [[ $prev == import ]]; then
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -f -- "$cur"))
            fi
            return ;;
        list)
            if ((COMP_CWORD == 2)) && [[ $cur != -* ]]; then
                COMPREPLY=($(compgen -W "names show add observe next export import --help" -- "$cur"))
                return
            elif ((COMP_CWORD == 3)) && [[ $prev == import ]]; then
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -f -- "$cur"))
                return
            fi
            options="$time --city --lat --lon --note" ;;
        render) options="$sky $view --path --path-days --style --font-size --horizon --out --objects --bench --from --to --step" ;;
        runic) options="--out" ;;
        identify) options="--x --y $sky $view --font-size --labels" ;;
        closeup) options="--az --alt $sky $view --style --path --path-days --horizon --chart-size --fov --mag-limit --circles --out --objects --bench" ;;
        find) options="$sky --elements --horizon" ;;  # and the NAME, which nothing can guess
        print) options="$time --from --to --step --city --lat --lon --out --paper --landscape --dpi --label-mag --show --small-bodies-mag --elements --path --path-days --title --horizon --bench --center --fov --mag-limit --circles" ;;
        telescope)
            # The action first, then (for goto and sync) a name nothing can guess.
            local actions="status goto sync abort park unpark" i have=""
            for ((i = 2; i < COMP_CWORD; i++)); do
                [[ " $actions " == *" ${COMP_WORDS[i]} "* ]] && have=1
            done
            if [[ -z $have && $cur != -* && $prev != --* ]]; then
                COMPREPLY=($(compgen -W "$actions" -- "$cur"))
                return
            fi
            options="--server --device --ra --dec --city --lat --lon --min-alt --no-wait --timeout" ;;
        tonight) options="$time --city --lat --lon --min-alt --mag --kinds --min-size --max-size --horizon --format --print --elements" ;;
        *) return ;;
    esac

    # The value of an option: file names where one is wanted, nothing to
    # guess for numbers and sizes.
    case $prev in
        --out)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -X '!*.[pP][nN][gG]' -- "$cur") $(compgen -d -- "$cur"))
            [[ ${COMP_WORDS[1]} == print ]] &&
                COMPREPLY+=($(compgen -f -X '!*.[pP][dD][fF]' -- "$cur") $(compgen -f -X '!*.[sS][vV][gG]' -- "$cur"))
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --objects)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -X '!*.tsv' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        --labels | --elements | --horizon | --print)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --paper)
            COMPREPLY=($(compgen -W "A4 A3 letter" -- "$cur"))
            return ;;
        --size | --chart-size)
            COMPREPLY=($(compgen -W "800x600 1024x768 1280x1024 1920x1080" -- "$cur"))
            return ;;
        --step)
            COMPREPLY=($(compgen -W "10m 1h 1d 1sd 1w 1lm 1mo 1y" -- "$cur"))
            return ;;
        --show)
            # The layers of a comma-separated list: complete the word after the last comma.
            local done="" word=$cur
            [[ $cur == *,* ]] && done=${cur%,*}, word=${cur##*,}
            COMPREPLY=($(compgen -P "$done" -W "lines names runes labels directions grid eqgrid equator ecliptic small-bodies selection:" -- "$word"))
            compopt -o nospace 2>/dev/null
            return ;;
        --kinds)
            local done="" word=$cur
            [[ $cur == *,* ]] && done=${cur%,*}, word=${cur##*,}
            COMPREPLY=($(compgen -P "$done" -W "planet star messier ngc small-body" -- "$word"))
            compopt -o nospace 2>/dev/null
            return ;;
        --format)
            COMPREPLY=($(compgen -W "tsv csv" -- "$cur"))
            return ;;
        --server)
            COMPREPLY=($(compgen -W "localhost:7624" -- "$cur"))
            return ;;
        --jd | --date | --zone | --from | --to | --lat | --lon | --bench | --x | --y | --az | --alt | --font-size | --label-mag | --small-bodies-mag | --path-days | --path | --dpi | --title | --device | --ra | --dec | --min-alt | --timeout | --mag | --min-size | --max-size)
            return ;;
    esac

    # Options not given yet (either as --opt VALUE or --opt=VALUE), and --help.
    local word given="" i
    for ((i = 2; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        [[ $word == --* ]] && given+=" ${word%%=*} "
    done
    local left=""
    for word in $options --help; do
        [[ $given == *" $word "* ]] || left+=" $word"
    done
    COMPREPLY=($(compgen -W "$left" -- "$cur"))
}
complete -F _kolvar_chart kolvar-chart
