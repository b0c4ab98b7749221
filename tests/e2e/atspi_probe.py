#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the program's widgets through the accessibility bus, as a screen reader sees them.

    atspi_probe.py unnamed WINDOW      controls showing in the window without a name
    atspi_probe.py focused             "name|description" of the focused object
    atspi_probe.py wait-focused TEXT   waits up to 5 s until the focused object's name holds TEXT
    atspi_probe.py tab-to TEXT [KEY]   presses KEY (Tab unless given) until the focused object's
                                       name holds TEXT, at most 40 times
    atspi_probe.py windows             the names of the program's windows
    atspi_probe.py listen SECONDS      prints the program's name and description changes, one
                                       "event|new text" line each, for that long
"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

APP = "keyfarer"
CONTROL_ROLES = {
    Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON, Atspi.Role.CHECK_BOX,
    Atspi.Role.RADIO_BUTTON, Atspi.Role.COMBO_BOX, Atspi.Role.ENTRY, Atspi.Role.TEXT,
    Atspi.Role.PASSWORD_TEXT, Atspi.Role.SPIN_BUTTON, Atspi.Role.PAGE_TAB, Atspi.Role.LINK,
    Atspi.Role.MENU_ITEM, Atspi.Role.MENU, Atspi.Role.LIST, Atspi.Role.SLIDER,
}


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == APP:
            return app
    sys.exit(f"no application {APP} on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    if depth > 40:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def window(name):
    app = application()
    for i in range(app.get_child_count()):
        w = app.get_child_at_index(i)
        if w is not None and name in (w.get_name() or "") and showing(w):
            return w
    sys.exit(f"no showing window named {name!r}")


def unnamed(name):
    found = []
    for node, _ in walk(window(name)):
        if node.get_role() in CONTROL_ROLES and showing(node):
            if not (node.get_name() or "").strip():
                found.append(f"{node.get_role_name()} (parent {node.get_parent().get_name()!r})")
    for line in found:
        print(line)
    return 1 if found else 0


def focused_object():
    """The focused object of the active window, or of any showing one when none is active. A
    control hidden behind a panel may still claim the focus it had: only a showing one counts."""
    app = application()
    windows = [app.get_child_at_index(i) for i in range(app.get_child_count())]
    windows = [w for w in windows if w is not None and showing(w)]
    windows.sort(key=lambda w: not w.get_state_set().contains(Atspi.StateType.ACTIVE))
    for w in windows:
        for node, _ in walk(w):
            states = node.get_state_set()
            if states.contains(Atspi.StateType.FOCUSED) and states.contains(
                    Atspi.StateType.SHOWING):
                return node
    return None


def describe(node):
    if node is None:
        return "(nothing focused)"
    return f"{node.get_name()}|{node.get_description()}"


def listen(seconds):
    def changed(event):
        source = event.source
        try:
            if source.get_application().get_name() != APP:
                return
        except Exception:  # an object gone by the time the event is read
            return
        text = source.get_description() if "description" in event.type else source.get_name()
        print(f"{event.type}|{text}", flush=True)

    listener = Atspi.EventListener.new(changed)
    listener.register("object:property-change:accessible-name")
    listener.register("object:property-change:accessible-description")
    GLib.timeout_add(int(seconds * 1000), Atspi.event_quit)
    print("listening", flush=True)
    Atspi.event_main()
    return 0


def tab_to(text, key):
    """Walks the focus as a keyboard user does, each press once the last one has moved it."""
    now = describe(focused_object())
    for _ in range(40):
        if text in now:
            print(now)
            return 0
        before = now
        subprocess.run(["xdotool", "key", key], check=True)
        deadline = time.monotonic() + 3
        while now == before and time.monotonic() < deadline:
            time.sleep(0.05)
            now = describe(focused_object())
    print(now)
    return 1


def main():
    command = sys.argv[1]
    if command == "unnamed":
        return unnamed(sys.argv[2])
    if command == "focused":
        print(describe(focused_object()))
        return 0
    if command == "wait-focused":
        deadline = time.monotonic() + 5
        while True:
            text = describe(focused_object())
            if sys.argv[2] in text:
                print(text)
                return 0
            if time.monotonic() > deadline:
                print(text)
                return 1
            time.sleep(0.1)
    if command == "tab-to":
        return tab_to(sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else "Tab")
    if command == "listen":
        return listen(float(sys.argv[2]))
    if command == "windows":
        app = application()
        for i in range(app.get_child_count()):
            print(app.get_child_at_index(i).get_name())
        return 0
    sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    sys.exit(main())
