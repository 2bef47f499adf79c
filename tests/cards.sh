#!/bin/sh
# Memory cards as small tmpfs volumes mounted in a watched folder, in a mount
# namespace of its own (root; else skipped, 77): tessaro-config cards as a
# script runs it, then the window's Write to Cards (its test program).
#
#   cards.sh <tessaro-config> <tst_cardsdialog>
set -u
if [ -z "${TESSARO_CARD_NAMESPACE:-}" ]; then
    trial=$(mktemp -d) && unshare -m mount -t tmpfs trial "$trial" 2>/dev/null && rmdir "$trial" ||
        { rmdir "$trial"; echo "skipped: mounting cards needs root and unshare -m"; exit 77; }
    exec env TESSARO_CARD_NAMESPACE=1 unshare -m --propagation private sh "$0" "$@"
fi
program=$1 dialogTest=$2
root=$(mktemp -d)
trap 'awk -v r="$root/" "index(\$2, r) == 1 { print \$2 }" /proc/self/mounts | sort -r |
    xargs -r -n 1 umount; rm -rf "$root"' EXIT
watched=$root/media prepared=$root/prepared failures=0
mkdir "$watched" "$prepared"
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# insert <name> [mount options] [config.txt content] [filler KiB]: a card,
# prepared outside the watched folder, then moved in at once.
insert() {
    mkdir "$prepared/$1" "$watched/$1"
    mount -t tmpfs -o "size=32k${2:+,$2}" "$1" "$prepared/$1"
    [ -z "${3:-}" ] || printf '%s' "$3" >"$prepared/$1/config.txt"
    [ -z "${4:-}" ] || head -c "${4}k" /dev/zero >"$prepared/$1/filler" 2>/dev/null
    mount --move "$prepared/$1" "$watched/$1"
}
# outcomes <count>: waits until the program has told of that many cards.
outcomes() {
    tries=0
    until [ "$(cat out err | grep -c 'unit [0-9]*: ')" -ge "$1" ]; do
        tries=$((tries + 1)) && [ $tries -lt 100 ] || { fail "no word of card $1"; return; }
        sleep 0.05
    done
}

insert BACKUP
"$program" cards --ids 3-5 --watch "$watched" --set VOLUME=7 >out 2>err & pid=$!
until grep -q "insert the card for unit 003" err; do sleep 0.05; done
insert A && outcomes 1
insert B && outcomes 2
insert LOCKED ro && outcomes 3
insert FULL "" "#ID:100" 32 && outcomes 4
insert OLD "" "#ID:005" && outcomes 5
insert C
wait $pid
[ $? -eq 1 ] || fail "cards: not exit status 1 after refused cards"
for card in A:3 B:4 C:5; do
    "$program" generate -o - --set VOLUME=7 --set ID="${card#*:}" >expected
    cmp -s expected "$watched/${card%:*}/config.txt" || fail "card ${card%:*}: not unit ${card#*:}"
done
[ -z "$(ls "$watched/BACKUP")" ] || fail "the volume mounted before was written"
[ "$(cat "$watched/FULL/config.txt")" = "#ID:100" ] || fail "the full card lost its file"
[ "$(cat "$watched/OLD/config.txt")" = "#ID:005" ] || fail "unit 5's card was replaced"
grep -q "unit 005: not written to $watched/LOCKED/config.txt: Read-only file system" err &&
    grep -q "unit 005: $watched/OLD holds the file of unit 5; skipped" err &&
    grep -qx "3 of 3 units written" out || { fail "cards said:"; cat out err >&2; }

# Stopped by SIGINT between two cards, it says how far it got (exit 1); a
# run that writes every card ends by itself (exit 0).
watched=$root/again && mkdir "$watched"
"$program" cards --ids 6-7 --watch "$watched" >out 2>err & pid=$!
until grep -q "insert the card for unit 006" err; do sleep 0.05; done
insert D && outcomes 1 && kill -INT $pid
wait $pid
[ $? -eq 1 ] && grep -qx "1 of 2 units written" out || fail "cards stopped by SIGINT"
"$program" cards --ids 8-8 --watch "$watched" >out 2>err & pid=$!
until grep -q "insert the card for unit 008" err; do sleep 0.05; done
insert E
wait $pid || fail "cards, every card written: exit status $?"

# The window: two cards while the dialog is open.
TESSARO_WATCHED="$watched/window" sh "$(dirname "$0")/fromcopy.sh" "$dialogTest" ||
    failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
