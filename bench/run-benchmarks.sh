#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The benchmark table of the README, measured in one run on this machine:
#   bench/run-benchmarks.sh [BUILD_DIR]        (default: build; build it first)
# Start-up is timed by ../shared/tools/measure-gui.sh (exec to the window's map, under Xvfb).
# Memory and idle CPU come from the real game driven under Xvfb; the rest from the benchmark
# programs. Peers (kmahjongg, gnome-mahjongg) are measured too where they are installed.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
measure=${MEASURE_GUI:-$here/../shared/tools/measure-gui.sh}
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT

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
command -v kmahjongg >/dev/null && startup KMahjongg 'kmahjongg' "$work" kmahjongg
command -v gnome-mahjongg >/dev/null && startup "GNOME Mahjongg" 'mahjongg' "$work" gnome-mahjongg
echo

# ---- The game driven under Xvfb: all four windows open on a dealt board ----
source "$(dirname "$0")/../tests/support/xvfb.sh"
start_xvfb 1920x1080 "$work"
pids+=("$xvfb_pid")
start_openbox
pids+=("$openbox_pid")
(cd "$build/run" && exec "$build/fishpairs") >/dev/null 2>&1 &
game=$!
pids+=("$game")
wait_window() { for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sed -n "${2:-1}p" | grep . && return; sleep 0.1; done; return 1; }
startup_win=$(wait_window Option)
xdotool windowactivate --sync "$startup_win" key Return
game_win=$(wait_window Form1)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$game_win")"
at() { awk -v w="$WIDTH" -v h="$HEIGHT" -v x="$1" -v y="$2" 'BEGIN { k = w / 9360; if (h / 6840 < k) k = h / 6840; printf "%d %d", (w - 9360 * k) / 2 + x * k, (h - 6840 * k) / 2 + y * k }'; }
read -r x y <<<"$(at 2557 307)"; xdotool mousemove --window "$game_win" "$x" "$y" click 1 # START
sleep 0.5
read -r x y <<<"$(at 6457 307)"; xdotool mousemove --window "$game_win" "$x" "$y" click 1 # HELP
wait_window Form2 >/dev/null
xdotool windowactivate --sync "$startup_win" key Tab Tab Tab space # INFO
wait_window Form1 2 >/dev/null
sleep 3
hwm=$(awk '/VmHWM/ {print $2}' /proc/$game/status)
rss=$(awk '/VmRSS/ {print $2}' /proc/$game/status)
echo "peak memory, four windows open on a dealt board: VmHWM $hwm kB ($((hwm / 1024)) MB), VmRSS $rss kB"
ticks() { awk '{print $14 + $15}' /proc/$game/stat; }
before=$(ticks); sleep 20; after=$(ticks)
echo "CPU while idle with the clock ticking: $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f", 100 * t / hz / 20 }') % of a core (over 20 s)"
echo

"$build/bench/windows/windowbench" 2>/dev/null
"$build/bench/game/gamebench" 2>/dev/null
"$build/bench/richtext/rtfbench" 2>/dev/null
"$build/bench/solver/solverbench" 2>/dev/null
