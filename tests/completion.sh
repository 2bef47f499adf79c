#!/bin/bash
# The bash completion script the build made, as bash calls it on Tab: each
# line below is typed, then Tab, and what it offers is compared with the
# transcript in tests/data/completion.golden (TESSARO_WRITE_GOLDEN=1 writes it).
#
#   completion.sh <completion script> <tests folder>
set -u
script=$1 golden=$2/data/completion.golden
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkdir 'conf dir' units
touch config.txt copy.txt "it's.txt" 'conf dir/hall.txt'
hall='conf dir'
. "$script"

# tab <line typed> [<word>]: the line, then what Tab offers, sorted. Bash
# hands the function the line split as it splits it, "=" a word of its own,
# and the word under the cursor last: "" after a blank, "=" right after one,
# or the word given after the line, typed after its blank with its quotes,
# which read -a cannot keep whole.
tab() {
    local line=$1 word=${2-}
    COMP_WORDS=()
    read -ra COMP_WORDS <<<"${line//=/ = }"
    [[ $line == *' ' ]] && COMP_WORDS+=("$word")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tessaro_config
    printf '%s<Tab> %s\n' "$line$word" "$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd '|')"
}

transcript=$(
    tab 'tessaro-config '
    tab 'tessaro-config batch --'
    tab 'tessaro-config batch --out-dir '
    tab 'tessaro-config batch --ids '
    tab 'tessaro-config generate -o co'
    tab 'tessaro-config generate --from=c'
    tab 'tessaro-config generate --set BU'
    tab 'tessaro-config generate --set INPUT01=PL'
    tab 'tessaro-config generate --set=INPUT01=FOLDER99'
    tab 'tessaro-config generate --set BAUDRATE='
    tab 'tessaro-config generate --set VOLUME='
    tab 'tessaro-config compare --unset B'
    tab 'tessaro-config check '
    tab 'tessaro-config check ' 'conf\ d'
    tab 'tessaro-config check ' '"conf d'
    tab 'tessaro-config batch --out-dir ' "'c"
    tab 'tessaro-config check ' "it\\'"
    tab 'tessaro-config check $hall/'
    tab 'tessaro-config completion '
)
[ -n "${TESSARO_WRITE_GOLDEN:-}" ] && printf '%s\n' "$transcript" >"$golden"
diff -u "$golden" - <<<"$transcript"
