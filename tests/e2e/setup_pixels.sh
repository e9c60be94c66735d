#!/usr/bin/env bash
# The window's pixels before a run, in client coordinates of app/InstallMain.dfm: the
# sunken border, the empty progress bar with its frame and centred caption, the focused
# Start button, the status panel's bevels with the welcome text and no caption of its own.
#   setup_pixels.sh PROGRAM
source "$(dirname "$0")/setup_lib.sh"
min_caption_ink=30  # "Fortschritt" in bold inks a few hundred pixels
min_welcome_ink=1000 # three lines of bold text
mid_y=49             # a row through the middle of the window

setup_archive
start_setup
shot=$E2E_WORK/window.png
screenshot "$shot"
keep_artefact "$shot" setup_pixels.png

expect_client_pixels "$shot" <<EOF_TABLE
0 $mid_y $SHADOW border outer left
400 0 $SHADOW border outer top
791 $mid_y $HIGHLIGHT border outer right
400 97 $HIGHLIGHT border outer bottom
1 $mid_y $DARK border inner left
400 1 $DARK border inner top
790 $mid_y $FACE border inner right
400 96 $FACE border inner bottom
2 12 $SHADOW bar frame left
400 2 $SHADOW bar frame top
789 12 $HIGHLIGHT bar frame right
400 21 $HIGHLIGHT bar frame bottom
10 10 $FACE empty bar near its start
780 10 $FACE empty bar near its end
8 60 $DARK button focus frame left
9 60 $HIGHLIGHT button highlight left
65 60 $SHADOW button shadow right
66 60 $DARK button dark shadow right
67 60 $DARK button focus frame right
38 30 $DARK button focus frame top
38 31 $HIGHLIGHT button highlight top
38 87 $SHADOW button shadow bottom
38 89 $DARK button focus frame bottom
77 59 $SHADOW panel outer bevel left
78 59 $HIGHLIGHT panel inner bevel left
433 22 $SHADOW panel outer bevel top
433 23 $HIGHLIGHT panel inner bevel top
788 59 $SHADOW panel inner bevel right
789 59 $HIGHLIGHT panel outer bevel right
433 94 $SHADOW panel inner bevel bottom
433 95 $HIGHLIGHT panel outer bevel bottom
EOF_TABLE

check_eq "$(colour_count "$shot" $FILL_X $FILL_Y $FILL_W $FILL_H $BAR)" 0 \
    "bar-coloured pixels in the empty bar"
left_w=$((CAPTION_BOX_X - FILL_X))
right_x=$((CAPTION_BOX_X + CAPTION_BOX_W))
right_w=$((FILL_X + FILL_W - right_x))
check_eq "$(colour_count "$shot" $FILL_X $FILL_Y $left_w $FILL_H $FACE)" $((left_w * FILL_H)) \
    "face-coloured pixels left of the bar's caption"
check_eq "$(colour_count "$shot" $right_x $FILL_Y $right_w $FILL_H $FACE)" $((right_w * FILL_H)) \
    "face-coloured pixels right of the bar's caption"
ink=$(client_ink "$shot" $CAPTION_BOX_X $FILL_Y $CAPTION_BOX_W $FILL_H)
[ "$ink" -ge $min_caption_ink ] || fail "no caption in the middle of the bar: $ink pixels"
pass "caption ink in the middle of the bar: $ink pixels"

button_focused "$shot" || fail "no dotted focus rectangle on the button"
pass "dotted focus rectangle on the button"
ink=$(client_ink "$shot" $BTN_TEXT_X $BTN_TEXT_Y $BTN_TEXT_W $BTN_TEXT_H)
[ "$ink" -ge $min_caption_ink ] || fail "no caption on the button: $ink pixels"
pass "caption ink on the button: $ink pixels"

ink=$(client_ink "$shot" $LABEL_X $LABEL_Y $LABEL_W $LABEL_H)
[ "$ink" -ge $min_welcome_ink ] || fail "too little welcome text: $ink pixels"
pass "welcome text ink in the status panel: $ink pixels"
first_word_w=60
ink=$(client_ink "$shot" $LABEL_X $LABEL_Y $first_word_w "$((LABEL_H / 5))")
[ "$ink" -gt 0 ] || fail "the welcome text does not start at the label's top-left"
pass "the welcome text starts at the label's top-left"

# Where the panel would centre its own caption, the welcome text's short last line has
# ended: only face colour is there.
panel_mid_x=$((77 + 713 / 2))
panel_mid_y=$((22 + 74 / 2))
box_w=100 box_h=20 # a line of text, clear of the second line's descenders above
check_eq "$(colour_count "$shot" $((panel_mid_x - box_w / 2)) $((panel_mid_y - box_h / 2)) \
    $box_w $box_h $FACE)" $((box_w * box_h)) "face-coloured pixels in the middle of the panel"

close_window "$MAIN"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box"
