#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmark table of the README, measured in one run on this machine:
#   bench/run-benchmarks.sh [BUILD_DIR]        (default: build; build it first)
# Start-up is timed by ../shared/tools/measure-gui.sh (exec to the window's map, under Xvfb).
# Peak memory and idle CPU come from the real game driven under Xvfb, peak memory beside a bare Qt
# program showing the same four windows; the rest from the benchmark programs.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
measure=${MEASURE_GUI:-$here/../shared/tools/measure-gui.sh}
work=$(mktemp -d)
pids=() game= bare=
trap 'for p in "${pids[@]}" $game $bare; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT

echo "machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)"
echo "date:    $(date -u '+%Y-%m-%d %H:%M UTC')"
echo

startup() { # LABEL PATTERN DIR COMMAND...
  local label=$1 pattern=$2 dir=$3
  shift 3
  if [ ! -x "$measure" ]; then
    echo "start-up: $measure not found; skipped"
    return
  fi
  (cd "$dir" && "$measure" -n 15 -w 2 -s 3 -i 10 -q 0 -p "$pattern" -l "$label" -- "$@") 2>&1 |
    awk -F'|' '/^RESULT/ { printf "%-16s start-up window mapped: median %s ms (min %s, max %s); VmHWM %d kB; idle CPU %s %%\n", $2, $3, $4, $5, $8, $12 }'
}

startup "bare Qt 6" '^Bare Qt$' "$build" "$build/bench/bareqt/bareqt"
startup "Fish Pairs" '^Option$' "$build/run" "$build/fishpairs"
echo

# ---- Peak memory: the game and a bare Qt program showing the same four windows ----
# Under one Xvfb, by turns, so that both meet the same machine; the medians are compared.
source "$(dirname "$0")/../tests/support/xvfb.sh"
start_xvfb 1920x1080 "$work"
pids+=("$xvfb_pid")
start_openbox
pids+=("$openbox_pid")
wait_window() { for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sed -n "${2:-1}p" | grep . && return; sleep 0.1; done; return 1; }
hwm() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
stop() { # VARIABLE: ends the process whose id it holds, and forgets the id
  [ -n "${!1}" ] && { kill "${!1}" 2>/dev/null; wait "${!1}" 2>/dev/null; }
  printf -v "$1" ''
}

# The game with all four windows open on a dealt board: start-up, game (START pressed), help
# and info. Sets $game.
game_four_windows() {
  (cd "$build/run" && exec "$build/fishpairs") >/dev/null 2>&1 &
  game=$!
  local startup_win game_win x y
  startup_win=$(wait_window Option) || return 1
  xdotool windowactivate --sync "$startup_win" key Return
  game_win=$(wait_window Form1) || return 1
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$game_win")"
  at() { awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN { k = w / 9360; if (h / 6840 < k) k = h / 6840; printf "%d %d", (w - 9360 * k) / 2 + x * k, (h - 6840 * k) / 2 + y * k }'; }
  read -r x y <<<"$(at 2557 307)"; xdotool mousemove --window "$game_win" "$x" "$y" click 1 # START
  sleep 0.5
  read -r x y <<<"$(at 6457 307)"; xdotool mousemove --window "$game_win" "$x" "$y" click 1 # HELP
  wait_window Form2 >/dev/null || return 1
  xdotool windowactivate --sync "$startup_win" key Tab Tab Tab space # INFO
  wait_window Form1 2 >/dev/null || return 1
  sleep 3
}

bare_four_windows() {
  "$build/bench/bareqt/bareqt" --four-windows >/dev/null 2>&1 &
  bare=$!
  local title
  for title in "Bare Qt" "Bare board" "Bare pictures" "Bare text"; do
    wait_window "$title" >/dev/null || return 1
  done
  sleep 3
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
game_hwm=() bare_hwm=()
for round in 1 2 3 4 5; do
  if game_four_windows; then game_hwm+=("$(hwm "$game")"); else echo "memory: the game's four windows did not all open (round $round)"; fi
  stop game
  if bare_four_windows; then bare_hwm+=("$(hwm "$bare")"); else echo "memory: bare Qt's four windows did not all open (round $round)"; fi
  stop bare
done
if [ ${#game_hwm[@]} -gt 0 ] && [ ${#bare_hwm[@]} -gt 0 ]; then
  g=$(printf '%s\n' "${game_hwm[@]}" | median)
  b=$(printf '%s\n' "${bare_hwm[@]}" | median)
  echo "peak memory, four windows open on a dealt board (VmHWM, median of ${#game_hwm[@]}): Fish Pairs $g kB, bare Qt $b kB: $(awk -v g="$g" -v b="$b" 'BEGIN { printf "%.2fx", g / b }')"
  echo "  Fish Pairs: ${game_hwm[*]} kB; bare Qt: ${bare_hwm[*]} kB"
fi

game_four_windows || echo "idle CPU: the game's four windows did not all open"
ticks() { awk '{print $14 + $15}' /proc/$game/stat; }
before=$(ticks); sleep 20; after=$(ticks)
echo "CPU while idle with the clock ticking: $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f", 100 * t / hz / 20 }') % of a core (over 20 s)"
stop game
echo

"$build/bench/windows/windowbench" 2>/dev/null
"$build/bench/game/gamebench" 2>/dev/null
"$build/bench/richtext/rtfbench" 2>/dev/null
"$build/bench/solver/solverbench" 2>/dev/null
"$build/bench/commands/commandsbench" 2>/dev/null
