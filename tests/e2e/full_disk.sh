#!/usr/bin/env bash
# The disk full while a paper is open: Ctrl+Q in the main window does not drop the answer typed
# since the last save. The learner is asked, told which file and why, and Enter (No) keeps both
# windows; once there is room again Ctrl+Q saves the answer and the program ends.
# The data folder is a small tmpfs, mounted in a mount namespace of the script's own (a user
# namespace where the system allows one, as root otherwise); where neither can be had the test
# says so and is skipped.
# Arguments: the hmquiz program, the build folder.
if [ -z "${HM_FULL_DISK_NAMESPACE:-}" ]; then
    export HM_FULL_DISK_NAMESPACE=1
    if unshare --user --map-root-user --mount true 2>/dev/null; then
        exec unshare --user --map-root-user --mount bash "$0" "$@"
    elif [ "$(id -u)" = 0 ] && unshare --mount true 2>/dev/null; then
        exec unshare --mount bash "$0" "$@"
    fi
    echo "SKIP: no mount namespace for a small tmpfs here (user namespaces are off and this is not root)"
    exit 77
fi
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=full_disk
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

mkdir -p "$WORK/data"
mount -t tmpfs -o size=4m tmpfs "$WORK/data" || { echo "SKIP: a tmpfs cannot be mounted here"; exit 77; }
# The program ends before the disk goes, so nothing of the folder is left behind.
trap 'cleanup_program_first' EXIT
cleanup_program_first() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    APP_PID=""
    umount "$WORK/data" 2>/dev/null || true
    cleanup
}

# Fills the disk of the data folder to its last byte.
fill_disk() {
    dd if=/dev/zero of="$WORK/data/filler" bs=64k 2>/dev/null || true
    dd if=/dev/zero of="$WORK/data/filler2" bs=512 2>/dev/null || true
}

start_display
start_program
sleep 1.5
click_in "$MAIN" 217 229
PRACTICE=$(wait_window ' - Paper 1$')
sleep 0.5
type_answer "$PRACTICE" 1 "4321"
sleep 0.3
fill_disk

xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+q
wait_window '^Close Practice$' >/dev/null
sleep 0.3
shot question
grep -q 'first2HM.txt cannot be written: the disk is full' "$WORK/hmquiz.log" ||
    fail "the question does not say which file and why: $(tail -3 "$WORK/hmquiz.log")"
xdotool key Return
window_gone '^Close Practice$' || fail "Enter did not answer the question"
sleep 0.3
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended with the answer unsaved"
xdotool search --onlyvisible --name ' - Paper 1$' >/dev/null || fail "the paper was closed"
[ "$(field "$(record first2HM.txt 101)" 1)" = "" ] || fail "the answer was saved on a full disk?"

rm -f "$WORK/data/filler" "$WORK/data/filler2"
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+q
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "Ctrl+Q with room on the disk did not end the program"
APP_PID=""
[ "$(field "$(record first2HM.txt 101)" 1)" = "4321" ] || fail "the answer was not saved at the end"
echo "full disk at Ctrl+Q: ok"
