#!/usr/bin/env bash
# Drawing from program code outside a paint is on the screen as soon as the flush
# returns: the probe draws, flushes, prints "drawn-at-once" and then sleeps without
# processing any event while the screenshot is taken.
source "$(dirname "$0")/lib.sh"
probe=$1
caption="Sofortprobe"
background=c0c0c0
cyan=00ffff

start_app "$probe" --caption "$caption"
w=$(wait_for_window "$caption")
wait_for_line "^main paint"
focus_window "$w"
read -r ox oy cw ch < <(client_geometry "$w")

before=$E2E_WORK/before.png
screenshot "$before"
expect_pixel "$before" $((ox + 10)) $((oy + 120)) $background "before drawing"

xdotool key d
wait_for_line "^main drawn-at-once"
during=$E2E_WORK/during.png
screenshot "$during"
if grep -q "^main awake" "$APP_LOG"; then
    fail "the probe woke before the screenshot was taken; the test proves nothing"
fi
expect_pixel "$during" $((ox + 10)) $((oy + 120)) $cyan "drawn at once, top-left"
expect_pixel "$during" $((ox + 109)) $((oy + 159)) $cyan "drawn at once, bottom-right"
expect_pixel "$during" $((ox + 110)) $((oy + 159)) $background "right of it"
expect_pixel "$during" $((ox + 109)) $((oy + 160)) $background "below it"

wait_for_line "^main awake"
close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
