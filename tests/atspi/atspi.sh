#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game read and played through the AT-SPI bus, as a screen reader reads it: an X server
# (Xvfb, openbox), a session bus of its own, and on it the accessibility bus and registry that
# at-spi2-core starts on demand. tour.py does the reading.
#   atspi.sh GAME RUN_DIR
# GAME is the program, RUN_DIR holds the default fish/ and info.rtf. Exits 77 (CTest's skip)
# when no session bus can start here, and says so.
set -uo pipefail
game=$1
assets=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "atspi FAILED: $*" >&2; exit 1; }

if ! bus_error=$(dbus-run-session -- true 2>&1); then
  echo "atspi: SKIPPED: no session bus can start here: $bus_error"
  exit 77
fi

source "$here/../support/xvfb.sh"
start_xvfb 1024x768 "$work"; started=$?
pids+=("$xvfb_pid")
[ "$started" -eq 0 ] || fail "Xvfb did not start"
start_openbox
pids+=("$openbox_pid")

play=$work/play
mkdir -p "$play"
mkdir -m 700 "$work/xdg"
cp -r "$assets/fish" "$assets/info.rtf" "$play/"
# Switching accessibility on writes a desktop setting: into memory, not the user's dconf.
export GSETTINGS_BACKEND=memory QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/xdg XDG_CONFIG_HOME=$work/xdg XDG_CACHE_HOME=$work/xdg
# dbus-run-session ends the bus, and what it started, when the tour ends.
dbus-run-session -- /usr/bin/python3 "$here/tour.py" "$game" "$play" 2>"$work/bus.log"
status=$?
# The buses' chatter (services activated) is noise unless something went wrong.
[ "$status" -eq 0 ] || grep -v 'Failed to set fd limit' "$work/bus.log" >&2
exit "$status"
