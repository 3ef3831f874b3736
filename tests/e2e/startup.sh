#!/usr/bin/env bash
# The real game under X: the start screen shows the title picture and the
# instruction screen, and the quit button ends the process with status 0.
source "$(dirname "$0")/lib.sh"

start_x
start_game "$ROFO"
win=$(wait_window "目指せ") || fail "no window appeared: $(cat "$work/game.err")"
sleep 0.5
read -r ox oy < <(window_origin "$win")
screenshot "$work/start.png"
shot title "$work/start.png" "$ox" "$oy" "$ROFO_RES" || fail "the picture area does not show the title picture"
shot instructions "$work/start.png" "$ox" "$oy" || fail "the board does not show the instruction screen"
[ "$(xdotool getwindowname "$win")" = "　目指せ！ＲＯＦＯ！  ( ver.1.1    '06.9.29   作：ＲＯＦＯ制作チーム )" ] \
  || fail "caption is '$(xdotool getwindowname "$win")'"

click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "quit ended the game with status $exit_status"
echo "start screen and quit: ok"
