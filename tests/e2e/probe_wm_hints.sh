#!/usr/bin/env bash
# What the window manager learns about a window: its caption in UTF-8, the application's
# class and icon name, the icon, and a fixed size it offers no way to change.
source "$(dirname "$0")/lib.sh"
probe=$1
caption="Oberflächenprobe" # the probe's Windows-1252 caption, as UTF-8

start_app "$probe" --title Setup
w=$(wait_for_window "$caption")
wait_for_line "^main paint"

expect_program_names "$w" Setup

# The probe's icon: 32x32, red top half, blue bottom half, opaque (0xAARRGGBB).
read_icon "$w" values
check_eq "${values[0]}x${values[1]}" "32x32" "icon size"
check_eq "${#values[@]}" $((2 + 32 * 32)) "icon values"
check_eq "$(printf '%08x' "${values[2]}")" "ffff0000" "icon top-left pixel"
check_eq "$(printf '%08x' "${values[2 + 32 * 32 - 1]}")" "ff0000ff" "icon bottom-right pixel"

read -r cx cy cw ch < <(client_geometry "$w")
expect_fixed_size "$w" "$cw" "$ch"

close_window "$w"
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status"
