#!/bin/sh
# Sets up, builds and starts the program.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MESSAGE'
There is no display to show the window on. Start the program in a virtual one:
    xvfb-run -a build/tessaro
or, to look at it, forward a display (ssh -X) and run scripts/run.sh again.
MESSAGE
    exit 1
fi
exec build/tessaro
