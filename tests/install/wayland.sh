#!/usr/bin/env bash
# The game under a Wayland compositor (weston, headless, with no seat): it
# starts, draws its start screen, names itself after its menu entry so shells
# find the icon, stays up, and does not flood the terminal with warnings
# about what the compositor refuses (placing the window, moving the pointer).
# The headless compositor offers no input, so no game is played here.
source "$ROFO_SOURCE/tests/e2e/lib.sh"
weston_pid=""
stop_weston() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  cleanup
}
trap stop_weston EXIT

unset DISPLAY   # no falling back to X
export XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=rofo-test
mkdir -m 700 "$XDG_RUNTIME_DIR"
# --use-pixman gives the headless output real pixels; --debug allows screenshots.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
  --idle-time=0 --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
  sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start: $(cat "$work/weston.log")"

# The protocol log shows what the game asks of the compositor; every other
# line on stderr is a warning.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client start_game "$ROFO"
protocol='^\[ *[0-9]+\.[0-9]+\] '
for _ in $(seq 200); do
  grep -q 'xdg_toplevel@[0-9]*\.set_title' "$work/game.err" && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended under Wayland: $(grep -Ev "$protocol" "$work/game.err")"
  sleep 0.05
done
grep -q 'xdg_toplevel@[0-9]*\.set_title("　目指せ！ＲＯＦＯ！' "$work/game.err" || fail "no window with the game's caption appeared"
app_id=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id("[^"]*")' "$work/game.err" | head -n1 | sed 's/.*("\(.*\)")/\1/')
echo "window mapped, app id '$app_id'"
[ "$app_id" = "$ROFO_APP_ID" ] || fail "the app id is not the menu entry's name $ROFO_APP_ID"

sleep 3
kill -0 "$game_pid" 2>/dev/null || fail "the game did not stay up under Wayland"
(cd "$work" && weston-screenshooter >/dev/null 2>&1) || fail "weston-screenshooter failed"
shot_file=$(ls "$work"/wayland-screenshot-*.png)
# The compositor places the window; the board is where its navy starts.
read -r ox oy < <(/usr/bin/python3 -c 'import sys; import numpy as np; from PIL import Image
a = np.asarray(Image.open(sys.argv[1]).convert("RGB")).astype(int)
ys, xs = np.nonzero((a[:, :, 0] == 0) & (a[:, :, 1] == 0) & (a[:, :, 2] == 70))
print(xs.min() - 25, ys.min() - 24) if len(xs) else print(-1, -1)' "$shot_file")
[ "$ox" -ge 0 ] || fail "the game's board is not on the screen"
shot title "$shot_file" "$ox" "$oy" "$ROFO_RES" || fail "the title picture is not shown under Wayland"
shot instructions "$shot_file" "$ox" "$oy" || fail "the instruction screen is not shown under Wayland"

kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
grep -Ev "$protocol" "$work/game.err" >"$work/warnings" || true
lines=$(grep -c . "$work/warnings" || true)
repeated=$(sort "$work/warnings" | uniq -d | grep -c . || true)
echo "stderr under Wayland: $lines warning lines, $repeated repeated"
cat "$work/warnings"
[ "$lines" -le 3 ] && [ "$repeated" -eq 0 ] || fail "warnings flood the terminal under Wayland"
echo "Wayland: ok"
