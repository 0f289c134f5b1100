#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# installedstart.sh BUILD PROBE: installs BUILD under a temporary prefix, starts the
# installed voku offscreen with a fresh HOME (PROBE answers and records its windows) and
# checks the first start: templates copied, picture, start message, the sample words.
set -euo pipefail
build=$1 probe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/any/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$work/home/Documents"

report=$work/report.txt
# A sanitizer build wants its runtime loaded before anything else.
asan=$(ldd "$prefix/bin/voku" | awk '/libasan/ { print $3 }')
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen \
    LANG=C.UTF-8 LD_PRELOAD=${asan:+$asan:}$probe VOKU_PROBE_REPORT=$report \
    timeout 60 "$prefix/bin/voku" 2>"$work/stderr.txt" || {
    echo "the installed voku failed (status $?):"; cat "$work/stderr.txt" "$report"; exit 1; }
cat "$report"

status=0
expect() { # expect LINE: the report holds LINE exactly
    grep -qxF -- "$1" "$report" || { echo "missing: $1"; status=1; }
}
expect "message=設定ファイルをコピーします。キャンセルしないでください！始めますのでOKボタンをクリックしてください。"
expect "message=設定ファイルをコピーしました。OKボタンをクリックしてください。"
expect "title=VOKU英単カード　基本英単語.vku"
expect "icon=1"
grep -q '^picture=[1-9]' "$report" || { echo "no start picture"; status=1; }
grep -q '^start=..' "$report" || { echo "no start message"; status=1; }
grep -q '^groups=[1-9]' "$report" || { echo "no sample words on the main screen"; status=1; }

sample="$work/home/Documents/VOKU英単カード/基本英単語.vku"
"$prefix/bin/voku-words" summary "$sample" | head -n 1 | grep -q . ||
    { echo "voku-words cannot read $sample"; status=1; }
exit $status
