#!/bin/sh
# Runs a window test from a copy of it in a fresh folder: the window keeps its
# preferences file beside the program, so no run sees another's file and
# nothing is left in the build tree.
#
#   fromcopy.sh <test program> [arguments...]
set -u
folder=$(mktemp -d) || exit 1
trap 'rm -rf "$folder"' EXIT
cp "$1" "$folder/" || exit 1
program=$folder/$(basename "$1")
shift
"$program" "$@"
