#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws VOKU.gif, the picture that fills the start window (515 x 320 px).
# The program writes on top of it: the version at the right (y 144..161), the
# start message in the lower left (x 8..409, y 200..313) and the button in the
# lower right (x 416..493, y 252..281). Those areas stay light and plain.
# Needs ImageMagick and the IPA Gothic fonts.
set -euo pipefail
cd "$(dirname "$0")/.."

gothic=$(fc-match -f '%{file}' 'IPAPGothic:lang=ja')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One flash card: a rounded white card with a coloured top stripe and a text.
card() {
    local out=$1 stripe=$2 text=$3 size=$4 colour=$5 angle=$6
    convert -size 124x78 xc:none \
        -fill '#00000022' -draw 'roundrectangle 4,5 123,77 9,9' -blur 0x2 \
        -fill white -stroke '#b8c7da' -strokewidth 1 -draw 'roundrectangle 0,0 118,72 9,9' \
        -stroke none -fill "$stripe" -draw 'roundrectangle 1,1 117,12 8,8' -draw 'rectangle 1,7 117,12' \
        -font "$gothic" -pointsize "$size" -fill "$colour" -gravity center -annotate +0+6 "$text" \
        -background none -rotate "$angle" "$out"
}

card "$work/card1.png" '#f6b26b' 'apple' 22 '#1f3a68' -9
card "$work/card2.png" '#93c47d' 'りんご' 20 '#3d6b2f' 4
card "$work/card3.png" '#8fb8e8' '○ △○' 18 '#c0504d' 12

convert -size 515x320 gradient:'#d7ebfb'-'#fffdf6' \
    \( -size 515x6 xc:'#8fb8e8' \) -geometry +0+0 -composite \
    -fill '#ffffffb8' -stroke '#c9dcef' -strokewidth 1 -draw 'roundrectangle 3,193 414,317 12,12' \
    -stroke none \
    -fill '#1f3a68' -font "$gothic" -pointsize 40 -annotate +22+66 'VOKU英単カード' \
    -fill '#4a6fa5' -pointsize 15 -annotate +26+96 'English Word Cards ― 毎日めくって覚えよう' \
    -fill '#f6b26b' -draw 'roundrectangle 24,110 204,114 2,2' \
    -fill '#93c47d' -draw 'roundrectangle 208,110 262,114 2,2' \
    -fill '#8fb8e8' -draw 'roundrectangle 266,110 300,114 2,2' \
    -pointsize 18 \
    -fill '#c0504d50' -annotate +30+160 '○' \
    -fill '#e6913850' -annotate +64+160 '△○' \
    -fill '#6aa84f50' -annotate +116+160 '△△○' \
    -fill '#3d85c650' -annotate +186+160 '△△△○' \
    -fill '#674ea750' -annotate +276+160 '△△△△' \
    "$work/card3.png" -geometry +396+6 -composite \
    "$work/card2.png" -geometry +378+24 -composite \
    "$work/card1.png" -geometry +352+42 -composite \
    -fill '#8fb8e860' -draw 'circle 440,305 440,299' \
    -fill '#f6b26b60' -draw 'circle 462,305 462,300' \
    -fill '#93c47d60' -draw 'circle 482,305 482,301' \
    -fill '#c0504d50' -draw 'circle 500,305 500,302' \
    +dither -colors 255 VOKU.gif
