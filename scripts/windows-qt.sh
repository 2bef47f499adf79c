#!/bin/sh
# Builds Qt for 64-bit Windows (MinGW-w64, POSIX threads) from Debian's own
# qt6-base source, once per machine, into a cache outside the work tree, and
# prints the Qt prefix on the last line of stdout, so that
#   qt=$(scripts/windows-qt.sh)
# works; everything else goes to stderr. A second run finds the cache at once.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
# stdout is for the prefix alone: keep it as descriptor 3, chatter to stderr.
exec 3>&1 1>&2

# The cross compilers; dpkg-dev for apt-get source; Wine to run the programs
# (wine64 alone keeps its loader in /usr/lib/wine, wine puts it on PATH) and
# its fonts, which Qt's offscreen platform needs under Wine;
# NSIS and xz for the installer and archives.
"$root/scripts/setup-debian.sh" mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix \
    dpkg-dev wine wine64 fonts-wine nsis xz-utils qt6-translations-l10n

# Qt's own build tools (moc, rcc, uic) are the host's: the Windows Qt must be
# the very same source, so take the version of the host's Qt package.
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
case "$source_version" in
    6.4.2+*) ;;
    *) echo "The host's Qt is $source_version, not 6.4.2." >&2; exit 1 ;;
esac

toolchain_source="$root/cmake/mingw-w64-x86_64-posix.cmake"
# Only what Tessaro needs: Core, Gui, Widgets and Test, the windows and
# offscreen platforms, the ico image plug-in; Qt's bundled libraries, so that
# nothing Windows-side but the MinGW runtime is needed.
# Debian's +dfsg source has no src/3rdparty/wintab, which tablet support
# includes: no tablet events. Direct2D stays, for DirectWrite font rendering,
# but not its own platform plug-in (Direct2D 1.1).
options="-release -shared -opensource -confirm-license
    -xplatform win32-g++ -qt-host-path /usr -cmake-generator Ninja
    -nomake examples -nomake tests
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype -no-libjpeg -no-gif
    -no-opengl -no-dbus -no-icu -no-zstd -no-feature-vulkan
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml
    -no-feature-tabletevent -no-feature-direct2d1_1
    -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake"

# The cache key changes with anything that changes the build.
hash=$( { echo "$source_version"; echo "$options"; cat "$toolchain_source"; } |
    sha256sum | cut -c1-12)
key="qt-6.4.2-mingw-$hash"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/tessaro"
prefix="$cache/$key"
# Qt's qt.toolchain.cmake loads the MinGW tool-chain file by the path it was
# built with: a copy beside the prefix, where no clone's removal reaches it.
toolchain="$cache/$key.toolchain.cmake"

# Qt's own French texts are not built here: Debian's, of the same Qt, go
# where the Windows Qt looks for them.
add_translations() {
    mkdir -p "$1/translations"
    cp /usr/share/qt6/translations/qtbase_fr.qm "$1/translations/"
}

if [ -d "$prefix" ]; then
    [ -f "$prefix/translations/qtbase_fr.qm" ] || add_translations "$prefix"
    echo "Qt for Windows: $prefix (cached)"
    echo "$prefix" >&3
    exit 0
fi

mkdir -p "$cache"
# One build at a time per key; a second run waits, then finds the cache.
exec 9>"$cache/$key.lock"
flock 9
if [ -d "$prefix" ]; then
    echo "$prefix" >&3
    exit 0
fi

# Debian 12 lists only binary packages by default; apt-get source needs the
# matching source lists.
if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
if ! grep -Eqs '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    echo "Adding Debian's source lists"
    deb822=$(for file in /etc/apt/sources.list.d/*.sources; do
        if grep -qs '^Suites:.*bookworm' "$file"; then
            sed 's/^Types:[[:space:]]*deb$/Types: deb-src/' "$file"
            echo
        fi
    done)
    one_line=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        sed -n 's/^[[:space:]]*deb[[:space:]]\(.*bookworm.*\)/deb-src \1/p')
    if [ -n "$deb822" ]; then
        printf '%s\n' "$deb822" | $as_root tee /etc/apt/sources.list.d/tessaro-deb-src.sources >/dev/null
    fi
    if [ -n "$one_line" ]; then
        printf '%s\n' "$one_line" | $as_root tee /etc/apt/sources.list.d/tessaro-deb-src.list >/dev/null
    fi
    $as_root apt-get update
fi

build=$(mktemp -d "${TMPDIR:-/tmp}/tessaro-qt-build.XXXXXX")
log="$build/build.log"
# Kept when something fails, for its log; removed once Qt is in the cache.
on_exit() {
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "Qt build failed; the folder is kept: $build" >&2
        [ -f "$log" ] && tail -n 40 "$log" >&2
    else
        rm -rf "$build"
    fi
}
trap on_exit EXIT

# The copy is written whole or not at all.
cp "$toolchain_source" "$toolchain.tmp"
mv "$toolchain.tmp" "$toolchain"

echo "Fetching Debian's qt6-base $source_version"
(cd "$build" && apt-get source -q "qt6-base=$source_version") >"$log" 2>&1
src=$(find "$build" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

mkdir "$build/qt"
cd "$build/qt"
echo "Configuring Qt (log: $log)"
start=$(date +%s)
# shellcheck disable=SC2086
nice -n 15 "$src/configure" -prefix "$prefix" $options \
    "-DCMAKE_TOOLCHAIN_FILE=$toolchain" >>"$log" 2>&1
configured=$(date +%s)
echo "Configured in $((configured - start)) s; building (nice, 2 jobs)"
nice -n 15 cmake --build . --parallel 2 >>"$log" 2>&1
built=$(date +%s)
echo "Built in $((built - configured)) s; installing"

# Installed under another name, renamed once whole: an interrupted run
# never leaves a prefix that looks complete.
rm -rf "$prefix.part"
cmake --install . --prefix "$prefix.part" >>"$log" 2>&1
add_translations "$prefix.part"
mv "$prefix.part" "$prefix"
echo "Qt for Windows: $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix" >&3
