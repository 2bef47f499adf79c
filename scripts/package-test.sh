#!/bin/sh
# Builds the Debian package, installs it on this machine and tries the
# installed program as a user would: started from another folder, without
# privileges, inside a session bus of its own, on a (virtual) display. Checks
# that lintian finds no error or warning in the package, that its files
# validate, that French can be chosen, that the window has its icon, and that
# the choice is remembered at the next start. Needs root, or sudo. Every wait
# is bounded and names what it waited for when it gives up.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh desktop-file-utils appstream xdotool x11-utils dbus lintian
scripts/package.sh >/dev/null
package=$(ls build/tessaro_*.deb)
if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi

program="" pid=""
log=$(mktemp)
fail() {
    echo "FAILED: $*" >&2
    [ -s "$log" ] && sed 's/^/  program: /' "$log" >&2
    stop_program
    exit 1
}
# Kills what is left of a run: the program and the session bus around it.
stop_program() {
    [ -n "$pid" ] && $as_root kill -9 "$pid" 2>/dev/null || true
    [ -n "$program" ] && $as_root kill -9 "$program" 2>/dev/null || true
    program="" pid=""
}
# within <seconds> <what> <command...>: runs the command until it succeeds,
# and fails naming what it waited for once the time is up.
within() {
    bound=$1 what=$2
    shift 2
    deadline=$(($(date +%s) + bound))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "gave up after ${bound} s waiting for $what"
        sleep 0.2
    done
}

# Debian's checks of the package itself: any error or warning fails.
lintian --display-info --fail-on error,warning "$package" \
    || fail "lintian finds errors or warnings in $package"
echo "lintian finds no error or warning in $package"

$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$package" >/dev/null
desktop-file-validate /usr/share/applications/example.orvel.Tessaro.desktop
appstreamcli validate --no-net /usr/share/metainfo/example.orvel.Tessaro.metainfo.xml >/dev/null
echo "installed $package; desktop entry and AppStream data validate"
# Bash finds the completion where bash-completion looks for it, by name.
bash -c '. /usr/share/bash-completion/completions/tessaro-config && complete -p tessaro-config' \
    >/dev/null || fail "no bash completion for tessaro-config"

# A user of our own: nobody, with a home of its own, working in a third folder.
home=$(mktemp -d) work=$(mktemp -d)
$as_root chown 65534:65534 "$home" "$work"
chmod 755 "$home" "$work"
# A display of its own: Xvfb picks a free number and writes it once it serves.
number=$(mktemp)
Xvfb -displayfd 1 -ac -screen 0 1024x768x24 >"$number" 2>/dev/null &
xvfb=$!
trap 'stop_program; kill $xvfb 2>/dev/null; $as_root rm -rf "$home" "$work" "$log" "$number"' EXIT
within 20 "the virtual display to start" test -s "$number"
display=:$(cat "$number")
export DISPLAY="$display"
title="Tessaro - Configuration File Generator"
stored="$home/.config/tessaro/$title.cfg"

window_shown() {
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
# Qt stamps _NET_WM_USER_TIME on its window when it handles a key: once it
# is there, the event loop runs and keys are no longer lost.
handles_keys() {
    xdotool windowfocus "$window" key shift 2>/dev/null || true
    ! xprop -id "$window" _NET_WM_USER_TIME | grep -q "= 0$"
}
menu_open() { [ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -gt 1 ]; }
menu_closed() { ! menu_open; }
# Ended, or only waiting to be collected by wait.
ended() {
    case "$(ps -o stat= -p "$program" || true)" in
    "" | Z*) return 0 ;;
    *) return 1 ;;
    esac
}
quits() {
    xdotool windowfocus "$window" key ctrl+q 2>/dev/null || true
    sleep 0.5
    ended
}

# run_program [choose-french]: starts the installed program in a session bus
# of its own, as a desktop would, waits until it handles keys, chooses French
# from the Languages menu if asked, then quits it with Ctrl+Q.
run_program() {
    (cd "$work" && exec $as_root setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$home" DISPLAY="$display" LC_ALL=C.UTF-8 dbus-run-session -- /usr/bin/tessaro) \
        >"$log" 2>&1 &
    program=$!
    within 30 "the program's window to appear" window_shown
    pid=$(xprop -id "$window" _NET_WM_PID | awk '{ print $3 }')
    # The icon's images as numbers, each led by its width and height: the
    # largest, 256 pixels, must be among them.
    xprop -notype -id "$window" 32c _NET_WM_ICON | grep -Eq "(= |, )256, 256, " \
        || fail "the window has no icon"
    within 20 "the program to handle a key" handles_keys
    if [ "${1:-}" = choose-french ]; then
        xdotool key alt+l
        within 10 "the Languages menu to open" menu_open
        xdotool key f
        within 10 "the Languages menu to close after choosing French" menu_closed
    fi
    within 20 "the program to end after Ctrl+Q" quits
    status=0
    wait "$program" || status=$?
    program="" pid=""
    [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}

run_program choose-french
grep -qx "French" "$stored" || fail "French was not stored in $stored"
echo "French chosen and stored in the user's configuration folder"
# A start without any choice stores what it read: French again, not Default.
run_program
grep -qx "French" "$stored" || fail "the next start did not remember French"
[ -z "$(ls "$work")" ] || fail "files were left in the working folder"
echo "the next start remembered French; the window had its icon both times"

$as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y tessaro >/dev/null
echo "package test passed"
