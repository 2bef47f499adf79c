#!/bin/sh
# The window started as the program is, as nobody when we are root, from a
# copy of the probe (which prints what it shows) in a folder of its own: under
# other system languages, from an installation, from a folder the user cannot
# write, with its own files replaced by a link, a damaged file, huge icons.
#   startup.sh <windowprobe> <lrelease> <our LanguageData_fr.qm>
set -u
. "$(dirname "$0")/asuser.sh"
probe=$1 lrelease=$2 frenchQm=$3
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
chmod 755 "$root"
failures=0
preferences="Tessaro - Configuration File Generator.cfg"
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# place <name>: a fresh folder, open to all, holding a copy of the probe.
place() {
    mkdir -p "$root/$1" && cp "$probe" "$root/$1/windowprobe" && chmod 777 "$root/$1"
    echo "$root/$1"
}

# shows <what> <probe> <expected lines> [actions...]: runs the probe from the
# folder $from (else its own), and checks each expected line is printed.
shows() {
    what=$1 program=$2 expected=$3
    shift 3
    (cd "${from:-$(dirname "$program")}" && as_user timeout 60 "$program" "$@") \
        >"$root/shown" 2>/dev/null || fail "$what: the window did not start and close"
    printf '%s\n' "$expected" | while IFS= read -r line; do
        grep -qxF -- "$line" "$root/shown" || exit 1
    done || { fail "$what: expected '$expected', shown:"; cat "$root/shown" >&2; }
}

# translation <path>: "&File" translated as "&Datei", as lrelease builds it.
translation() {
    cat >"$root/override.ts" <<'TS'
<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="fr_FR">
<context><name>MainWindow</name><message><source>&amp;File</source>
<translation>&amp;Datei</translation></message></context></TS>
TS
    "$lrelease" -silent "$root/override.ts" -qm "$1" || fail "lrelease failed"
}

# Default follows the system; Qt's own texts follow the program's.
for system in "fr_FR.UTF-8|&Fichier|Enregistrer le fichier de configuration|Annuler" \
    "de_DE.UTF-8|&File|Save Configuration File|Cancel" "C|&File|Save Configuration File|Cancel"; do
    IFS='|' read -r locale menu title cancel <<EOF
$system
EOF
    folder=$(place "system $locale")
    LC_ALL=$locale shows "a $locale system" "$folder/windowprobe" "checked=actionDefault
menu=$menu
dialog=$title|$folder/config.txt|$cancel" action_Generate_Configuration_File
    grep -qx "(default)" "$folder/$preferences" || fail "$locale: (default) not stored"
done

# Translations: the current folder first, then beside the program, then the
# copies built in; a damaged file counts as missing, the lookup goes on.
folder=$(place lookup)
mkdir -m 777 "$root/current"
translation "$root/current/LanguageData_fr.qm"
from=$root/current shows "a translation in the current folder" "$folder/windowprobe" \
    "menu=&Datei" action_Fran_ais
translation "$folder/LanguageData_fr.qm"
shows "a translation beside the program" "$folder/windowprobe" "menu=&Datei" action_Fran_ais
# Half a file: its records run past its end.
head -c $(($(wc -c <"$frenchQm") / 2)) "$frenchQm" >"$folder/LanguageData_fr.qm"
shows "a translation cut short" "$folder/windowprobe" "menu=&Fichier" action_Fran_ais
# A system language without texts shows the English built in, never an
# English file that lies in the current folder.
translation "$root/current/LanguageData_en.qm"
LC_ALL=C from=$root/current shows "a system language without texts" "$(place "no texts")/windowprobe" \
    "menu=&File"

# An installation: the program in bin/, its data in share/tessaro/, found
# from another folder.
place install/bin >/dev/null
mkdir -p "$root/install/share/tessaro/translations"
translation "$root/install/share/tessaro/translations/LanguageData_fr.qm"
# A one-pixel icon file: directory, entry, bitmap header, pixel, mask.
{
    printf '\0\0\1\0\1\0\1\1\0\0\1\0\40\0\60\0\0\0\26\0\0\0\50\0\0\0\1\0\0\0\2\0\0\0\1\0\40\0'
    head -c 24 /dev/zero
    printf '\0\0\377\377\0\0\0\0'
} >"$root/install/share/tessaro/ico256x256Win.ico"
# Its folder writable, as /usr/bin is for root: the choice still goes to the
# user's folder, never a relative one.
mkdir -m 777 "$root/installhome"
from=$root HOME=$root/installhome XDG_CONFIG_HOME=config shows "an installed program" \
    "$root/install/bin/windowprobe" "menu=&Datei
