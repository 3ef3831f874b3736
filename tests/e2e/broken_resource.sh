#!/usr/bin/env bash
# A tile or the title picture cut short is named in an error box and the
# program ends with status 1; without the icon, or with a broken one, the
# game's window opens with no icon, where the whole executable has one.
source "$(dirname "$0")/lib.sh"

start_x
for build in cut_BITMAPR2:BitmapR2 cut_JPEG1:JPEG1; do
  expect_start_failure "$ROFO_TESTS/rofo_${build%:*}" "${build#*:}"
done

# The icon as the window manager would read it.
has_icon() { xprop -id "$1" _NET_WM_ICON | grep -q '_NET_WM_ICON(CARDINAL) = '; }
for exe in "$ROFO" "$ROFO_TESTS/rofo_without_MAINICON" "$ROFO_TESTS/rofo_cut_MAINICON"; do
  start_game "$exe"
  win=$(wait_window "目指せ") || fail "no game window from $exe: $(cat "$work/game.err")"
  sleep 0.3
  if [ "$exe" = "$ROFO" ]; then
    has_icon "$win" || fail "the whole executable shows no icon"
  else
    has_icon "$win" && fail "$exe shows an icon"
  fi
  click_at "$win" 764 488   # 終了
  wait_exit
  [ "$exit_status" = 0 ] || fail "$exe ended with status $exit_status"
  echo "$(basename "$exe"): window opens, icon as expected, quit with 0"
done
# Without the reward pictures a start shows an error box naming the one it
# drew; once it is closed the window is as before and the program goes on.
start_game "$ROFO_TESTS/rofo_without_rewards"
win=$(wait_window "目指せ") || fail "no game window without the rewards: $(cat "$work/game.err")"
sleep 0.3
screenshot "$work/before.png"
click_at "$win" 464 88   # スタート
box=$(wait_window "^rofo_without_rewards$") || fail "no error box for a start without its picture"
grep -qE "JPEG([2-9]|10) リソースが見つかりません" "$work/game.err" || fail "the error does not name the picture: $(cat "$work/game.err")"
xdotool windowfocus --sync "$box" key Return
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the program ended after the failed start"
read -r ox oy < <(window_origin "$win")
screenshot "$work/after.png"
[ "$(shot board "$work/before.png" "$ox" "$oy")" = "$(shot board "$work/after.png" "$ox" "$oy")" ] \
  || fail "the failed start changed the board"
shot instructions "$work/after.png" "$ox" "$oy" >/dev/null || fail "the instruction screen is gone after the failed start"
click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "quit after a failed start ended with status $exit_status"
echo "rofo_without_rewards: a start shows the error box, the window stays as it was, quit with 0"
echo "broken resources: ok"
