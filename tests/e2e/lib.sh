# Helpers for the X11 end-to-end tests: start a program and follow its output, find its
# windows by caption, measure them, read pixels off the screen, act like a person.
# Source this from a bash script that runs under scripts/x11-session. It turns on
# "set -e": any failing step ends the test, and the program's output is shown.
#
# Geometry comes back as words: client_geometry -> "X Y W H" (the client area on the
# screen), frame_extents -> "LEFT RIGHT TOP BOTTOM", frame_geometry -> "X Y W H" (the
# window with its frame). Colours are lower-case "rrggbb".

set -euo pipefail

E2E_WAIT_S=${E2E_WAIT_S:-5}  # how long a window or an output line may take to appear
E2E_POLL_S=0.05
E2E_SETTLE_S=${E2E_SETTLE_S:-0.5} # how long to give a program to react to nothing
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")
APP_PID=
APP_STATUS=
APP_LOG=$E2E_WORK/app.log

e2e_cleanup() {
    local status=$?
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [ $status -ne 0 ]; then
        echo "--- program output:" >&2
        cat "$APP_LOG" >&2 2>/dev/null || true
        # E2E_KEEP=folder keeps the screenshots of a failed test for a look.
        if [ -n "${E2E_KEEP:-}" ]; then
            mkdir -p "$E2E_KEEP" && cp -r "$E2E_WORK"/. "$E2E_KEEP"/
        fi
    fi
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

pass() { echo "ok: $*"; }

# check_eq ACTUAL EXPECTED WHAT
check_eq() {
    [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
    pass "$3 = $2"
}

# poll SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
poll() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while ! "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep $E2E_POLL_S
    done
}

# --- the program under test ---

# start_app PROGRAM ARGS...: runs it in the background, its output going to $APP_LOG.
start_app() {
    "$@" >"$APP_LOG" 2>&1 &
    APP_PID=$!
}

# wait_for_line REGEX [SECONDS]: waits until the program has printed a matching line.
wait_for_line() {
    poll "${2:-$E2E_WAIT_S}" grep -Eq -- "$1" "$APP_LOG" || fail "no line matching '$1'"
}

# expect_no_line REGEX WHAT: after giving the program time to react, it has not printed
# such a line.
expect_no_line() {
    sleep "$E2E_SETTLE_S"
    if grep -Eq -- "$1" "$APP_LOG"; then
        fail "$2: unexpected '$(grep -E -- "$1" "$APP_LOG" | head -1)'"
    fi
    pass "$2"
}

# Whether the program still runs (one that ended but was not waited for is a zombie).
app_running() {
    [ -r "/proc/$APP_PID/stat" ] && [ "$(awk '{ print $3 }' "/proc/$APP_PID/stat")" != Z ]
}

# wait_for_exit [SECONDS]: waits for the program to end; its exit status is left in
# APP_STATUS.
wait_for_exit() {
    local deadline=$((SECONDS + ${1:-$E2E_WAIT_S}))
    while app_running; do
        [ $SECONDS -lt $deadline ] || fail "the program did not end"
        sleep $E2E_POLL_S
    done
    APP_STATUS=0
    wait "$APP_PID" || APP_STATUS=$?
    APP_PID=
}

# --- windows ---

# The exact title (UTF-8) the window manager shows for a window.
window_title() {
    xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

# Top-level windows the window manager manages, oldest first.
managed_windows() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-fA-F]*'
}

find_window() {
    local w
    for w in $(managed_windows); do
        if [ "$(window_title "$w")" == "$1" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# wait_for_window CAPTION [SECONDS]: prints the id of the managed window with exactly
# this caption once it is there.
wait_for_window() {
    if ! poll "${2:-$E2E_WAIT_S}" find_window "$1"; then
        echo "FAIL: no window captioned '$1'" >&2
        return 1
    fi
    find_window "$1"
}

client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^  Width:/ { w = $NF }
        /^  Height:/ { h = $NF }
        END { print x, y, w, h }'
}

frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','
}

frame_geometry() {
    local x y w h l r t b
    read -r x y w h < <(client_geometry "$1")
    read -r l r t b < <(frame_extents "$1")
    echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))
}

# "W H" of the whole screen.
screen_size() {
    xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }'
}

# The atoms of a window's atom-list property, one per line.
window_atoms() {
    xprop -id "$1" "$2" | sed -n 's/.*= *//p' | tr ',' '\n' | tr -d ' '
}

# focus_window ID: activates it the way a click on its title would.
focus_window() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || fail "could not activate $1"
}

# close_window ID: presses the window's close box (through the window manager).
close_window() {
    wmctrl -i -c "$1" || fail "could not close $1"
}

# click_client ID X Y [BUTTON]: a click at client coordinates.
click_client() {
    local x y w h
    read -r x y w h < <(client_geometry "$1")
    xdotool mousemove $((x + $2)) $((y + $3)) click "${4:-1}"
}

# --- pixels ---

screenshot() {
    import -silent -window root "$1" || fail "screenshot failed"
}

# pixel_at FILE X Y: the colour at screen coordinates in a screenshot.
pixel_at() {
    convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr 'A-F' 'a-f'
}

# ink_in FILE X Y W H: how many pixels of the screen rectangle are darker than mid-grey.
ink_in() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 50% \
        -format "%[fx:round(w*h*(1-mean))]" info:
}

# expect_pixel FILE X Y RRGGBB WHAT
expect_pixel() {
    check_eq "$(pixel_at "$1" "$2" "$3")" "$4" "$5 at ($2,$3)"
}

# expect_fixed_size WINDOW W H: the window manager is told the client size is fixed, offers
# closing, moving and minimising but neither resizing nor maximising, and asking anyway
# changes nothing.
expect_fixed_size() {
    local w=$1 cw=$2 ch=$3 hints actions offered refused w2 h2
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
    wmctrl -i -r "$w" -b add,maximized_vert,maximized_horz
    xdotool windowsize "$w" 600 400
    sleep "$E2E_SETTLE_S"
    read -r _ _ w2 h2 < <(client_geometry "$w")
    check_eq "${w2}x${h2}" "${cw}x${ch}" "client size after asking to maximise and resize"
}

# expect_program_names WINDOW NAME: the window manager and taskbar know the program by NAME.
expect_program_names() {
    check_eq "$(xprop -id "$1" WM_CLASS)" "WM_CLASS(STRING) = \"$2\", \"$2\"" "WM_CLASS"
    check_eq "$(xprop -id "$1" -notype WM_ICON_NAME)" "WM_ICON_NAME = \"$2\"" "icon name"
    check_eq "$(xprop -id "$1" -notype _NET_WM_ICON_NAME)" "_NET_WM_ICON_NAME = \"$2\"" \
        "EWMH icon name"
}

# read_icon WINDOW ARRAY: puts _NET_WM_ICON into the named array: width, height, then
# the pixels as 0xAARRGGBB numbers.
read_icon() {
    local icon
    icon=$(xprop -id "$1" -f _NET_WM_ICON 32c _NET_WM_ICON | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r -a "$2" <<<"$icon"
}
