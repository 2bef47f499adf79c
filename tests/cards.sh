#!/bin/sh
# Memory cards as small tmpfs volumes mounted in a watched folder, in a mount
# namespace of its own (root; else skipped, 77): tessaro-config cards as a
# script runs it, then the window's Write to Cards (its test program). The
# system's disk service is kept out of reach, and so is every folder where a
# desktop mounts cards: udisks.sh tries the service. Every wait gives up after
# a bound and says what it waited for.
#
#   cards.sh <tessaro-config> <tst_cardsdialog>
set -u
if [ -z "${TESSARO_CARD_NAMESPACE:-}" ]; then
    trial=$(mktemp -d) && unshare -m mount -t tmpfs trial "$trial" 2>/dev/null && rmdir "$trial" ||
        { rmdir "$trial"; echo "skipped: mounting cards needs root and unshare -m"; exit 77; }
    exec env TESSARO_CARD_NAMESPACE=1 DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
        unshare -m --propagation private sh "$0" "$@"
fi
program=$1 dialogTest=$2 tests=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d) && mount -t tmpfs root "$root" || exit 1
pids=""
trap 'kill -9 $pids 2>/dev/null; umount -R -l "$root"; rmdir "$root"' EXIT
for media in /media /run/media; do [ ! -d $media ] || mount -t tmpfs none $media; done
cd "$root" || exit 1
mkdir prepared
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

