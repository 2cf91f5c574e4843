#!/usr/bin/env bash
# Takes the screenshots the AppStream data shows (dist/screenshots/home.png and paper.png): the
# Home view of a first start and paper 1 with its first answer typed in, in a private X server.
# Usage: bash dist/take-screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
hmquiz="$build/src/app/hmquiz"
[ -x "$hmquiz" ] || { echo "no $hmquiz: build first" >&2; exit 1; }
out=dist/screenshots
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The practice window takes 80 % of the screen: a small screen keeps the picture small.
Xvfb -displayfd 3 -screen 0 1000x720x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$hmquiz" --data-dir "$work/data" >/dev/null 2>&1 &
app_pid=$!
main=$(xdotool search --sync --onlyvisible --name '^Home Maths Quiz$' | head -1)
sleep 1.5
# Few colours: the pictures are flat, and the files stay small.
shoot() { import -window "$1" -colors 64 "PNG8:$2"; }
shoot "$main" "$out/home.png"

eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 217)) $((Y + 229)) click 1   # paper 1 of the first topic
paper=$(xdotool search --sync --onlyvisible --name ' - Paper 1$' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$paper")"
xdotool mousemove $((X + WIDTH - 186)) $((Y + 102)) click 1   # the first answer box
# The right answer, from the package's answer key.
first=$(grep -a '^#101#' "$build/package/30022" | tr -d '\r' | cut -d'>' -f2)
key=$(grep -a "^#$first#" "$build/package/30023" | tr -d '\r' | cut -d'>' -f2)
xdotool type --delay 40 "$key"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 10))
sleep 0.5
shoot "$paper" "$out/paper.png"
ls -l "$out"
