#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Developer build in build-NAME with ccache, building only the given targets:
#   scripts/dev-build.sh NAME [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
name=$1; shift
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ -f "build-$name/build.ninja" ] || cmake --preset debug -B "build-$name" "${launcher[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "build-$name" -j2 "${targets[@]}"
