#!/usr/bin/env bash
# The program's window as the desktop sees it: found by its caption, its size, centred
# with its frame, its class, icon name and icon, a fixed size; the close box before any
# run ends the program cleanly and installs nothing.
#   setup_window.sh PROGRAM
source "$(dirname "$0")/setup_lib.sh"
icon_side=32

setup_archive
listing_before=$(cd "$ARCHIVE" && find . -type f -exec md5sum {} + | LC_ALL=C sort)
start_setup
w=$MAIN
pass "window '$MAIN_CAPTION' found"

read -r cx cy cw ch < <(client_geometry "$w")
check_eq "${cw}x${ch}" "${CLIENT_W}x${CLIENT_H}" "client size"
read -r sw sh < <(screen_size)
read -r fx fy fw fh < <(frame_geometry "$w")
[ "$fh" -gt "$ch" ] || fail "the window has no frame"
check_eq "$fx $fy" "$(((sw - fw) / 2)) $(((sh - fh) / 2))" "frame ${fw}x${fh} on ${sw}x${sh} at"

expect_program_names "$w" Setup

# The program's icon has a mask: both opaque and see-through pixels, not a filled square.
read_icon "$w" values
[ "${#values[@]}" -ge 2 ] || fail "no _NET_WM_ICON"
check_eq "${values[0]}x${values[1]}" "${icon_side}x${icon_side}" "icon size"
check_eq "${#values[@]}" $((2 + icon_side * icon_side)) "icon values"
opaque=0 clear=0
for v in "${values[@]:2}"; do
    case $(((v >> 24) & 0xff)) in
    255) opaque=$((opaque + 1)) ;;
    0) clear=$((clear + 1)) ;;
    esac
done
[ $opaque -gt 0 ] && [ $clear -gt 0 ] || fail "icon without a mask: $opaque opaque, $clear clear"
pass "icon: $opaque opaque and $clear clear pixels"

expect_fixed_size "$w" "$CLIENT_W" "$CLIENT_H"

close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box"
check_eq "$(find "$DRIVE_C" -mindepth 1 | wc -l)" 0 "entries on drive C:"
listing_after=$(cd "$ARCHIVE" && find . -type f -exec md5sum {} + | LC_ALL=C sort)
[ "$listing_after" == "$listing_before" ] || fail "the archive changed: $listing_after"
pass "the archive is as it was"
