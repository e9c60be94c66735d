#!/usr/bin/env bash
# A whole run on the sample archive, driven like a person: Start, the question box (its
# owner disabled but still painted), Yes with Return, the files moved onto drive C:, a
# full bar and the button now "Ende", Enter to end with exit status 0.
#   setup_run.sh PROGRAM
source "$(dirname "$0")/setup_lib.sh"
run_s=15              # sixteen reports of a quarter second each, with room to spare
min_caption_ink=30    # "Fortschritt" in bold inks a few hundred pixels
question_below_y=520  # a place for the question box clear of the main window
folders=(Keldrano Keldrano/bin Keldrano/Daten Keldrano/Dokumente)
# archive name -> destination under drive C:
files=("keldrano.sh Keldrano/bin/keldrano.sh" "Karte.dat Keldrano/Daten/Karte.dat"
    "Wörter.txt Keldrano/Daten/Wörter.txt" "readme.txt Keldrano/Dokumente/readme.txt")

# button_face FILE: the pixels inside the button's focus rectangle, as one checksum.
button_face() {
    convert "$1" -crop "${BTN_TEXT_W}x${BTN_TEXT_H}+$((OX + BTN_TEXT_X))+$((OY + BTN_TEXT_Y))" \
        +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}

setup_archive
start_setup
shot=$E2E_WORK/shot.png
screenshot "$shot"
start_face=$(button_face "$shot")

click_client "$MAIN" $START_X $START_Y
box=$(wait_for_window "$QUESTION_CAPTION") || fail "no question box after pressing Start"
pass "question box '$QUESTION_CAPTION'"
owner=$(xprop -id "$box" WM_TRANSIENT_FOR | grep -o '0x[0-9a-fA-F]*')
check_eq "$((owner))" "$((MAIN))" "the question box belongs to the main window"

# The main window is disabled while the box shows: a click there leaves the box active,
# and its close box is ignored (checked after the run: the program then still waits).
click_client "$MAIN" $((LABEL_X + LABEL_W / 2)) $((LABEL_Y + LABEL_H / 2))
click_client "$MAIN" $START_X $START_Y
sleep "$E2E_SETTLE_S"
box_active() {
    local active
    active=$(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-fA-F]*')
    [ $((active)) == $((box)) ]
}
poll "$E2E_WAIT_S" box_active || fail "a click on the main window took the focus from the box"
close_window "$MAIN"
sleep "$E2E_SETTLE_S"
find_window "$QUESTION_CAPTION" >/dev/null || fail "the question box went away"
check_eq "$(managed_windows | while read -r id; do window_title "$id"; echo; done |
    grep -cx "$QUESTION_CAPTION")" 1 "question boxes"

# The box is centred over the middle of the bar; moved aside, it uncovers the main window,
# which repaints while the box waits for an answer.
xdotool windowmove "$box" x $question_below_y
asked=$E2E_WORK/asked.png
main_shows_bar() {
    screenshot "$asked"
    [ "$(client_pixel "$asked" $BAR_X 12)" == $SHADOW ] &&
        [ "$(client_pixel "$asked" 400 $BAR_Y)" == $SHADOW ] &&
        [ "$(client_pixel "$asked" $((BAR_X + BAR_W - 1)) 12)" == $HIGHLIGHT ] &&
        [ "$(client_pixel "$asked" 400 $((BAR_Y + BAR_H - 1)))" == $HIGHLIGHT ] &&
        [ "$(client_ink "$asked" $CAPTION_BOX_X $FILL_Y $CAPTION_BOX_W $FILL_H)" -ge \
            $min_caption_ink ]
}
if ! poll 3 main_shows_bar; then
    keep_artefact "$asked" setup_run_question.png
    fail "with the question box moved aside, the main window shows no bar frame and caption"
fi
pass "the main window shows the bar's frame and caption while the box is up"
keep_artefact "$asked" setup_run_question.png
check_eq "$(colour_count "$asked" $BTN_TEXT_X $BTN_TEXT_Y $BTN_TEXT_W $BTN_TEXT_H $DARK)" 0 \
    "black pixels in the disabled button's caption"
[ "$(colour_count "$asked" $BTN_TEXT_X $BTN_TEXT_Y $BTN_TEXT_W $BTN_TEXT_H $SHADOW)" -gt 0 ] ||
    fail "the disabled button's caption is not grey"
pass "the disabled button's caption is grey"

focus_window "$box"
xdotool key Return
poll "$E2E_WAIT_S" bash -c "! xprop -root _NET_CLIENT_LIST | grep -qi '$box'" ||
    fail "Return did not close the question box"
pass "Return closed the question box"

all_moved() {
    local f
    for f in "${files[@]}"; do
        [ -f "$DRIVE_C/${f#* }" ] && [ ! -e "$ARCHIVE/${f%% *}" ] || return 1
    done
}
poll $run_s all_moved || fail "the files were not all moved: $(archive_names)"
pass "all files moved"

# Finished: the bar filled (its caption drawn over the middle), the button enabled with
# a new caption and the focus, so that Enter presses it.
done_shot=$E2E_WORK/done.png
finished_on_screen() {
    screenshot "$done_shot"
    local left_w=$((CAPTION_BOX_X - FILL_X))
    local right_x=$((CAPTION_BOX_X + CAPTION_BOX_W))
    local right_w=$((FILL_X + FILL_W - right_x))
    local left right middle black
    left=$(colour_count "$done_shot" $FILL_X $FILL_Y $left_w $FILL_H $BAR)
    right=$(colour_count "$done_shot" $right_x $FILL_Y $right_w $FILL_H $BAR)
    middle=$(colour_count "$done_shot" $CAPTION_BOX_X $FILL_Y $CAPTION_BOX_W $FILL_H $BAR)
    black=$(colour_count "$done_shot" $BTN_TEXT_X $BTN_TEXT_Y $BTN_TEXT_W $BTN_TEXT_H $DARK)
    [ "$left" == $((left_w * FILL_H)) ] && [ "$right" == $((right_w * FILL_H)) ] &&
        [ "$middle" -ge $((CAPTION_BOX_W * FILL_H / 2)) ] && [ "$black" -gt 0 ] &&
        button_focused "$done_shot"
}
if ! poll "$E2E_WAIT_S" finished_on_screen; then
    keep_artefact "$done_shot" setup_run_done.png
    fail "after the run the bar is not full, or the button not enabled with the focus"
fi
keep_artefact "$done_shot" setup_run_done.png
pass "the bar is full; the button is enabled and has the focus"
[ "$(button_face "$done_shot")" != "$start_face" ] || fail "the button still shows its old caption"
pass "the button's caption was repainted"
expect_client_pixels "$done_shot" <<EOF_TABLE
$BAR_X 12 $SHADOW bar frame left after the run
$((BAR_X + BAR_W - 1)) 12 $HIGHLIGHT bar frame right after the run
EOF_TABLE

sleep "$E2E_SETTLE_S"
app_running || fail "the program ended without the second press (close box while disabled?)"
pass "the program waits for the second press"
focus_window "$MAIN"
xdotool key Return
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after Enter on the button"

for folder in "${folders[@]}"; do
    [ -d "$DRIVE_C/$folder" ] || fail "folder C:/$folder missing"
done
pass "folders created"
for f in "${files[@]}"; do
    expect_moved "${f%% *}" "${f#* }"
done
check_eq "$(archive_names)" "InstDir.inf InstFile.inf" "left in the archive folder"
