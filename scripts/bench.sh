#!/bin/sh
# Sets up, builds and runs the benchmarks, then prints the figures the
# README's Performance section reports. Instruction counts come from
# callgrind and repeat exactly on one machine; times and memory vary a little.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh valgrind
scripts/build.sh >/dev/null
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# value <benchmark> <function> [data row] [-callgrind]: the measured figure,
# from a copy, where the window leaves its preferences file.
value() {
    sh tests/fromcopy.sh "build/bench/$1" -csv ${4:-} "$2" 2>/dev/null \
        | awk -F, -v row="\"${3:-}\"" '$2 == row { print $4; exit }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
millions() { awk -v a="$1" 'BEGIN { printf "%.1f M instructions", a / 1e6 }'; }
milliseconds() { awk -v a="$1" 'BEGIN { printf "%.3g ms", a }'; }
mebibytes() { awk -v a="$1" 'BEGIN { printf "%.1f MiB", a / 1048576 }'; }

start=$(value bench_window startUp "" -callgrind)
bare=$(value bench_window bareForm "" -callgrind)
switch=$(value bench_window switchLanguage "" -callgrind)
retext=$(value bench_window retranslateOnly "" -callgrind)
memory=$(value bench_window residentMemory "main window")
bareMemory=$(value bench_window residentMemory "bare form")
generate=$(value bench_configurationformat generateFile)
import=$(value bench_configurationformat importFile "every row")
importLargest=$(value bench_configurationformat importFile "1 MiB of lines")
preview=$(value bench_window previewUpdate)
box=$(value bench_window importReportBox "every row")
boxLargest=$(value bench_window importReportBox "1 MiB of lines")
singles=$(value bench_configurationformat writeSingleFiles)
units=$(value bench_configurationformat writeUnitFiles)
check=$(value bench_configurationformat checkCommand)
windowImport=$(awk -v a="$importLargest" -v b="$boxLargest" 'BEGIN { print a + b }')

echo "| What | Value | Floor | Ratio |"
echo "|---|---|---|---|"
echo "| Start-up, window shown and painted | $(millions "$start") | bare form: $(millions "$bare") | $(ratio "$start" "$bare") |"
echo "| Language switch, English to French and back | $(millions "$switch") | re-texting alone: $(millions "$retext") | $(ratio "$switch" "$retext") |"
echo "| Peak resident memory, window shown | $(mebibytes "$memory") | bare form: $(mebibytes "$bareMemory") | +$(mebibytes "$((memory - bareMemory))") |"
echo "| File preview after one value changed, made and painted | $(milliseconds "$preview") | | |"
echo "| Generating a file, every row ticked | $(milliseconds "$generate") | | |"
echo "| Importing that file, before the report | $(milliseconds "$import") | | |"
echo "| Its report box on screen | $(milliseconds "$box") | | |"
echo "| Importing 1 MiB of recognised lines, before the report | $(milliseconds "$importLargest") | | |"
echo "| Its report box on screen | $(milliseconds "$boxLargest") | | |"
echo "| Files of 127 units, each in its folder | $(milliseconds "$units") | 127 single files: $(milliseconds "$singles") | $(ratio "$units" "$singles") |"
echo "| \`tessaro-config check\` of the 1 MiB file, a process | $(milliseconds "$check") | the window's import of it, report on screen: $(milliseconds "$windowImport") | $(ratio "$check" "$windowImport") |"
echo
echo "Measured on: $(uname -srm), $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)"
