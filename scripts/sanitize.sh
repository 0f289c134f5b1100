#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and
# runs the whole test suite there:
#   scripts/sanitize.sh [ctest arguments, e.g. -R wordstore]
# Leaks inside third-party libraries are suppressed through scripts/lsan.supp; any report
# in our code fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-asan
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
[ -f "$build/build.ninja" ] || cmake --preset asan "${launcher[@]}" >/dev/null
# The options hold for the build too: it lists the tests by running the test programs.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --build "$build" -j2
# LeakSanitizer cannot run under ptrace, and its exit-time check waits forever for a helper
# process that a kill at a random moment may hit; the crash tests, which trace and kill
# their children, run without it (the address and undefined-behaviour checks stay on).
killing=CrashTest
status=0
ctest --test-dir "$build" --output-on-failure -j2 -E "$killing" "$@" || status=1
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir "$build" --output-on-failure -R "$killing" "$@" ||
    status=1
exit $status
