#!/usr/bin/env bash
# Measures the game side by side with the Qt floor (bench/qt_floor) and,
# where installed, quadrapassel and ltris, under a private Xvfb with no
# window manager, in interleaved rounds, and prints one table with every
# figure and its ratio to the Qt floor; then the rise timer's accuracy and
# the repainted area, from bench/probe.cpp.
#
#   bench/run.sh [--short]      --short: few rounds, short spans (for CI)
#
# ROFO names the game's executable (default build/rofo), ROFO_BENCH_BIN the
# folder of the bench executables (default build/bench).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
rofo=${ROFO:-$top/build/rofo}
bin=${ROFO_BENCH_BIN:-$(dirname "$rofo")/bench}

if [ "${1:-}" = --short ]; then
  startup_rounds=3 long_rounds=1 settle=1 idle=1 play=2 ticks=20
else
  startup_rounds=9 long_rounds=3 settle=3 idle=10 play=10 ticks=200
fi

work=$(mktemp -d)
xvfb_pid=""
watch_pid=""
cleanup() {
  [ -n "$watch_pid" ] && kill "$watch_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "run.sh: $*" >&2; exit 1; }

for tool in "$rofo" "$bin/qt_floor" "$bin/mapwatch" "$bin/rofo_probe"; do
  [ -x "$tool" ] || fail "missing $tool (build first)"
done

# --- the programs, in the table's order --------------------------------------
names=(floor rofo)
declare -A command=([floor]="$bin/qt_floor" [rofo]="$rofo")
declare -A title=([floor]="Qt floor" [rofo]="rofo")
for peer in quadrapassel ltris; do
  path=$(command -v "$peer" || true)
  [ -z "$path" ] && [ -x "/usr/games/$peer" ] && path=/usr/games/$peer
  [ -n "$path" ] || continue
  names+=("$peer")
  command[$peer]=$path
  title[$peer]=$peer
done

# --- the X server ------------------------------------------------------------
# A display number of its own, away from the low ones other test runs take;
# the lock file proves this Xvfb is the server the programs talk to.
for _ in $(seq 20); do
  display=$((300 + RANDOM % 600))
  [ -e "/tmp/.X$display-lock" ] || break
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
ours() { [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$display-lock")" = "$xvfb_pid" ]; }
# Ready once a client can talk to it: the socket file alone may be a stale
# one left by an earlier server of the same number.
for _ in $(seq 200); do ours && xdpyinfo -display ":$display" >/dev/null 2>&1 && break; sleep 0.05; done
ours && xdpyinfo -display ":$display" >/dev/null 2>&1 || fail "Xvfb did not start on :$display: $(cat "$work/xvfb.log")"
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy   # ltris: no sound card here
# A fresh home: the peers start from their default settings every time.
export HOME=$work/home
mkdir -p "$HOME"

# --- readings from /proc -----------------------------------------------------
# CPU time of all the process's threads, in nanoseconds (%.0f: mawk's %d stops
# at 2^31, about 2 s).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'; }
# Times its threads gave up the CPU to wait: one a wake-up.
wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s + 0}'
}
rss_kb() { awk '/^VmRSS/ {print $2}' /proc/"$1"/status; }
now_ns() { date +%s%N; }

# Starts program $1 through mapwatch; sets pid, win and map_ms.
launch() {
  : >"$work/map"
  "$bin/mapwatch" -t 20 ${command[$1]} >"$work/map" 2>>"$work/$1.log" &
  watch_pid=$!
  for _ in $(seq 400); do
    [ -s "$work/map" ] && break
    kill -0 "$watch_pid" 2>/dev/null || fail "${title[$1]} did not map a window: $(tail -n3 "$work/$1.log")"
    sleep 0.05
  done
  read -r pid win map_ms <"$work/map" || fail "${title[$1]} did not map a window"
}
# Asks the program to end; one that ignores it (ltris does) is killed.
stop() {
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 40); do
    kill -0 "$watch_pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$watch_pid" 2>/dev/null || true
  watch_pid=""
}

record() { echo "$3" >>"$work/$1.$2"; }
# A count over t nanoseconds, scaled to 10 s; CPU nanoseconds become ms.
per_10s() { awk -v d="$1" -v t="$2" 'BEGIN {printf "%.3f\n", d * 1e10 / t}'; }
ms_per_10s() { awk -v d="$1" -v t="$2" 'BEGIN {printf "%.3f\n", d / 1e6 * 1e10 / t}'; }

# Moves the pointer to client coordinates of the mapped window; click also
# clicks there.
point() {
  local x y
  read -r x y < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
  xdotool mousemove $((x + $1)) $((y + $2))
}
click() { point "$1" "$2"; xdotool click 1; }

