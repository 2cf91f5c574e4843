#!/usr/bin/env bash
# A first attempt worked from the keyboard alone: Tab and Enter open paper 1, answers typed, Enter
# through the boxes and on to the next question, Alt+Right and Page Up, Ctrl+S and its notice
# answered with Enter, Ctrl+M and the question answered with Y, Ctrl+W and Enter; then the score
# is in the files and on the Home view, and the keys reach the main window again. No click.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=practice_keyboard
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

read -r -a ids <<<"$(paper_questions 101)"
[ "${#ids[@]}" -ge 3 ] || fail "the package has no paper 101"
keys1=$(table_fields 30023 "${ids[0]}")
parts1=$(echo "$keys1" | awk -F'>' '{print NF}')
key2=$(table_fields 30023 "${ids[1]}" | cut -d'>' -f1)
parts2=$(table_fields 30023 "${ids[1]}" | awk -F'>' '{print NF}')
wrong="0"
[ "$(echo "$key2" | tr -d ' ')" != "0" ] || wrong="1"

key() { xdotool key --delay 60 "$@"; sleep 0.4; }

start_display
start_program
sleep 1.5  # the first paint of the Home view
shot home_before

xdotool windowfocus --sync "$MAIN"
key Tab Return   # from the chosen topic to paper 1's load button, and open it
PRACTICE=$(wait_window ' - Paper 1$')
sleep 0.8

# Question 1: every part typed, Enter after each; the last Enter moves on and saves.
for i in $(seq "$parts1"); do
    xdotool type --delay 40 "$(echo "$keys1" | cut -d'>' -f"$i")"
    key Return
done
[ "$(field "$(record first2HM.txt 101)" 1)" = "$(echo "$keys1" | cut -d'>' -f1)" ] ||
    fail "Enter did not save question 1: $(record first2HM.txt 101)"
shot question2

# Question 2 wrong, Alt+Right saves it, Page Up comes back to it.
xdotool type --delay 40 "$wrong"
key alt+Right
[ "$(field "$(record first2HM.txt 101)" $((parts1 + 1)))" = "$wrong" ] ||
    fail "Alt+Right did not save question 2: $(record first2HM.txt 101)"
key Prior

# Ctrl+S and its notice, answered with Enter.
key ctrl+s
wait_window '^Vantora$' >/dev/null
shot saved
key Return
window_gone '^Vantora$' || fail "Enter did not answer the notice"

# Ctrl+M and its question, answered with Y.
key ctrl+m
wait_window '^Marking$' >/dev/null
key y
wait_marked FST
shot marked
results=$(record fresults2HM.txt 101)
[ "$(field "$results" 1)" = "Y" ] || fail "question 1 not right: $results"
[ "$(field "$results" $((parts1 + 1)))" = "N" ] || fail "question 2 not wrong: $results"
fse=$(field "$(record marks2HM.txt FSE)" 1)
[ -n "$fse" ] || fail "no first score"

# Ctrl+W and Enter close the paper.
key ctrl+w
wait_window '^Close Practice$' >/dev/null
key Return
window_gone ' - Paper 1$' || fail "the practice window stayed open"
if ls "$DATA"/temppaper*.mht >/dev/null 2>&1; then fail "a question file was left behind"; fi
[ "$(xdotool getwindowfocus)" = "$MAIN" ] || fail "the keys did not go back to the main window"

read -r mx my _ _ <<<"$(geometry "$MAIN")"
wait_darker "$SHOTS/${SCRIPT_NAME}_home_before.png" "40x14+$((mx + 296))+$((my + 226))" home_after
echo "worked by keys: scored $fse (question 2 of $parts2 part(s) left wrong)"
