#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and proves it: lintian finds no error and no warning in it, its
# control data and contents, the desktop entry and AppStream data validated, and the game started
# from the entry as a desktop would start it, from the package unpacked into a throw-away root.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/fishpairs_*.deb)
dpkg-deb --info "$deb" >"$work/info"
grep -q '^ Package: fishpairs$' "$work/info"
grep -q '^ Depends: .*libqt6widgets6' "$work/info"
grep -q '^ Recommends: qt6-wayland$' "$work/info"
root=$work/root
dpkg-deb -x "$deb" "$root"

fail() { echo "package: $*" >&2; exit 1; }
# Informational tags may stay (they are listed below); an error or a warning fails.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
  fail "lintian rejects $(basename "$deb"):$(printf '\n%s' "$(grep -v '^N:' "$work/lintian")")"
notes=$(sed -n 's/^I: fishpairs: \([^ ]*\).*/\1/p' "$work/lintian" | sort -u | paste -sd, -)
entry=$(ls "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
path=$(sed -n 's/^Path=//p' "$entry")
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$path" = /usr/share/games/fishpairs ] || fail "the entry starts the game in '$path'"
[ "$exec_line" = /usr/games/fishpairs ] || fail "the entry runs '$exec_line'"
for n in $(seq 1 44); do [ -s "$root$path/fish/1/$n.bmp" ] || fail "fish/1/$n.bmp is missing"; done
[ -s "$root$path/info.rtf" ] || fail "info.rtf is missing"
for size in 16 32 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/fishpairs.png" ] || fail "no ${size}px icon"
done
[ -x "$root$exec_line" ] || fail "the entry runs '$exec_line', which the package lacks"

# Start it as the menu would: in the entry's folder, the entry's command.
source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb 1024x768 "$work" || fail "Xvfb did not start"
(cd "$root$path" && exec "$root$exec_line") >"$work/game.log" 2>&1 &
game=$!
timeout 20 xdotool search --sync --name '^Option$' >/dev/null ||
  fail "the start-up window did not appear: $(cat "$work/game.log")"
kill -0 "$game" || fail "the game ended: $(cat "$work/game.log")"
kill "$game"
echo "package: $(basename "$deb") is sound ($(sed -n 's/^ Installed-Size: //p' "$work/info") kB installed)"
echo "package: lintian: no error, no warning; informational: ${notes:-none}"
