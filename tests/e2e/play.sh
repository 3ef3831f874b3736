#!/usr/bin/env bash
# Plays the real game with real clicks and keys. The calendar is frozen from
# outside, so every piece gets the same turn and direction; the monotonic
# clock runs, so the timers keep time.
source "$(dirname "$0")/lib.sh"

start_x
export FAKETIME_DONT_FAKE_MONOTONIC=1
start_game faketime '2026-12-11 12:00:00' "$ROFO"
win=$(wait_window "目指せ") || fail "no window appeared: $(cat "$work/game.err")"
sleep 0.3
read -r ox oy < <(window_origin "$win")

board() { screenshot "$work/b.png"; shot board "$work/b.png" "$ox" "$oy"; }
# The ring cell of the moving piece: "column row" of the lowest ring.
ring() { board | awk '{ i = index($0, "O"); if (i) { x = i - 1; y = NR - 1 } } END { print x, y }'; }

click_at "$win" 464 88   # スタート
start=$(date +%s%N)
read -r x0 y0 < <(ring)
[ "$x0 $y0" = "6 14" ] || [ "$y0" = 13 ] || fail "the first piece is not at the spawn cell: $x0 $y0"$'\n'"$(board)"

sleep 1.6
read -r x1 y1 < <(ring)
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
risen=$(( y0 - y1 ))
expected=$(( elapsed / 350 ))
echo "after ${elapsed} ms the piece rose $risen rows (350 ms a row: $expected)"
(( risen >= expected - 2 && risen <= expected + 1 )) || fail "the piece does not rise at the set speed"

xdotool windowfocus --sync "$win"
xdotool key j
sleep 0.1
read -r x2 _ < <(ring)
[ "$x2" = $(( x1 - 1 )) ] || fail "j did not move the piece left: $x1 -> $x2"
xdotool key l l
sleep 0.1
read -r x3 _ < <(ring)
[ "$x3" = $(( x1 + 1 )) ] || fail "l l did not move the piece right: $x1 -> $x3"
before=$(board)
xdotool key k
sleep 0.1
after=$(board)
[ "$before" != "$after" ] || fail "k did not turn the piece"
echo "j, l and k move and turn the piece"

# The fastest speed, typed into its box, then a game to its end.
click_at "$win" 644 484
xdotool key ctrl+a type 500
xdotool key Tab
click_at "$win" 464 88
ended=""
for _ in $(seq 120); do
  sleep 0.5
  screenshot "$work/e.png"
  label=$(shot labels "$work/e.png" "$ox" "$oy")
  if [ "$label" != none ]; then ended=$label; break; fi
done
[ -n "$ended" ] || fail "the game at speed 500 did not end within 60 s"
echo "the game at speed 500 ended: $ended"
first=$(board)
sleep 0.5
[ "$first" = "$(board)" ] || fail "the board still changes after the end"

click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "quit ended the game with status $exit_status"
echo "play: ok"
