#!/usr/bin/env bash
# Both windows as a screen reader finds them: on its own accessibility bus (AT-SPI) under Xvfb,
# every view's tree has named, pressable buttons and no nameless focusable object or editable
# field; the practice window's answer boxes are named. Arguments: the hmquiz program, the build
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

check() {  # $1: the view's name, $2: --answers for a practice window. A busy machine may take
  # a moment to publish the tree.
  for _ in 1 2 3 4 5; do
    if /usr/bin/python3 "$here/accessibility_tree.py" ${2:-} >"$WORK/tree.txt" 2>&1; then
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
check "Practice window" --answers
grep -q "Question 1, answer" "$WORK/tree.txt" || fail "the answer box does not say which question it answers"
xdotool key ctrl+m; sleep 0.7; xdotool key y; sleep 5   # marked, every part unanswered
check "Marked practice window" --answers
grep -qi "wrong" "$WORK/tree.txt" || fail "the verdicts are not read as words"
echo "accessibility tree: ok"
