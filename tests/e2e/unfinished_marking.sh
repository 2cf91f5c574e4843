#!/usr/bin/env bash
# A marking the last run left halfway that the start cannot finish is shown before the main
# window, naming the file and why. Its journal is kept from the start by a named pipe in its
# place (a block that holds for root too). No goes on without it and the pipe stays; at the next
# start the journal is put back while the learner reads, and Enter (Try again) finishes the
# marking: the program opens with the paper marked and its score in the trend.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=unfinished_marking
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"
DRIVER="$BUILD/tests/reliability/marking_driver"
[ -x "$DRIVER" ] || fail "no marking driver at $DRIVER"

mkdir -p "$DATA"
"$DRIVER" "$DATA" 1 prepare || fail "the paper could not be prepared"
# Killed once its journal is in place and before the answers file (the first) is renamed.
("$DRIVER" "$DATA" 1 mark 3 >/dev/null 2>&1 || true) 2>/dev/null
[ -f "$DATA/marking.journal" ] || fail "the kill left no journal"
[ "$(field "$(record marks2HM.txt FST)" 1)" = "0" ] || fail "the paper is marked already"
mv "$DATA/marking.journal" "$WORK/journal"
mkfifo "$DATA/marking.journal"

start_until_told() {
    "$HMQUIZ" >"$WORK/hmquiz.log" 2>&1 &
    APP_PID=$!
    wait_window '^Unfinished marking$' >/dev/null
    sleep 0.3
}

start_display
start_until_told
shot told
grep -q 'marking.journal, the program.s note of it, is not a plain file' "$WORK/hmquiz.log" ||
    fail "the start does not say what is wrong: $(tail -3 "$WORK/hmquiz.log")"
xdotool key n
MAIN=$(wait_window '^Home Maths Quiz$')
[ -p "$DATA/marking.journal" ] || fail "what stood for the journal was not left for the next start"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

start_until_told
rm "$DATA/marking.journal"
mv "$WORK/journal" "$DATA/marking.journal"
xdotool key Return
MAIN=$(wait_window '^Home Maths Quiz$')
window_gone '^Unfinished marking$' || fail "the question is still up after Try again"
[ ! -e "$DATA/marking.journal" ] || fail "the journal is still there"
[ "$(field "$(record marks2HM.txt FST)" 1)" = "1" ] || fail "paper 101 is not marked"
score=$(field "$(record marks2HM.txt FSE)" 1)
[ -n "$score" ] || fail "paper 101 has no score"
[ "$(record trend2HM.txt TRD)" = "#TRD#>$score" ] || fail "the trend lacks the score $score"
echo "unfinished marking at start: ok"
