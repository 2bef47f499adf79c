#!/bin/sh
# How quickly tessaro-config cards serves a card through the system's disk
# service, and what it costs while it waits: ext4 card images set up as loop
# devices one after another, with a system bus, udevd and udisksd of our own
# in a mount namespace of its own (root). Prints the time from a card's
# insertion to its line (mounted, written, flushed, read back, unmounted:
# the user may remove it), the slowest of them, and the CPU used over 10 s
# of waiting.
#
#   bench/cards.sh <tessaro-config> [cards]
set -eu
. "$(dirname "$0")/../tests/support/until.sh"
. "$(dirname "$0")/../tests/support/diskservice.sh"
fail() { echo "$*" >&2; exit 1; }
if [ -z "${TESSARO_DISK_NAMESPACE:-}" ]; then
    exec env TESSARO_DISK_NAMESPACE=1 unshare -m --propagation private sh "$0" "$@"
fi
program=$1 cards=${2:-20}
root=$(mktemp -d)
trap 'stop_disk_service; rm -rf "$root"' EXIT
start_disk_service "$root"
card=1
while [ $card -le "$cards" ]; do card "card$card" && card=$((card + 1)); done
"$program" cards --ids "1-$cards" >"$root/out" 2>/dev/null &
pid=$!
sleep 1
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 10
idle=$(($(ticks) - before))

total=0 slowest=0 card=1
while [ $card -le "$cards" ]; do
    start=$(date +%s%N)
    insert "card$card"
    until grep -q "unit $(printf %03d $card)  .*written and verified" "$root/out"; do sleep 0.001; done
    elapsed=$((($(date +%s%N) - start) / 1000))
    total=$((total + elapsed))
    [ $elapsed -le $slowest ] || slowest=$elapsed
    card=$((card + 1))
done
wait $pid
echo "cards: $cards; insertion to removable: mean $((total / cards)) us, slowest $slowest us"
echo "CPU while waiting 10 s: $idle ticks of $(getconf CLK_TCK) a second"
