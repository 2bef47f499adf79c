#!/bin/sh
# Runs a window test from a copy of it in a fresh folder: the window keeps its
# preferences file beside the program, and its window settings in
# XDG_CONFIG_HOME, here the same folder; so no run sees another's files and
# nothing is left in the build tree or the user's folder. A runner (Wine)
# runs the copy when given.
#
#   fromcopy.sh [runner] <test program>
set -u
folder=$(mktemp -d) || exit 1
trap 'rm -rf "$folder"' EXIT
runner=
[ $# -lt 2 ] || { runner=$1; shift; }
cp "$1" "$folder/" || exit 1
export XDG_CONFIG_HOME="$folder"
$runner "$folder/$(basename "$1")"
