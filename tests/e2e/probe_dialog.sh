#!/usr/bin/env bash
# A dialog with an owner: transient for it, above it, centred on the screen, without a
# minimise button; its owner takes no input while it shows and takes it again after.
source "$(dirname "$0")/lib.sh"
probe=$1
main_caption="Besitzerprobe"

start_app "$probe" --caption "$main_caption" --dialog
m=$(wait_for_window "$main_caption")
d=$(wait_for_window "Probe-Dialog")
wait_for_line "^dialog paint"

owner=$(xprop -id "$d" WM_TRANSIENT_FOR | grep -o '0x[0-9a-fA-F]*')
check_eq "$((owner))" "$((m))" "the dialog is transient for its owner"

read -r sw sh < <(screen_size)
read -r fx fy fw fh < <(frame_geometry "$d")
check_eq "$fx $fy" "$(((sw - fw) / 2)) $(((sh - fh) / 2))" "dialog frame position"

# Openbox keeps a minimise button on every framed window; what we can check is that the
# dialog asks for none (Motif hints: functions = all but resize, maximise, minimise).
mwm_functions() { xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= *//p' | cut -d, -f2 | tr -d ' '; }
check_eq "$(mwm_functions "$d")" 0x1b "Motif functions of the dialog"
check_eq "$(mwm_functions "$m")" 0x13 "Motif functions of its owner"

dialog_above_owner() {
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-fA-F]*' |
        while read -r id; do echo $((id)); done)
    local mi di
    mi=$(grep -nx "$((m))" <<<"$stacking" | cut -d: -f1)
    di=$(grep -nx "$((d))" <<<"$stacking" | cut -d: -f1)
    [ -n "$mi" ] && [ -n "$di" ] && [ "$di" -gt "$mi" ]
}
dialog_above_owner || fail "the dialog is not above its owner"
pass "the dialog is above its owner"

# The owner is disabled: clicks, keys and its close box do nothing; activating it
# activates the dialog instead, which then gets the keys.
click_client "$m" 30 40
xdotool windowactivate "$m"
wait_for_line "^dialog activate 1" # again, after losing it to the owner
poll "$E2E_WAIT_S" bash -c "xprop -root _NET_ACTIVE_WINDOW | grep -qi '$d'" ||
    fail "the dialog did not become the active window"
pass "activating the owner activates its dialog"
xdotool key a
wait_for_line "^dialog key Other char=a$"
close_window "$m"
expect_no_line "^main (down|up|key|close)" "the disabled owner takes no input"
dialog_above_owner || fail "the owner came above its dialog"
pass "the dialog stays above its owner"

close_window "$d"
wait_for_line "^dialog close$"
poll "$E2E_WAIT_S" bash -c "! xprop -root _NET_CLIENT_LIST | grep -qi '$d'" ||
    fail "the dialog did not go away"

click_client "$m" 30 40
wait_for_line "^main down 30 40 left$"
pass "the owner takes input again"

close_window "$m"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
