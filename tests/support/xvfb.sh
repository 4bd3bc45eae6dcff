# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that need an X server of their own.
#   start_xvfb WIDTHxHEIGHT DIRECTORY
# starts Xvfb on a display nobody uses (Xvfb picks it and writes its number to DIRECTORY), waits
# until it answers, exports DISPLAY and sets xvfb_pid. A fixed or random number could land on a
# running server, and the caller would then drive somebody else's windows.
start_xvfb() {
  local size=$1 dir=$2 number=
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$dir/xvfb-display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    number=$(head -n 1 "$dir/xvfb-display" 2>/dev/null)
    [ -n "$number" ] && break
    sleep 0.1
  done
  [ -n "$number" ] || return 1
  export DISPLAY=:$number
  xdpyinfo >/dev/null 2>&1
}

#   start_openbox
# starts the window manager openbox on $DISPLAY, sets openbox_pid, and returns once it manages
# windows; fails when it cannot be started. Openbox announces itself (_NET_SUPPORTING_WM_CHECK) a
# moment before it has finished starting, and a window mapped in that moment is never managed,
# nor shown: half the time here. And on a loaded machine a client's connection to the X server
# now and then fails, which ends openbox at once: it is started again.
start_openbox() {
  local attempt
  for attempt in 1 2 3; do
    openbox >/dev/null 2>&1 &
    openbox_pid=$!
    for _ in $(seq 100); do
      kill -0 "$openbox_pid" 2>/dev/null || break
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; then
        sleep 1
        kill -0 "$openbox_pid" 2>/dev/null && return 0
        break
      fi
      sleep 0.1
    done
    kill "$openbox_pid" 2>/dev/null
    wait "$openbox_pid" 2>/dev/null
  done
  return 1
}
