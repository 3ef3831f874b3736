#!/usr/bin/env bash
# The game on a screen of twice the density (QT_SCALE_FACTOR=2): the window
# grows as one, the board and the picture are the scale-1 pixels enlarged
# into uniform 2x2 blocks (no smoothing of the pixel art), and the board's
# pixel rules hold in the game's own coordinates.
#   hidpi.sh [SCREENSHOT.png]   also saves the 2x window after a few seconds of play
source "$ROFO_SOURCE/tests/e2e/lib.sh"
install_tests=$(dirname "$0")
crisp() { /usr/bin/python3 "$install_tests/crisp.py" "$@"; }
size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }

start_x 2400x1400
export FAKETIME_DONT_FAKE_MONOTONIC=1

# The window at scale 1, for its size and its start screen.
start_game "$ROFO"
win=$(wait_window "目指せ") || fail "no window appeared: $(cat "$work/game.err")"
sleep 0.5
read -r w1 h1 < <(size "$win")
read -r x1 y1 < <(window_origin "$win")
screenshot "$work/scale1.png"
click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "the game at scale 1 did not quit cleanly"

QT_SCALE_FACTOR=2 start_game faketime '2026-12-11 12:00:00' "$ROFO"
win=$(wait_window "目指せ") || fail "no window appeared at scale 2: $(cat "$work/game.err")"
sleep 0.5
read -r w2 h2 < <(size "$win")
read -r ox oy < <(window_origin "$win")
echo "window ${w1}x${h1} at scale 1, ${w2}x${h2} at scale 2"
[ "$w2" = $((2 * w1)) ] && [ "$h2" = $((2 * h1)) ] || fail "the window did not scale as one"

screenshot "$work/start.png"
crisp "$work/start.png" "$ox" "$oy" "$w1" "$h1" 2 "$work/start1.png" "$work/scale1.png" "$x1" "$y1" \
  || fail "the start screen at scale 2 is not the scale-1 screen enlarged without smoothing"
shot title "$work/start1.png" 0 0 "$ROFO_RES" || fail "the title picture is wrong at scale 2"
shot instructions "$work/start1.png" 0 0 || fail "the instruction screen is wrong at scale 2"

xdotool mousemove $((ox + 2 * 464)) $((oy + 2 * 88)) click 1   # スタート
sleep 1
screenshot "$work/play.png"
crisp "$work/play.png" "$ox" "$oy" "$w1" "$h1" 2 "$work/play1.png" || fail "the tiles are blurred at scale 2"
cells=$(shot board "$work/play1.png" 0 0)
echo "$cells"
[[ "$cells" == *O* && "$cells" == *[RF]* && "$cells" != *'?'* ]] || fail "the board does not show a piece cell by cell"

if [ -n "${1:-}" ]; then
  sleep 5
  screenshot "$work/later.png"
  /usr/bin/python3 -c 'import sys; from PIL import Image
x, y, w, h = map(int, sys.argv[3:7])
Image.open(sys.argv[1]).crop((x, y, x + w, y + h)).save(sys.argv[2], optimize=True)' \
    "$work/later.png" "$1" "$ox" "$oy" "$w2" "$h2"
  echo "saved $1"
fi
echo "scale 2: ok"
