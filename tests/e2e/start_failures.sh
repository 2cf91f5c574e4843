#!/usr/bin/env bash
# The program's start before any window: --help and --version without a display, a refused
# command line, --data-dir, and a data folder that cannot be used (read-only, full, a file in its
# place, impossible to create): a message naming the folder and the reason, a non-zero status,
# no window but the message, and no file changed. A lock file that is no lock file (a named
# pipe, a folder, a link to a device) is refused by name at once, never read; a link to nothing
# is taken over; a lock from another computer is taken over only when the learner agrees.
# Arguments: the hmquiz program, the build folder.
set -euo pipefail
hmquiz=$1
build=$2
work=$(mktemp -d)
app_pid=""
xvfb_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$work/home"
export XDG_DATA_HOME="$work/xdg"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Runs hmquiz with the given arguments; sets status, out and err.
run() {
  status=0
  "$hmquiz" "$@" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}
# Everything about the files under a folder: names, sizes, times, modes and contents.
snapshot() {
  (cd "$1" && find . -printf '%p %y %s %T@ %m\n' | sort && find . -type f -exec md5sum {} + | sort)
}

# --- help and version: no display needed, status 0, nothing written anywhere
run --help
[ "$status" -eq 0 ] || fail "--help ended with $status: $err"
[[ "$out" == *"--data-dir <folder>"* ]] || fail "--help does not list --data-dir: $out"
run --version
[ "$status" -eq 0 ] || fail "--version ended with $status: $err"
[[ "$out" =~ ^hmquiz\ [0-9]+\.[0-9]+$ ]] || fail "--version printed '$out'"
run --bogus
[ "$status" -eq 2 ] || fail "an unknown option ended with $status"
[[ "$err" == *"bogus"*"--help"* ]] || fail "an unknown option was not named: $err"
[ -z "$out" ] || fail "an unknown option printed to the standard output"
run --data-dir
[ "$status" -eq 2 ] || fail "--data-dir without a folder ended with $status"
[ ! -e "$XDG_DATA_HOME" ] || fail "answering the command line created the data folder"

# --- --data-dir: a folder several levels down is made and filled; the default one is not
export QT_QPA_PLATFORM=offscreen
chosen="$work/learners/sam"
"$hmquiz" --data-dir "$chosen" >"$work/started.log" 2>&1 &
app_pid=$!
for _ in $(seq 200); do
  [ -s "$chosen/trend2HM.txt" ] && [ -d "$chosen/Graphics" ] && break
  sleep 0.1
done
[ -s "$chosen/trend2HM.txt" ] || fail "--data-dir did not get the results files: $(cat "$work/started.log")"
sleep 1  # the rest of the start-up
kill -0 "$app_pid" || fail "the program ended on its own: $(cat "$work/started.log")"
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
[ ! -e "$XDG_DATA_HOME/hmquiz" ] || fail "the per-user data folder was used despite --data-dir"
rm -f "$chosen/hmquiz.lock" "$chosen"/temp*

expect_refusal() {  # folder, words of the reason, what the case is
  [ "$status" -ne 0 ] || fail "$3: the program started"
  [ "$status" -eq 1 ] || fail "$3: status $status"
  [[ "$err" == *"$1"* ]] || fail "$3: the message does not name the folder: $err"
  [[ "$err" == *"$2"* ]] || fail "$3: the message does not say '$2': $err"
  [[ "$err" == *"hmquiz.app:"* ]] || fail "$3: the failure was not logged under hmquiz.app: $err"
}

# --- a file where the folder should be, or further up
echo "not a folder" >"$work/occupied"
run --data-dir "$work/occupied"
expect_refusal "$work/occupied" "A file with that name is in its place" "a file in its place"
run --data-dir "$work/occupied/sam"
expect_refusal "$work/occupied/sam" "$work/occupied is a file, not a folder" "a file further up"
[ "$(cat "$work/occupied")" = "not a folder" ] || fail "the file in the folder's place changed"

# --- a folder that cannot be written, and one that cannot be created. Root passes permission
# bits unless it gives up the capability to, so it runs the program without it.
as_learner=()
if [ "$(id -u)" -eq 0 ]; then
  as_learner=(setpriv --bounding-set=-dac_override,-dac_read_search,-fowner --inh-caps=-all)
  "${as_learner[@]}" true || fail "setpriv cannot drop root's file capabilities here"
