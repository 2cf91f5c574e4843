#!/usr/bin/env bash
# Both windows as a screen reader finds them: on its own accessibility bus (AT-SPI) under Xvfb,
# every view's tree has named, pressable buttons and no nameless focusable object or editable
# field; the practice window's answer boxes are named; a worked solution is read out only once the
# paper is marked and the learner asks for it. Arguments: the hmquiz program, the build
# folder.
set -euo pipefail
if [ -z "${HM_ACCESS_BUS:-}" ]; then
  exec env HM_ACCESS_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=accessibility_tree
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=practice_helpers.bash
source "$here/practice_helpers.bash"
bus_pid=""
trap 'if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; fi; cleanup' EXIT

start_display
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
window=$MAIN
sleep 1

check() {  # $1: the view's name, then --answers for a practice window, --text for what is read.
  # A busy machine may take a moment to publish the tree.
  for _ in 1 2 3 4 5; do
    if /usr/bin/python3 "$here/accessibility_tree.py" "${@:2}" >"$WORK/tree.txt" 2>&1; then
      echo "$1: $(grep -c "push button\|page tab\|radio button" "$WORK/tree.txt") buttons"
      return 0
    fi
    sleep 1
  done
  cat "$WORK/tree.txt"
  fail "the $1 view is not usable by a screen reader"
}
xdotool windowfocus --sync "$window"
check Home
xdotool key alt+r; sleep 0.5
check Report
xdotool key F1; sleep 0.5
check About
xdotool key alt+t; sleep 0.5
check Erase
xdotool key alt+h; sleep 0.5
xdotool key Tab Return   # paper 1 of the chosen topic
wait_window ' - Paper 1$' >/dev/null
sleep 1
# A sentence of the first question's worked solution, as its page reads.
question=$(grep -a "^#101#" "$BUILD/package/30022" | tr -d '\r' | cut -d'>' -f2)
step=$(/usr/bin/python3 -c '
import email, html, re, sys
page = email.message_from_binary_file(open(sys.argv[1], "rb")).get_payload()[0]
text = page.get_payload(decode=True).decode("utf-8")
steps = [html.unescape(re.sub("<[^>]*>", "", p)).replace("\xa0", " ").strip()
         for p in re.findall("<p[^>]*>(.*?)</p>", text, re.S)]
print(max(steps, key=len))' "$BUILD/package/$((question + 20000))")
[ -n "$step" ] || fail "question $question has no worked solution in the package"
solution_heard() { grep -qF -- "$step" "$WORK/tree.txt"; }

check "Practice window" --answers --text
grep -q "Question 1, answer" "$WORK/tree.txt" || fail "the answer box does not say which question it answers"
! solution_heard || fail "the worked solution is read out before marking"
xdotool key alt+w; sleep 0.5
check "Practice window after Alt+W" --answers --text
! solution_heard || fail "Alt+W shows the worked solution before marking"
xdotool key ctrl+m; sleep 0.7; xdotool key y; sleep 5   # marked, every part unanswered
check "Marked practice window" --answers --text
grep -qi "wrong" "$WORK/tree.txt" || fail "the verdicts are not read as words"
! solution_heard || fail "the worked solution is read out before it is asked for"
xdotool key alt+w; sleep 0.7
check "Worked solution" --answers --text
solution_heard || fail "a screen reader does not read the worked solution: $step"
grep -q "How to work out question 1" "$WORK/tree.txt" || fail "the worked solution is not named"
xdotool key Escape; sleep 0.5
check "Back to the question" --answers --text
! solution_heard || fail "the worked solution is still read out after Escape"
echo "accessibility tree: ok"
