#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game in a real X server, played as a player would: Xvfb, a window manager (openbox),
# xdotool for the mouse and keys, screenshots to see what changed.
#   e2e.sh GAME RUN_DIR ARTIFACTS_DIR
# GAME is the program, RUN_DIR holds the default fish/ and info.rtf. Screenshots of every step
# are kept in ARTIFACTS_DIR, to be looked at: the focus rings, for one, are judged there.
set -uo pipefail
game=$1
assets=$2
artifacts=$3
work=$(mktemp -d)
shots=$work/shots
mkdir -p "$shots"
step=0
failed=0
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$artifacts" && mkdir -p "$artifacts" && cp -r "$shots"/. "$artifacts"/
  [ "$failed" -eq 0 ] || echo "e2e: screenshots of every step are in $artifacts" >&2
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "e2e FAILED: $*" >&2
  failed=1
  shot failure
  echo "e2e: windows on the screen:" >&2
  xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do
    echo "  $(xdotool getwindowname "$id" 2>/dev/null)" >&2
  done
  [ -s "$work/game.log" ] && { echo "e2e: the game printed:" >&2; tail -n 20 "$work/game.log" >&2; }
  exit 1
}
shot() { step=$((step + 1)); import -display "$DISPLAY" -window root "$shots/$(printf %02d "$step")-$1.png" 2>/dev/null; }
say() { echo "e2e: $*"; }

source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb 1366x768 "$work"; started=$?
pids+=("$xvfb_pid")
[ "$started" -eq 0 ] || fail "Xvfb did not start"
start_openbox; started=$?
pids+=("$openbox_pid")
[ "$started" -eq 0 ] || fail "openbox did not start"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work

