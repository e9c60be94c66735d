#!/usr/bin/env bash
# What the window manager learns about a window: its caption in UTF-8, the application's
# class and icon name, the icon, and a fixed size it offers no way to change.
source "$(dirname "$0")/lib.sh"
probe=$1
caption="Oberflächenprobe" # the probe's Windows-1252 caption, as UTF-8

start_app "$probe" --title Setup
w=$(wait_for_window "$caption")
wait_for_line "^main paint"

check_eq "$(xprop -id "$w" WM_CLASS)" 'WM_CLASS(STRING) = "Setup", "Setup"' "WM_CLASS"
check_eq "$(xprop -id "$w" -notype WM_ICON_NAME)" 'WM_ICON_NAME = "Setup"' "icon name"
check_eq "$(xprop -id "$w" -notype _NET_WM_ICON_NAME)" '_NET_WM_ICON_NAME = "Setup"' \
    "EWMH icon name"

# The probe's icon: 32x32, red top half, blue bottom half, opaque (0xAARRGGBB).
icon=$(xprop -id "$w" -f _NET_WM_ICON 32c _NET_WM_ICON | sed -n 's/.*= *//p' | tr -d ' ')
IFS=, read -r -a values <<<"$icon"
check_eq "${values[0]}x${values[1]}" "32x32" "icon size"
check_eq "${#values[@]}" $((2 + 32 * 32)) "icon values"
check_eq "$(printf '%08x' "${values[2]}")" "ffff0000" "icon top-left pixel"
check_eq "$(printf '%08x' "${values[2 + 32 * 32 - 1]}")" "ff0000ff" "icon bottom-right pixel"

read -r cx cy cw ch < <(client_geometry "$w")
hints=$(xprop -id "$w" WM_NORMAL_HINTS)
grep -q "minimum size: $cw by $ch" <<<"$hints" || fail "minimum size is not the size: $hints"
grep -q "maximum size: $cw by $ch" <<<"$hints" || fail "maximum size is not the size: $hints"
pass "WM_NORMAL_HINTS fix the size at ${cw}x${ch}"

actions=$(window_atoms "$w" _NET_WM_ALLOWED_ACTIONS)
for offered in CLOSE MOVE MINIMIZE; do
    grep -qx "_NET_WM_ACTION_$offered" <<<"$actions" || fail "$offered is not offered: $actions"
done
for refused in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
    if grep -qx "_NET_WM_ACTION_$refused" <<<"$actions"; then
        fail "$refused is offered"
    fi
done
pass "close, move and minimise offered; resize and maximise not"

# Asking anyway changes nothing.
wmctrl -i -r "$w" -b add,maximized_vert,maximized_horz
xdotool windowsize "$w" 600 400
sleep "$E2E_SETTLE_S"
read -r _ _ w2 h2 < <(client_geometry "$w")
check_eq "${w2}x${h2}" "${cw}x${ch}" "client size after asking to maximise and resize"

close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
