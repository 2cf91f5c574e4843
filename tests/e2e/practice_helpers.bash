# Helpers of the practice-window end-to-end scripts (sourced, not run by CTest on its own).
# Expects HMQUIZ and BUILD; sets DISPLAY, XDG_DATA_HOME, DATA, SHOTS.

set -euo pipefail

WORK=$(mktemp -d)
DATA="$WORK/data/hmquiz"
SHOTS="$BUILD/e2e-shots"
mkdir -p "$SHOTS"
export XDG_DATA_HOME="$WORK/data"
XVFB_PID=""
APP_PID=""

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "$SHOTS/${SCRIPT_NAME}_failure.png" 2>/dev/null || true
    exit 1
}

# Xvfb chooses a free display itself and writes its number once it is ready, so scripts started
# together (ctest -j2, other checkouts on the machine) never share or steal a server. Without
# -noreset the server restarts when its last client leaves (the xdpyinfo probe), and a program
# connecting during that restart is refused.
start_display() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$WORK/display")"
    xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
}

start_program() {
    "$HMQUIZ" >"$WORK/hmquiz.log" 2>&1 &
    APP_PID=$!
    MAIN=$(wait_window '^Home Maths Quiz$')
}

# Prints the id of the first visible window whose name matches, waiting up to 10 s.
wait_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    fail "no window named '$1'"
}

window_gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# X Y W H of a window.
geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/{printf "%s ", $2}'
}

# Click at (dx, dy) inside window $1.
click_in() {
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    xdotool mousemove $((x + $2)) $((y + $3)) click 1
    sleep 0.3
}

# Answers the pop-up titled $1 with its first (yes) or last (no) button: the buttons sit in a
# row near the dialog's bottom, so try along that row from the side where the button is.
answer_popup() {
    local id x y w h xs px
    id=$(wait_window "^$1\$")
    sleep 0.3
    read -r x y w h <<<"$(geometry "$id")"
    if [ "$2" = yes ]; then xs="30 35 40 45 50 55 60 65"; else xs="90 85 80 75 70 65"; fi
    for px in $xs; do
        xdotool mousemove $((x + w * px / 100)) $((y + h - 28)) click 1
        sleep 0.3
        window_gone "^$1\$" && return 0
    done
    fail "could not answer the pop-up '$1'"
}

# Waits until field 1 of marks record $1 is "1" (the marking bars take about 3 s).
wait_marked() {
    for _ in $(seq 200); do
        [ "$(field "$(record marks2HM.txt "$1")" 1)" = "1" ] && { sleep 0.3; return 0; }
        sleep 0.1
    done
    fail "the paper was not marked ($1)"
}

shot() { import -window root "$SHOTS/${SCRIPT_NAME}_$1.png"; }

# Mean grey level of a rectangle (WxH+X+Y) of a screenshot.
region_grey() {
    convert "$1" -crop "$2" +repage -colorspace gray -format "%[fx:mean]" info:
}

# Waits until the rectangle $2 of the screen is darker than in the screenshot $1 (text appeared
# there), then keeps that screen as shot $3.
wait_darker() {
    local before now
    before=$(region_grey "$1" "$2")
    for _ in $(seq 30); do
        shot "$3"
        now=$(region_grey "$SHOTS/${SCRIPT_NAME}_$3.png" "$2")
        awk -v a="$now" -v b="$before" 'BEGIN { exit !(a < b - 0.01) }' && return 0
        sleep 0.2
    done
    fail "nothing appeared at $2 ($before / $now)"
}

# The record line of paper $2 in file $1 of the data folder.
record() { grep -a "^#$2#" "$DATA/$1" | tr -d '\r'; }
# Field $2 (1-based) of a record line.
field() { echo "$1" | awk -F'>' -v i="$2" '{print $(i + 1)}'; }

# The package as the build left it: table lines of paper 101 and its questions.
PACKAGE="$BUILD/package"
paper_questions() { grep -a "^#$1#" "$PACKAGE/30022" | tr -d '\r' | cut -d'>' -f2- | tr '>' ' '; }
table_fields() { grep -a "^#$2#" "$PACKAGE/$1" | tr -d '\r' | cut -d'>' -f2-; }

# score / total as the program writes it: one decimal, ties to even, shortest form.
percentage() {
    awk -v s="$1" -v t="$2" 'BEGIN {
        n = s * 1000; q = int(n / t); r = n - q * t;
        if (2 * r > t || (2 * r == t && q % 2 == 1)) q++;
        if (q % 10 == 0) print q / 10; else printf "%d.%d\n", int(q / 10), q % 10 }'
}

# Practice window coordinates, from its layout: answer box k of the sheet, toolbar buttons.
answer_box() {  # window id, row k
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    echo $((w - 186)) $((30 + 56 + 16 + ($2 - 1) * 32))
}
toolbar_button() {  # window id, 1..6
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    case $2 in
        1 | 2 | 3 | 4) echo $((4 + 8 + ($2 - 1) * 52 + 22)) 51 ;;
        5) echo $((w - 4 - 112 + 22)) 51 ;;
        6) echo $((w - 4 - 60 + 22)) 51 ;;
    esac
}
type_answer() {  # window id, row, text
    read -r bx by <<<"$(answer_box "$1" "$2")"
    click_in "$1" "$bx" "$by"
    xdotool key ctrl+a
    xdotool type --delay 30 "$3"
}
press_toolbar() {
    read -r bx by <<<"$(toolbar_button "$1" "$2")"
    click_in "$1" "$bx" "$by"
}
