#!/usr/bin/env bash
# Keys and clicks reach the program as the component library names them; Escape is just
# a key (FLTK must not close the window on it); the close box asks the program, which
# ends with status 0.
source "$(dirname "$0")/lib.sh"
probe=$1
caption="Eingabeprobe"

start_app "$probe" --caption "$caption"
w=$(wait_for_window "$caption")
wait_for_line "^main paint"
focus_window "$w"
wait_for_line "^main activate 1"

xdotool key Escape
wait_for_line "^main key Escape char=none$"
wait_for_line "^main keyup Escape"
expect_no_line "close" "no close request on Escape"
find_window "$caption" >/dev/null || fail "the window went away on Escape"

# xdotool key name, what the probe prints for it
while read -r key expected; do
    xdotool key "$key"
    wait_for_line "^main key $expected\$"
    pass "$key -> $expected"
done <<'EOF_TABLE'
Return Enter char=none
KP_Enter Enter char=none
Tab Tab char=none
space Space char=0x20
Left Left char=none
Right Right char=none
Up Up char=none
Down Down char=none
a Other char=a
shift+b Other char=B shift
alt+s Other char=s alt
adiaeresis Other char=0xe4
EOF_TABLE

click_client "$w" 30 40
wait_for_line "^main down 30 40 left$"
wait_for_line "^main up 30 40 left$"
click_client "$w" 50 60 3
wait_for_line "^main down 50 60 right$"

close_window "$w"
wait_for_line "^main close$"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box"
