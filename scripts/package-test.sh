#!/bin/sh
# Builds the Debian package, installs it on this machine and tries the
# installed program as a user would: started from another folder, without
# privileges, on a (virtual) display. Checks that its files validate, that
# French can be chosen, that the window has its icon, and that the choice is
# remembered at the next start. Needs root, or sudo.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh desktop-file-utils appstream xdotool x11-utils
scripts/package.sh >/dev/null
package=$(ls build/tessaro_*.deb)
if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi

fail() { echo "FAILED: $*" >&2; exit 1; }

$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$package" >/dev/null
desktop-file-validate /usr/share/applications/example.orvel.Tessaro.desktop
appstreamcli validate --no-net /usr/share/metainfo/example.orvel.Tessaro.metainfo.xml >/dev/null
echo "installed $package; desktop entry and AppStream data validate"

# A user of our own: nobody, with a home of its own, working in a third folder.
home=$(mktemp -d) work=$(mktemp -d)
$as_root chown 65534:65534 "$home" "$work"
chmod 755 "$home" "$work"
display=:$((90 + $$ % 9))
Xvfb "$display" -ac -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; $as_root rm -rf "$home" "$work"' EXIT
sleep 2
export DISPLAY="$display"
title="Tessaro - Configuration File Generator"
stored="$home/.config/Copyright (C) 2026 Orvel. All rights reserved./$title/$title.cfg"

# run_program <keys...>: starts the installed program, presses the keys in
# its window, then quits it with Ctrl+Q and waits for it to end.
run_program() {
    (cd "$work" && exec $as_root setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$home" DISPLAY="$display" LC_ALL=C.UTF-8 /usr/bin/tessaro) >/dev/null 2>&1 &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
    xdotool windowfocus --sync "$window"
    # The icon's images as numbers: width and height come first.
    xprop -notype -id "$window" 32c _NET_WM_ICON | grep -q "= 256, 256, " \
        || fail "the window has no icon"
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        sleep 0.5
    done
    # The window may be gone before the key is released: xdotool then
    # complains, and the program's own exit code tells what happened.
    xdotool key --window "$window" ctrl+q 2>/dev/null || true
    wait "$program" || fail "the program did not end with exit code 0"
}

# Languages menu (Alt+L), then Français (F).
run_program alt+l f
grep -qx "French" "$stored" || fail "French was not stored in $stored"
echo "French chosen and stored in the user's configuration folder"
# A start without any choice stores what it read: French again, not Default.
run_program
grep -qx "French" "$stored" || fail "the next start did not remember French"
[ -z "$(ls "$work")" ] || fail "files were left in the working folder"
echo "the next start remembered French; the window had its icon both times"

$as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y tessaro >/dev/null
echo "package test passed"
