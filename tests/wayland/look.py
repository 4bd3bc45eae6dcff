# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One look at the real game on a Wayland desktop: the start-up window, and the game window after
# OK and START, each in a screenshot of Weston's output, judged as the X end-to-end test judges
# its shots (where the navy is, and how much of it).
#   look.py GAME PLAY_DIR SHOTS_DIR
# runs GAME in PLAY_DIR (which holds fish/1/ and info.rtf) on $WAYLAND_DISPLAY and keeps the
# shots in SHOTS_DIR. Exits 0 when every step holds, 77 when the accessibility bus cannot start,
# 1 otherwise.
#
# Weston's headless backend has no seat, so neither a pointer nor a key reaches the game: OK and
# START are pressed through the accessibility bus, as a screen reader's user presses them. For
# the same reason no window is ever active, and no focus ring shows to be judged.
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import atspiwalk  # noqa: E402
from atspiwalk import application, find, press, window  # noqa: E402
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

SKIP = 77
NAVY = "rgb(0,0,128)"
OUTPUT = (1366, 768)  # the size look.sh gives Weston's output
# The start-up window's client area as designed: 4725 x 4335 twips at 15 twips a pixel.
STARTUP = (315, 289)

game_path, play_dir, shots_dir = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
log_path = os.path.join(play_dir, "game.log")
game = None


def say(text):
    print(f"wayland look: {text}", flush=True)


def fail(text):
    print(f"wayland look FAILED: {text}", file=sys.stderr, flush=True)
    if game is not None and game.poll() is None:
        game.send_signal(signal.SIGTERM)
        game.wait(5)
    if os.path.exists(log_path) and os.path.getsize(log_path):
        with open(log_path, encoding="utf-8", errors="replace") as log:
            last = log.read().splitlines()[-20:]
        print("wayland look: the game printed, at the end:", *last, sep="\n  ", file=sys.stderr)
    print(f"wayland look: the screenshots are in {shots_dir}", file=sys.stderr)
    sys.exit(1)


def eventually(what):
    # Weston's first frames come slowly.
    return atspiwalk.eventually(what, 30, 0.2)


def shot(name):
    """Weston's whole output as SHOTS_DIR/name.png (again and again while a step waits)."""
    target = os.path.join(shots_dir, f"{name}.png")
    with tempfile.TemporaryDirectory() as into:  # the screenshooter writes where it runs
        done = subprocess.run(["weston-screenshooter"], cwd=into, capture_output=True, text=True)
        taken = glob.glob(os.path.join(into, "*.png"))
        if done.returncode != 0 or not taken:
            fail(f"weston-screenshooter took no screenshot: {done.stderr.strip()}")
        shutil.move(taken[0], target)
    return target


def convert(*arguments):
    return subprocess.run(["/usr/bin/convert", *arguments], check=True, capture_output=True,
                          text=True).stdout.strip()


def navy_area(png):
    """(width, height, share): the smallest rectangle that holds every navy pixel of the shot,
    and the share of navy within it; (0, 0, 0) when there is none."""
    mask = ["-fill", "black", "+opaque", NAVY, "-fill", "white", "-opaque", NAVY]
    box = convert(png, *mask, "-format", "%@", "info:")
    size, x, y = box.split("+")
    width, height = map(int, size.split("x"))
    if width <= 1 or height <= 1:
        return 0, 0, 0.0
    share = convert(png, *mask, "-crop", box, "-format", "%[fx:mean]", "info:")
    return width, height, float(share)


# ---- The accessibility bus, switched on as a desktop does when a screen reader starts ----
try:
    desktop = atspiwalk.switch_on()[0]
except GLib.GError as error:
    say(f"SKIPPED: the accessibility bus did not start ({error.message})")
    sys.exit(SKIP)

with open(log_path, "w") as log:
    game = subprocess.Popen([game_path], cwd=play_dir, stdout=log, stderr=subprocess.STDOUT)
app = application(desktop, game, 30)
if app is None:
    fail("the game never showed up on the accessibility bus"
         + (f" (it ended with status {game.returncode})" if game.poll() is not None else ""))

# ---- The start-up window: navy, at the size it was designed with, wherever Weston put it ----
startup = eventually(lambda: window(app, "Option"))
if startup is None:
    fail("no window 'Option' on the bus")
seen = (0, 0, 0.0)


def startup_shown():
    global seen
    seen = navy_area(shot("1-startup"))
    return seen[:2] == STARTUP


if not eventually(startup_shown):
    fail(f"no {STARTUP[0]} x {STARTUP[1]} navy window on the screen: the navy spans "
         f"{seen[0]} x {seen[1]}")
# The ship, the credits and the controls cover the rest of the navy.
if not 0.2 <= seen[2] <= 0.4:
    fail(f"the start-up window is {seen[2]:.2f} navy, not 0.2 to 0.4")
say(f"the start-up window shows {STARTUP[0]} x {STARTUP[1]} as designed, {seen[2]:.2f} navy")

# ---- OK, then START: the dealt board covers most of the maximized game window's navy ----
press(find(startup, pyatspi.ROLE_PUSH_BUTTON, "OK") or fail("'Option' has no button OK"), fail)
board_window = eventually(lambda: window(app, "Form1"))
if board_window is None:
    fail("OK opened no window 'Form1'")
start = find(board_window, pyatspi.ROLE_PUSH_BUTTON, "START") or fail("'Form1' has no START")
press(start, fail)
if not eventually(lambda: start.name == "NEW"):
    fail(f"START did not turn into NEW: it reads '{start.name}'")


def dealt_shown():
    global seen
    seen = navy_area(shot("2-dealt"))
    return (seen[0] >= 0.95 * OUTPUT[0] and seen[1] >= 0.9 * OUTPUT[1] and seen[2] < 0.5)


if not eventually(dealt_shown):
    fail(f"after START the navy spans {seen[0]} x {seen[1]} of the {OUTPUT[0]} x {OUTPUT[1]} "
         f"screen and is {seen[2]:.2f} of it, not a maximized window under 0.5 navy")
say(f"OK and START: the game window fills the screen ({seen[0]} x {seen[1]} of navy and board), "
    f"the board covers all but {seen[2]:.2f} of the navy")

game.send_signal(signal.SIGTERM)
game.wait(10)
say("all steps passed")
