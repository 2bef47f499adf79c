#!/bin/sh
# The setup program under Wine, as a user runs it: it installs silently for
# the user, the installed tessaro-config.exe writes the file the Linux
# program writes, and the uninstaller leaves nothing of its own, but keeps
# what the user put in the folder. Every wait gives up after a bound.
#
#   windowssetup.sh <wine.sh> <setup.exe> <the file generate writes>
set -u
wine=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") setup=$2 expected=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
prefix=$(sed -n 's/^export WINEPREFIX="\([^"]*\)".*/\1/p' "$wine")
installed=$prefix/drive_c/users/$(id -un)/AppData/Local/Programs/Tessaro
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaro'
shortcut="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tessaro Configuration File Generator.lnk"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$wine" "$setup" /S || fail "the setup program: exit status $?"
[ -f "$installed/tessaro.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] &&
    [ -f "$shortcut" ] || fail "not installed in $installed, or no Start menu entry"
"$wine" reg query "$key" /v DisplayVersion 2>/dev/null | grep -q DisplayVersion ||
    fail "no uninstaller among the installed apps"
(cd "$work" && "$wine" "$installed/tessaro-config.exe" generate -o - >generated) &&
    cmp -s "$work/generated" "$expected" || fail "the installed tessaro-config.exe wrote otherwise"
(cd "$work" && "$wine" "$installed/tessaro-config.exe" generate -o config.txt) &&
    cmp -s "$work/config.txt" "$expected" || fail "the installed tessaro-config.exe wrote no such file"

# The program's own files beside it go with it; the user's stay.
: >"$installed/Tessaro - Configuration File Generator.cfg"
: >"$installed/notes.txt"
"$wine" "$installed/Uninstall.exe" /S
tries=0
until [ ! -e "$installed/Uninstall.exe" ]; do
    tries=$((tries + 1)) && [ $tries -lt 100 ] || { fail "waited 10 s for the uninstaller"; break; }
    sleep 0.1
done
[ "$(cd "$installed" && find . -mindepth 1)" = "./notes.txt" ] ||
    fail "the uninstaller left or took: $(cd "$installed" && find . -mindepth 1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] && ! "$wine" reg query "$key" >/dev/null 2>&1 ||
    fail "the Start menu entry, or the uninstaller's entry, stayed"
rm -rf "$installed"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
