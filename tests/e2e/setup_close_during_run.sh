#!/usr/bin/env bash
# The close box during a run does not cut it short: the window stays until every file is
# moved, then the program ends by itself with exit status 0, with no second press.
#   setup_close_during_run.sh PROGRAM
source "$(dirname "$0")/setup_lib.sh"
file_count=12 # two reports of a quarter second each per file: the run takes seconds
run_s=15

# An archive whose folders can all be made, so the answer No changes nothing.
source_dir=$E2E_WORK/source
mkdir -p "$source_dir"
printf 'C:\\Lang\r\nC:\\Lang\\Teil\r\n' >"$source_dir/InstDir.inf"
: >"$source_dir/InstFile.inf"
names=()
for ((i = 1; i <= file_count; i++)); do
    name=$(printf 'datei%02d.txt' $i)
    names+=("$name")
    printf 'Inhalt der Datei %d\n' $i >"$source_dir/$name"
    printf 'C:\\Lang\\Teil\\%s\r\n' "$name" >>"$source_dir/InstFile.inf"
done
destination=Lang/Teil

setup_archive "$source_dir"
start_setup
click_client "$MAIN" $START_X $START_Y
box=$(wait_for_window "$QUESTION_CAPTION") || fail "no question box after pressing Start"
focus_window "$box"
xdotool key n
poll "$E2E_WAIT_S" bash -c "! xprop -root _NET_CLIENT_LIST | grep -qi '$box'" ||
    fail "'n' did not close the question box"
pass "'n' answered the question"

moved_count() {
    find "$DRIVE_C/$destination" -maxdepth 1 -type f -name 'datei*' 2>/dev/null | wc -l
}
some_moved() { [ "$(moved_count)" -gt 0 ]; }
poll "$E2E_WAIT_S" some_moved || fail "no file was moved"
close_window "$MAIN"
moved_at_close=$(moved_count)
[ "$moved_at_close" -lt $file_count ] ||
    fail "the run was over before the close box; the test proves nothing"
pass "close box pressed with $moved_at_close of $file_count files moved"

# Until the program ends, its window is there whenever files are still to be moved.
deadline=$((SECONDS + run_s))
while app_running; do
    if ! find_window "$MAIN_CAPTION" >/dev/null && [ "$(moved_count)" -lt $file_count ]; then
        fail "the window went away with $(moved_count) of $file_count files moved"
    fi
    [ $SECONDS -lt $deadline ] || fail "the program did not end by itself after the run"
    sleep "$E2E_POLL_S"
done
wait_for_exit
check_eq "$APP_STATUS" 0 "exit status after the close box during the run"

for name in "${names[@]}"; do
    expect_moved "$name" "$destination/$name"
done
check_eq "$(archive_names)" "InstDir.inf InstFile.inf" "left in the archive folder"