icon=1x1" action_Fran_ais
[ -f "$root/installhome/.config/tessaro/$preferences" ] && [ ! -e "$root/install/bin/$preferences" ] &&
    [ ! -e "$root/config" ] || fail "an installed program kept its choice elsewhere"

# An installed program's folder the user cannot write, with a file an earlier
# version left there: the user's documents for the first file, the choice
# kept in and read from the user's folder.
folder=$(place installed)
mkdir -m 777 "$root/home" "$root/home/Documents"
printf 'MSC11.00\n\n\n\n\n\nEnglish\n' >"$folder/$preferences"
chmod 555 "$folder"
HOME=$root/home XDG_CONFIG_HOME=$root/home shows "an unwritable program folder" \
    "$folder/windowprobe" \
    "dialog=Enregistrer le fichier de configuration|$root/home/Documents/config.txt|Annuler" \
    action_Fran_ais action_Generate_Configuration_File
HOME=$root/home XDG_CONFIG_HOME=$root/home shows "the next start" "$folder/windowprobe" \
    "checked=action_Fran_ais"
grep -qx French "$root/home/tessaro/$preferences" || fail "French not kept in the user's folder"

# The program's own files replaced: it starts, and never writes through what
# stands in their place.
printf 'root:x:0:0:root:/root:/bin/bash\n' >"$root/passwd" && chmod 666 "$root/passwd"
folder=$(place link)
ln -s "$root/passwd" "$folder/$preferences"
shows "preferences a link to a file elsewhere" "$folder/windowprobe" "checked=action_Fran_ais" \
    action_Fran_ais
[ -L "$folder/$preferences" ] && grep -q '^root:' "$root/passwd" || fail "written through a link"
# An icon file of 1000 images, each (by its header) 4096 pixels wide: none is
# of a size the window uses, and the built-in icon shows.
folder=$(place "icon huge")
{
    printf '\0\0\1\0\350\3'
    i=0
    while [ $i -lt 1000 ]; do
        printf '\0\0\0\0\1\0\40\0\30\0\0\0\206\76\0\0'
        i=$((i + 1))
    done
    printf '\211PNG\r\n\32\n\0\0\0\rIHDR\0\0\20\0\0\0\20\0'
} >"$folder/ico256x256Win.ico"
shows "an icon file of huge images" "$folder/windowprobe" "icon=16x16 32x32 48x48 256x256"

# A Generate the system refuses says why, and where, in the program's language.
folder=$(place "locked documents")
mkdir -p "$root/lockedhome/Documents" && chmod 555 "$root/lockedhome/Documents" "$folder"
nbsp=$(printf '\302\240')
HOME=$root/lockedhome XDG_CONFIG_HOME=$root/lockedhome shows "a Generate refused" "$folder/windowprobe" \
    "box=Impossible de créer le fichier de configuration$nbsp!|$root/lockedhome/Documents/config.txt$nbsp: Permission non accordée" \
    accept action_Fran_ais action_Generate_Configuration_File

# The window as the user left it on a screen of this size, at the next start: cut to the screen,
# never smaller than it can be, the file never read from a FIFO nor written through a link.
folder=$(place settings) conf=$folder/tessaro/window.conf
XDG_CONFIG_HOME=$folder shows "a first start" "$folder/windowprobe" "preview=0"
sed -i 's/^\(size [0-9]*x[0-9]*=\).*/\1@Size(600 500)/; s/^preview=.*/preview=true/' "$conf"
XDG_CONFIG_HOME=$folder shows "the next start" "$folder/windowprobe" "size=600x500
preview=1"
QT_SCALE_FACTOR=2 XDG_CONFIG_HOME=$folder shows "a screen half as large" "$folder/windowprobe" "preview=0"
sed -i 's/^\(size [0-9]*x[0-9]*=\).*/\1@Size(6000 5000)/' "$conf"
XDG_CONFIG_HOME=$folder shows "a size larger than the screen" "$folder/windowprobe" "size=800x776"
sed -i 's/^\(size [0-9]*x[0-9]*=\).*/\1@Size(0 0)/' "$conf"
XDG_CONFIG_HOME=$folder shows "a size of nothing" "$folder/windowprobe" "size=649x776"
rm "$conf" && ln -s "$root/passwd" "$conf"
XDG_CONFIG_HOME=$folder shows "window.conf a link" "$folder/windowprobe" "size=649x776"
[ -f "$conf" ] && [ ! -L "$conf" ] && grep -q '^root:' "$root/passwd" || fail "window.conf: written through a link"
rm "$conf" && mkfifo "$conf"
XDG_CONFIG_HOME=$folder shows "window.conf a FIFO" "$folder/windowprobe" "size=649x776"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit "$failures"
