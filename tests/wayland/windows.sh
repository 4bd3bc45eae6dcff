#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The window tests again, on Qt's wayland platform under a Weston of their own.
#   windows.sh TEST...
# runs each TEST (a Qt Test program) there, one after the other. Exits 77 (CTest's skip) only when
# Weston cannot start, and says why; a Qt that cannot show windows on Wayland fails.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
weston_pid=
cleanup() {
  [ -z "$weston_pid" ] || { kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT

source "$here/../support/weston.sh"
if ! start_weston 1366x768 "$work"; then
  echo "wayland: SKIPPED: Weston cannot start here: $weston_error"
  exit 77
fi

# Only wayland: were Qt's wayland platform missing (Debian's qt6-wayland), Qt could not fall back
# on another and would stop, failing the test.
export QT_QPA_PLATFORM=wayland
# Qt 6.4 takes the text-input protocol Weston offers (zwp_text_input_v1) and reaches it through
# the default seat; a seatless Weston leaves that null, and Qt crashes on the first key a test
# sends. Asking for a protocol Weston does not offer leaves Qt without an input method, as on any
# desktop that has none.
export QT_WAYLAND_TEXT_INPUT_PROTOCOL=zwp_text_input_v2
# In a sanitizer build: what Mesa's EGL driver keeps for the life of the process is suppressed by
# the Qt frame that called it (tests/lsan.supp), which only a full unwind reaches. Elsewhere
# nobody reads this.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0"

status=0
for test in "$@"; do
  name=$(basename "$test")
  "$test" >"$work/$name.log" 2>&1
  code=$?
  if grep -q 'platform plugin "wayland"' "$work/$name.log"; then
    echo "wayland FAILED: Qt has no wayland platform here (Debian's qt6-wayland):" >&2
    grep 'qt.qpa' "$work/$name.log" >&2
    exit 1
  fi
  if [ "$code" -ne 0 ]; then
    status=1
    grep -E -v '^(PASS|QDEBUG|QINFO) ' "$work/$name.log" >&2
    echo "wayland FAILED: $name ended with status $code" >&2
  fi
  echo "wayland: $name: $(grep -E '^Totals:' "$work/$name.log" || echo 'no totals')"
done
exit "$status"
