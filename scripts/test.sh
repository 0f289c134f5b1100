#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset test
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)" "$@"
# The Debian package (build/voku_<version>_amd64.deb).
(cd build && cpack -G DEB >/dev/null && ls voku_*.deb)
# The fuzz targets, each for a short fixed number of runs after replaying the kept inputs.
scripts/fuzz.sh --short
