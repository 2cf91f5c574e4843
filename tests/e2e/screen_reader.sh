#!/usr/bin/env bash
# What a blind learner hears: the Orca screen reader, with its debug log, on this script's own
# session bus, accessibility bus, X server and window manager, while the keys alone open paper
# 101, read its questions (options with their numbers, pictures by their descriptions), visit
# every answer box and button, mark it and hear the score, answer the pop-ups, and erase every
# result in the Erase view. Each step waits for what Orca says (its "SPEECH OUTPUT" lines) and
# fails when it is not said; the title bar must never get the focus by itself. Nothing is
# installed here: the README's commands bring Orca, at-spi and openbox.
# Arguments: the hmquiz program, the build folder.
set -euo pipefail
if [ -z "${HM_ORCA_BUS:-}" ]; then
    exec env HM_ORCA_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=screen_reader
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=practice_helpers.bash
source "$here/practice_helpers.bash"

# Everything this script starts, and what those start (the accessibility bus and its registry),
# ends with it, by process id.
descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        descendants "$child"
        echo "$child"
    done
}
stop_all() {
    local pids
    pids=$(descendants $$ | grep -vx "$BASHPID" || true)
    [ -n "$pids" ] && kill $pids 2>/dev/null || true
    for _ in $(seq 20); do
        pids=$(for p in $pids; do if kill -0 "$p" 2>/dev/null; then echo "$p"; fi; done)
        [ -z "$pids" ] && break
        sleep 0.1
    done
    [ -n "$pids" ] && kill -9 $pids 2>/dev/null || true
    # HM_KEEP_LOG=folder keeps the run (Orca's log, its settings, the data) for a look.
    if [ -n "${HM_KEEP_LOG:-}" ]; then cp -r "$WORK" "$HM_KEEP_LOG/" || true; fi
    cleanup
}
trap stop_all EXIT

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_STATE_HOME="$WORK/state"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$XDG_STATE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# Orca keeps its settings in memory, and the toolkit's bridge is on for the program.
export GSETTINGS_BACKEND=memory QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# Orca without a voice or braille: its log says what it would speak.
mkdir -p "$XDG_DATA_HOME/orca"
cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<'EOF'
{"general": {"speechServerFactory": "", "enableBraille": false, "enableSound": false,
             "enableKeyEcho": false, "enableTutorialMessages": false},
 "pronunciations": {}, "keybindings": {},
 "profiles": {"default": {"profile": ["Default", "default"]}}}
EOF
LOG="$WORK/orca.log"

start_display
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# Orca asks the session bus where the accessibility bus is: the launcher must own its name
# first (asked without starting another one).
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
/usr/bin/python3 "$here/orca_launch.py" --debug-file "$LOG" >"$WORK/orca.out" 2>&1 &
ORCA_PID=$!

# What Orca has said, one utterance a line.
spoken() {
    grep -a "SPEECH OUTPUT: '" "$LOG" 2>/dev/null |
        sed -E "s/^.*SPEECH OUTPUT: '(.*)'( voice=[a-z]+)?\{.*$/\1/" || true
}
MARK=0
# Everything said since the last step.
since() { spoken | tail -n +$((MARK + 1)); }
step() {  # keys, as xdotool names them
    MARK=$(spoken | wc -l)
    xdotool key --delay 80 "$@"
}
# Waits until Orca has said something matching the extended pattern $1 since the last step.
said() {
    local wait=${2:-8}
    for _ in $(seq $((wait * 10))); do
        # Not piped into grep -q: an early exit of grep would fail the pipe (pipefail).
        grep -Eq -- "$1" <<<"$(since)" && return 0
        kill -0 "$ORCA_PID" 2>/dev/null || fail "Orca stopped: $(tail -5 "$WORK/orca.out")"
        sleep 0.1
    done
    echo "--- Orca said since the last step:" >&2
    since >&2
    fail "Orca did not say /$1/"
}
never_said() {
    if grep -Eq -- "$1" <<<"$(since)"; then
        since >&2
        fail "Orca said /$1/"
    fi
}

