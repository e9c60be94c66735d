#!/usr/bin/env bash
# An error report is on the real screen while the program pauses after it: red text in
# the status label, drawn from program code with no event processed since.
source "$(dirname "$0")/lib.sh"
program=$1
caption="Installiere neue Programmdateien"

# Client coordinates from the window's layout: ContentPanel's border (2), Panel1 at
# (75, 20) inside it with its two bevels (2), the label 709 x 70 at (2, 2) in Panel1.
label_x=79
label_y=24
label_w=709
label_h=70
start_x=38 # the Start button's centre: (2 + 6 + 30, 2 + 28 + 30)
start_y=60
min_red_pixels=50 # a heading of 27 bold letters inks far more than this

# red_in FILE X Y W H: how many pixels of the screen rectangle are (nearly) pure red.
red_in() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -fuzz 20% -fill black +opaque '#ff0000' \
        -fill white -opaque '#ff0000' -format "%[fx:round(w*h*mean)]" info:
}

start_app "$program"
w=$(wait_for_window "$caption")
focus_window "$w"
sleep "$E2E_SETTLE_S"
read -r ox oy cw ch < <(client_geometry "$w")
lx=$((ox + label_x))
ly=$((oy + label_y))

before=$E2E_WORK/before.png
screenshot "$before"
check_eq "$(red_in "$before" $lx $ly $label_w $label_h)" 0 "red pixels in the label before"

click_client "$w" $start_x $start_y
wait_for_line "^error-start"

during=$E2E_WORK/during.png
red=0
deadline=$((SECONDS + 3))
while [ "$red" -lt $min_red_pixels ] && [ $SECONDS -lt $deadline ]; do
    screenshot "$during"
    red=$(red_in "$during" $lx $ly $label_w $label_h)
done
if grep -q "^error-done" "$APP_LOG"; then
    fail "the pause was over before the screenshot was taken; the test proves nothing"
fi
[ "$red" -ge $min_red_pixels ] || fail "no red text in the status label during the pause"
pass "$red red pixels in the status label during the pause"
outside=$E2E_WORK/outside.png
convert "$during" -fill black -draw "rectangle $lx,$ly $((lx + label_w - 1)),$((ly + label_h - 1))" \
    "$outside"
check_eq "$(red_in "$outside" $ox $oy $cw $ch)" 0 "red pixels in the window outside the label"

wait_for_line "^error-done" 10
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
