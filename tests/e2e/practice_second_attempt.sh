#!/usr/bin/env bash
# A second attempt in a real X server: mark a first attempt of paper 101 with question 1 right
# and the rest wrong or empty, close, try again, correct question 2, mark; then the second score,
# the correct answers on view and the files, with the first attempt's records untouched. In both
# marked attempts the worked solution opens by key and by mouse in the question's place, and its
# file goes when the learner goes back or moves on.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=practice_second_attempt
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

read -r -a ids <<<"$(paper_questions 101)"
[ "${#ids[@]}" -ge 3 ] || fail "the package has no paper 101"
key() { table_fields 30023 "$1" | cut -d'>' -f1; }
parts() { table_fields 30023 "$1" | awk -F'>' '{print NF}'; }
first_marks() { table_fields 30025 "$1" | cut -d'>' -f1; }
key1=$(key "${ids[0]}")
key2=$(key "${ids[1]}")
parts1=$(parts "${ids[0]}")
parts2=$(parts "${ids[1]}")
total=0
for id in "${ids[@]}"; do
    for m in $(table_fields 30025 "$id" | tr '>' ' '); do total=$((total + m)); done
done
wrong="0"
[ "$(echo "$key2" | tr -d ' ')" != "0" ] || wrong="1"

# The worked solution's file, its coming and going, and the question pane changing under it.
solution_files() { ls "$DATA" | grep '^tempsolution' || true; }
wait_solution() {
    for _ in $(seq 30); do
        [ "$(solution_files)" = "tempsolution$1.mht" ] && { sleep 0.3; return 0; }
        sleep 0.1
    done
    fail "the solution of question $1 did not open (files: $(solution_files))"
}
wait_no_solution() {
    for _ in $(seq 30); do
        [ -z "$(solution_files)" ] && return 0
        sleep 0.1
    done
    fail "the solution file stayed: $(solution_files)"
}
solution_on_view() {  # the shot before, the name of the shot with the solution
    local x y w h changed
    shot "$2"
    read -r x y w h <<<"$(geometry "$PRACTICE")"
    changed=$(compare -metric AE -crop "400x200+$((x + 20))+$((y + 110))" \
        "$SHOTS/${SCRIPT_NAME}_$1.png" "$SHOTS/${SCRIPT_NAME}_$2.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 500 ] 2>/dev/null || fail "the question pane did not change ($changed)"
}
SOLUTION_BUTTON="150 101"  # the button beside the question's title, from the window's corner

start_display
start_program
sleep 1.5  # the first paint of the Home view

# First attempt: question 1 right, question 2 wrong, marked and closed.
click_in "$MAIN" 217 229
PRACTICE=$(wait_window ' - Paper 1$')
sleep 0.5
type_answer "$PRACTICE" 1 "$key1"
press_toolbar "$PRACTICE" 6
type_answer "$PRACTICE" 1 "$wrong"
[ -z "$(solution_files)" ] || fail "a solution was written before marking"
xdotool key alt+w; sleep 0.3
[ -z "$(solution_files)" ] || fail "Alt+W wrote a solution before marking"
press_toolbar "$PRACTICE" 2
answer_popup Marking yes
wait_marked FST
shot first_marked
xdotool key alt+w
wait_solution "${ids[1]}"
solution_on_view first_marked first_solution
xdotool key Escape
wait_no_solution
click_in "$PRACTICE" $SOLUTION_BUTTON   # the mouse: the button beside "Question 2"
wait_solution "${ids[1]}"
press_toolbar "$PRACTICE" 6   # on to question 3: the question again, its file gone
wait_no_solution
press_toolbar "$PRACTICE" 4
answer_popup 'Close Practice' yes
window_gone ' - Paper 1$' || fail "the first attempt stayed open"
sleep 0.5
shot home_first
first_marks_file=$(record marks2HM.txt FSE)
fse=$(field "$first_marks_file" 1)
trend=$(cat "$DATA/trend2HM.txt")
first_answers=$(record first2HM.txt 101)
first_results=$(record fresults2HM.txt 101)
[ -n "$fse" ] || fail "the first attempt was not marked"

# Try again: the try-again button sits under the load button.
click_in "$MAIN" 217 245
PRACTICE=$(wait_window ' - Paper 1 - Second attempt$')
sleep 0.5
shot second_opened
[ -z "$(field "$(record second2HM.txt 101)" 1)" ] || fail "opening the second attempt wrote answers"
press_toolbar "$PRACTICE" 6
type_answer "$PRACTICE" 1 "$key2"
press_toolbar "$PRACTICE" 2
answer_popup Marking yes
wait_marked SST
press_toolbar "$PRACTICE" 6   # question 3, still wrong: its correct answer is on view
sleep 0.3
shot second_marked
click_in "$PRACTICE" $SOLUTION_BUTTON
wait_solution "${ids[2]}"
solution_on_view second_marked second_solution
xdotool key alt+w
wait_no_solution
xdotool key alt+w
wait_solution "${ids[2]}"

sresults=$(record sresults2HM.txt 101)
[ "$(field "$sresults" 1)" = "Y" ] || fail "carried question 1 not right: $sresults"
[ "$(field "$sresults" $((parts1 + 1)))" = "Y" ] || fail "question 2 not right: $sresults"
[ "$(field "$sresults" $((parts1 + parts2 + 1)))" = "N" ] || fail "question 3 not wrong: $sresults"
seconds=$(record second2HM.txt 101)
[ "$(field "$seconds" 1)" = "$key1" ] || fail "the carried answer was not stored: $seconds"
[ "$(field "$seconds" $((parts1 + 1)))" = "$key2" ] || fail "second answers: $seconds"
sse=$(field "$(record marks2HM.txt SSE)" 1)
if [ "$parts1" -eq 1 ] && [ "$parts2" -eq 1 ]; then
    expected=$(percentage $(($(first_marks "${ids[0]}") + $(first_marks "${ids[1]}"))) "$total")
    [ "$sse" = "$expected" ] || fail "second score $sse, expected $expected"
fi
[ -n "$sse" ] || fail "no second score"
[ "$(field "$(record marks2HM.txt SST)" 1)" = "1" ] || fail "SST is not 1"
[ "$(record marks2HM.txt FSE)" = "$first_marks_file" ] || fail "FSE changed"
[ "$(cat "$DATA/trend2HM.txt")" = "$trend" ] || fail "the trend changed"
[ "$(record first2HM.txt 101)" = "$first_answers" ] || fail "the first answers changed"
[ "$(record fresults2HM.txt 101)" = "$first_results" ] || fail "the first results changed"

press_toolbar "$PRACTICE" 4
answer_popup 'Close Practice' yes
window_gone ' - Paper 1 - Second attempt$' || fail "the second attempt stayed open"
if ls "$DATA"/temppaper*.mht >/dev/null 2>&1; then fail "a question file was left behind"; fi

# The second score now stands in the row under the first.
read -r mx my _ _ <<<"$(geometry "$MAIN")"
wait_darker "$SHOTS/${SCRIPT_NAME}_home_first.png" "40x14+$((mx + 296))+$((my + 242))" home_second

# Reopened, the marked second attempt writes nothing.
snapshot=$(cat "$DATA/second2HM.txt" "$DATA/sresults2HM.txt" "$DATA/marks2HM.txt" | md5sum)
click_in "$MAIN" 217 245
PRACTICE=$(wait_window ' - Paper 1 - Second attempt$')
sleep 0.5
press_toolbar "$PRACTICE" 6
press_toolbar "$PRACTICE" 4
answer_popup 'Close Practice' yes
window_gone ' - Paper 1 - Second attempt$' || fail "the reopened attempt stayed open"
[ "$(cat "$DATA/second2HM.txt" "$DATA/sresults2HM.txt" "$DATA/marks2HM.txt" | md5sum)" = "$snapshot" ] ||
    fail "reopening the marked second attempt wrote to the results"
echo "first attempt $fse, second attempt $sse"
