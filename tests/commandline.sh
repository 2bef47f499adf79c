#!/bin/sh
# tessaro-config run as a script would, on temporary files: its exit status,
# what it prints and the bytes it writes, also when the system refuses (as
# nobody when we are root; a file size limit for a full disk) and when
# someone else's links, FIFOs and folders stand in its way.
#
#   commandline.sh <tessaro-config> <tests/data folder>
set -u
. "$(dirname "$0")/asuser.sh"
program=$1 data=$2
folder=$(mktemp -d)
trap 'chmod -R u+w "$folder"; rm -rf "$folder"' EXIT
chmod 777 "$folder"
cd "$folder" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

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
        fail "$what: exit status $got (expected $status), printed:"
        cat out err >&2
    fi
}

# same <what> <file> <expected file>: the file holds exactly those bytes.
same() { cmp -s "$2" "$3" || fail "$1: $2 differs from $3"; }

cp "$data/default-config.txt" clean.txt
cp "$data/set-config.txt" kept.txt
printf '; unit 5\n#ID:5\n\n#POWER:7\n#ID:5x\n' >error.txt
printf '' >empty.txt
printf 'root:x:0:0:root:/root:/bin/sh\n\n' >passwd.txt
mkfifo fifo.txt
head -c 1048577 /dev/zero | tr '\0' '#' >big.txt
chmod 644 ./*.txt

expect "check, a clean file and an empty one" 0 "clean.txt: 23 recognised, 0 refused, 0 ignored
empty.txt: 0 recognised, 0 refused, 0 ignored" check clean.txt empty.txt
expect "check, findings" 1 "#POWER:-----------------------> ERROR Line(4)
#ID:--------------------------> OK
(standard input): 3 recognised, 1 refused, 1 ignored
(standard input):1: not recognised
(standard input):4: \"#POWER:7\" refused (accepts 0 or 1)
(standard input):5: \"#ID:5x\" read as 005" check - <error.txt
printf '#POWER:\033]0;x\007\n' >escapes.txt
expect "check, control characters" 1 '"#POWER:\x1b]0;x\x07" refused' check escapes.txt
expect "check, a FIFO" 2 "cannot read fifo.txt: Not a regular file" check fifo.txt
expect "check, over 1 MiB" 2 "cannot read big.txt: Larger than 1 MiB" check big.txt

expect "generate with sets" 0 "" generate --set VOLUME=20 --set INPUT01=RS042 \
    --set BAUDRATE=38400 --unset BOOT
same "generate with sets" config.txt kept.txt
expect "generate over a file, without --force" 2 "config.txt already exists" generate
expect "generate, a value cut to the row's width" 1 "--set VOLUME=100: VOLUME accepts 0 to 64" \
    generate --set VOLUME=100 -o bad.txt
expect "generate, no such key" 2 "--set VOLUMES=1: no such key" generate --set VOLUMES=1 -o bad.txt
expect "generate from a file without settings" 1 "passwd.txt: no setting recognised" \
    generate --from passwd.txt -o bad.txt
[ ! -e bad.txt ] || fail "bad.txt written"
expect "generate from standard input, to standard output" 1 "(standard input):4:" \
    generate --from - -o - <error.txt
printf '#ID:005\r\n#POWER:0\r\n' >expected.txt
same "generate to standard output" out expected.txt

expect "check --help" 0 "Usage: tessaro-config check FILE..." check --help
# Options a command does not take are refused.
expect "check --set" 2 "check: Unknown option 'set'" check --set VOLUME=1 clean.txt
expect "generate --ids" 2 "generate: Unknown option 'ids'" generate --ids 1-2
expect "batch -o" 2 "batch: Unknown option 'o'" batch --ids 1-2 --out-dir units -o x

# Standard output that takes nothing: full, closed, or past a size limit.
for command in "check clean.txt" "generate -o -" "batch --ids 1-1 --out-dir full --force"; do
    for output in ">/dev/full" ">&-"; do
        eval 'as_user "$program" $command' "$output" '2>err'
        [ $? -eq 2 ] && grep -q "cannot write to standard output" err ||
            fail "$command, standard output $output: not exit status 2"
    done
done
prlimit --fsize=10 "$program" generate -o - >limited 2>/dev/null
[ $? -eq 2 ] || fail "generate -o -, past a file size limit: not exit status 2"
yes '#ID:1' | head -n 100000 >many.txt
{ "$program" check many.txt 2>err; echo $? >status; } | head -c 1 >/dev/null
[ "$(cat status)" -eq 2 ] && grep -q "Broken pipe" err || fail "check, a pipe closed: not exit status 2"
# A full disk: writes past 100 bytes fail.
prlimit --fsize=100 "$program" generate --force >out 2>err && fail "generate, disk full: exit status 0"
same "generate, disk full" config.txt kept.txt

# What stands at the name is never written through, and only a regular file
# is replaced.
ln -s "$folder/elsewhere.txt" dangling.txt
ln -s kept.txt link.txt
mkdir -p hall/ID001 && ln -s "$folder/hall/ID001" hall/ID002
expect "generate to a link to nothing" 2 "dangling.txt already exists" generate -o dangling.txt
expect "generate --force to a FIFO" 2 "cannot write fifo.txt: Not a regular file" \
    generate -o fifo.txt --force
expect "generate --force to a link" 0 "" generate -o link.txt --force --unset ID
[ ! -e elsewhere.txt ] && [ -p fifo.txt ] && [ ! -L link.txt ] || fail "a link or FIFO written through"
same "generate --force to a link" kept.txt "$data/set-config.txt"
expect "batch into a unit folder that is a link" 2 \
    "cannot write $folder/hall/ID002/config.txt: The folder is a symbolic link" \
    batch --ids 2-2 --out-dir "$folder/hall"
[ ! -e hall/ID001/config.txt ] || fail "written into the folder a link leads to"
# The folder takes no new file, but its writable file is still replaced.
mkdir -m 777 locked && cp clean.txt locked/config.txt && chmod 666 locked/config.txt
chmod 555 locked
expect "generate --force in a folder that takes no file" 0 "" \
    generate -o locked/config.txt --force --set VOLUME=20 --set INPUT01=RS042 \
    --set BAUDRATE=38400 --unset BOOT
same "generate --force in a folder that takes no file" locked/config.txt kept.txt
as_user prlimit --fsize=100 "$program" generate -o locked/config.txt --force >out 2>err &&
    fail "generate --force in place, disk full: exit status 0"
same "generate --force in place, disk full" locked/config.txt kept.txt
expect "generate, a name that is not UTF-8" 2 "not valid UTF-8" generate -o "$(printf 'out\376')"
[ -z "$(find . -name 'out?*')" ] || fail "a file named other than given was written"

expect "batch, three units" 1 "$folder/units/unit-003/config.txt" batch --ids 1-3 \
    --out-dir "$folder/units" --name unit-%1 --from error.txt --set ID=99
printf '#ID:003\r\n#POWER:0\r\n' >expected.txt
same "batch, three units" units/unit-003/config.txt expected.txt
expect "batch over existing files" 2 "unit-002/config.txt already exists; --force" \
    batch --ids 2-4 --out-dir "$folder/units" --name unit-%1
[ ! -e units/unit-004 ] || fail "batch over existing files wrote unit 4"
expect "batch, an unwritable --out-dir" 2 "cannot write $folder/locked/ID005/config.txt: " \
    batch --ids 5-5 --out-dir "$folder/locked"
expect "batch, IDs out of range" 2 "--ids 0-3: give FIRST-LAST, from 1 to 127" \
    batch --ids 0-3 --out-dir "$folder/units"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
