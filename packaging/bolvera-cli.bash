# bash completion for bolvera-cli: its commands and options come from its own
# --help, so they are always those of the installed program.

_bolvera_cli()
{
    local cur prev words cword
    _init_completion || return

    local ayuda
    ayuda=$("${words[0]}" --help 2>/dev/null) || return

    # Options that take a value: the word after them is never the command.
    local con_valor='--dir|--hoy|--nombre|--dia|--papel|--pdf|--dos-semanas|--nota|--fecha|--desde|--hasta|--participaciones'
    case $prev in
        --dir) _filedir -d; return ;;
        --pdf) _filedir pdf; return ;;
        --papel) COMPREPLY=($(compgen -W 'oficial normal' -- "$cur")); return ;;
        --dia) COMPREPLY=($(compgen -W 'Martes Viernes Todos' -- "$cur")); return ;;
        --dos-semanas) COMPREPLY=($(compgen -W 'si no' -- "$cur")); return ;;
        --hoy | --fecha | --desde | --hasta)
            COMPREPLY=($(compgen -W "$(date +%F)" -- "$cur")); return ;;
        --nombre | --nota | --participaciones) return ;;
    esac

    local orden='' i
    for ((i = 1; i < cword; i++)); do
        if [[ ${words[i]} == @($con_valor) ]]; then
            ((i++))
        elif [[ ${words[i]} != -* ]]; then
            orden=${words[i]}
            break
        fi
    done

    local comunes='--dir --hoy --json --help --version'
    if [[ -z $orden ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$comunes" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$(sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' <<<"$ayuda")" -- "$cur"))
        fi
        return
    fi

    # The command's own line of the help: its options, and whether it reads a file.
    local linea
    linea=$(grep -m1 -E "^  $orden( |\$)" <<<"$ayuda")
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -oE -- '--[a-z-]+' <<<"$linea") $comunes" -- "$cur"))
        return
    fi
    if [[ $linea == "  $orden FICHERO"* ]]; then
        _filedir
    fi
} &&
    complete -F _bolvera_cli bolvera-cli
