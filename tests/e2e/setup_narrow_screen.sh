#!/usr/bin/env bash
# On a screen narrower than the window, the window keeps its size and its frame starts at
# the screen's left edge instead of off the screen; it is still centred top to bottom.
#   setup_narrow_screen.sh PROGRAM     (on a screen narrower than 792 pixels)
source "$(dirname "$0")/setup_lib.sh"

setup_archive
start_setup
read -r sw sh < <(screen_size)
[ "$sw" -lt $CLIENT_W ] || fail "the screen ($sw wide) is not narrower than the window"

read -r _ _ cw ch < <(client_geometry "$MAIN")
check_eq "${cw}x${ch}" "${CLIENT_W}x${CLIENT_H}" "client size"
read -r fx fy fw fh < <(frame_geometry "$MAIN")
check_eq "$fx $fy" "0 $(((sh - fh) / 2))" "frame ${fw}x${fh} on ${sw}x${sh} at"

close_window "$MAIN"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box"