fi
readonly_copy="$work/readonly"
cp -a "$chosen" "$readonly_copy"
chmod -R a-w "$readonly_copy"
before_readonly=$(snapshot "$readonly_copy")
status=0
"${as_learner[@]}" "$hmquiz" --data-dir "$readonly_copy" >"$work/out" 2>"$work/err" || status=$?
err=$(cat "$work/err")
expect_refusal "$readonly_copy" "It cannot be written: Permission denied" "a read-only folder"
[ "$(snapshot "$readonly_copy")" = "$before_readonly" ] || fail "a read-only folder changed"
status=0
"${as_learner[@]}" "$hmquiz" --data-dir "$readonly_copy/sub" >"$work/out" 2>"$work/err" || status=$?
err=$(cat "$work/err")
expect_refusal "$readonly_copy/sub" "It cannot be created: Permission denied" "a read-only parent"
[ ! -e "$readonly_copy/sub" ] || fail "a folder appeared in a read-only parent"

# --- a full disk: no file may grow, which binds root too. The messages go through a pipe, as a
# log file could not grow either.
full_copy="$work/full"
cp -a "$chosen" "$full_copy"
before=$(snapshot "$full_copy")
# The subshell's output is a pipe; the file behind it is written outside the limit.
(
  ulimit -f 0
  s=0
  "$hmquiz" --data-dir "$full_copy" 2>&1 >/dev/null || s=$?
  echo "status=$s"
) | cat >"$work/err"
status=$(sed -n 's/^status=//p' "$work/err")
err=$(grep -v '^status=' "$work/err")
# The reason is the system's own words, in the tester's language.
too_large=$(perl -CO -MPOSIX -e 'setlocale(LC_ALL, ""); print strerror(EFBIG)')
expect_refusal "$full_copy" "It cannot be filled: $too_large" "a full disk"
[ "$(snapshot "$full_copy")" = "$before" ] || fail "a full folder changed"

# --- a full disk on a first start: the folders the start made go again
(
  ulimit -f 0
  s=0
  "$hmquiz" --data-dir "$work/fresh/family/sam" 2>&1 >/dev/null || s=$?
  echo "status=$s"
) | cat >"$work/err"
[ "$(sed -n 's/^status=//p' "$work/err")" = 1 ] || fail "a first start on a full disk: $(cat "$work/err")"
[ ! -e "$work/fresh" ] || fail "a first start that failed left the folders it made: $(find "$work/fresh")"

# --- a results file that may not be written, in a folder that may: named with the reason
ro_file="$work/readonly-file"
cp -a "$chosen" "$ro_file"
chmod a-w "$ro_file/first2HM.txt"
# The folder's own time moves with the lock file made and removed; no file may change.
before_ro_file=$(snapshot "$ro_file" | grep -v '^\. ')
status=0
"${as_learner[@]}" "$hmquiz" --data-dir "$ro_file" >"$work/out" 2>"$work/err" || status=$?
err=$(cat "$work/err")
expect_refusal "$ro_file" "The results file first2HM.txt cannot be written: Permission denied" \
  "a read-only results file"
[ "$(snapshot "$ro_file" | grep -v '^\. ')" = "$before_ro_file" ] || fail "a folder with a read-only results file changed"

# --- what stands at the lock file's place. Each start is bounded: blocking or spinning on it
# would otherwise hold the whole test run.
locked="$work/locked"
cp -a "$chosen" "$locked"
lock="$locked/hmquiz.lock"
refused_lock() {  # words naming what stands there
  status=0
  timeout 20 "$hmquiz" --data-dir "$locked" >"$work/out" 2>"$work/err" || status=$?
  err=$(cat "$work/err")
  [ "$status" -ne 124 ] || fail "$1 at the lock: the start never ended"
  expect_refusal "$lock" "is $1, not a lock file" "$1 at the lock"
  [[ "$err" != *"process 0"* ]] || fail "$1 at the lock: the message names process 0"
}
mkfifo "$lock"
refused_lock "a named pipe"
[ -p "$lock" ] || fail "the named pipe at the lock was not left in place"
rm "$lock"
mkdir "$lock"
refused_lock "a folder"
rmdir "$lock"
ln -s /dev/zero "$lock"
refused_lock "a link to /dev/zero, which is a device"
rm "$lock"

