#!/usr/bin/env bash
# Maximise, restore and minimise of a practice window in a real X server, first with no window
# manager at all (the program places the window itself) and then under openbox.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=practice_maximise
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

WM_PID=""
trap 'if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null || true; fi; cleanup' EXIT

# Title-bar buttons are 26 px wide with 4 px between them, the close button 8 px from the right.
click_title_button() {  # window id, max | min
    local x y w h dx
    read -r x y w h <<<"$(geometry "$1")"
    if [ "$2" = max ]; then dx=51; else dx=81; fi
    xdotool mousemove $((x + w - dx)) $((y + 15)) click 1
}

wait_geometry() {  # window id, "X Y W H"
    local now
    for _ in $(seq 40); do
        now=$(geometry "$1")
        [ "${now% }" = "$2" ] && return 0
        sleep 0.1
    done
    fail "window at '$now', expected '$2'"
}

# The area a maximised window fills: the work area when a window manager publishes one.
available_area() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= *//p' | cut -d, -f1-4 | tr -d ',')
    if [ -n "$area" ]; then echo "$area"; else echo "0 0 1280 1024"; fi
}

max_picture() {  # grey level of the maximise button
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    shot "$2"
    region_grey "$SHOTS/${SCRIPT_NAME}_$2.png" "16x12+$((x + w - 59))+$((y + 9))"
}

maximise_and_restore() {  # window id, label
    local normal grey_normal grey_max
    normal=$(geometry "$1")
    normal=${normal% }
    grey_normal=$(max_picture "$1" "$2_normal")
    click_title_button "$1" max
    wait_geometry "$1" "$(available_area)"
    sleep 0.3
    grey_max=$(max_picture "$1" "$2_maximised")
    [ "$grey_max" != "$grey_normal" ] || fail "$2: the maximise button kept its picture"
    click_title_button "$1" max
    wait_geometry "$1" "$normal"
}

start_display
start_program
sleep 1.5
click_in "$MAIN" 217 229
PRACTICE=$(wait_window ' - Paper 1$')
sleep 0.5

maximise_and_restore "$PRACTICE" bare

# Nothing can take the window off a bare screen; once it is clicked again it works as before.
click_title_button "$PRACTICE" min
sleep 0.5
xwininfo -id "$PRACTICE" | grep -q IsViewable || fail "bare: the minimised window was lost"
maximise_and_restore "$PRACTICE" bare_after_minimise

if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    sleep 0.5
    maximise_and_restore "$PRACTICE" openbox

    click_title_button "$PRACTICE" min
    for _ in $(seq 30); do
        xwininfo -id "$PRACTICE" | grep -q IsUnMapped && break
        sleep 0.1
    done
    xwininfo -id "$PRACTICE" | grep -q IsUnMapped || fail "openbox: the window was not minimised"
    xdotool windowactivate "$PRACTICE"  # as a click on its task-bar entry
    sleep 0.5
    xwininfo -id "$PRACTICE" | grep -q IsViewable || fail "openbox: the window did not come back"
    maximise_and_restore "$PRACTICE" openbox_after_minimise
else
    echo "openbox is missing: maximise under a window manager was not tried"
fi
echo "practice maximise: ok"
