#!/bin/sh
# tessaro-config cards through the system's disk service, as a desktop runs
# it: a system bus, udevd and udisksd of the test's own, in a mount namespace
# of its own, and ext4 card images set up as loop devices (root; else
# skipped, 77). Everything it starts it stops, by PID.
#
#   udisks.sh <tessaro-config>
set -u
udisksd=/usr/libexec/udisks2/udisksd udevd=/lib/systemd/systemd-udevd
for tool in "$udisksd" "$udevd" dbus-daemon udisksctl mkfs.ext4 debugfs unshare; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
if [ -z "${TESSARO_DISK_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null ||
        { echo "skipped: the disk service needs root and unshare -m"; exit 77; }
    exec env TESSARO_DISK_NAMESPACE=1 unshare -m --propagation private sh "$0" "$@"
fi
program=$1
root=$(mktemp -d)
cd "$root" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pids=""
stop() {
    for image in *.img; do
        for device in $(losetup -n -O NAME -j "$root/$image"); do
            udisksctl loop-delete --no-user-interaction -b "$device" >/dev/null 2>&1 ||
                losetup -d "$device"
        done
    done
    kill $pids 2>/dev/null
    rm -rf "$root"
}
trap stop EXIT

cat >bus.conf <<CONF
<busconfig><type>system</type><listen>unix:path=$root/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_type="*"/>
<allow receive_type="*"/></policy></busconfig>
CONF
dbus-daemon --config-file=bus.conf --nofork --nopidfile 2>/dev/null & pids=$!
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$root/bus
until [ -S bus ]; do sleep 0.05; done
"$udevd" 2>/dev/null & pids="$pids $!"
"$udisksd" --no-debug >udisksd.log 2>&1 & pids="$pids $!"
until udisksctl status >/dev/null 2>&1; do sleep 0.1; done

# card <name> [config.txt content]: an ext4 card image, with a file on it.
card() {
    truncate -s 8M "$1.img" && mkfs.ext4 -q -L "$1" "$1.img"
    [ -z "${2:-}" ] || { printf '%s' "$2" >content && debugfs -w -R "write content config.txt" "$1.img"; } >/dev/null 2>&1
}
insert() { udisksctl loop-setup --no-user-interaction -f "$1.img" >/dev/null; }
# outcomes <count>: waits until the program has told of that many cards.
outcomes() {
    tries=0
    until [ "$(cat out err | grep -c '  unit [0-9]*  ')" -ge "$1" ]; do
        tries=$((tries + 1)) && [ $tries -lt 200 ] || { fail "no word of card $1"; return; }
        sleep 0.05
    done
}

# A card there before is left alone; two cards inserted together get two
# IDs, each mounted, written, verified and unmounted.
card BEFORE "#ID:042" && insert BEFORE
card ONE && card TWO
"$program" cards --ids 3-4 --set VOLUME=7 >out 2>err & program_pid=$!
until grep -q "insert " err; do sleep 0.05; done
insert ONE && insert TWO
wait $program_pid || fail "cards through the disk service: exit status $?"
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
"$program" cards --check --set VOLUME=7 >out 2>err & program_pid=$!
until grep -q "insert " err; do sleep 0.05; done
insert CHANGED && outcomes 1
kill -INT $program_pid
wait $program_pid
[ $? -eq 1 ] && grep -q "unit 005  CHANGED (/dev/loop.*)  VOLUME 20 on the card, 07 in the form" err ||
    { fail "a changed card checked:"; cat out err >&2; }

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
