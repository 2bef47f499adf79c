#!/bin/sh
# tessaro-config cards on Windows, under Wine: memory cards as removable drive
# letters defined at run time through Wine's mount manager (winedrive), each a
# folder of ours with a serial number and a name of its own; then the window's
# Write to Cards (its test program). Every wait gives up after a bound and
# says what it waited for.
#
#   windowscards.sh <wine.sh> <tessaro-config.exe> <winedrive.exe> <tst_cardsdialog.exe>
set -u
wine=$1 program=$2 drive=$3 dialogTest=$4 tests=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d) pid=
letters="E F G H I J K L M N O P"
# No letter of ours is left by a run that was stopped.
forget() { for l in $letters; do "$wine" "$drive" remove $l; done; }
trap 'kill -9 $pid 2>/dev/null; forget; rm -rf "$root"' EXIT
forget
cd "$root" || exit 1
failures=0 serial=4096
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
. "$tests/support/until.sh"
# card <name> [config.txt content]: a card, its folder and its volume's serial and name.
card() {
    serial=$((serial + 1))
    mkdir "$1" && printf '%08x\n' $serial >"$1/.windows-serial" && printf '%s\n' "$1" >"$1/.windows-label"
    [ -z "${2:-}" ] || printf '%s' "$2" >"$1/config.txt"
}
# define <letter> <removable|fixed|network> <card>, remove <letter>
define() { "$wine" "$drive" define "$1" "$2" "$root/$3" || fail "no drive $1: for $3"; }
remove() { "$wine" "$drive" remove "$1"; }
run() {
    rm -f out err
    "$wine" "$program" cards "$@" >out 2>err &
    pid=$!
    until_ "the program to wait for cards" grep -qs "insert " err
}
said() { grep -qF -- "$1" out err || { fail "never said: $1"; cat out err >&2; }; }
holds() {
    "$wine" "$program" generate -o - --set VOLUME=7 --set ID="$2" | cmp -s - "$1/config.txt" ||
        fail "card $1: not unit $2"
}

# A card there before is left alone, and a fixed or a network drive is never
# one; cards come one after another, at one letter too, or two at once; one
# holding another unit's file is left as it was without --force.
card BEFORE && card FIXED && card NET && card ONE && card TWO && card OLD "#ID:009" &&
    card THREE && card FOUR
define E removable BEFORE && define F fixed FIXED
run --ids 1-3 --set VOLUME=7
define G network NET
define H removable ONE && until_ "unit 1" grep -q "unit 001" out && remove H
define H removable TWO && until_ "unit 2" grep -q "unit 002" out
define I removable OLD && until_ "word of OLD" grep -q OLD err
define J removable THREE && define K removable FOUR
until_ "the end of the run" sh -c "! kill -0 $pid 2>/dev/null"
wait $pid
[ $? -eq 1 ] || fail "not exit status 1 after a card left as it was"
holds ONE 1 && holds TWO 2 && holds THREE 3
[ ! -e BEFORE/config.txt ] && [ ! -e FIXED/config.txt ] && [ ! -e NET/config.txt ] &&
    [ ! -e FOUR/config.txt ] && [ "$(cat OLD/config.txt)" = "#ID:009" ] ||
    fail "a drive that was no card to write was written"
said "there before, left alone: E: (BEFORE)"
said "unit 002  H: (TWO)  written and verified"
said "--------  I: (OLD)  left as it was: holds the file of unit 009; not replaced without --force"
said "--------  K: (FOUR)  left alone: every unit is written"
grep -qx "3 of 3 units written" out || fail "not 3 of 3 units written"
forget

# Ctrl+C ends the run between two cards, and says how far it got.
card FIVE
run --ids 5-6
define H removable FIVE && until_ "unit 5" grep -q "unit 005" out
kill -INT $pid
until_ "the end of the run after Ctrl+C" sh -c "! kill -0 $pid 2>/dev/null"
wait $pid
[ $? -eq 1 ] && grep -qx "1 of 2 units written" out || { fail "stopped by Ctrl+C:"; cat out err >&2; }

# The window's Write to Cards.
forget
TESSARO_WATCHED="$root/window" sh "$tests/fromcopy.sh" "$wine" "$dialogTest" ||
    failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
