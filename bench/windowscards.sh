#!/bin/sh
# How quickly tessaro-config.exe serves a memory card under Wine: cards
# defined one after another as removable drive letters through Wine's mount
# manager; prints the time from a card's letter being there to its line
# (seen by the poll, held, written, read back uncached and compared, and the
# eject tried), and the slowest of them. Run after scripts/windows.sh built
# build-windows/.
#
#   bench/windowscards.sh [cards]
set -eu
cd "$(dirname "$0")/.."
build=$(pwd)/build-windows cards=${1:-10}
wine=$build/wine.sh drive=$build/winedrive.exe
root=$(mktemp -d)
trap 'kill $pid 2>/dev/null; "$wine" "$drive" remove Q; rm -rf "$root"' EXIT
"$wine" "$build/tessaro-config.exe" cards --ids "1-$cards" >"$root/out" 2>"$root/err" &
pid=$!
until grep -qs "insert " "$root/err"; do sleep 0.05; done
total=0 slowest=0 card=1
while [ $card -le "$cards" ]; do
    mkdir "$root/card$card" && printf '%08x\n' $((0x7000 + card)) >"$root/card$card/.windows-serial"
    "$wine" "$drive" define Q removable "$root/card$card"
    start=$(date +%s%N)
    until grep -q "unit $(printf %03d $card)  .*written and verified" "$root/out"; do sleep 0.005; done
    elapsed=$((($(date +%s%N) - start) / 1000000))
    total=$((total + elapsed))
    [ $elapsed -le $slowest ] || slowest=$elapsed
    "$wine" "$drive" remove Q
    card=$((card + 1))
done
echo "cards under Wine: $cards; letter there to written and verified: mean $((total / cards)) ms, slowest $slowest ms"