said "Screen reader on" 20
start_program
said "^Home Maths Quiz frame" 15
said "^Whole Numbers\.?$"

# The Home view: the chosen topic, then paper 1's load button.
step Tab
said "^Load paper 1 push button"

# Paper 101, its first question read after its answer box.
read -r -a ids <<<"$(paper_questions 101)"
[ "${#ids[@]}" -ge 3 ] || fail "the package has no paper 101"
step Return
said "^Whole Numbers - Paper 1 frame"
said "^Question 1, answer"
said "^notification Question 1\. "
# Question 1 answered, and Enter (after its last box) goes on: question 2 is read.
key1=$(table_fields 30023 "${ids[0]}" | cut -d'>' -f1)
parts1=$(table_fields 30023 "${ids[0]}" | awk -F'>' '{print NF}')
xdotool type --delay 40 "$key1"
for _ in $(seq "$parts1"); do step Return; done
said "^notification Question 2\. "
# Page Down through the paper until a question with options and one with a picture were heard:
# each is read with its number, the options with theirs, the picture by its description.
q=2 options=0 picture=0
while [ $q -lt ${#ids[@]} ] && { [ $options -eq 0 ] || [ $picture -eq 0 ]; }; do
    q=$((q + 1))
    step Page_Down
    said "^notification Question $q\. "
    document="$PACKAGE/${ids[$((q - 1))]}"
    heard=$(grep -a "^notification Question $q\. " <<<"$(since)")
    if grep -q 'class=3D"options"' "$document"; then
        grep -q " 1: .* 2: " <<<"$heard" || fail "the options were read without their numbers: $heard"
        options=1
    fi
    if grep -q '<img ' "$document"; then
        grep -q "Picture: " <<<"$heard" || fail "the picture was not described: $heard"
        picture=1
    fi
done
[ $options -eq 1 ] && [ $picture -eq 1 ] || fail "paper 101 has no question with options and a picture"

# Every control of the window, by Tab from the answer box.
step Tab; said "^Back push button"
step Tab; said "^Next push button"
step Tab; said "^Questions left"
step Tab; said "^Save push button"
step Tab; said "^Mark push button"
step Tab; said "^Print push button"
step Tab; said "^Close push button"
step Tab; said "answer sheet push button"
step Tab; said "^Question $q\. .* label"
step Tab; said "^Minimise push button"
step Tab; said "^Maximise push button"
step Tab; said "^Close push button"
step Tab; said "^Question $q, answer"

# Marking: the pop-up is read as it opens, and the score once marked.
step ctrl+m
said "^Marking dialog .*mark your practice"
said "^Yes push button"
step y
wait_marked FST
fse=$(field "$(record marks2HM.txt FSE)" 1)
said "^notification Marked\. Paper 1, ${fse//./\\.} percent" 10

# Closing: the question is read, and the keys go back to the main window.
step ctrl+w
said "^Close Practice dialog Confirm"
step Return
said "^Home Maths Quiz frame"
said "^Load paper 1 push button"
said "^First attempt: ${fse//./\\.} percent"

# A view key with the focus on the title bar: the focus goes into the view. Back from the load
# button: the topics, the tabs, the toolbar, then the title bar's last button.
step shift+Tab
said "^Whole Numbers"
step shift+Tab
said "page tab"
step shift+Tab
said "^Home push button"
step shift+Tab
said "^Close push button"
step alt+r
said "^Overall Results"
never_said "push button"

# The Erase view: Trash, No, Trash, Yes; the focus stays in the view and the question and the
# outcome are heard.
step alt+t
said "^Trash push button"
step Return
said "^notification Are you sure"
said "^No push button"
step Return
said "^Trash push button"
step Return
said "^No push button"
step Right
said "^Yes push button"
step Return
said "^notification All your past results have been erased"
said "push button"
never_said "^(Minimise|Close) push button"

echo "What Orca said:"
spoken | sed 's/^/  /'
echo "screen reader: ok"
