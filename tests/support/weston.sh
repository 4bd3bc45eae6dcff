# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that need a Wayland compositor of their own.
#   start_weston WIDTHxHEIGHT DIRECTORY
# starts Weston's headless backend with the pixman renderer, one output of that size and the
# debug protocol on (for weston-screenshooter), in a runtime folder of its own, DIRECTORY/runtime
# (mode 0700, as Wayland wants it). Returns once Weston answers on its socket; exports
# XDG_RUNTIME_DIR and WAYLAND_DISPLAY, unsets DISPLAY (no X server to fall back on), and sets
# weston_pid. When Weston cannot start it returns 1 and sets weston_error to why.
#
# The headless backend has no seat: no keyboard and no pointer reach any window, and no window
# is ever active. What a test needs of either comes some other way.
start_weston() {
  local size=$1 dir=$2
  weston_error=
  if ! command -v weston >/dev/null; then
    weston_error="there is no weston (Debian's package weston)"
    return 1
  fi
  mkdir -m 700 "$dir/runtime" || { weston_error="cannot make $dir/runtime"; return 1; }
  # A plain grey desktop without a panel, so that nothing but the program's windows shows navy;
  # never idle, so that no screen lock covers a window on a slow run; no on-screen keyboard.
  cat >"$dir/weston.ini" <<'EOF'
[core]
idle-time=0

[shell]
background-color=0xff3c3c3c
panel-position=none
locking=false
animation=none
startup-animation=none

[input-method]
path=
EOF
  XDG_RUNTIME_DIR=$dir/runtime weston --backend=headless-backend.so --use-pixman --debug \
    --width="${size%x*}" --height="${size#*x}" --socket=wayland-0 --config="$dir/weston.ini" \
    --log="$dir/weston.log" >"$dir/weston.out" 2>&1 &
  weston_pid=$!
  export XDG_RUNTIME_DIR=$dir/runtime WAYLAND_DISPLAY=wayland-0
  unset DISPLAY
  # The socket appears before Weston serves it: wait until a client is answered.
  for _ in $(seq 200); do
    if ! kill -0 "$weston_pid" 2>/dev/null; then
      weston_error="weston ended at once: $(cat "$dir/weston.out" "$dir/weston.log" 2>/dev/null |
        grep -v '^ ' | tail -n 5)"
      return 1
    fi
    [ -S "$dir/runtime/wayland-0" ] && timeout 5 weston-info 2>/dev/null | grep -q "'xdg_wm_base'" &&
      return 0
    sleep 0.1
  done
  weston_error="weston did not answer on its socket within 20 s: $(tail -n 5 "$dir/weston.log")"
  return 1
}
