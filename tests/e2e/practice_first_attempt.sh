#!/usr/bin/env bash
# A first attempt in a real X server, as a learner works it: open paper 101 from the Home view,
# answer question 1 right and question 2 wrong, go Next, mark, confirm, close; then the Home view
# shows the score and the results files hold it.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=practice_first_attempt
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

read -r -a ids <<<"$(paper_questions 101)"
[ "${#ids[@]}" -ge 2 ] || fail "the package has no paper 101"
key1=$(table_fields 30023 "${ids[0]}" | cut -d'>' -f1)
key2=$(table_fields 30023 "${ids[1]}" | cut -d'>' -f1)
parts1=$(table_fields 30023 "${ids[0]}" | awk -F'>' '{print NF}')
marks1=$(table_fields 30025 "${ids[0]}" | cut -d'>' -f1)
total=0
for id in "${ids[@]}"; do
    for m in $(table_fields 30025 "$id" | tr '>' ' '); do total=$((total + m)); done
done
wrong="0"
[ "$(echo "$key2" | tr -d ' ')" != "0" ] || wrong="1"

start_display
start_program
sleep 1.5  # the first paint of the Home view
shot home_before

# Paper 1 of the first topic: its load button.
click_in "$MAIN" 217 229
PRACTICE=$(wait_window ' - Paper 1$')
sleep 0.5
shot opened
ls "$DATA"/temppaper*.mht >/dev/null 2>&1 || fail "no question file while the paper is open"
[ "$(ls "$DATA"/temppaper*.mht | wc -l)" -eq 1 ] || fail "more than one question file"
[ ! -e "$DATA/temptext.txt" ] || fail "temptext.txt was left behind"

type_answer "$PRACTICE" 1 "$key1"
press_toolbar "$PRACTICE" 6   # Next
sleep 0.3
[ "$(field "$(record first2HM.txt 101)" 1)" = "$key1" ] || fail "Next did not save the answer"
type_answer "$PRACTICE" 1 "$wrong"
shot question2

press_toolbar "$PRACTICE" 2   # Mark
answer_popup Marking yes
wait_marked FST
shot marked

expected=$(percentage "$marks1" "$total")
[ "$parts1" -eq 1 ] || expected=""   # a first question of several parts scores only part 1
marks_line=$(record marks2HM.txt FSE)
fse=$(field "$marks_line" 1)
[ -n "$fse" ] || fail "no first score after marking"
[ -z "$expected" ] || [ "$fse" = "$expected" ] || fail "first score $fse, expected $expected"
[ "$(field "$(record marks2HM.txt FST)" 1)" = "1" ] || fail "FST is not 1"
[ -n "$(field "$(record marks2HM.txt LTM)" 1)" ] || fail "no time taken"
[ -n "$(field "$(record marks2HM.txt CDD)" 1)" ] || fail "no date completed"
[ "$(tr -d '\r' <"$DATA/trend2HM.txt")" = "#TRD#>$fse" ] || fail "trend is $(cat "$DATA/trend2HM.txt")"
results=$(record fresults2HM.txt 101)
[ "$(field "$results" 1)" = "Y" ] || fail "question 1 not right: $results"
[ "$(field "$results" $((parts1 + 1)))" = "N" ] || fail "question 2 not wrong: $results"
answers=$(record first2HM.txt 101)
[ "$(field "$answers" $((parts1 + 1)))" = "$wrong" ] || fail "answers record: $answers"

press_toolbar "$PRACTICE" 4   # Close
answer_popup 'Close Practice' yes
window_gone ' - Paper 1$' || fail "the practice window stayed open"
if ls "$DATA"/temppaper*.mht >/dev/null 2>&1; then fail "a question file was left behind"; fi

# The Home view now shows a first score beside paper 1 (its digits darken the row).
read -r mx my _ _ <<<"$(geometry "$MAIN")"
wait_darker "$SHOTS/${SCRIPT_NAME}_home_before.png" "40x14+$((mx + 296))+$((my + 226))" home_after
echo "first attempt scored $fse"
