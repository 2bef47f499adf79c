#!/bin/sh
# tessaro-config cards through the system's disk service, as a desktop runs
# it: a system bus, udevd and udisksd of the test's own, in a mount namespace
# of its own, and ext4 card images set up as loop devices (root; else
# skipped, 77).
#
#   udisks.sh <tessaro-config>
set -u
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
trap 'stop_disk_service; rm -rf "$root"' EXIT
start_disk_service "$root"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# run <arguments...>: the program in the background, once it waits for cards.
run() {
    "$program" cards "$@" >out 2>err &
    pid=$!
    until grep -qs "insert " err; do sleep 0.05; done
}

# A card there before is left alone; two cards inserted together get two
# IDs, each mounted, written, verified and unmounted.
card BEFORE "#ID:042" && insert BEFORE
card ONE && card TWO
run --ids 3-4 --set VOLUME=7
insert ONE && insert TWO
wait $pid || fail "cards through the disk service: exit status $?"
for card in ONE:3 TWO:4; do
    "$program" generate -o - --set VOLUME=7 --set ID="${card#*:}" >expected
    debugfs -R "cat config.txt" "${card%:*}.img" 2>/dev/null | cmp -s expected - ||
        fail "card ${card%:*}: not unit ${card#*:}"
done
[ "$(debugfs -R "cat config.txt" BEFORE.img 2>/dev/null)" = "#ID:042" ] &&
    ! grep -q " $root/" /proc/self/mountinfo && grep -q "left alone: BEFORE" err &&
    grep -q "unit 003  ONE (/dev/loop.*)  written and verified" out ||
    { fail "cards through the disk service said:"; cat out err >&2; }

# Checked, a card that differs from the form says how.
card CHANGED "#ID:005
#VOLUME:20
"
run --check --set VOLUME=7
insert CHANGED
until grep -q "CHANGED" err; do sleep 0.05; done
kill -INT $pid
wait $pid
[ $? -eq 1 ] && grep -q "unit 005  CHANGED (/dev/loop.*)  VOLUME 20 on the card, 07 in the form" err ||
    { fail "a changed card checked:"; cat out err >&2; }

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
