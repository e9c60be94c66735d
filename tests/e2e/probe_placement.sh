#!/usr/bin/env bash
# A window shown centred sits in the middle of the whole screen by its size with the
# frame (each offset halved toward zero); where it does not fit, the frame starts at the
# screen's edge. Checked twice, so that a window that jumps into place fails too.
#   probe_placement.sh PROBE CLIENT_WxH
source "$(dirname "$0")/lib.sh"
probe=$1
size=$2
caption="Platzierung $size"

start_app "$probe" --size "$size" --caption "$caption"
w=$(wait_for_window "$caption")
wait_for_line "^main paint"

read -r cx cy cw ch < <(client_geometry "$w")
check_eq "${cw}x${ch}" "$size" "client size"

read -r sw sh < <(screen_size)
centred() {
    local offset=$((($1 - $2) / 2))
    echo $((offset < 0 ? 0 : offset))
}
for look in first second; do
    read -r fx fy fw fh < <(frame_geometry "$w")
    [ "$fh" -gt "$ch" ] || fail "the window has no frame"
    check_eq "$fx $fy" "$(centred "$sw" "$fw") $(centred "$sh" "$fh")" \
        "$look look: frame ${fw}x${fh} on a ${sw}x${sh} screen at"
    sleep "$E2E_SETTLE_S"
done

close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box"
