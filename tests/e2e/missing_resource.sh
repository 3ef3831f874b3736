#!/usr/bin/env bash
# An executable that lacks a tile or the title picture names it in an error
# box, opens no game window and ends with status 1.
source "$(dirname "$0")/lib.sh"

start_x
for missing in BITMAPO:BitmapO BITMAPF3:BitmapF3 JPEG1:JPEG1; do
  build=${missing%:*}
  asked=${missing#*:}
  start_game "$ROFO_TESTS/rofo_without_$build"
  box=$(wait_window "^rofo_without_${build,,}$") || fail "no error box for $build: $(cat "$work/game.err")"
  xdotool search --onlyvisible --name "目指せ" >/dev/null 2>&1 && fail "a game window opened without $build"
  grep -qF "$asked リソースが見つかりません" "$work/game.err" || fail "the error does not name $asked: $(cat "$work/game.err")"
  xdotool windowfocus --sync "$box" key Return
  wait_exit
  [ "$exit_status" = 1 ] || fail "without $build the status was $exit_status"
  echo "without $build: error box, status 1"
done
