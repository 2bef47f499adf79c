#!/bin/sh
# Memory cards as small tmpfs volumes mounted in a watched folder, in a mount
# namespace of its own (root; else skipped, 77): tessaro-config cards as a
# script runs it, then the window's Write to Cards (its test program). The
# system's disk service is kept out of reach: udisks.sh tries it.
#
#   cards.sh <tessaro-config> <tst_cardsession> <tst_cardsdialog>
set -u
if [ -z "${TESSARO_CARD_NAMESPACE:-}" ]; then
    trial=$(mktemp -d) && unshare -m mount -t tmpfs trial "$trial" 2>/dev/null && rmdir "$trial" ||
        { rmdir "$trial"; echo "skipped: mounting cards needs root and unshare -m"; exit 77; }
    exec env TESSARO_CARD_NAMESPACE=1 DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
        unshare -m --propagation private sh "$0" "$@"
fi
program=$1 sessionTest=$2 dialogTest=$3 tests=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'awk -v r="$root/" "index(\$2, r) == 1 { print \$2 }" /proc/self/mounts | sort -r |
    xargs -r -n 1 umount -l; rm -rf "$root"' EXIT
cd "$root" || exit 1
mkdir prepared
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# insert <name> [mount options] [config.txt content]: a card, prepared
# outside the watched folder, then moved in at once.
insert() {
    mkdir -p "prepared/$1" "$watched/$1"
    mount -t tmpfs -o "size=32k${2:+,$2}" "$1" "prepared/$1"
    [ -z "${3:-}" ] || printf '%s' "$3" >"prepared/$1/config.txt"
    mount --move "prepared/$1" "$watched/$1"
}
# run <arguments...>: the program in the background, once it waits for cards.
run() {
    mkdir -p "$watched" && rm -f out err
    "$program" cards "$@" >out 2>err &
    pid=$!
    until grep -qs "insert " err; do sleep 0.05; done
}
# outcomes <count>: waits until the program has told of that many cards.
outcomes() {
    tries=0
    until [ "$(grep -c '  unit [0-9]*  ' out err | awk -F: '{ n += $2 } END { print n }')" -ge "$1" ]; do
        tries=$((tries + 1)) && [ $tries -lt 100 ] || { fail "no word of card $1"; return; }
        sleep 0.05
    done
}
# holds <card> <unit>: the card holds exactly that unit's file.
holds() {
    "$program" generate -o - --set VOLUME=7 --set ID="$2" | cmp -s - "$watched/$1/config.txt" ||
        fail "card $1: not unit $2"
}

watched=$root/media
mkdir -p "$watched" && insert BACKUP
run --ids 3-5 --watch "$watched" --set VOLUME=7
insert A && outcomes 1
insert B && outcomes 2
insert LOCKED ro && outcomes 3
insert OLD "" "#ID:005" && outcomes 4
insert C
wait $pid
[ $? -eq 1 ] || fail "cards: not exit status 1 after refused cards"
holds A 3 && holds B 4 && holds C 5
[ -z "$(ls "$watched/BACKUP")" ] && [ "$(cat "$watched/OLD/config.txt")" = "#ID:005" ] ||
    fail "the volume mounted before, or unit 5's card, was written"
grep -q "unit 005  LOCKED (LOCKED)  not written: Read-only file system" err &&
    grep -q "unit 005  OLD (OLD)  left as it was" err && grep -q "left alone: BACKUP (BACKUP)" err &&
    grep -qx "3 of 3 units written" out || { fail "cards said:"; cat out err >&2; }

# Stopped by SIGINT between two cards, it says how far it got (exit 1).
watched=$root/again
run --ids 6-7 --watch "$watched"
insert D && outcomes 1 && kill -INT $pid
wait $pid
[ $? -eq 1 ] && grep -qx "1 of 2 units written" out || fail "cards stopped by SIGINT"

# Never past its last ID, however many volumes come at once. The folder
# given through a link is resolved; a bind of a folder is no card; a card
# swapped at one place is a new card; a run's leftover temporary file goes.
watched=$root/once && mkdir "$watched" && ln -s "$watched" link
mkdir -p prepared/set && mount -t tmpfs set prepared/set && printf x >prepared/set/.tessaro-old
for card in X Y; do mkdir prepared/set/$card && mount -t tmpfs $card prepared/set/$card; done
TESSARO_CARD_DELAY_MS=300 run --ids 127-127 --watch link/.
mkdir "$watched/set" && mount --move prepared/set "$watched/set"
mkdir "$watched/S" "$watched/ETC" && mount --bind /etc "$watched/ETC" &&
    mount -t tmpfs S1 "$watched/S" && umount "$watched/S" && mount -t tmpfs S2 "$watched/S"
wait $pid
grep -q "watching $watched\$" err && grep -qx "1 of 1 units written" out &&
    grep -q "ETC (/dev/.*)  left alone" err && grep -q "S (S2)  left alone: every ID is used" err &&
    [ "$(grep -c 'every ID is used' err)" -eq 3 ] || { fail "cards, many at once:"; cat out err >&2; }
[ "$(cat "$watched"/set/config.txt "$watched"/*/*/config.txt "$watched"/S/config.txt 2>/dev/null |
    grep -c '#ID')" -eq 1 ] && [ ! -e /etc/config.txt ] && [ ! -e "$watched/set/.tessaro-old" ] ||
    fail "cards, many at once: written more than once, into /etc, or a leftover kept"

# Two runs on one folder: the card one holds is left alone by the other;
# pulled while held, it gets nothing, nor does the folder left under it.
watched=$root/pulled && mkdir "$watched"
for unit in 1 9; do
    TESSARO_CARD_DELAY_MS=500 "$program" cards --ids $unit-$unit --force --watch "$watched" \
        >out$unit 2>err$unit &
    eval "pid$unit=\$!"
done
until grep -qs "insert " err1 && grep -qs "insert " err9; do sleep 0.05; done
insert P && sleep 0.1 && umount -l "$watched/P"
tries=0
until [ "$(cat err1 err9 | grep -c 'P (P)  ')" -ge 2 ] || [ $tries -ge 100 ]; do
    sleep 0.05 && tries=$((tries + 1))
done
kill -INT "$pid1" "$pid9" && wait
[ -z "$(ls -A "$watched/P")" ] && cat err1 err9 | grep -q "P (P)  in use by another run" &&
    cat err1 err9 | grep -q "P (P)  removed before it was written" ||
    { fail "a card pulled, or held by another run:"; cat err1 err9 >&2; }

# A run's cards one at a time, and the window's dialog.
TESSARO_CARD_DELAY_MS=200 TESSARO_WATCHED="$root/session" "$sessionTest" ||
    failures=$((failures + 1))
TESSARO_WATCHED="$root/window" sh "$tests/fromcopy.sh" "$dialogTest" ||
    failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
