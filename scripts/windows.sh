#!/bin/sh
# The program for 64-bit Windows, made here: cross-built with MinGW-w64
# against a Qt built once from Debian's own source (scripts/windows-qt.sh),
# its tests run under Wine, then the two deliverables in build-windows/: the
# program's folder as it runs, as a zip, and a setup program (NSIS) that
# installs it for the user; the setup program is then tried under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh zip
qt=$(scripts/windows-qt.sh)
build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_HOST_PATH=/usr
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tessaro-$version-win64
deploy=$(pwd)/$build/deploy
folder=$deploy/Tessaro
rm -rf "$deploy"
mkdir -p "$folder/translations" "$folder/licences"

# The programs, the plug-ins Qt loads for them (the Windows platform, its
# style, the icon reader), and every DLL any of these imports that Windows
# does not have: Qt's and the MinGW runtime's, found from the imports.
cp "$build/tessaro.exe" "$build/tessaro-config.exe" "$folder/"
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qico; do
    mkdir -p "$folder/${plugin%/*}"
    cp "$qt/plugins/$plugin.dll" "$folder/$plugin.dll"
done
libraries="$qt/bin /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib"
pending=$(find "$folder" -name '*.exe' -o -name '*.dll')
while [ -n "$pending" ]; do
    found=""
    for file in $pending; do
        for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
            [ ! -e "$folder/$dll" ] || continue
            for library in $libraries; do
                if [ -e "$library/$dll" ]; then
                    cp "$library/$dll" "$folder/" && found="$found $folder/$dll"
                    break
                fi
            done
        done
    done
    pending=$found
done
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The program's translations and Qt's own French texts, its window icon, and
# the licences: Qt's LGPL, the icons' CC BY, the MinGW runtime's; as text
# files Windows reads, CR LF.
cp "$build"/LanguageData_*.qm "$folder/"
cp "$qt/translations/qtbase_fr.qm" "$folder/translations/"
cp ressources/ico256x256Win.ico "$folder/"
text() { sed 's/$/\r/' "$@"; }
qt_source=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
{
    echo "The program uses Qt $(basename "$qt" | cut -d- -f2) (Qt Core, Qt GUI, Qt Widgets), built"
    echo "unchanged from Debian's qt6-base $qt_source source package, whose source Debian"
    echo "publishes. Qt is licensed under the GNU Lesser General Public License version 3,"
    echo "in LGPL-3.0.txt, which adds to the GNU General Public License version 3, in GPL-3.0.txt."
} | text >"$folder/licences/Qt.txt"
text /usr/share/common-licenses/LGPL-3 >"$folder/licences/LGPL-3.0.txt"
text /usr/share/common-licenses/GPL-3 >"$folder/licences/GPL-3.0.txt"
text ressources/linux/copyright >"$folder/licences/Tessaro and its icons.txt"
text /usr/share/doc/mingw-w64-common/copyright /usr/share/doc/gcc-mingw-w64-base/copyright \
    >"$folder/licences/MinGW-w64 runtime.txt"

rm -f "$build/$name.zip"
(cd "$deploy" && zip -q -r -X "../$name.zip" Tessaro)

# The setup program installs exactly these files, and its uninstaller removes
# exactly these, deepest folders last.
files=$deploy/files.nsh
{
    echo '!macro InstallFiles'
    (cd "$folder" && find . -type d | sort) | while read -r dir; do
        printf '    SetOutPath "$INSTDIR%s"\n' "${dir#.}" | sed 's|/|\\|g'
        (cd "$folder/$dir" && find . -maxdepth 1 -type f | sort) | while read -r file; do
            printf '    File "%s"\n' "$folder/${dir#./}/${file#./}" | sed 's|/\./|/|'
        done
    done
    echo '!macroend'
    echo '!macro DeleteFiles'
    (cd "$folder" && find . -type f | sort) | while read -r file; do
        printf '    Delete "$INSTDIR/%s"\n' "${file#./}" | sed 's|/|\\|g'
    done
    echo '!macroend'
    echo '!macro DeleteFolders'
    (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        printf '    RMDir "$INSTDIR/%s"\n' "${dir#./}" | sed 's|/|\\|g'
    done
    echo '!macroend'
} >"$files"
makensis -V2 -DFOLDER="$folder" -DFILES="$files" -DOUTFILE="$(pwd)/$build/$name-setup.exe" \
    "$build/setup.nsi"

sh tests/windowssetup.sh "$build/wine.sh" "$build/$name-setup.exe" tests/data/default-config.txt
echo "Made $build/$name.zip and $build/$name-setup.exe"
