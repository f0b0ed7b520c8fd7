#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page formats without a warning and lists exactly the options
# that --help lists; given a completion script, that completes the same long
# options and the format names that --help names, and offers only exports
# to --decode.
# docs_match_help.sh PROGRAM MANPAGE [COMPLETION]
set -euo pipefail
program=$1 page=$2 completion=${3:-}
status=0

# The options in the first column of lines such as "  -f, --format 1|2   text".
options_of() {
    sed -nE 's/^ {2,8}(-[^ ].*)/\1/p' | sed -E 's/ {2,}.*//' |
        grep -oE '(^|, )--?[A-Za-z][A-Za-z-]*' | sed 's/^, //' | sort -u
}

differ() {   # differ WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "$1 differ from $program --help (< help, > other):"
        diff <(echo "$2") <(echo "$3") || true
        status=1
    fi
}

warnings=$(groff -ww -z -man "$page" 2>&1)
if [ -n "$warnings" ]; then
    echo "groff warns about $page:"
    echo "$warnings"
    status=1
fi

help=$("$program" --help)
help_options=$(options_of <<<"$help")
page_options=$(groff -man -Tascii -P-cbou "$page" |
    awk '/^OPTIONS/ { inside = 1; next } /^[A-Z]/ { inside = 0 } inside' | options_of)
differ "the options of $page" "$help_options" "$page_options"

if [ -n "$completion" ]; then
    source /usr/share/bash-completion/bash_completion
    source "$completion"
    complete_words() {   # what the completion offers for the last of the words
        COMP_WORDS=("$program" "$@")
        COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}
        COMPREPLY=()
        "$(complete -p "$(basename "$program")" | sed -E 's/.* -F ([^ ]+) .*/\1/')" \
            "$program" "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
        printf '%s\n' "${COMPREPLY[@]}" | sort
    }
    differ "the completed options" "$(grep -- '^--' <<<"$help_options")" "$(complete_words --)"
    formats=$(sed -nE 's/.*--format ([^ ]+).*/\1/p' <<<"$help" | head -1 | tr '|' '\n' | sort)
    differ "the completed formats" "$formats" "$(complete_words -f '')"
    # --decode reads what the exports write, not their headers or pictures.
    exports=$(mktemp -d)
    trap 'rm -rf "$exports"' EXIT
    touch "$exports"/{logo.c,logo.h,font.txt,LOGO.C,logo.bmp,logo.png}
    offered=$(complete_words --decode "$exports/")
    expected=$(printf '%s\n' "$exports"/{logo.c,LOGO.C,font.txt} | sort)
    if [ "$offered" != "$expected" ]; then
        printf 'after --decode the completion offers\n%s\ninstead of\n%s\n' "$offered" "$expected"
        status=1
    fi
    differ "the completed targets" "$("$program" --list-targets | cut -d' ' -f1 | sort)" "$(complete_words --for '')"
fi
exit $status
