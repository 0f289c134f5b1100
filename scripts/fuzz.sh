#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a fixed number of
# inputs, starting from the seeds in fuzz/corpus/ and the repository's own files:
#   scripts/fuzz.sh                 1,000,000 runs per target
#   scripts/fuzz.sh --short         20,000 runs per target (for CI)
#   scripts/fuzz.sh --runs N [TARGET...]   TARGET: settings, csv, open, legacy
# legacy runs only when named: libmdb itself crashes on some damaged files (which is why
# the program converts in a child process), so it finds faults that are not ours to fix.
# Inputs that make a target fail are written to build-fuzz/findings/; copy them to
# tests/safety/fuzzregression/inputs/TARGET/ once fixed. Exits non-zero on a finding.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=1000000
random_seed=0 # libFuzzer's own choice
targets=()
while [ $# -gt 0 ]; do
    case $1 in
        --short) runs=20000; random_seed=1 ;; # the same inputs on every CI run
        --runs) runs=$2; shift ;;
        settings|csv|open|legacy) targets+=("$1") ;;
        *) echo "usage: $0 [--short | --runs N] [settings] [csv] [open] [legacy]" >&2; exit 2 ;;
    esac
    shift
done
[ ${#targets[@]} -gt 0 ] || targets=(settings csv open)

build=${VOKU_FUZZ_BUILD:-build-fuzz} # another folder gives a clean run
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
[ -f "$build/build.ninja" ] || cmake --preset fuzz -B "$build" "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 $(printf -- '--target fuzz_%s ' "${targets[@]}")

# The repository's own files as further seeds; the word files are cut to their head,
# which is all a mutation of a large file reaches in practice.
seeds() {
    case $1 in
        settings) echo resources/Ini resources/Vokuini.ini ;;
        csv) echo data/words.csv tests/data/legacy/jet/small-2000.word.csv ;;
        open) echo tests/data/legacy/jet/*.vku ;;
        legacy) for name in empty-words small-2000 small-2003 ace-2007 unicode-2000 truncated; do
            echo "tests/data/legacy/jet/$name.vku"
        done ;;
    esac
}
maxlen() {
    case $1 in
        open) echo 65536 ;;
        legacy) echo 393216 ;;
        *) echo 0 ;;
    esac
}

# The fuzzers' scratch files go to memory when there is a writable /dev/shm.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
status=0
for target in "${targets[@]}"; do
    work=$build/corpus/$target
    extra=$build/seeds/$target
    mkdir -p "$work" "$extra" "$build/findings/$target"
    for seed in $(seeds "$target"); do
        [ -e "$seed" ] || continue
        if [ -d "$seed" ]; then cp -f "$seed"/* "$extra"/; else cp -f "$seed" "$extra"/; fi
    done
    chmod -R u+w "$extra"
    seeded=()
    [ -d "fuzz/corpus/$target" ] && seeded+=("fuzz/corpus/$target")
    kept=tests/safety/fuzzregression/inputs/$target
    if [ -d "$kept" ] && ! "$build/fuzz/fuzz_$target" "$kept"/* >"$build/fuzz_$target.log" 2>&1; then
        status=1
        echo "fuzz_$target FAILED on a kept input; see $build/fuzz_$target.log"
        continue
    fi
    echo "== fuzz_$target: $runs runs"
    started=$(date +%s.%N)
    if ! "$build/fuzz/fuzz_$target" -runs="$runs" -seed="$random_seed" -max_len="$(maxlen "$target")" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target/" \
        "$work" "${seeded[@]}" "$extra" >"$build/fuzz_$target.log" 2>&1; then
        status=1
        echo "fuzz_$target FAILED; see $build/fuzz_$target.log and $build/findings/$target/"
        grep -E 'ERROR|SUMMARY|runtime error' "$build/fuzz_$target.log" | head -5 || true
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz_$target.log")
    awk -v t="fuzz_$target" -v n="${execs:-0}" -v a="$started" -v b="$(date +%s.%N)" \
        'BEGIN { printf "%s: %d executions in %.1f s (%.0f exec/s)\n", t, n, b - a, n / (b - a) }'
done
exit $status
