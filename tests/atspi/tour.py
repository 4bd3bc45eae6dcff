# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a screen reader meets it: everything below is read and pressed through the AT-SPI
# bus with pyatspi, the library screen readers are written with, never through Qt.
#   tour.py GAME PLAY_DIR
# runs GAME in PLAY_DIR (which holds fish/1/ and info.rtf) on $DISPLAY and the session bus it is
# given. Exits 0 when every step holds, 77 when the accessibility bus cannot start, 1 otherwise.
import os
import re
import signal
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import atspiwalk  # noqa: E402
from atspiwalk import application, children, eventually, find, press, window  # noqa: E402
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

SKIP = 77
# The positions that are free once dealt, whatever the deal (the board tests hold the same list).
FREE_AT_START = {0, 9, 10, 17, 18, 25, 26, 36, 46, 53, 54, 61, 62, 71, 72, 77, 78, 83, 84, 98,
                 99, 104, 105, 110, 111, 114, 115, 118, 119, 122, 123, 126, 131}
# Faces 2k-1 and 2k make pair k: a few, spelled out.
PAIR_OF_FACE = {1: 1, 2: 1, 11: 6, 12: 6, 43: 22, 44: 22}
TILE_NAME = re.compile(r"^Tile (\d+): face (\d+) \(pair (\d+)\), (free|selected|blocked)$")

game_path, play_dir = os.path.abspath(sys.argv[1]), sys.argv[2]
log_path = os.path.join(play_dir, "game.log")
game = None


def say(text):
    print(f"atspi: {text}", flush=True)


def fail(text):
    print(f"atspi FAILED: {text}", file=sys.stderr, flush=True)
    if game is not None and game.poll() is None:
        game.send_signal(signal.SIGTERM)
        game.wait(5)
    if os.path.exists(log_path) and os.path.getsize(log_path):
        with open(log_path, encoding="utf-8", errors="replace") as log:
            last = log.read().splitlines()[-20:]
        print("atspi: the game printed, at the end:", *last, sep="\n  ", file=sys.stderr)
    sys.exit(1)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


# ---- The accessibility bus, switched on as a desktop does when a screen reader starts ----
try:
    desktop, address = atspiwalk.switch_on()
except GLib.GError as error:
    say(f"SKIPPED: the accessibility bus did not start ({error.message})")
    sys.exit(SKIP)
say(f"the accessibility bus is at {address.split(',')[0]} and the registry answers")

heard = []  # (event type, source's name, detail) of every event the game sent
pyatspi.Registry.registerEventListener(
    lambda e: heard.append((str(e.type), e.source.name if e.source else "", e.any_data)),
    "object:text-changed:insert", "object:property-change:accessible-name",
    "object:state-changed:showing")

with open(log_path, "w") as log:
    game = subprocess.Popen([game_path], cwd=play_dir, stdout=log, stderr=subprocess.STDOUT)

app = application(desktop, game)
if app is None:
    fail("the game never showed up on the accessibility bus")
say(f"the game is on the bus as application '{app.name}'")

# ---- Start-up window: OK opens the game window ----
startup = eventually(lambda: window(app, "Option"))
if startup is None:
    fail("no window 'Option' on the bus")
press(find(startup, pyatspi.ROLE_PUSH_BUTTON, "OK") or fail("'Option' has no button OK"), fail)
board_window = eventually(lambda: window(app, "Form1"))
if board_window is None:
    fail("pressing OK through the bus opened no window 'Form1'")
say("OK pressed through the bus opened 'Form1'")

# ---- The game window's controls ----
controls = {}
for kind, role, name in [("button", pyatspi.ROLE_PUSH_BUTTON, "START"),
                         ("button", pyatspi.ROLE_PUSH_BUTTON, "HELP"),
                         ("button", pyatspi.ROLE_PUSH_BUTTON, "HINT"),
                         ("text box", pyatspi.ROLE_TEXT, "Status"),
                         ("text box", pyatspi.ROLE_TEXT, "Clock")]:
    controls[name] = find(board_window, role, name)
    if controls[name] is None:
        fail(f"'Form1' has no {kind} named '{name}'")
status, clock = controls["Status"], controls["Clock"]
say(f"'Form1' holds START, HELP, HINT, the status box ('{text_of(status)}') and the clock "
    f"('{text_of(clock)}')")

press(controls["START"], fail)
if not eventually(lambda: controls["START"].name == "NEW"):
    fail(f"START pressed through the bus did not turn into NEW: it reads "
         f"'{controls['START'].name}'")


# ---- The board: 132 tiles, each a button that says its face, its pair and whether it is free ----
board_seen = "no child named 'Board'"


