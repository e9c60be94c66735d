#!/usr/bin/env bash
# What the probe paints reaches the screen where and in the colours it asked for:
# rectangles without their right column and bottom row, fills limited to the clip, and
# text inside its text cell. The places are those of tests/e2e/ProbeScene.h.
source "$(dirname "$0")/lib.sh"
probe=$1
caption="Pixelprobe"
background=c0c0c0

start_app "$probe" --caption "$caption"
w=$(wait_for_window "$caption")
wait_for_line "^main paint"
sleep "$E2E_SETTLE_S"
read -r ox oy cw ch < <(client_geometry "$w")
shot=$E2E_WORK/scene.png
screenshot "$shot"

# client X, client Y, colour, what
while read -r x y colour what; do
    expect_pixel "$shot" $((ox + x)) $((oy + y)) "$colour" "$what"
done <<EOF_TABLE
0 0 $background background top-left
399 199 $background background bottom-right
10 10 ff0000 red-top-left
59 39 ff0000 red-bottom-right
60 39 $background right-of-red
59 40 $background below-red
9 10 $background left-of-red
70 10 008000 green-top-left
119 39 008000 green-bottom-right
130 10 0000ff blue-top-left
179 39 0000ff blue-bottom-right
200 10 ff00ff square-top-left
209 19 ff00ff square-bottom-right
210 19 $background right-of-square
209 20 $background below-square
250 10 ffff00 clip-top-left
269 29 ffff00 clip-bottom-right
249 15 $background left-of-clip
270 15 $background right-of-clip
255 9 $background above-clip
255 30 $background below-clip
240 0 $background fill-corner-outside-clip
EOF_TABLE

# Text: ink inside its cell (from the cell's corner, one line pitch high and as wide as
# the measured text), none just above, below or after it.
text_x=10 text_y=60
pitch=$(sed -n 's/^metrics regular height=\([0-9]*\).*/\1/p' "$APP_LOG")
width=$(sed -n 's/^metrics regular .*width=\([0-9]*\).*/\1/p' "$APP_LOG")
check_eq "$pitch" 13 "line pitch of an 11-pixel font"
ink=$(ink_in "$shot" $((ox + text_x)) $((oy + text_y)) "$width" "$pitch")
[ "$ink" -gt 40 ] || fail "too little ink in the text cell: $ink"
pass "ink in the text cell: $ink pixels"
check_eq "$(ink_in "$shot" $((ox + text_x)) $((oy + text_y - 4)) "$width" 4)" 0 "ink above the cell"
check_eq "$(ink_in "$shot" $((ox + text_x)) $((oy + text_y + pitch)) "$width" 4)" 0 \
    "ink below the cell"
check_eq "$(ink_in "$shot" $((ox + text_x + width + 1)) $((oy + text_y)) 20 "$pitch")" 0 \
    "ink after the text"

close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