wait_window() { # NAME [COUNT]: the ids of the windows called NAME, once there are COUNT of them
  local name=$1 count=${2:-1} ids
  for _ in $(seq 100); do
    ids=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null)
    [ "$(printf '%s\n' "$ids" | grep -c .)" -ge "$count" ] && { printf '%s\n' "$ids"; return 0; }
    sleep 0.1
  done
  return 1
}
count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -c .; }
# Where a point of the game's design (twips) lies in the maximized game window: the game fits
# its design area, 9360 x 6980 twips from (0, -140), to the window at one zoom, centred, whatever
# the hint and the clicks move.
game_point() { # WINDOW X Y
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1")"
  width=$WIDTH height=$HEIGHT
  awk -v w="$width" -v h="$height" -v x="$2" -v y="$3" 'BEGIN {
    k = w / 9360; if (h / 6980 < k) k = h / 6980
    printf "%d %d\n", (w - 9360 * k) / 2 + x * k, (h - 6980 * k) / 2 + (y + 140) * k }'
}
click_design() { # WINDOW X Y
  local at
  at=$(game_point "$1" "$2" "$3")
  xdotool mousemove --window "$1" ${at% *} ${at#* } click 1
}
window_shot() { import -display "$DISPLAY" -window "$1" "$2" 2>/dev/null; }
# The game window with its buttons and text boxes painted black, so that a comparison sees the
# board alone: not the ticking clock, the status text, a button's hover shade or the focus ring
# (4 pixels round a control, at any zoom).
board_shot() { # WINDOW PNG
  local rects=() control x y w h from to
  for control in "2220 120 675 375" "6180 120 555 375" "6960 120 555 375" \
                 "1680 6300 1755 315" "6480 6360 795 255"; do
    read -r x y w h <<<"$control"
    from=$(game_point "$1" $((x - 60)) $((y - 60)))
    to=$(game_point "$1" $((x + w + 60)) $((y + h + 60)))
    rects+=(-draw "rectangle $((${from% *} - 5)),$((${from#* } - 5)) $((${to% *} + 5)),$((${to#* } + 5))")
  done
  window_shot "$1" "$2.raw.png" && /usr/bin/convert "$2.raw.png" -fill black "${rects[@]}" "$2"
}
eventually() { # COMMAND...: true once COMMAND succeeds, trying for five seconds
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
patiently() { # COMMAND...: the same for two minutes, for what waits on the solver: the deal is
  # the clock's, and a hard one takes seconds, many more in a sanitizer build sharing the cores
  local end=$((SECONDS + 120))
  while [ "$SECONDS" -lt "$end" ]; do "$@" && return 0; sleep 0.1; done
  return 1
}
navy_share() { # PNG: the share of navy pixels
  /usr/bin/convert "$1" -fill black +opaque 'rgb(0,0,128)' -fill white -opaque 'rgb(0,0,128)' \
    -format '%[fx:mean]' info:
}
ring_shown() { # WINDOW: the window shows a focus ring (a line of the rings' red, 3 pixels wide)
  window_shot "$1" "$work/ring.png"
  [ "$(/usr/bin/convert "$work/ring.png" -fill black +opaque 'rgb(230,0,0)' -fill white \
        -opaque 'rgb(230,0,0)' -format '%[fx:mean*w*h]' info:)" -ge 150 ]
}
focus_tour() { # WINDOW NAME KEY...: for each key, press it and see the ring on the next control
  local window=$1 name=$2 key n=0
  shift 2
  for key in "$@"; do
    n=$((n + 1))
    xdotool key --window "$window" "$key"
    eventually ring_shown "$window" || fail "no focus ring in $name after key $n ($key)"
    shot "focus-$name-$n"
  done
}
differ() { # A B: how many pixels differ
  /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}
start_game() { # DIR: the game in DIR; sets $pid
  (cd "$1" && exec "$game") >"$work/game.log" 2>&1 &
  pid=$!
  pids+=("$pid")
}

# ---- A working directory with the default assets ----
play=$work/play
mkdir -p "$play"
cp -r "$assets/fish" "$assets/info.rtf" "$play/"
start_game "$play"
startup=$(wait_window Option) || fail "no start-up window"
shot startup
say "the start-up window \"Option\" appeared"

# A name typed, and ONE click on OK, with the box offering the sets that begin with it ("1" and
# "10"): the offers must not cost a click.
cp -r "$play/fish/1" "$play/fish/10"
xdotool windowactivate --sync "$startup"
xdotool mousemove --window "$startup" 172 258 click 1 key ctrl+a type 1
sleep 0.5
shot offers
xdotool mousemove --window "$startup" 288 258 click 1
gamewin=$(wait_window Form1) || fail "one click on OK, with the sets offered, opened no game window"
maximized() { xprop -id "$gamewin" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
eventually maximized || fail "the game window is not maximized"
sleep 0.3 # the window manager's resize reaches the window
shot game-loaded
say "a name typed and one click on OK opened \"Form1\" maximized"

dealt() { # the board covers the navy
  window_shot "$gamewin" "$work/window.png"
  navy=$(navy_share "$work/window.png")
  awk -v n="$navy" 'BEGIN { exit !(n < 0.5) }'
}
# A double-click on START deals once and keeps the deal: its second click is no NEW.
at=$(game_point "$gamewin" 2557 307)
xdotool mousemove --window "$gamewin" ${at% *} ${at#* } click --repeat 2 --delay 80 1
eventually dealt || fail "after START the window is still $navy navy"
sleep 0.3 # and nothing more is on its way
[ "$(count_windows Form1)" -eq 1 ] || fail "the second click of a double-click on START closed the game"
shot dealt
say "a double-click on START dealt and kept the deal: the window is now only $navy navy"

# The game's own commands beside the design's. F9 deals a game that can be won: about one deal
# of START's in 25 cannot be, and F8 would then ring nothing. So NEW, OK, and F9 instead of
# START; then F8 rings a pair that keeps the game winnable, the mouse takes it, and Ctrl+Z takes
# it back to where it stood, on the board as dealt, where no tile has moved.
click_design "$gamewin" 2557 307 # NEW
for _ in $(seq 50); do [ "$(count_windows Form1)" -eq 0 ] && break; sleep 0.1; done
[ "$(count_windows Form1)" -eq 0 ] || fail "NEW did not close the game window"
xdotool windowactivate --sync "$startup"
xdotool mousemove --window "$startup" 288 258 click 1
gamewin=$(wait_window Form1) || fail "OK opened no second game window"
eventually maximized || fail "the second game window is not maximized"
sleep 0.3
xdotool key --window "$gamewin" F9
patiently dealt || fail "after F9 the window is still $navy navy"
sleep 0.3
shot dealt-winnable
xdotool key --window "$gamewin" Escape # the note that says so goes
sleep 0.3
board_shot "$gamewin" "$work/dealt.png"
say "NEW, OK and F9 dealt a game that can be won"

green_rings() { # a point inside each of the two tiles ringed in green, one "X Y" a line
  window_shot "$gamewin" "$work/rings.png"
  # What the rings enclose, not the rings: where two ringed tiles overlap, the rings cross and
  # enclose three parts, and the two far apart are the tiles' own.
  /usr/bin/convert "$work/rings.png" -fill white +opaque 'rgb(40,230,40)' -fill black \
    -opaque 'rgb(40,230,40)' -define connected-components:verbose=true \
    -connected-components 4 null: |
    awk '/rgba?\(255,255,255|gray\(255\)/ && $4 > 100 { split($2, g, /[x+]/)
      if (g[3] > 0 && g[4] > 0) { split($3, c, ","); n++; x[n] = int(c[1]); y[n] = int(c[2]) } }
      END { if (n < 2 || n > 3) exit
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) {
          d = (x[i] - x[j]) ^ 2 + (y[i] - y[j]) ^ 2
          if (d > far) { far = d; a = i; b = j } }
        print x[a], y[a]; print x[b], y[b] }'
}
two_rings() { [ "$(green_rings | grep -c .)" -eq 2 ]; }
xdotool key --window "$gamewin" F8
patiently two_rings || fail "F8 ringed no pair in green on a deal that can be won"
shot suggested
while read -r x y; do
  xdotool mousemove --window "$gamewin" "$x" "$y" click 1
  sleep 0.2
done < <(green_rings)
pair_taken() { board_shot "$gamewin" "$work/pair.png"; ! two_rings && [ "$(differ "$work/dealt.png" "$work/pair.png")" -gt 100 ]; }
eventually pair_taken || fail "the pair ringed in green could not be taken with the mouse"
shot suggested-pair-taken
xdotool key --window "$gamewin" ctrl+z
eventually eval '[ "$(board_shot "$gamewin" "$work/back.png"; differ "$work/dealt.png" "$work/back.png")" -eq 0 ]' ||
  fail "Ctrl+Z did not put the pair back where it stood"
shot taken-back
say "F8 ringed a pair in green, the mouse took it, and Ctrl+Z put it back where it stood"

board_differs() { # NAME [MINIMUM]: the board differs from the dealt one by more than MINIMUM pixels
  board_shot "$gamewin" "$work/$1.png"
  [ "$(differ "$work/dealt.png" "$work/$1.png")" -gt "${2:-100}" ]
}
click_design "$gamewin" 5100 3030 # the top tile, 131, always free after the deal
eventually board_differs lifted || fail "clicking a free tile changed nothing on the board"
shot lifted
click_design "$gamewin" 5100 3030 # put it down again
eventually eval '! board_differs lowered 0' || fail "a tile clicked twice did not go back to its place"
click_design "$gamewin" 6457 307 # HELP
helpwin=$(wait_window Form2) || fail "HELP opened no \"Form2\""
sleep 0.3
shot help # its OK holds the focus, ringed
say "HELP opened \"Form2\""

xdotool windowactivate --sync "$gamewin"
click_design "$gamewin" 7237 307 # HINT
eventually board_differs hinted || fail "HINT changed nothing on the board"
shot hinted
say "a tile click and HINT changed the board"

controls_shot() { # PNG: NEW, HELP and the status box, side by side, as they look now
  local crops=() control x y w h from to
  window_shot "$gamewin" "$work/controls.raw.png"
  for control in "2220 120 675 375" "6180 120 555 375" "1680 6300 1755 315"; do
    read -r x y w h <<<"$control"
    from=$(game_point "$gamewin" "$x" "$y")
    to=$(game_point "$gamewin" $((x + w)) $((y + h)))
    crops+=("(" "$work/controls.raw.png" -crop "$((${to% *} - ${from% *}))x$((${to#* } - ${from#* }))+${from% *}+${from#* }" +repage ")")
  done
  /usr/bin/convert "${crops[@]}" +append "$1"
}
# HINT again and again at the same spot: each press lands, and nothing moves but the pair.
controls_shot "$work/controls-before.png"
for _ in $(seq 9); do click_design "$gamewin" 7237 307; sleep 0.1; done
sleep 0.3
controls_shot "$work/controls-after.png"
[ "$(differ "$work/controls-before.png" "$work/controls-after.png")" -eq 0 ] ||
  fail "ten presses of HINT moved NEW, HELP or the status box"
shot hinted-ten-times
say "HINT pressed ten times at one spot: NEW, HELP and the status box stayed where they were"


# HINT took the focus with the click, so no ring until a key is pressed; then back through the
# tab order to NEW, which Space presses.
focus_tour "$gamewin" game shift shift+Tab shift+Tab shift+Tab shift+Tab
say "a focus ring went round HINT, HELP, the clock, the status box and NEW"
xdotool key --window "$gamewin" space
for _ in $(seq 50); do [ "$(count_windows Form1)" -eq 0 ] && break; sleep 0.1; done
[ "$(count_windows Form1)" -eq 0 ] || fail "NEW did not close the game window"
shot new
say "NEW closed the game window"

xdotool windowactivate --sync "$startup"
sleep 0.3
focus_tour "$startup" startup shift Tab Tab Tab # OK, the text box, the picture, INFO
xdotool key --window "$startup" space
wait_window Form1 >/dev/null || fail "INFO opened no info window"
shot info
say "a focus ring went round OK, the text box, the picture and INFO, which opened the info window"

# Close what is left, each with its own close control (Alt+F4 in openbox).
for name in Form2 Form1 Option; do
  for id in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
    xdotool windowactivate --sync "$id" key alt+F4
    sleep 0.3
  done
done
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program still runs with every window closed"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
say "closing the last window ended the program with status 0"

# ---- A working directory without fish/ and without info.rtf ----
bare=$work/bare
mkdir -p "$bare"
start_game "$bare"
startup=$(wait_window Option) || fail "no start-up window in an empty folder"
xdotool windowactivate --sync "$startup" key Return
gamewin=$(wait_window Form1) || fail "no game window in an empty folder"
click_design "$gamewin" 2557 307 # START
wait_window "Fish Pairs" >/dev/null || fail "START without fish/ showed no message"
shot no-tiles
kill -0 "$pid" || fail "START without fish/ ended the program"
xdotool key --window "$(xdotool search --name '^Fish Pairs$' | head -1)" Return
say "START without fish/ told why and the game went on"

xdotool windowactivate --sync "$startup"
xdotool key --window "$startup" Tab Tab Tab space # INFO
wait_window "Fish Pairs" >/dev/null || fail "INFO without info.rtf showed no message"
shot no-info
kill -0 "$pid" || fail "INFO without info.rtf ended the program"
say "INFO without info.rtf told why and the game went on"
echo "e2e: all steps passed"
