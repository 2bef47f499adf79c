#!/bin/sh
# Takes the README's picture of the main window under Xvfb (needs ImageMagick).
set -eu
cd "$(dirname "$0")/.."
out="$(pwd)/doc/mainwindow.png"
mkdir -p doc
cd build
xvfb-run -a -s "-screen 0 800x700x24" sh -c '
    ./tessaro & program=$!
    sleep 3
    import -window root -crop 520x640+0+0 +repage "$0"
    kill $program' "$out"
echo "wrote $out"
