# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for tovix-export

_tovix_export()
{
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
        -f | --format)
            COMPREPLY=($(compgen -W '$("$1" --list-formats 2>/dev/null)' -- "$cur"))
            return
            ;;
        --for)
            COMPREPLY=($(compgen -W '$("$1" --list-targets 2>/dev/null | cut -d" " -f1)' -- "$cur"))
            return
            ;;
        --rgb-order)
            COMPREPLY=($(compgen -W 'rgb bgr' -- "$cur"))
            return
            ;;
        --byte-order)
            COMPREPLY=($(compgen -W 'little big' -- "$cur"))
            return
            ;;
        --pack)
            COMPREPLY=($(compgen -W 'rows pages' -- "$cur"))
            return
            ;;
        --dither)
            COMPREPLY=($(compgen -W 'none floyd-steinberg atkinson ordered' -- "$cur"))
            return
            ;;
        --mono)
            COMPREPLY=($(compgen -W 'channels luminance' -- "$cur"))
            return
            ;;
        --filter)
            COMPREPLY=($(compgen -W 'area lanczos nearest' -- "$cur"))
            return
            ;;
        --rotate)
            COMPREPLY=($(compgen -W '90 180 270' -- "$cur"))
            return
            ;;
        --flip)
            COMPREPLY=($(compgen -W 'h v' -- "$cur"))
            return
            ;;
        --bit-order)
            COMPREPLY=($(compgen -W 'msb lsb' -- "$cur"))
            return
            ;;
        --palette-format)
            COMPREPLY=($(compgen -W '888 565' -- "$cur"))
            return
            ;;
        --palette)
            _filedir
            return
            ;;
        --header)
            _filedir h
            return
            ;;
        --decode)
            # What -f 1, -f bytes (.c) and -f 2 (.txt) write; a header holds no pixels.
            _filedir '@(c|txt)'
            return
            ;;
        -m | --mode)
            COMPREPLY=($(compgen -W '$("$1" --list-modes 2>/dev/null)' -- "$cur"))
            return
            ;;
        -t | --threshold | --background | --resize | --attribute | -n | --name | -h | --help | --version | --list-formats | --list-modes | --list-targets)
            return
            ;;
        -o | --output)
            _filedir
            return
            ;;
        --save-doc)
            _filedir tvx
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        # Taken from --help, so that the list follows the tool's own.
        COMPREPLY=($(compgen -W '$(_parse_help "$1")' -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    # Any picture the installed image readers know, or a document: which
    # kinds those are only the tool can tell, so every file is offered.
    _filedir
} &&
    complete -F _tovix_export tovix-export
