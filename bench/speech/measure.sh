#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time until a word is heard, first and later words, over several runs:
#   bench/speech/measure.sh [BUILD-FOLDER]     (default build-release)
# Each run is a fresh process, so every run's first word loads the speech module anew
# (VOKU_SPEECH_RUNS runs, 5 by default). Without a sound server the runs get a private
# PulseAudio with a null sink (Debian package pulseaudio), which plays to nowhere.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-release}
runs=${VOKU_SPEECH_RUNS:-5}
cmake --build "$build" -j2 --target bench_speech >/dev/null

work=$(mktemp -d)
trap 'kill "${pulse:-}" 2>/dev/null; rm -rf "$work"' EXIT
if [ ! -S "${XDG_RUNTIME_DIR:-/nonexistent}/pulse/native" ]; then
    command -v pulseaudio >/dev/null ||
        { echo "measure.sh needs a sound server or pulseaudio to lend one" >&2; exit 1; }
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR=$work/runtime HOME=$work
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
        -L "module-native-protocol-unix auth-anonymous=1" -L "module-null-sink" \
        2>"$work/pulse.log" &
    pulse=$!
    for _ in $(seq 50); do
        [ -S "$work/runtime/pulse/native" ] && break
        sleep 0.1
    done
fi
for i in $(seq "$runs"); do
    "$build/bench/speech/bench_speech" --benchmark_format=csv 2>/dev/null | grep -E '^"(first|later)Word'
done | awk -F, '{ split($1, name, "\""); ms[name[2]] = ms[name[2]] " " $3 }
    END { for (n in ms) print n " ms:" ms[n] }'
