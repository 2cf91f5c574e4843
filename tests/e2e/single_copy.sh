#!/usr/bin/env bash
# One copy per data folder, in a real X server: a second start on the same folder brings the
# running copy's window to the front and ends with status 0, while the first copy keeps working
# and writing; another folder runs its own copy; the lock file removed under the running copy
# lets no second copy in; a copy killed outright leaves a lock that the next start takes over;
# under a window manager a minimised window comes back and is activated.
# The windows carry the program icon, from the icon theme once installed.
# Arguments: the hmquiz program, the build folder.
set -euo pipefail
hmquiz=$1
build=$2
work=$(mktemp -d)
pids=()
xvfb_pid=""
wm_pid=""
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  import -window root "$build/e2e_single_copy_failure.png" 2>/dev/null || true
  for log in "$work"/*.log; do echo "--- $(basename "$log")"; tail -5 "$log"; done >&2
  exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
export XDG_DATA_HOME="$work/xdg"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

learner="$work/learner"
other="$work/other"

start() {  # data folder, log name; sets started_pid
  "$hmquiz" --data-dir "$1" >"$work/$2.log" 2>&1 &
  started_pid=$!
  pids+=("$started_pid")
}
window_of() {  # pid: prints the id of its visible window, waiting up to 15 s
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "process $1 showed no window"
}
wait_exit() {  # pid: sets exit_status, waiting up to 20 s (not in a subshell: wait needs us)
  for _ in $(seq 200); do
    if ! kill -0 "$1" 2>/dev/null; then
      exit_status=0
      wait "$1" || exit_status=$?
      return 0
    fi
    sleep 0.1
  done
  fail "process $1 did not end"
}
# True when window $1 is stacked above window $2 on a bare X server (xwininfo lists the top first).
above() {
  xwininfo -root -children | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" '
    $1 == a { print "yes"; exit } $1 == b { print "no"; exit }' | grep -q yes
}
lock_owner() { head -1 "$1/hmquiz.lock" 2>/dev/null || true; }
icon_sizes() { xprop -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '; }

# --- the first copy, on a folder that does not exist yet
start "$learner" first
first=$started_pid
win_first=$(window_of "$first")
[ "$(lock_owner "$learner")" = "$first" ] || fail "the lock file does not name the first copy"
sizes=$(icon_sizes "$win_first")
[[ "$sizes" == *"(16 x 16)"*"(32 x 32)"*"(48 x 48)"* ]] || fail "window icon: '$sizes'"
xprop -id "$win_first" WM_CLASS | grep -q '"hmquiz", "hmquiz"' || fail "WM_CLASS is not hmquiz"

# --- another folder: a copy of its own, which comes up on top
start "$other" other
win_other=$(window_of "$started_pid")
sleep 0.5
above "$win_other" "$win_first" || fail "the other folder's window is not on top"

# --- a second start on the first folder, spelled another way
before=$(cd "$learner" && find . -type f ! -name hmquiz.lock -printf '%p %s %T@\n' | sort)
start "$work/other/../learner/" second
second=$started_pid
wait_exit "$second"
[ "$exit_status" -eq 0 ] || fail "the second start ended with status $exit_status"
sleep 0.5
above "$win_first" "$win_other" || fail "the first copy's window was not raised"
kill -0 "$first" || fail "the first copy ended"
[ "$(lock_owner "$learner")" = "$first" ] || fail "the second start touched the lock"
after=$(cd "$learner" && find . -type f ! -name hmquiz.lock -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the second start changed files in the data folder"

# The first copy keeps working and writing: it opens paper 1 of the first topic.
eval "$(xdotool getwindowgeometry --shell "$win_first")"
xdotool mousemove $((X + 217)) $((Y + 229)) click 1
for _ in $(seq 100); do ls "$learner"/temppaper*.mht >/dev/null 2>&1 && break; sleep 0.1; done
ls "$learner"/temppaper*.mht >/dev/null 2>&1 || fail "the first copy wrote no question file"
paper=$(xdotool search --sync --onlyvisible --name ' - Paper 1$' | head -1)
sleep 0.5
above "$paper" "$win_first" || fail "the paper did not open on top"
# Asked again, the main window comes over its own paper.
start "$learner" third
wait_exit "$started_pid"
[ "$exit_status" -eq 0 ] || fail "the third start ended with $exit_status"
sleep 0.5
above "$win_first" "$paper" || fail "the main window was not raised over the paper"

# --- the lock file removed under the running copy: a later start still finds the folder taken
# and brings that copy forward, and the running copy makes its lock file again
rm "$learner/hmquiz.lock"
start "$learner" after_removal
wait_exit "$started_pid"
[ "$exit_status" -eq 0 ] || fail "a start after the lock was removed ended with $exit_status"
for _ in $(seq 50); do [ "$(lock_owner "$learner")" = "$first" ] && break; sleep 0.1; done
[ "$(lock_owner "$learner")" = "$first" ] || fail "the running copy did not make its lock again"

# --- the first copy is killed outright: its lock and socket stay behind and are taken over
kill -9 "$first"
wait "$first" 2>/dev/null || true
[ "$(lock_owner "$learner")" = "$first" ] || fail "the killed copy's lock is not there to take over"
start "$learner" after_crash
next=$started_pid
win_next=$(window_of "$next")
[ "$(lock_owner "$learner")" = "$next" ] || fail "the lock was not taken over"

# --- under a window manager: a minimised window comes back and is the active one
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  sleep 0.5
  xdotool windowminimize "$win_next"
  for _ in $(seq 50); do xprop -id "$win_next" WM_STATE | grep -q Iconic && break; sleep 0.1; done
  xprop -id "$win_next" WM_STATE | grep -q Iconic || fail "the window manager did not minimise"
  xdotool windowactivate --sync "$win_other" 2>/dev/null || true
  start "$learner" minimised
  wait_exit "$started_pid"
  [ "$exit_status" -eq 0 ] || fail "the start against a minimised copy ended with $exit_status"
  for _ in $(seq 50); do xprop -id "$win_next" WM_STATE | grep -q Normal && break; sleep 0.1; done
  xprop -id "$win_next" WM_STATE | grep -q Normal || fail "the minimised window did not come back"
  active=""
  for _ in $(seq 50); do
    active=$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')
    [ "$((active))" -eq "$win_next" ] && break
    sleep 0.1
  done
  [ "$((active))" -eq "$win_next" ] || fail "the raised window is not the active one ($active)"
  kill "$wm_pid"
  wait "$wm_pid" 2>/dev/null || true
  wm_pid=""
  sleep 0.5
else
  echo "openbox is missing: raising a minimised window was not tried"
fi

# --- closed normally, the copy gives the folder back
eval "$(xdotool getwindowgeometry --shell "$win_next")"
xdotool mousemove $((X + WIDTH - 17)) $((Y + 15)) click 1
wait_exit "$next"
[ "$exit_status" -eq 0 ] || fail "closing ended with $exit_status"
[ ! -e "$learner/hmquiz.lock" ] || fail "the lock file stayed after a normal end"

# --- installed, the windows take the icon theme's sizes
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
XDG_DATA_DIRS="$work/stage/usr/share:/usr/share" start "$work/third" installed
sizes=$(icon_sizes "$(window_of "$started_pid")")
[[ "$sizes" == *"(16 x 16)"*"(24 x 24)"*"(128 x 128)"* ]] || fail "the installed icon is not used: '$sizes'"
echo "single copy: ok"
