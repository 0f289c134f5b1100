#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time to the first window and peak memory of voku beside a bare Qt window, in one run:
#   bench/startup/measure.sh [BUILD-FOLDER]     (default build-startup, a Release build)
# Each program starts 9 times (VOKU_STARTUP_RUNS), in turn with the other, under Xvfb with
# a fresh HOME; the medians are printed.
# voku starts with its settings folder already made from the templates, so the bundled
# sample word file is the current one and no first-run message comes first.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-startup}
runs=${VOKU_STARTUP_RUNS:-9}
display=:73

[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" -j2 --target voku bare_window firstwindow voku_resources voku_sample_words \
    >/dev/null

command -v Xvfb >/dev/null ||
    { echo "measure.sh needs Xvfb (Debian package xvfb) to show the windows it times" >&2; exit 1; }
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done

app="$build/app"
# Vokuini.ini is CP932: decoded before sed, which skips undecodable bytes in a UTF-8 locale.
settings_name=$(iconv -f CP932 -t UTF-8 "$app/Vokuini.ini" | sed -n 's/^"\([^"]*\)".*/\1/p')
[ -n "$settings_name" ] || { echo "no settings folder name in $app/Vokuini.ini" >&2; exit 1; }
[ -f "$app/Ini/VKI010.ini" ] && ls "$app"/Ini/*.vku >/dev/null 2>&1 ||
    echo "note: no bundled sample word file in $app/Ini; voku starts without one"

# One start; firstwindow prints: label ms=<ms> rss_kb=<kb> hwm_kb=<kb> title="..."
measure() {
    local label=$1 i=$2; shift 2
    local home="$work/home-$label-$i"
    mkdir -p "$home/Documents"
    if [ "$label" = voku ]; then
        mkdir -p "$home/Documents/$settings_name"
        cp "$app"/Ini/* "$home/Documents/$settings_name/"
    fi
    DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$work/runtime \
        "$build/bench/startup/firstwindow" -l "$label" -- "$@"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
field() { grep -o "$1=[0-9.]*" | cut -d= -f2; }

# Turn about, so that a busy moment of the machine weighs on both alike.
for i in $(seq "$runs"); do
    measure bare "$i" "$build/bench/startup/bare_window" >>"$work/bare.txt"
    measure voku "$i" "$app/voku" >>"$work/voku.txt"
done

bare_ms=$(field ms <"$work/bare.txt" | median)
bare_hwm=$(field hwm_kb <"$work/bare.txt" | median)
voku_ms=$(field ms <"$work/voku.txt" | median)
voku_hwm=$(field hwm_kb <"$work/voku.txt" | median)
title=$(grep -o 'title="[^"]*"' "$work/voku.txt" | head -n 1)

printf 'bare window: %6.1f ms  VmHWM %5.1f MiB\n' "$bare_ms" "$(echo "$bare_hwm / 1024" | bc -l)"
printf 'voku:        %6.1f ms  VmHWM %5.1f MiB  (%s)\n' "$voku_ms" \
    "$(echo "$voku_hwm / 1024" | bc -l)" "$title"
printf 'ratio voku / bare: %.2f (target at most 1.5); voku VmHWM target at most 60 MiB\n' \
    "$(echo "$voku_ms / $bare_ms" | bc -l)"
