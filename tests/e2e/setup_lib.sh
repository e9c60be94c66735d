# Shared by the setup_*.sh tests: the real program run from a fresh archive folder into
# a fresh drive C:, the window's layout in client coordinates, and pixel helpers that
# work in those coordinates.
#   source setup_lib.sh PROGRAM     (from a script under scripts/x11-session)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

SETUP_PROGRAM=$(realpath "$1")
SETUP_SAMPLE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../examples/Keldrano")
# Screenshots worth a look after the test are copied here (ctest: the build's test folder).
SETUP_ARTEFACTS=${E2E_ARTEFACTS:-$PWD/artefacts}

MAIN_CAPTION="Installiere neue Programmdateien"
QUESTION_CAPTION="Wichtige Frage!"

# Colours of the classic scheme.
FACE=c0c0c0
SHADOW=808080
HIGHLIGHT=ffffff
DARK=000000
BAR=000080

# The layout (app/InstallMain.dfm) in client coordinates: everything sits inside the
# content panel's 2-pixel sunken border.
CLIENT_W=792
CLIENT_H=98
BAR_X=2 BAR_Y=2 BAR_W=788 BAR_H=20
BAR_INSET=2 # the filled part keeps this far from the bar's own edge
BTN_X=8 BTN_Y=30 BTN_W=60 BTN_H=60
BTN_FOCUS_INSET=4
LABEL_X=79 LABEL_Y=24 LABEL_W=709 LABEL_H=70
START_X=$((BTN_X + BTN_W / 2))
START_Y=$((BTN_Y + BTN_H / 2))
# Inside the button's focus rectangle: where its caption is drawn.
BTN_TEXT_X=$((BTN_X + BTN_FOCUS_INSET + 2))
BTN_TEXT_Y=$((BTN_Y + BTN_FOCUS_INSET + 2))
BTN_TEXT_W=$((BTN_W - 2 * BTN_FOCUS_INSET - 4))
BTN_TEXT_H=$((BTN_H - 2 * BTN_FOCUS_INSET - 4))
# The bar's inner area, where the fill goes.
FILL_X=$((BAR_X + BAR_INSET))
FILL_Y=$((BAR_Y + BAR_INSET))
FILL_W=$((BAR_W - 2 * BAR_INSET))
FILL_H=$((BAR_H - 2 * BAR_INSET))
# The middle of the bar where its caption is centred; a bold 11-pixel word fits easily.
CAPTION_BOX_W=160
CAPTION_BOX_X=$((BAR_X + BAR_W / 2 - CAPTION_BOX_W / 2))

# --- the archive and drive C: ---

# setup_archive [SOURCE_FOLDER]: copies the archive (default: the sample) into a fresh
# folder ARCHIVE, makes a fresh WINEPREFIX with an empty drive C: (DRIVE_C) and changes
# into the archive, as a person starting Setup from the unpacked archive would.
setup_archive() {
    ARCHIVE=$E2E_WORK/archive
    ORIGINALS=$E2E_WORK/originals
    cp -r "${1:-$SETUP_SAMPLE}" "$ARCHIVE"
    cp -r "${1:-$SETUP_SAMPLE}" "$ORIGINALS"
    export WINEPREFIX=$E2E_WORK/wine
    DRIVE_C=$WINEPREFIX/drive_c
    mkdir -p "$DRIVE_C"
    cd "$ARCHIVE"
}

# The names in the archive folder, sorted, one line.
archive_names() {
    (cd "$ARCHIVE" && ls -A | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
}

# expect_moved SOURCE_NAME DESTINATION (under drive C:): the file left the archive and
# arrived with the original's content and mode.
expect_moved() {
    [ ! -e "$ARCHIVE/$1" ] || fail "$1 is still in the archive"
    [ -f "$DRIVE_C/$2" ] || fail "C:/$2 was not installed"
    cmp -s "$ORIGINALS/$1" "$DRIVE_C/$2" || fail "C:/$2 differs from the archive's $1"
    check_eq "$(stat -c %a "$DRIVE_C/$2")" "$(stat -c %a "$ORIGINALS/$1")" "mode of C:/$2"
}

# --- the program ---

start_setup() {
    start_app "$SETUP_PROGRAM"
    MAIN=$(wait_for_window "$MAIN_CAPTION") || fail "the main window did not appear"
    read -r OX OY _ _ < <(client_geometry "$MAIN")
    poll "$E2E_WAIT_S" main_painted || fail "the main window was not painted"
}

# The bar's frame and the welcome text are on the screen.
main_painted() {
    local shot=$E2E_WORK/painted.png
    screenshot "$shot"
    [ "$(pixel_at "$shot" $((OX + BAR_X)) $((OY + BAR_Y + BAR_H / 2)))" == $SHADOW ] &&
        [ "$(client_ink "$shot" $LABEL_X $LABEL_Y $LABEL_W $LABEL_H)" -gt 0 ]
}

# --- pixels in client coordinates of the main window (OX, OY: its client origin) ---

client_pixel() { pixel_at "$1" $((OX + $2)) $((OY + $3)); }

client_ink() { ink_in "$1" $((OX + $2)) $((OY + $3)) "$4" "$5"; }

# expect_client_pixels FILE: reads "X Y RRGGBB WHAT..." lines from standard input.
expect_client_pixels() {
    local x y colour what
    while read -r x y colour what; do
        check_eq "$(client_pixel "$1" "$x" "$y")" "$colour" "$what at client ($x,$y)"
    done
}

# colour_count FILE X Y W H RRGGBB: how many pixels of the client rectangle have exactly
# this colour.
colour_count() {
    local wanted
    wanted=$(tr 'a-f' 'A-F' <<<"#$6")
    convert "$1" -crop "$4x$5+$((OX + $2))+$((OY + $3))" +repage -depth 8 -alpha off \
        -format %c histogram:info: | awk -v c="$wanted" '$3 == c { n += $1 } END { print n + 0 }'
}

# button_focused FILE: the button shows its dotted focus rectangle (every other pixel of
# its left side black).
button_focused() {
    local length=$((BTN_H - 2 * BTN_FOCUS_INSET)) dots
    dots=$(colour_count "$1" $((BTN_X + BTN_FOCUS_INSET)) $((BTN_Y + BTN_FOCUS_INSET)) 1 \
        $length $DARK)
    [ "$dots" -ge $((length / 2 - 1)) ] && [ "$dots" -le $((length / 2 + 1)) ]
}

# keep_artefact FILE NAME: copies a screenshot where it outlives the test and says where.
keep_artefact() {
    mkdir -p "$SETUP_ARTEFACTS"
    cp "$1" "$SETUP_ARTEFACTS/$2"
    echo "screenshot: $SETUP_ARTEFACTS/$2"
}
