#!/bin/sh
# How quickly tessaro-config cards serves a card, and what it costs while it
# waits: cards simulated by tmpfs volumes moved into a watched folder one
# after another, in a mount namespace of its own (root). Prints the time from
# a card's mount to its file written, flushed and read back (the program's
# line about it), the slowest of them, and the CPU used over 10 s of waiting.
#
#   bench/cards.sh <tessaro-config> [cards]
set -eu
if [ -z "${TESSARO_CARD_NAMESPACE:-}" ]; then
    exec env TESSARO_CARD_NAMESPACE=1 unshare -m --propagation private sh "$0" "$@"
fi
program=$1 cards=${2:-20}
root=$(mktemp -d)
trap 'awk -v r="$root/" "index(\$2, r) == 1 { print \$2 }" /proc/self/mounts | sort -r |
    xargs -r -n 1 umount; rm -rf "$root"' EXIT
mkdir "$root/watched" "$root/prepared"
"$program" cards --ids "1-$cards" --watch "$root/watched" >"$root/out" 2>/dev/null &
pid=$!
sleep 1
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 10
idle=$(($(ticks) - before))

total=0 slowest=0 card=1
while [ $card -le "$cards" ]; do
    mkdir "$root/prepared/$card" "$root/watched/$card"
    mount -t tmpfs -o size=64k "card$card" "$root/prepared/$card"
    start=$(date +%s%N)
    mount --move "$root/prepared/$card" "$root/watched/$card"
    until grep -q "^unit $(printf %03d $card): written" "$root/out"; do :; done
    elapsed=$((($(date +%s%N) - start) / 1000))
    total=$((total + elapsed))
    [ $elapsed -le $slowest ] || slowest=$elapsed
    card=$((card + 1))
done
wait $pid
echo "cards: $cards; mount to verified file: mean $((total / cards)) us, slowest $slowest us"
echo "CPU while waiting 10 s: $idle ticks of $(getconf CLK_TCK) a second"