def tiles_by_position():
    global board_seen
    board = next((c for c in children(board_window) if c is not None and c.name == "Board"), None)
    if board is None:
        return None
    found = {}
    shown = []
    for tile in children(board):
        if tile is None:
            continue
        shown.append(f"{tile.getRoleName()} '{tile.name}'")
        match = TILE_NAME.match(tile.name)
        if tile.getRole() == pyatspi.ROLE_PUSH_BUTTON and match:
            found[int(match.group(1))] = (tile, match)
    board_seen = (f"the {board.getRoleName()} 'Board' has {board.childCount} children"
                  + (f", the first {shown[:3]}" if shown else ""))
    return found if len(found) == 132 else None


tiles = eventually(tiles_by_position)
if tiles is None:
    fail("after START the board does not show 132 buttons named like "
         f"'Tile 35: face 11 (pair 6), free': {board_seen}")
if set(tiles) != set(range(132)):
    fail(f"the tiles are numbered {sorted(tiles)}, not 0 to 131")
faces_of_pair = {}
for position, (tile, match) in tiles.items():
    face, pair = int(match.group(2)), int(match.group(3))
    if not 1 <= face <= 44 or PAIR_OF_FACE.get(face, pair) != pair:
        fail(f"tile {position} is named '{tile.name}'")
    faces_of_pair.setdefault(pair, []).append(face)
for pair, faces in faces_of_pair.items():
    # Each pair is two faces, each dealt three times.
    if len(faces) != 6 or len(set(faces)) != 2:
        fail(f"pair {pair} is named on faces {sorted(faces)}")
if sorted(faces_of_pair) != list(range(1, 23)):
    fail(f"the tiles name pairs {sorted(faces_of_pair)}, not 1 to 22")
free = {p for p, (_, m) in tiles.items() if m.group(4) == "free"}
if free != FREE_AT_START:
    fail(f"the tiles said to be free are {sorted(free)}, not the {len(FREE_AT_START)} free at "
         "the start")
if any(m.group(4) != "blocked" for p, (_, m) in tiles.items() if p not in free):
    fail("a tile is neither free nor blocked before any click")
say("START pressed through the bus dealt: 132 tile buttons, 22 pairs of two faces each dealt "
    "three times, 33 free and 99 blocked")

# ---- One free tile pressed through the bus ----
tile, match = tiles[131]
extents = tile.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
if extents.width <= 0 or extents.height <= 0:
    fail(f"the free tile 131 has no place on the screen: {extents}")
if not tile.getState().contains(pyatspi.STATE_SHOWING):
    fail("the free tile 131 is not showing")
if text_of(status) == "OK!":
    fail("the status box says OK! before any tile was pressed")
heard.clear()
press(tile, fail)
if not eventually(lambda: text_of(status) == "OK!"):
    fail(f"after tile 131's Press the status box reads '{text_of(status)}', not 'OK!'")
face = match.group(2)
selected = f"Tile 131: face {face} (pair {match.group(3)}), selected"
if not eventually(lambda: tile.name == selected):
    fail(f"after its Press tile 131 is named '{tile.name}', not '{selected}'")
say(f"tile 131's Press through the bus: the status box reads 'OK!', the tile '{tile.name}'")

# What a screen reader hears: the events that tell it so, without asking.
if not eventually(lambda: ("object:text-changed:insert", "Status", "OK!") in heard, 5):
    fail(f"no event told of 'OK!' in the status box; heard {heard}")
if not eventually(lambda: ("object:property-change:accessible-name", selected) in
                          [e[:2] for e in heard], 5):
    fail(f"no event told of the tile's new name; heard {heard}")
say("the bus carried the events that announce both")

# ---- An answer of the game's own: F7 asks whether the game can still be won ----
heard.clear()
F7 = 0xFFC4  # its X keysym
pyatspi.Registry.generateKeyboardEvent(F7, None, pyatspi.KEY_SYM)
# START deals from the clock, and about one deal in 25 cannot be won: either answer is the game's,
# and a no takes as long as proving the deal lost.
answers = ["Yes: this game can still be won (66 pairs to go).",
           "No: this deal cannot be won, however it is played."]
answer = eventually(
    lambda: next((a for a in answers if find(board_window, pyatspi.ROLE_ALERT, a)), None), 30)
if answer is None:
    fail(f"after F7 no alert in 'Form1' reads '{answers[0]}' or '{answers[1]}'; heard {heard}")
if not eventually(lambda: ("object:state-changed:showing", answer) in [e[:2] for e in heard], 5):
    fail(f"no event told that the answer showed; heard {heard}")
say(f"F7 on the keyboard: an alert in 'Form1' reads '{answer}', and its showing was announced")

game.send_signal(signal.SIGTERM)
game.wait(10)
say("all steps passed")
