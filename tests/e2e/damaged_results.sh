#!/usr/bin/env bash
# A results file found damaged at start: the question comes up with the keys in it, N keeps the
# file and a dated copy of its bytes is made beside it, Enter takes the notice that says so; at
# the next start Enter keeps it too, without a second copy of the same bytes, and at the one
# after Y resets it to its template, the copy of its bytes still beside it. No click.
# Arguments: the hmquiz program, the build folder.
HMQUIZ=$1
BUILD=$2
SCRIPT_NAME=damaged_results
# shellcheck source=practice_helpers.bash
source "$(dirname "$0")/practice_helpers.bash"

key() { xdotool key --delay 60 "$@"; sleep 0.4; }

start_display
start_program
sleep 1
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
damaged=$(printf '#FSE#>77\r\n#SSE#\r\n')
printf '%s' "$damaged" >"$DATA/marks2HM.txt"

start_program
wait_window '^Damaged results$' >/dev/null
sleep 0.3
shot question
key n
sleep 0.5
copy=$(ls "$DATA" | grep '^marks2HM\.txt\.damaged-' || true)
[ -n "$copy" ] || fail "N did not keep a copy of the damaged file"
[ "$(cat "$DATA/$copy")" = "$damaged" ] || fail "the copy does not hold the file's bytes"
[ "$(cat "$DATA/marks2HM.txt")" = "$damaged" ] || fail "the kept file was changed"
shot kept
key Return
window_gone '^Damaged results$' || fail "Enter did not take the notice"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

start_program
wait_window '^Damaged results$' >/dev/null
sleep 0.3
key Return
sleep 0.5
[ "$(cat "$DATA/marks2HM.txt")" = "$damaged" ] || fail "Enter on the question changed the file"
[ "$(ls "$DATA" | grep -c '^marks2HM\.txt\.damaged-')" = 1 ] ||
    fail "the same damage was copied again"
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

start_program
wait_window '^Damaged results$' >/dev/null
sleep 0.3
key y
sleep 0.5
cmp -s "$DATA/marks2HM.txt" "$BUILD/package/30121" || fail "Y did not reset the file to its template"
[ "$(ls "$DATA" | grep -c '^marks2HM\.txt\.damaged-')" = 1 ] || fail "the reset copied it again"
[ "$(cat "$DATA/$copy")" = "$damaged" ] || fail "the reset lost the copy of the file"
echo "damaged results by keys: ok"
