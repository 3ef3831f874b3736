#!/usr/bin/env bash
# Soak: the real game under its own Xvfb at the fastest speed, fed random
# keys and clicks on the start button for DURATION seconds.
#   bench/soak.sh DURATION [ROFO]    (ROFO defaults to build/rofo)
# Passes when, at the end, the game is still running, no error box ever
# appeared, and its resident memory grew less than 1 MB after the warm-up
# (the first fifth of the run, at most 60 s).
set -euo pipefail
duration=${1:?usage: soak.sh DURATION [ROFO]}
top=$(cd "$(dirname "$0")/.." && pwd)
rofo=${2:-${ROFO:-$top/build/rofo}}
source "$top/tests/e2e/lib.sh"

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status"; }
# The error box is titled with the application title (the file name up to
# its first dot, lower case after the first letter: "rofo"), the game window
# with its Japanese caption: any mapped window with that title is an error
# box (Qt keeps an unmapped one of that name for itself).
name=$(basename "$rofo")
name=${name%%.*}
rest=${name:1}
title="${name:0:1}${rest,,}"
error_box_shown() { xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; }
alive() { kill -0 "$game_pid" 2>/dev/null; }

start_x
start_game "$rofo"
win=$(wait_window "目指せ") || fail "no window appeared: $(cat "$work/game.err")"
sleep 0.3
xdotool windowfocus --sync "$win"

# Speed 500, typed into its box, then the first game.
click_at "$win" 644 484
xdotool key ctrl+a type 500
xdotool key Tab
click_at "$win" 464 88

# Keys that move the piece, and others the game must ignore. Space, Return,
# Tab and Escape are left out: they would press a focused button, and the
# quit button ends the run.
keys=(j J k K l L j k l a z q x 1 5 0 comma period minus slash semicolon)
warmup=$(( duration / 5 < 60 ? duration / 5 : 60 ))
begin=$SECONDS
rss_warm=""
rss_peak=0
events=0
starts=1
while (( SECONDS - begin < duration )); do
  burst=()
  for _ in $(seq 20); do burst+=("${keys[RANDOM % ${#keys[@]}]}"); done
  xdotool key --delay 10 "${burst[@]}"
  events=$(( events + 20 ))
  if (( RANDOM % 8 == 0 )); then
    click_at "$win" 464 88
    starts=$(( starts + 1 ))
    xdotool windowfocus "$win" 2>/dev/null || true
  fi
  alive || fail "the game died after $(( SECONDS - begin )) s: $(tail -5 "$work/game.err")"
  error_box_shown && fail "an error box appeared after $(( SECONDS - begin )) s: $(tail -5 "$work/game.err")"
  rss=$(rss_kb)
  if [ -z "$rss_warm" ] && (( SECONDS - begin >= warmup )); then rss_warm=$rss; fi
  [ -n "$rss_warm" ] && (( rss > rss_peak )) && rss_peak=$rss
done
rss_end=$(rss_kb)
[ -n "$rss_warm" ] || rss_warm=$rss_end
growth=$(( rss_end - rss_warm ))
echo "soak: ${duration} s, ${events} keys, ${starts} starts; RSS after warm-up ${rss_warm} kB, peak ${rss_peak} kB, end ${rss_end} kB, growth ${growth} kB"
(( growth < 1024 )) || fail "resident memory grew by ${growth} kB after the warm-up"
click_at "$win" 764 488   # 終了
wait_exit
[ "$exit_status" = 0 ] || fail "quit ended the game with status $exit_status"
echo "soak: ok"
