#!/bin/sh
# Sets up, builds and packages the program: build/tessaro_<version>_<arch>.deb.
set -eu
cd "$(dirname "$0")/.."
scripts/setup-debian.sh dpkg-dev file
scripts/build.sh
(cd build && cpack -G DEB)
