#!/bin/sh
# Installs what building, running and testing the program need on Debian 12,
# as root or through sudo, and any further packages named as arguments.
# Packages already installed are left alone.
set -eu

packages="
    build-essential cmake ninja-build
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core xvfb xauth
    man-db groff-base
    udisks2 udev e2fsprogs
    $*
"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing packages:$missing; run this script as root or install sudo." >&2
    exit 1
fi
echo "Installing:$missing"
$as_root apt-get update
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
