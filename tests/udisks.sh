#!/bin/sh
# tessaro-config cards through the system's disk service, as a desktop runs
# it: a system bus, udevd and udisksd of the test's own, in a mount namespace
# of its own, and ext4 card images set up as loop devices (root; else
# skipped, 77). The run is root's: the service gives no loop device set up
# outside it an owner of its own. Every wait gives up after a bound.
#
#   udisks.sh <tessaro-config>
set -u
. "$(dirname "$0")/support/until.sh"
. "$(dirname "$0")/support/diskservice.sh"
missing=$(disk_service_missing)
[ -z "$missing" ] || { echo "skipped: $missing is missing"; exit 77; }
if [ -z "${TESSARO_DISK_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null ||
        { echo "skipped: the disk service needs root and unshare -m"; exit 77; }
    exec env TESSARO_DISK_NAMESPACE=1 unshare -m --propagation private sh "$0" "$@"
fi
program=$1
root=$(mktemp -d)
cd "$root" || exit 1
trap 'kill -9 $pid 2>/dev/null; umount -l "$root/srv" 2>/dev/null; stop_disk_service; rm -rf "$root"' EXIT
trap 'exit 1' INT TERM
failures=0 pid=
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
start_disk_service "$root" || exit 1
# run <arguments...>: the program in the background, once it waits for cards.
run() {
    rm -f out err
    "$program" cards "$@" >out 2>err &
    pid=$!
    until_ "the program to wait for cards" grep -qs "insert " err
}
# ended: waits for the program to end, gives its exit status.
ended() {
    until_ "the end of the run" sh -c "! kill -0 $pid 2>/dev/null" || kill -9 $pid
    wait $pid
}
# config <card>: what the card's image holds as config.txt.
config() { debugfs -R "cat config.txt" "$1.img" 2>/dev/null; }
mounted() { grep -q "^$(losetup -n -O NAME -j "$root/$1.img") " /proc/self/mounts; }

# A card there before is left alone, and so is a loop device set up and
# mounted elsewhere by someone else, said once; two cards inserted together
# get two IDs, each mounted, written, verified and unmounted.
card BEFORE "#ID:042" && insert BEFORE
card FOREIGN "#ID:042" && card IDLE && card ONE && card TWO
idle=$(losetup -f --show IDLE.img)
run --ids 3-5 --set VOLUME=7
kill -STOP $pid
mkdir srv && mount -o loop FOREIGN.img srv
until_ "the service to see FOREIGN mounted" sh -c \
    "udisksctl info -b $(losetup -n -O NAME -j FOREIGN.img) | grep -q 'MountPoints: *$root/srv'"
kill -CONT $pid
until_ "word of FOREIGN" grep -q FOREIGN err
insert ONE && insert TWO
until_ "TWO written" grep -q "TWO (.*)  written" out
kill -INT $pid
ended
for card in ONE:3 TWO:4; do
    "$program" generate -o - --set VOLUME=7 --set ID="${card#*:}" >expected
    config "${card%:*}" | cmp -s expected - || fail "card ${card%:*}: not unit ${card#*:}"
done
[ "$(config BEFORE)" = "#ID:042" ] && [ "$(cat srv/config.txt)" = "#ID:042" ] &&
    [ -z "$(config IDLE)" ] && mounted FOREIGN && ! mounted ONE && ! mounted TWO &&
    ! grep -q "^$idle " /proc/self/mounts &&
    [ "$(grep -c "FOREIGN (/dev/loop.*)  left alone: not a removable card" err)" -eq 1 ] &&
    ! grep -q "BEFORE\|IDLE\|$idle" out err &&
    grep -q "unit 003  ONE (/dev/loop.*)  written and verified" out ||
    { fail "cards through the disk service said:"; cat out err >&2; }
umount srv

# Stopped while a card has come, it puts the card back as it was found, a
# second signal or not.
card MIDWAY
run --ids 6-6
kill -STOP $pid
insert MIDWAY
until_ "MIDWAY's file system" sh -c "udisksctl info -b $(losetup -n -O NAME -j MIDWAY.img) |
    grep -q IdUsage:.*filesystem"
kill -CONT $pid && kill -INT $pid && kill -INT $pid
ended
! mounted MIDWAY && grep -q "MIDWAY" out err || { fail "a card stopped midway:"; cat out err >&2; }

# Checked, a card that differs from the form says how.
card CHANGED "#ID:005
#VOLUME:20
"
run --check --set VOLUME=7
insert CHANGED
until_ "word of CHANGED" grep -q CHANGED err
kill -INT $pid
ended
[ $? -eq 1 ] && grep -q "unit 005  CHANGED (/dev/loop.*)  VOLUME 20 on the card, 07 in the form" err ||
    { fail "a changed card checked:"; cat out err >&2; }

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
