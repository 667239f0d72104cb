#!/usr/bin/env bash
# The real program in a real X server (Xvfb): the window appears with its
# caption, its map shows 2000 discs and 500 black cells, Enter starts a run,
# Tab and Enter press End and the program exits 0; End clicked during a run
# ends the program, with code 0, once the run is over; on a screen scaled by
# 2 the map stays crisp.
# usage: window_e2e.sh VORENDAL SCREEN_GRAB MAP_CHECK STRAIGHT_TO_SCREEN
set -euo pipefail
vorendal=$1 grab=$2 check=$3 straight=$4
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
app= xvfb=

exec 3>"$work/displayfd"
Xvfb -displayfd 3 -screen 0 1600x1400x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/displayfd")
echo "display $DISPLAY"

"$vorendal" >"$work/out.log" 2>"$work/err.log" &
app=$!
win=$(timeout 20 xdotool search --sync --name '^Vorendal$' | head -n1)
[ -n "$win" ] || { echo "no window titled Vorendal"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y: the client's corner
echo "window $win at $X,$Y"
sleep 1

shot() { "$grab" "$work/$1.png" $((X + 24)) $((Y + 40)) 400 400; }
shot before
"$check" "$work/before.png"

xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
sleep 0.3
xdotool key Return  # Start has the focus: a run
# The run is over once the map stops changing.
sleep 1
shot a
for _ in $(seq 120); do
  sleep 0.5
  shot b
  cmp -s "$work/a.png" "$work/b.png" && break
  mv "$work/b.png" "$work/a.png"
done
"$check" "$work/a.png"
cmp -s "$work/before.png" "$work/a.png" && { echo "the run did not redraw the map"; exit 1; }

xdotool key Tab Return  # focus to End, then press it
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "End did not end the program"; exit 1; fi
status=0
wait "$app" || status=$?
app=
echo "exit code $status"
cat "$work/err.log"
[ "$status" -eq 0 ]

# End clicked during a run: the click waits, the run finishes, then the
# program ends with code 0.
"$vorendal" >"$work/out.log" 2>"$work/err.log" &
app=$!
win=$(timeout 20 xdotool search --sync --name '^Vorendal$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$win")"
sleep 1
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
click 372 544   # LifeTime: a run of all 50 rounds
sleep 0.3
click 525 492   # Start
sleep 0.5
click 525 524   # End, during the run
sleep 0.5
kill -0 "$app" 2>/dev/null || { echo "the program ended before its run was over"; exit 1; }
for _ in $(seq 600); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$app" || status=$?
app=
echo "End during a run: exit code $status"
[ "$status" -eq 0 ]

# On a screen scaled by 2 the window scales as a whole and every map pixel
# is a 2 x 2 block.
QT_SCALE_FACTOR=2 "$vorendal" >"$work/out.log" 2>"$work/err.log" &
app=$!
win=$(timeout 20 xdotool search --sync --name '^Vorendal$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$win")"
sleep 1
"$grab" "$work/scaled.png" $((X + 48)) $((Y + 80)) 800 800
"$check" "$work/scaled.png" 2
kill "$app"; wait "$app" 2>/dev/null || true
app=

# Drawing outside a paint is on the screen when the call returns.
"$straight" "$grab"
