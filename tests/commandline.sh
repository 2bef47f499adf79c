#!/bin/sh
# tessaro-config run as a script would, on temporary files: its exit status,
# what it prints and the bytes it writes, also when the system refuses (as
# nobody when we are root; a file size limit for a full disk).
#
#   commandline.sh <tessaro-config> <tests/data folder>
set -u
. "$(dirname "$0")/asuser.sh"
program=$1 data=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
chmod 777 "$folder"
cd "$folder" || exit 1
failures=0

# expect <what> <exit status> <printed text> <arguments...>: runs the program
# and checks its status and that stdout then stderr hold the text.
expect() {
    what=$1 status=$2 text=$3
    shift 3
    as_user "$program" "$@" >out 2>err
    got=$?
    printed=$(cat out err)
    # Not printed when removing everything up to it changes nothing.
    if [ "$got" -ne "$status" ] || { [ -n "$text" ] && [ "${printed#*"$text"}" = "$printed" ]; }; then
        echo "FAIL: $what: exit status $got (expected $status), printed:" >&2
        cat out err >&2
        failures=$((failures + 1))
    fi
}

# same <what> <file> <expected file>: the file holds exactly those bytes.
same() {
    cmp -s "$2" "$3" || { echo "FAIL: $1: $2 differs from $3" >&2; failures=$((failures + 1)); }
}

cp "$data/default-config.txt" clean.txt
printf '; unit 5\n#ID:5\n#POWER:7\n' >error.txt
mkfifo fifo.txt
head -c 1048577 /dev/zero | tr '\0' '#' >big.txt
chmod 644 ./*.txt

expect "check, a clean file" 0 "clean.txt: 23 recognised, 0 refused, 0 ignored" check clean.txt
expect "check, a file with an error" 1 "#POWER:-----------------------> ERROR Line(3)
error.txt: 2 recognised, 1 refused, 1 ignored" check error.txt
expect "check, a FIFO" 2 "cannot read fifo.txt: not a regular file" check fifo.txt
expect "check, over 1 MiB" 2 "cannot read big.txt: larger than 1 MiB" check big.txt

expect "generate with sets" 0 "" generate --set VOLUME=20 --set INPUT01=RS042 \
    --set BAUDRATE=38400 --unset BOOT
same "generate with sets" config.txt "$data/set-config.txt"
expect "generate over a file, without --force" 2 "config.txt already exists" generate
same "generate over a file, without --force" config.txt "$data/set-config.txt"
expect "generate, a bad --set" 1 "--set VOLUME=65: VOLUME accepts 0 to 64" \
    generate --set VOLUME=65 -o bad.txt
expect "generate, a name in lower case" 1 "--set BUTTON1=play: BUTTON1 accepts PLAY, STOP," \
    generate --set BUTTON1=play -o bad.txt
expect "generate, no such key" 2 "--set VOLUMES=1: no such key" generate --set VOLUMES=1 -o bad.txt
expect "generate, no value" 2 "--set VOLUME: no such key" generate --set VOLUME -o bad.txt
[ ! -e bad.txt ] || { echo "FAIL: a bad --set wrote bad.txt" >&2; failures=$((failures + 1)); }
expect "generate from a file, to standard output" 1 "error.txt: line 3 refused" \
    generate --from error.txt -o -
printf '#ID:005\r\n#POWER:0\r\n' >expected.txt
same "generate from a file, to standard output" out expected.txt
# A full disk: writes past 100 bytes fail (the ignored signal stays ignored).
sh -c 'trap "" XFSZ; exec prlimit --fsize=100 "$@"' sh "$program" generate --force \
    >out 2>err && failures=$((failures + 1))
same "generate, disk full" config.txt "$data/set-config.txt"

expect "batch, three units" 1 "$folder/units/unit-003/config.txt" batch --ids 1-3 \
    --out-dir "$folder/units" --name unit-%1 --from error.txt
printf '#ID:003\r\n#POWER:0\r\n' >expected.txt
same "batch, three units" units/unit-003/config.txt expected.txt
mkdir locked && chmod 555 locked
expect "batch, an unwritable --out-dir" 2 "cannot write $folder/locked/ID005/config.txt: " \
    batch --ids 5-5 --out-dir "$folder/locked"
expect "batch, IDs out of range" 2 "--ids 0-3: give FIRST-LAST, from 1 to 127" \
    batch --ids 0-3 --out-dir "$folder/units"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
