#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes Vokuini.ini and the template settings files of Ini/. The program reads
# them as CP932 text with CR LF line ends, so they are kept in that form here;
# edit the texts below and run this script instead of editing the files.
set -euo pipefail
cd "$(dirname "$0")/.."

write_cp932() {
    local file=$1
    shift
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$file"
}

# The settings folder's name under the documents folder.
write_cp932 Vokuini.ini '"VOKU英単カード"'

# The bundled sample, named relative to the settings folder it is copied into.
write_cp932 Ini/VKI010.ini '"基本英単語.vku"'

# Five colour numbers (0x00BBGGRR, or 0x80000000 + a system colour index) and
# the two option flags, printed as numbers are: sign position, digits, blank.
write_cp932 Ini/VKI020.ini 12648447 12648447 255 -2147483624 12648447 ' 0 ' ' 0 '

# No previous group selection yet.
: >Ini/VKI030.ini

# The index of the next start message, then sixteen messages shown in turn.
write_cp932 Ini/VKI000.ini ' 0 ' \
    '今日もようこそ！毎日少しずつ続けるのが上達の近道です。' \
    '昨日の自分より一語でも多く覚えれば、それで大成功です。' \
    'まずは「チェックしてない」単語から始めてみましょう。' \
    'NGは失敗ではありません。覚えるチャンスが来た合図です。' \
    '△△△△の単語こそ、あなたが伸びるところです。' \
    '声に出して発音すると、単語がぐっと記憶に残ります。' \
    '10分だけでも大丈夫。続けることがいちばんの力になります。' \
    '分からない単語は右クリックで説明を見てみましょう。' \
    '一度覚えた単語も、ときどき見直すと忘れにくくなります。' \
    '○が増えていくのを楽しみに、今日も一枚ずつめくりましょう。' \
    '間違えた単語は例文と一緒に覚えると定着しやすくなります。' \
    '焦らず、あわてず、自分のペースで進みましょう。' \
    '毎日の小さな積み重ねが、大きな自信に変わります。' \
    '今日覚えた単語を、明日どこかで使ってみましょう。' \
    '疲れたら休憩も大切です。また元気に戻ってきてください。' \
    'さあ、今日も一緒にがんばりましょう！'
