#!/usr/bin/env bash
# Two learners on one computer, as a family meets them: a data folder of an earlier version
# becomes the first learner's with nothing moved; a second learner named on the command line;
# each marks a paper and the scores stay apart; switching in the Learners view; the start asking
# "Who is practising?"; the topic last chosen kept across a restart; the export read back as CSV
# (and by LibreOffice where it is installed); removing a learner keeps the files aside.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=family
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

BOB="$DATA/learners/Bob"
fields() { grep -a "^#$2#" "$1" | tr -d '\r'; }   # record line $2 of file $1
marked() {  # waits until field $2 of FST in marks file $1 is 1
    for _ in $(seq 200); do
        [ "$(field "$(fields "$1" FST)" "$2")" = "1" ] && { sleep 0.3; return 0; }
        sleep 0.1
    done
    fail "paper $2 was not marked in $1"
}
run_as() {  # starts the program with arguments, waits for the window named $1
    local title=$1
    shift
    "$HMQUIZ" "$@" >>"$WORK/hmquiz.log" 2>&1 &
    APP_PID=$!
    MAIN=$(wait_window "$title")
    sleep 1
}
# Keys go to the window with the focus: a click on the empty end of the tab strip gives it.
keys() {
    click_in "$MAIN" 330 118
    xdotool key "$@"
    sleep 0.5
}
quit() {
    keys ctrl+q
    for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    ! kill -0 "$APP_PID" 2>/dev/null || fail "the program did not end"
    APP_PID=""
}
mark_paper() {  # slot 1..5 of the topic shown: open, mark unanswered, close
    click_in "$MAIN" 217 $((229 + 64 * ($1 - 1)))
    local practice
    practice=$(wait_window " - Paper $1\$")
    sleep 0.5
    press_toolbar "$practice" 2
    answer_popup Marking yes
    marked "$2" "$1"
    press_toolbar "$practice" 4
    answer_popup 'Close Practice' yes
    window_gone " - Paper $1\$" || fail "the practice window stayed open"
}
top_files() { (cd "$DATA" && md5sum ./*2HM.txt); }

start_display

# --- an earlier version's folder: one learner's results at its top, with a score of 80
run_as '^Home Maths Quiz$'
quit
sed -i -e '/^#FSE#/s/^#FSE#>/#FSE#>80/' -e '/^#FST#/s/^#FST#>0/#FST#>1/' "$DATA/marks2HM.txt"
before=$(top_files)
[ "$("$HMQUIZ" --list-learners)" = "Learner 1" ] || fail "--list-learners: $("$HMQUIZ" --list-learners)"
[ ! -e "$DATA/learners.ini" ] || fail "one learner got a list of learners"

# --- a second learner named on the command line: a folder of its own, the first one's untouched
run_as '^Home Maths Quiz - Bob$' --learner Bob
shot bob_home
[ -f "$BOB/marks2HM.txt" ] || fail "Bob has no results files of his own"
[ "$(top_files)" = "$before" ] || fail "the first learner's files changed when Bob was added"
mark_paper 1 "$BOB/marks2HM.txt"
[ "$(field "$(fields "$DATA/marks2HM.txt" FSE)" 1)" = "80" ] || fail "Bob's marking reached the first learner"

# --- switching in the Learners view (Alt+L): the list starts on Bob; Up and Enter
keys alt+l
shot learners_view
xdotool key Up Return
MAIN=$(wait_window '^Home Maths Quiz - Learner 1$')
sleep 0.5
mark_paper 2 "$DATA/marks2HM.txt"
[ "$(field "$(fields "$DATA/marks2HM.txt" FSE)" 1)" = "80" ] || fail "the first learner lost the score of 80"
[ -n "$(field "$(fields "$DATA/marks2HM.txt" FSE)" 2)" ] || fail "the first learner's paper 2 has no score"
[ -z "$(field "$(fields "$BOB/marks2HM.txt" FSE)" 2)" ] || fail "the first learner's marking reached Bob"
[ "$(field "$(fields "$BOB/marks2HM.txt" FST)" 1)" = "1" ] || fail "Bob's paper 1 was lost in the switch"

# --- the overview shows both side by side
keys alt+o
shot overview

# --- the topic last chosen (Fractions, the third) comes back after a restart
keys alt+h
click_in "$MAIN" 60 259
quit
grep -q '^lastTopic=3' "$DATA/learner.ini" || fail "the last topic was not kept: $(cat "$DATA/learner.ini")"
run_as '^Who is practising\?$'
WHO=$MAIN
shot who_is_practising
xdotool key Return   # the learner who practised last
MAIN=$(wait_window '^Home Maths Quiz - Learner 1$')
sleep 1
shot restarted
quit
grep -q '^lastTopic=3' "$DATA/learner.ini" || fail "the restart did not open on the last topic"

# --- the export: every learner's 50 papers, read back by a CSV parser
"$HMQUIZ" --export-csv "$WORK/all.csv" || fail "--export-csv ended with $?"
"$HMQUIZ" --learner Bob --export-csv "$WORK/bob.csv" || fail "--export-csv for Bob failed"
python3 - "$WORK/all.csv" "$WORK/bob.csv" <<'PY' || fail "the CSV did not read back"
import csv, re, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    rows = list(csv.reader(f, strict=True))
assert rows[0] == ['Learner', 'Topic', 'Paper', 'First attempt score', 'Time taken',
                   'Date completed', 'Second attempt score'], rows[0]
body = rows[1:]
assert len(body) == 100, len(body)
assert {r[0] for r in body} == {'Learner 1', 'Bob'}
first = {(r[0], r[1], r[2]): r for r in body}
assert first[('Learner 1', 'Whole Numbers', '1')][3] == '80'
bob1 = first[('Bob', 'Whole Numbers', '1')]
float(bob1[3])
assert re.fullmatch(r'\d{4}-\d\d-\d\d', bob1[5]), bob1
assert re.fullmatch(r'\d+:\d\d:\d\d', bob1[4]), bob1
with open(sys.argv[2], newline='', encoding='utf-8') as f:
    bob = list(csv.reader(f))[1:]
assert len(bob) == 50 and {r[0] for r in bob} == {'Bob'}
PY
if command -v soffice >/dev/null 2>&1; then
    # A spreadsheet sees numbers as numbers and the date as a date.
    HOME="$WORK" timeout 120 soffice --headless --convert-to ods --outdir "$WORK" "$WORK/bob.csv" \
        >/dev/null 2>&1 || fail "soffice could not convert the export"
    unzip -p "$WORK/bob.ods" content.xml >"$WORK/content.xml"
    grep -q 'office:value-type="float" office:value="0"' "$WORK/content.xml" ||
        fail "LibreOffice did not read the score as a number"
    grep -q 'office:value-type="date"' "$WORK/content.xml" ||
        fail "LibreOffice did not read the date as a date"
else
    echo "SKIP: soffice is not installed; the export was read back by a CSV parser only"
fi

# --- removing Bob: asked first, his folder moved aside under a dated name, nothing deleted
run_as '^Home Maths Quiz - Learner 1$' --learner 'Learner 1'
keys alt+l
xdotool key Down Tab Tab Return
answer_popup 'Remove learner' yes
sleep 0.5
shot removed
[ ! -e "$BOB" ] || fail "Bob's folder is still among the learners"
aside=$(find "$DATA/removed learners" -mindepth 1 -maxdepth 1 -name 'Bob *' | head -1)
[ -n "$aside" ] || fail "Bob's results were not kept aside"
[ "$(field "$(fields "$aside/marks2HM.txt" FST)" 1)" = "1" ] || fail "Bob's kept results lost his paper"
quit
[ "$("$HMQUIZ" --list-learners)" = "Learner 1" ] || fail "Bob is still listed"
echo "two learners practised apart; the export read back"
