# Shared steps of the end-to-end tests: a private X server, the game's
# window, screenshots and real input events.
set -euo pipefail

work=$(mktemp -d)
xvfb_pid=""
game_pid=""

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display (screen size $1, 1280x1024 by default) and
# exports DISPLAY.
start_x() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# Runs the game (or the command given) in the background.
start_game() {
  "$@" >"$work/game.out" 2>"$work/game.err" &
  game_pid=$!
}

# Waits for a mapped window whose name contains $1 and prints its id.
wait_window() {
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# The window's client origin on the screen: "x y".
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}

# Saves a screenshot of the whole screen as PNG.
screenshot() {
  import -display "$DISPLAY" -window root "$1"
}

# Clicks at client coordinates of the game window.
click_at() {
  local origin
  origin=$(window_origin "$1")
  xdotool mousemove $(( ${origin% *} + $2 )) $(( ${origin#* } + $3 )) click 1
}

# Waits for the game to exit and sets exit_status. It runs in this shell,
# not in a command substitution: only the parent shell can wait for its child.
wait_exit() {
  exit_status=0
  for _ in $(seq 200); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not exit"
  wait "$game_pid" || exit_status=$?
  game_pid=""
}

# Runs an executable whose start-up must fail: an error box titled with its
# application title, no game window, stderr containing $2, status 1.
expect_start_failure() {
  local exe=$1 message=$2 name box
  name=$(basename "$exe")
  start_game "$exe"
  box=$(wait_window "^${name,,}$") || fail "no error box for $name: $(cat "$work/game.err")"
  xdotool search --onlyvisible --name "目指せ" >/dev/null 2>&1 && fail "a game window opened from $name"
  grep -qF "$message" "$work/game.err" || fail "the error of $name does not say '$message': $(cat "$work/game.err")"
  xdotool windowfocus --sync "$box" key Return
  wait_exit
  [ "$exit_status" = 1 ] || fail "$name ended with status $exit_status"
  echo "$name: error box, status 1"
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
shot() { /usr/bin/python3 "$here/shot.py" "$@"; }
