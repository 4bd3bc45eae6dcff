# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the tests that drive the game through the accessibility bus share: switching the bus on,
# waiting on it, and walking and pressing what it shows. Debian's python3-pyatspi, so these run
# under /usr/bin/python3.
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402


def switch_on():
    """Switches the accessibility bus on, as a desktop does when a screen reader starts.

    Returns the registry's desktop and the bus's address; raises GLib.GError when the bus does not
    start or the registry does not answer."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, 10000, None).unpack()[0]
    session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                             GLib.Variant("b", True))),
                      None, 0, 10000, None)
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.childCount  # the registry answers, or this raises
    return desktop, address


def pump():
    # Events reach pyatspi's listeners only while the GLib main context runs.
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def eventually(what, seconds=10, pause=0.1):
    """what() once it gives something true, trying for some seconds; else None."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            found = what()
        except GLib.GError:  # an object that went away while it was asked
            found = None
        if found or time.monotonic() > deadline:
            return found
        time.sleep(pause)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def find(node, role, name):
    """The first descendant of node with this role and name, depth first."""
    for child in children(node):
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def press(node, fail):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"'{node.name}' offers no Press action, only {names}")
    action.doAction(names.index("Press"))


def window(app, title):
    # Qt shows a top-level widget that is no dialog and no main window as a filler.
    return next((w for w in children(app) if w is not None and w.name == title), None)


def application(desktop, process, seconds=10):
    """The application on the bus that process runs, once it shows up; else None."""
    return eventually(lambda: next((a for a in children(desktop)
                                    if a is not None and a.get_process_id() == process.pid),
                                   None), seconds)
