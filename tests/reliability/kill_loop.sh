#!/usr/bin/env bash
# The real program killed at random moments while it saves and marks papers, a few dozen times
# in one data folder; after every kill the checker finds each results file whole and in its
# format, runs what the next start runs (recovery, clean-up) and checks that the files agree.
# Arguments: the hmquiz program, the checker, the build folder.
# HM_KILL_ROUNDS and HM_KILL_SEED (default: the process id) vary a run; without the first, the
# build's own number of rounds (HM_KILL_ROUNDS_DEFAULT, set by the test) or 24.
HMQUIZ=$1
CHECK=$2
BUILD=$3
SCRIPT_NAME=kill_loop
# shellcheck source=../e2e/practice_helpers.bash
source "$(dirname "$0")/../e2e/practice_helpers.bash"

# The program's own words help when a round goes wrong.
fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/hmquiz.log" ] && tail -20 "$WORK/hmquiz.log" >&2
    import -window root "$SHOTS/${SCRIPT_NAME}_failure.png" 2>/dev/null || true
    exit 1
}

ROUNDS=${HM_KILL_ROUNDS:-${HM_KILL_ROUNDS_DEFAULT:-24}}
RANDOM=${HM_KILL_SEED:-$$}
echo "kill loop: $ROUNDS rounds, seed ${HM_KILL_SEED:-$$}"

# A random delay in seconds between $1 and $2 milliseconds.
pause_ms() { sleep "$(awk -v a="$1" -v b="$2" -v r="$RANDOM" 'BEGIN { printf "%.3f", (a + (b - a) * r / 32767) / 1000 }')"; }

# Waits (busily: the moment is short) until a file matching the glob $1 appears; false after 6 s.
wait_for_file() {
    local end=$((SECONDS + 6))
    while [ "$SECONDS" -lt "$end" ]; do
        compgen -G "$1" >/dev/null && return 0
    done
    return 1
}

# Presses toolbar button $2 of window $1 without the helpers' settling pause.
press_now() {
    local x y w h bx by
    read -r x y w h <<<"$(geometry "$1")"
    read -r bx by <<<"$(toolbar_button "$1" "$2")"
    xdotool mousemove $((x + bx)) $((y + by)) click 1
}

start_display
kills=0
finished=0
for round in $(seq "$ROUNDS"); do
    start_program
    sleep 1
    # An unmarked paper at random.
    mapfile -t open < <(record marks2HM.txt FST | cut -d'>' -f2- | tr '>' '\n' | grep -n '^0$' | cut -d: -f1)
    [ "${#open[@]}" -gt 0 ] || break
    paper=${open[$((RANDOM % ${#open[@]}))]}
    topic=$(((paper - 1) / 5))
    slot=$(((paper - 1) % 5))
    click_in "$MAIN" 60 $((191 + 32 * topic))
    click_in "$MAIN" 217 $((229 + 64 * slot))
    PRACTICE=$(wait_window " - Paper $((slot + 1))\$")
    sleep 0.3
    type_answer "$PRACTICE" 1 "$RANDOM"
    if [ $((RANDOM % 3)) -eq 0 ]; then
        # Save or Next: one write of the answers file, killed within a few milliseconds.
        press_now "$PRACTICE" $((RANDOM % 2 ? 1 : 6))
        if [ $((RANDOM % 2)) -eq 0 ]; then
            wait_for_file "$DATA/first2HM.txt.hmquiz-tmp-*" || true
        else
            pause_ms 0 60
        fi
        what="save"
    else
        # Mark: about three seconds of bars, then the journal and four files.
        press_now "$PRACTICE" 2
        answer_popup Marking yes
        if [ $((RANDOM % 3)) -eq 0 ]; then
            pause_ms 2300 3400
        else
            # Into the writes themselves: once the journal is there, within a few milliseconds.
            wait_for_file "$DATA/marking.journal*" || true
            pause_ms 0 12
        fi
        what="mark"
    fi
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
    if ! report=$("$CHECK" "$DATA" 2>&1); then
        echo "$report" >&2
        fail "round $round ($what of paper $((100 + paper))): the files disagree"
    fi
    case $report in *"finished an interrupted marking"*) finished=$((finished + 1)) ;; esac
    echo "round $round: $what of paper $((100 + paper)) killed; ${report//$'\n'/; }"
    kills=$((kills + 1))
done
[ "$kills" -ge $((ROUNDS / 2)) ] || fail "only $kills kills"
echo "$kills kills, $finished interrupted markings finished by the recovery"
