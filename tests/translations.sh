#!/bin/sh
# The translation sources: every text of the program translated, the files as
# lupdate writes them from today's sources, and in French the parts a
# translation must keep kept: the key of an info text, the blank that ends a
# list prefix, exactly one mnemonic in a menu entry.
#
#   translations.sh <lupdate> <source folder>
set -u
lupdate=$1 sources=$2
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
failures=0

for ts in "$sources"/translations/LanguageData_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$copies/$name"
    (cd "$sources" && "$lupdate" -silent -locations none -no-obsolete src -ts "$copies/$name") ||
        { echo "FAIL: lupdate failed on $name" >&2; failures=$((failures + 1)); }
    cmp -s "$ts" "$copies/$name" || { echo "FAIL: $name differs from today's sources:" \
        "cmake --build build --target update_translations" >&2; failures=$((failures + 1)); }
    if grep -n -e 'type="unfinished"' -e '<translation></translation>' "$copies/$name" >&2; then
        echo "FAIL: $name has texts without a translation" >&2
        failures=$((failures + 1))
    fi
done

awk '
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation>/ {
        text = $0; sub(/.*<translation>/, "", text); sub(/<\/translation>.*/, "", text)
        if (match(source, /\(#[A-Z0-9_]+\)/) && index(text, substr(source, RSTART, RLENGTH)) == 0)
            problem = "the key is lost"
        else if ((source ~ / $/) != (text ~ / $/))
            problem = "the ending blank is lost"
        else if (gsub(/&amp;/, "&", source) != gsub(/&amp;/, "&", text))
            problem = "the mnemonics differ"
        else
            next
        print "FAIL: " problem ": " source " -> " text > "/dev/stderr"
        failed = 1
    }
    END { exit failed }
' "$sources/translations/LanguageData_fr.ts" || failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "all translations hold"
exit "$failures"
