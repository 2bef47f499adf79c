#!/bin/sh
# Runs of tessaro-config racing for the same names, as a stress test of
# "never replaces without --force": four `generate -o g.txt` at once, and two
# `batch` runs into the same folder at once, many times. Prints how often
# more than one run said it wrote a name, and how often a file a run named
# as written held the other run's settings (never, when creation refuses
# an existing name at the moment it is made).
#
#   bench/race.sh <tessaro-config> [trials]
set -u
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") trials=${2:-50}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1

several=0
trial=0
while [ $trial -lt "$trials" ]; do
    rm -f g.txt
    runs=
    for volume in 1 2 3 4; do
        "$program" generate -o g.txt --set VOLUME=$volume 2>/dev/null &
        runs="$runs $!"
    done
    succeeded=0
    for run in $runs; do
        wait "$run" && succeeded=$((succeeded + 1))
    done
    [ $succeeded -gt 1 ] && several=$((several + 1))
    trial=$((trial + 1))
done
echo "generate, 4 runs at once: more than one wrote g.txt in $several of $trials trials"

several=0 lies=0
trial=0
while [ $trial -lt "$trials" ]; do
    rm -rf units
    runs=
    for volume in 1 2; do
        "$program" batch --ids 1-127 --out-dir units --set VOLUME=$volume >"listed$volume" 2>/dev/null &
        runs="$runs $!"
    done
    succeeded=0
    for run in $runs; do
        wait "$run" && succeeded=$((succeeded + 1))
    done
    [ $succeeded -gt 1 ] && several=$((several + 1))
    for volume in 1 2; do
        while read -r file; do
            grep -q "^#VOLUME:0$volume" "$file" || { lies=$((lies + 1)) && break; }
        done <"listed$volume"
    done
    trial=$((trial + 1))
done
echo "batch, 2 runs at once: both exited 0 in $several of $trials trials;" \
    "a run named a file as its own that held the other's in $lies"