# A copy on another computer: with no screen to ask on, the start ends and says what to do.
foreign="4242
hmquiz
far-away-laptop
0123456789abcdef0123456789abcdef
01234567-89ab-cdef-0123-456789abcdef"
echo "$foreign" >"$lock"
status=0
timeout 20 "$hmquiz" --data-dir "$locked" >"$work/out" 2>"$work/err" || status=$?
err=$(cat "$work/err")
expect_refusal "$locked" "far-away-laptop" "another computer's lock"
[[ "$err" == *"remove $lock"* ]] || fail "another computer's lock: no way out is named: $err"
[ "$(cat "$lock")" = "$foreign" ] || fail "another computer's lock changed without asking"
rm "$lock"

# A link to nothing holds nothing: the program starts and makes its own lock file there.
ln -s "$work/nowhere/hmquiz.lock" "$lock"
"$hmquiz" --data-dir "$locked" >"$work/started.log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
  [ -f "$lock" ] && [ ! -L "$lock" ] && [ "$(head -1 "$lock")" = "$app_pid" ] && break
  sleep 0.1
done
[ "$(head -1 "$lock" 2>/dev/null)" = "$app_pid" ] || fail "a dangling link at the lock was not taken over"
[ ! -e "$work/nowhere" ] || fail "something was made where the dangling link pointed"
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
rm -f "$lock"

# --- on a screen: a message box, and no window of the program's own
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM
"${as_learner[@]}" "$hmquiz" --data-dir "$readonly_copy" >/dev/null 2>"$work/err" &
app_pid=$!
box=$(xdotool search --sync --onlyvisible --name '^Home Maths Quiz cannot start$' | head -1)
sleep 0.3
kill -0 "$app_pid" || fail "the program did not wait for the message to be read"
visible=$(xdotool search --onlyvisible --pid "$app_pid" | wc -l)
[ "$visible" -eq 1 ] || fail "$visible windows on the screen instead of the message alone"
import -window root "$build/e2e_start_failure_message.png"
# The key press closes the box, so the release may find no window: xdotool's complaint is noise.
xdotool key --window "$box" Return 2>/dev/null || true
status=""
for _ in $(seq 100); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    status=0
    wait "$app_pid" || status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "the program did not end after the message"
app_pid=""
[ "$status" -eq 1 ] || fail "after the message the program ended with $status"
[ "$(snapshot "$readonly_copy")" = "$before_readonly" ] || fail "the read-only folder changed"

# --- another computer's lock on a screen: the program's own question, No unless said otherwise
echo "$foreign" >"$lock"
ask_take_over() {  # key that answers; sets status when the program ended, else leaves it running
  "$hmquiz" --data-dir "$locked" >/dev/null 2>"$work/err" &
  app_pid=$!
  question=$(timeout 20 xdotool search --sync --onlyvisible --name '^Take the folder over\?$' |
    head -1 || true)
  [ -n "$question" ] || fail "no take-over question appeared"
  sleep 0.5
  [ "$1" = Return ] && import -window root "$build/e2e_start_take_over_question.png"
  xdotool key --window "$question" "$1" 2>/dev/null || true
}
ask_take_over Return
status=""
for _ in $(seq 100); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    status=0
    wait "$app_pid" || status=$?
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || fail "Return on the take-over question did not end the program"
app_pid=""
[ "$status" -eq 1 ] || fail "declining the take-over ended with $status"
[ "$(cat "$lock")" = "$foreign" ] || fail "declining the take-over changed the lock"
ask_take_over y
timeout 20 xdotool search --sync --onlyvisible --name '^Home Maths Quiz$' >/dev/null ||
  fail "the agreed take-over did not start the program"
[ "$(head -1 "$lock")" = "$app_pid" ] || fail "the agreed take-over did not make the lock this copy's"
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
echo "start failures: ok"