. "$tests/support/until.sh"
# insert <name> [mount options] [config.txt content] [source]: a card,
# prepared outside the watched folder, then moved in at once.
insert() {
    mkdir -p "prepared/$1" "$watched/$1"
    mount -t tmpfs -o "size=32k" "${4:-$1}" "prepared/$1"
    [ -z "${3:-}" ] || printf '%s' "$3" >"prepared/$1/config.txt"
    [ -z "${2:-}" ] || mount -o "remount,$2" "prepared/$1"
    mount --move "prepared/$1" "$watched/$1"
}
# run <arguments...>: the program in the background, once it waits for cards.
run() {
    mkdir -p "$watched" && rm -f out err
    "$program" cards "$@" >out 2>err &
    pid=$! pids="$pids $pid"
    until_ "the program to wait for cards" grep -qs "insert " err
}
# lines [count]: how many cards the program has told of, or whether that many.
lines() {
    told=$(cat out err | grep -E '  (unit [0-9]{3}|-{8})  ' | grep -vc '  waiting$')
    [ $# -eq 0 ] && echo "$told" || [ "$told" -ge "$1" ]
}
# outcomes <count>: waits until the program has told of that many cards.
outcomes() { until_ "word of card $1" lines "$1"; }
# ended: waits for the program to end by itself, gives its exit status.
ended() {
    until_ "the end of the run" sh -c "! kill -0 $pid 2>/dev/null" || kill -9 $pid
    wait $pid
}
# holds <card> <unit>: the card holds exactly that unit's file.
holds() {
    "$program" generate -o - --set VOLUME=7 --set ID="$2" | cmp -s - "$watched/$1/config.txt" ||
        fail "card $1: not unit $2"
}
said() { grep -qF -- "$1" out err || { fail "never said: $1"; cat out err >&2; }; }

# Cards one after another, whatever their names; refused ones say why. An
# overlay is no card: its files lie on the computer's disk.
watched=$root/media
mkdir -p "$watched" upper work && insert BACKUP
run --ids 3-5 --watch "$watched" --set VOLUME=7
mkdir "$watched/O" && mount -t overlay -o lowerdir=/etc,upperdir=upper,workdir=work o "$watched/O"
mkdir prepared/SD2024 && mount -t tmpfs SD2024 prepared/SD2024 &&
    printf x >prepared/SD2024/.tessaro-notes && printf x >prepared/SD2024/.tessaro-0123abcd.tmp &&
    mkdir "$watched/SD2024" && mount --move prepared/SD2024 "$watched/SD2024" && outcomes 1
insert "MY CARD" && outcomes 2
insert LOCKED ro && outcomes 3
insert OLD "" "#ID:005" && outcomes 4
insert C
ended
[ $? -eq 1 ] || fail "cards: not exit status 1 after refused cards"
holds SD2024 3 && holds "MY CARD" 4 && holds C 5
[ -z "$(ls -A "$watched/BACKUP")$(ls -A upper)" ] && [ "$(cat "$watched/OLD/config.txt")" = "#ID:005" ] ||
    fail "the volume there before, the overlay or unit 5's card was written"
[ -e "$watched/SD2024/.tessaro-notes" ] && [ ! -e "$watched/SD2024/.tessaro-0123abcd.tmp" ] ||
    fail "the user's own file went, or a run's leftover stayed"
said "unit 004  MY CARD (MY CARD)  written and verified"
said "--------  LOCKED (LOCKED)  not written: Read-only file system"
said "--------  OLD (OLD)  left as it was: holds the file of unit 005; not replaced without --force"
said "--------  O (o)  left alone: not a card's file system (overlay)"
said "there before, left alone: BACKUP (BACKUP)"
grep -qx "3 of 3 units written" out || fail "not 3 of 3 units written"

# Stopped by SIGINT between two cards, it says how far it got (exit 1).
watched=$root/again
run --ids 6-7 --watch "$watched"
insert D && outcomes 1 && kill -INT $pid
ended
[ $? -eq 1 ] && grep -qx "1 of 2 units written" out || fail "cards stopped by SIGINT"

# Held (stopped) while cards come, it gives each card one line, never an ID
# past its last. The folder given through a link is resolved; a bind of a
# folder is no card; of a card swapped at one place, the one there now counts.
watched=$root/once && mkdir "$watched" && ln -s "$watched" link
mkdir -p prepared/set && mount -t tmpfs set prepared/set
for card in X Y; do mkdir prepared/set/$card && mount -t tmpfs $card prepared/set/$card; done
run --ids 127-127 --watch link/.
kill -STOP $pid
mkdir "$watched/set" && mount --move prepared/set "$watched/set"
mkdir "$watched/S" "$watched/ETC" && mount --bind /etc "$watched/ETC" &&
    mount -t tmpfs S1 "$watched/S" && umount "$watched/S" && mount -t tmpfs S2 "$watched/S"
kill -CONT $pid
ended
grep -q "watching $watched\$" err && grep -qx "1 of 1 units written" out &&
    grep -q "ETC (/dev/.*)  left alone: not a card of its own" err &&
    grep -q "S (S2)  left alone: every unit is written\|S (S2)  written" out err &&
    [ "$(grep -c 'every unit is written' err)" -eq 3 ] || { fail "cards, many at once:"; cat out err >&2; }
[ "$(cat "$watched"/set/config.txt "$watched"/*/*/config.txt "$watched"/S/config.txt 2>/dev/null |
    grep -c '#ID')" -eq 1 ] && [ ! -e /etc/config.txt ] ||
    fail "cards, many at once: written more than once, or into /etc"

# Cards inserted together with the last one get their line too.
watched=$root/together
run --ids 126-127 --watch "$watched"
for card in T1 T2 T3 T4 T5; do insert $card; done
ended
[ $? -eq 1 ] && [ "$(grep -c 'written and verified' out)" -eq 2 ] &&
    [ "$(grep -c 'left alone: every unit is written' err)" -eq 3 ] ||
    { fail "five cards for two IDs:"; cat out err >&2; }

# A card swapped at one place while the program is held is a new card, even
# where the system gives the new mount the old one's ID; one that another run
# holds is left alone.
watched=$root/swapped
run --ids 1-3 --watch "$watched"
insert P && outcomes 1
kill -STOP $pid
umount "$watched/P" && mount -t tmpfs Q "$watched/P"
insert H
flock "$watched/H" sleep 5 &
holder=$! pids="$pids $holder"
until_ "the lock on H" sh -c "! flock -n '$watched/H' true"
kill -CONT $pid
outcomes 3 && kill -INT $pid
ended
kill $holder
said "unit 002  P (Q)  written and verified"
said "--------  H (H)  in use by another run"

# A storm: cards come as fast as they can while mounts elsewhere come and
# go; every card gets one line and one unit, with --force as without.
for force in "" --force; do
    watched=$root/storm$force
    mkdir -p noise
    (while :; do mount -t tmpfs noise noise && umount noise; done) 2>/dev/null &
    noise=$! pids="$pids $noise"
    run --ids 1-30 --watch "$watched" $force
    card=1
    while [ $card -le 30 ]; do insert "c$card" && card=$((card + 1)); done
    outcomes 30
    kill $noise && kill -INT $pid 2>/dev/null
    ended
    [ "$(lines)" -eq 30 ] && [ "$(grep -c "  written and verified" out)" -eq 30 ] &&
        [ "$(sed -n 's/.*  unit \([0-9]*\)  .*/\1/p' out | sort -u | wc -l)" -eq 30 ] ||
        { fail "storm $force: not one line and one unit each"; cat out err >&2; }
    sed -n 's/.*  unit 0*\([0-9]*\)  \(c[0-9]*\) .*/\1 \2/p' out | while read -r unit card; do
        "$program" generate -o - --set ID="$unit" | cmp -s - "$watched/$card/config.txt" ||
            echo "$card: not unit $unit"
    done | grep . && fail "storm $force: a card holds another unit's file"
done

# No folder of cards where the user's name leads nowhere, and none outside
# /media.
USER=../.. LOGNAME= HOME=/ "$program" cards --ids 1-1 >out 2>err
[ $? -eq 2 ] && [ "$(cat err)" = "tessaro-config: no cards can be found: no disk service, and\
 /media/root does not exist; give a folder to watch with --watch" ] ||
    { fail "cards with USER=../..:"; cat err >&2; }

# The window's Write to Cards.
USER=tessaro-nobody TESSARO_WATCHED="$root/window" sh "$tests/fromcopy.sh" "$dialogTest" ||
    failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
