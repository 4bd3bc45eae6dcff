#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game on a Wayland desktop, natively (Qt's wayland platform under a headless Weston of
# its own), looked at once: look.py presses OK and START through the accessibility bus and judges
# two screenshots of Weston's output.
#   look.sh GAME RUN_DIR ARTIFACTS_DIR
# GAME is the program, RUN_DIR holds the default fish/ and info.rtf; the screenshots are kept in
# ARTIFACTS_DIR. Exits 77 (CTest's skip) when Weston or a session bus cannot start here, and says
# which.
set -uo pipefail
game=$1
assets=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
weston_pid=
cleanup() {
  [ -z "$weston_pid" ] || { kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; }
  rm -rf "$artifacts" && mkdir -p "$artifacts" && cp -r "$work/shots"/. "$artifacts"/
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/shots"

source "$here/../support/weston.sh"
if ! start_weston 1366x768 "$work"; then
  echo "wayland look: SKIPPED: Weston cannot start here: $weston_error"
  exit 77
fi
if ! bus_error=$(dbus-run-session -- true 2>&1); then
  echo "wayland look: SKIPPED: no session bus can start here: $bus_error"
  exit 77
fi

play=$work/play
mkdir -p "$play" "$work/home"
cp -r "$assets/fish" "$assets/info.rtf" "$play/"
# Only wayland, no X server to fall back on: without Qt's wayland platform the game cannot start.
export QT_QPA_PLATFORM=wayland
# Switching accessibility on writes a desktop setting: into memory, not the user's dconf.
export GSETTINGS_BACKEND=memory XDG_CONFIG_HOME=$work/home XDG_CACHE_HOME=$work/home
dbus-run-session -- /usr/bin/python3 "$here/look.py" "$game" "$play" "$work/shots" \
  2>"$work/bus.log"
status=$?
# The buses' chatter (services activated) is noise unless something went wrong.
[ "$status" -eq 0 ] || grep -v 'Failed to set fd limit' "$work/bus.log" >&2
exit "$status"