# Brings the program into play. The game and the floor: speed 500 typed into
# the speed box, then the start button. The peers: their own new-game keys.
start_play() {
  case $1 in
    rofo | floor)
      click 644 484
      xdotool key ctrl+a type 500
      xdotool key Tab
      click 464 88
      xdotool windowfocus "$win"
      ;;
    quadrapassel)
      click 514 559   # the play button
      xdotool windowfocus "$win"
      ;;
    ltris)
      # Its menu follows the pointer: New Game, then Game: Demo -> Classic,
      # then Start Game.
      point 160 268; sleep 0.3; xdotool key Return; sleep 0.5
      point 150 327; sleep 0.3; xdotool key Right; sleep 0.3
      point 160 226; sleep 0.3; xdotool key Return; sleep 0.5
      ;;
  esac
  sleep 0.2
}
# One key every 100 ms: the game and the floor move with j and l, the peers
# with the arrow keys. The pieces sweep five columns one way and back, so
# they lock all over the board and a game at speed 500 lasts the 10 s (one
# that stays near the middle is over within 10 s).
play_keys() {
  local left=j right=l keys=() i
  case $1 in quadrapassel | ltris) left=Left right=Right ;; esac
  for ((i = 0; i < play * 10; i++)); do
    if ((i % 20 < 5 || i % 20 >= 15)); then keys+=("$left"); else keys+=("$right"); fi
  done
  xdotool key --delay 100 "${keys[@]}"
}

startup_round() {
  launch "$1"
  record "$1" map "$map_ms"
  stop
}

long_round() {
  launch "$1"
  sleep "$settle"
  record "$1" rss "$(rss_kb "$pid")"

  local c0 w0 t0
  c0=$(cpu_ns "$pid") w0=$(wakeups "$pid") t0=$(now_ns)
  sleep "$idle"
  local c1 w1 t1
  c1=$(cpu_ns "$pid") w1=$(wakeups "$pid") t1=$(now_ns)
  record "$1" idle_cpu "$(ms_per_10s $((c1 - c0)) $((t1 - t0)))"
  record "$1" idle_wake "$(per_10s $((w1 - w0)) $((t1 - t0)))"

  start_play "$1"
  local x0 x1
  c0=$(cpu_ns "$pid") w0=$(wakeups "$pid") x0=$(cpu_ns "$xvfb_pid") t0=$(now_ns)
  play_keys "$1"
  c1=$(cpu_ns "$pid") w1=$(wakeups "$pid") x1=$(cpu_ns "$xvfb_pid") t1=$(now_ns)
  record "$1" play_cpu "$(ms_per_10s $((c1 - c0)) $((t1 - t0)))"
  record "$1" play_x "$(ms_per_10s $((x1 - x0)) $((t1 - t0)))"
  record "$1" play_wake "$(per_10s $((w1 - w0)) $((t1 - t0)))"
  stop
}

# Interleaved rounds, each starting with a different program.
rotate() {
  local r=$1 n=${#names[@]} i
  for ((i = 0; i < n; i++)); do echo "${names[$(((i + r) % n))]}"; done
}

echo "Xvfb on $DISPLAY; programs: ${names[*]}; $startup_rounds start-up rounds, $long_rounds long rounds"
for name in "${names[@]}"; do startup_round "$name"; done   # warm the page cache, untimed
rm -f "$work"/*.map
for ((r = 0; r < startup_rounds; r++)); do
  for name in $(rotate "$r"); do startup_round "$name"; done
done
for ((r = 0; r < long_rounds; r++)); do
  for name in $(rotate "$r"); do long_round "$name"; done
done

# --- the table ---------------------------------------------------------------
median() { sort -g "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

figures=(map rss idle_cpu idle_wake play_cpu play_x play_wake)
declare -A label=(
  [map]="start-up: exec to window mapped, ms"
  [rss]="resident memory ${settle} s after mapping, MB"
  [idle_cpu]="CPU while idle, ms per 10 s"
  [idle_wake]="wake-ups while idle, per 10 s"
  [play_cpu]="CPU in play, ms per 10 s"
  [play_x]="X server CPU in play, ms per 10 s"
  [play_wake]="wake-ups in play, per 10 s"
)
value() {
  local m
  m=$(median "$work/$1.$2")
  case $2 in
    rss) awk -v v="$m" 'BEGIN {printf "%.1f", v / 1024}' ;;
    *) awk -v v="$m" 'BEGIN {printf "%.1f", v}' ;;
  esac
}

echo
printf '%-40s' "figure (median)"
for name in "${names[@]}"; do printf '%22s' "${title[$name]}"; done
echo
for figure in "${figures[@]}"; do
  printf '%-40s' "${label[$figure]}"
  floor=$(value floor "$figure")
  for name in "${names[@]}"; do
    v=$(value "$name" "$figure")
    if [ "$name" = floor ]; then
      printf '%22s' "$v"
    else
      printf '%22s' "$v ($(awk -v v="$v" -v f="$floor" 'BEGIN {if (f > 0) printf "%.2f", v / f; else print "-"}'))"
    fi
  done
  echo
done
echo "(in brackets: the ratio to the Qt floor; start-up over $startup_rounds rounds, the rest over $long_rounds)"
ours || echo "WARNING: :$display is no longer this script's Xvfb; the X server figures are void"

echo
echo "rise timer at speed 500 (50 ms), $ticks ticks of the real window on this Xvfb:"
"$bin/rofo_probe" timer "$ticks" 2>>"$work/probe.log" || fail "the timer probe failed: $(tail -n3 "$work/probe.log")"
echo
echo "repainted area after one event (images_px: all image controls; window_px: every widget; of_board: images_px / (360 x 480)):"
"$bin/rofo_probe" repaints 2>>"$work/probe.log" || fail "the repaint probe failed: $(tail -n3 "$work/probe.log")"
