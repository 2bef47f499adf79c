#!/bin/sh
# tessaro-config run as a script would, on temporary files: its exit status,
# what it prints and the bytes it writes, also when the system refuses (as
# nobody when we are root; a file size limit for a full disk) and when
# someone else's links, FIFOs and folders stand in its way.
#
# With a runner (Wine), the program is the Windows one: the cases of both
# systems run, and must print what they print on Linux; those marked "$!" in
# the transcript, and the checks after it, are Linux's own.
#
#   commandline.sh <tessaro-config> <tests/data folder> [runner]
set -u
. "$(dirname "$0")/asuser.sh"
program=$1 data=$2 runner=${3:-}
folder=$(mktemp -d)
trap 'chmod -R u+w "$folder"; rm -rf "$folder"' EXIT
chmod 777 "$folder"
cd "$folder" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# same <what> <file> <expected file>: the file holds exactly those bytes.
same() { cmp -s "$2" "$3" || fail "$1: $2 differs from $3"; }

cp "$data/default-config.txt" clean.txt
cp "$data/set-config.txt" kept.txt
printf '; unit 5\n#ID:5\n\n#POWER:7\n#ID:5x\n' >error.txt
printf '' >empty.txt
printf 'root:x:0:0:root:/root:/bin/sh\n\n' >passwd.txt
printf '#POWER:\033]0;x\007\n#POWER:1\342\200\256 7\363\240\201\201\n' >escapes.txt
mkfifo fifo.txt
head -c 1048576 /dev/zero | tr '\0' '#' >whole.txt
{ cat whole.txt; echo; } >big.txt
printf '#ID:000\n' >zero.txt
chmod 644 ./*.txt
chmod 666 kept.txt # a link to it may be replaced; a write-protected file may not
cp clean.txt protected.txt && chmod 444 protected.txt
ln -s "$folder/elsewhere.txt" dangling.txt
ln -s kept.txt link.txt
mkdir -p hall/ID001 && ln -s "$folder/hall/ID001" hall/ID002
mkdir -m 777 locked && cp clean.txt locked/config.txt && chmod 600 locked/config.txt
chown 65534 locked/config.txt 2>/dev/null
chmod 555 locked

# The transcript: each "$ ARGUMENTS" line of commandline.txt is run (as nobody
# when we are root), and followed by what it printed, standard output then
# error, and its exit status, indented. TESSARO_WRITE_GOLDEN=1 writes what
# was printed into the file, to review as a diff.
transcript=$data/commandline.txt
run=${runner:-as_user}
expected=$transcript
if [ -n "$runner" ]; then
    expected=both.txt
    awk '/^[$]!/ { skip = 1; next } !/^  / { skip = 0 } !skip' "$transcript" >"$expected"
fi
while IFS= read -r line; do
    case $line in
    '$! '*) [ -n "$runner" ] && continue ;;
    esac
    case $line in
    '$ '* | '$! '*)
        printf '%s\n' "$line"
        eval "$run \"\$program\" ${line#* }" >out 2>err
        status=$?
        cat -v out err | sed 's/^/  /'
        echo "  [exit $status]"
        ;;
    '  '*) ;;
    *) printf '%s\n' "$line" ;;
    esac
done <"$transcript" >transcript
[ -n "$runner" ] || [ -z "${TESSARO_WRITE_GOLDEN:-}" ] || cp transcript "$transcript"
diff -u "$expected" transcript >&2 || fail "the transcript differs from $expected"
same "generate with sets" config.txt kept.txt
printf '#ID:003\r\n#POWER:0\r\n' >expected.txt
same "batch, three units" units/unit-003/config.txt expected.txt
if [ -n "$runner" ]; then
    [ "$failures" -eq 0 ] && echo "all cases passed"
    exit "$failures"
fi
same "generate to a link, with --force" kept.txt "$data/set-config.txt"
same "generate in a folder that takes no file" locked/config.txt kept.txt
same "generate over a write-protected file" protected.txt clean.txt
[ "$(stat -c %a locked/config.txt)" = 600 ] || fail "a file replaced in place lost its mode"
[ ! -e bad.txt ] || fail "bad.txt written"
[ ! -e elsewhere.txt ] && [ -p fifo.txt ] && [ ! -L link.txt ] || fail "a link or FIFO written through"
[ ! -e hall/ID001/config.txt ] || fail "written into the folder a link leads to"
[ -z "$(find . -name 'out?*')" ] || fail "a file named other than given was written"
[ ! -e units/unit-004 ] || fail "batch over existing files wrote unit 4"

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
prlimit --fsize=100 "$program" batch --ids 1-2 --out-dir fulldisk/hall >out 2>err
[ $? -eq 2 ] && [ ! -e fulldisk ] || fail "batch, disk full: not exit status 2, or folders left"

as_user prlimit --fsize=100 "$program" generate -o locked/config.txt --force >out 2>err &&
    fail "generate --force in place, disk full: exit status 0"
same "generate --force in place, disk full" locked/config.txt kept.txt

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
