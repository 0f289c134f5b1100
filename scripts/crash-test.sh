#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The full crash test: kills the store worker and the legacy conversion at random moments,
# KILLS times each (default 200), and the file swap before each file-changing system call,
# then the full-disk and read-only checks.
#   scripts/crash-test.sh [KILLS]
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-200}
scripts/dev-build.sh crash safety_crash_test safety_smalldisk_test
export QT_QPA_PLATFORM=offscreen
VOKU_CRASH_KILLS=$kills build-crash/tests/safety/safety_crash_test
build-crash/tests/safety/safety_smalldisk_test
