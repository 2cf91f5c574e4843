#!/usr/bin/env bash
# The main window in a real X server, as a new learner meets it: first start in an empty data
# folder, a topic, the Help tab, "Trash", a drag of the title strip without and with a window
# manager, and the close button.
# Arguments: the hmquiz program, the build folder.
set -euo pipefail
hmquiz=$1
build=$2
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
wm_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display itself and tells its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"

export XDG_DATA_HOME="$work/data"
"$hmquiz" >"$work/out.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the main window did not appear"
sleep 0.5

folder="$XDG_DATA_HOME/hmquiz"
pictures=$(find "$folder/Graphics" -type f | wc -l)
[ "$pictures" -eq 89 ] || fail "Graphics holds $pictures pictures, not 89"
[ ! -e "$folder/temptext30000.txt" ] || fail "temptext30000.txt was left behind"
k=1
for name in marks first second fresults sresults trend; do
  cmp -s "$folder/${name}2HM.txt" "$build/package/3012$k" || fail "${name}2HM.txt differs from its template"
  k=$((k + 1))
done

# Window-relative spots of the controls (the layout is fixed in pixels at 1x).
eval "$(xdotool getwindowgeometry --shell "$window")"
x0=$X; y0=$Y
click() { xdotool mousemove $((x0 + $1)) $((y0 + $2)) click 1; sleep 0.3; }

pixel() {  # colour of one pixel of a picture file, as "r,g,b"
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 \
    -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:-
}
screen_pixel() {
  import -window root "$work/now.png"
  pixel "$work/now.png" $((x0 + $1)) $((y0 + $2))
}

click 60 255    # Topic3
xdotool mousemove $((x0 + 300)) $((y0 + 500)); sleep 0.3
# The chosen topic is drawn on grey, right to the end of its entry.
topic_colour=$(screen_pixel 155 255)
[ "$topic_colour" = "128,128,128" ] || fail "topic 3 is not highlighted ($topic_colour)"
click 142 107   # Tab04, "Help"
click 94 52     # ToolBar02, "Trash" on the Help tab
xdotool mousemove $((x0 + 300)) $((y0 + 500)); sleep 0.3
import -window root "$work/main_window.png"
cp "$work/main_window.png" "$build/e2e_main_window.png"
# The Erase view is in front: its "Trash" button shows the button picture.
[ "$(pixel "$work/main_window.png" $((x0 + 158)) $((y0 + 284)))" = "$(pixel "$folder/Graphics/button_off.bmp" 4 12)" ] ||
  fail "the Erase view is not in front"

# The title strip drags the window, with no window manager to do it.
xdotool mousemove $((x0 + 200)) $((y0 + 15)) mousedown 1
sleep 0.2
xdotool mousemove $((x0 + 260)) $((y0 + 75))
sleep 0.2
xdotool mouseup 1
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -eq $((x0 + 60)) ] && [ "$Y" -eq $((y0 + 60)) ] || fail "drag moved the window to $X,$Y from $x0,$y0"
x0=$X; y0=$Y

# And with a window manager, which then runs the move itself.
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  x0=$X; y0=$Y
  xdotool mousemove $((x0 + 200)) $((y0 + 15)) mousedown 1
  sleep 0.3
  xdotool mousemove $((x0 + 220)) $((y0 + 30))
  sleep 0.2
  xdotool mousemove $((x0 + 250)) $((y0 + 55))
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$X" -eq $((x0 + 50)) ] && [ "$Y" -eq $((y0 + 40)) ] ||
    fail "drag under a window manager moved the window to $X,$Y from $x0,$y0"
  x0=$X; y0=$Y
else
  echo "openbox is missing: the drag under a window manager was not tried"
fi

# The close button at the right of the title strip ends the program.
width=$WIDTH
click $((width - 17)) 15
status=""
for _ in $(seq 100); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid" && status=0 || status=$?
    break
  fi
  sleep 0.1
done
app_pid_done=$app_pid
app_pid=""
[ -n "$status" ] || { kill "$app_pid_done"; fail "the program did not close"; }
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "main window: ok"
