"""Finds the running Quellix's menu items by their names through AT-SPI.

  menu.py PID click NAME...     clicks each item of the path with the mouse, in
                                the middle of where AT-SPI says it is: the menu
                                bar's NAME first, then the item NAME of the menu
                                that opened, and so on; waits for each to show
  menu.py PID checked NAME...   opens the path's menus as "click" does, up to the
                                last item, and succeeds when that item is ticked
  menu.py PID closed            waits until no menu of the program shows

PID is the program's process. AT-SPI gives places in the program's own
(device-independent) pixels; they are turned into the screen's by the ratio
of its main window's width on the screen to its width through AT-SPI. Every wait is bounded (QLX_E2E_WAIT seconds,
default 20); a failure prints what was missing and exits with status 1.
"""
import os
import subprocess
import sys
import time

import pyatspi

LIMIT = float(os.environ.get("QLX_E2E_WAIT", "20"))
MENU_ROLES = {pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM}


def fail(message):
    print("FAIL: menu: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, find):
    deadline = time.monotonic() + LIMIT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # an object gone while it was read: the tree is changing, look again
            found = None
        if found is not None:
            return found
        time.sleep(0.05)
    fail(f"no {what} within {LIMIT:g} s")


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(root, test):
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        for child in node:
            if child is None:
                continue
            if test(child):
                found.append(child)
            stack.append(child)
    return found


def extents(item):
    box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def showing(item):
    state = item.getState()
    x, y, w, h = extents(item)
    return state.contains(pyatspi.STATE_SHOWING) and w > 0 and h > 0


def menu_bar(app):
    bars = descendants(app, lambda a: a.getRole() == pyatspi.ROLE_MENU_BAR)
    return bars[0] if bars else None


def item_in(parent, name):
    """The showing menu item called NAME under PARENT (the menu bar, or the item whose menu is open)."""
    for item in descendants(parent, lambda a: a.getRole() in MENU_ROLES and a.name == name):
        if showing(item):
            return item
    return None


def screen_scale(app, pid):
    """The screen's pixels per pixel of the program's, from the width of its main window."""
    frames = [f for f in app if f is not None and f.getRole() == pyatspi.ROLE_FRAME and f.name.startswith("Quellix - ")]
    if not frames:
        fail("no main window in the accessibility tree")
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Quellix - "],
                           capture_output=True, text=True).stdout.split()
    if not found:
        fail("no main window on the screen")
    shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[0]], capture_output=True, text=True).stdout
    width = int(dict(line.split("=", 1) for line in shell.split())["WIDTH"])
    return width / extents(frames[0])[2]


def click(item, scale):
    x, y, w, h = extents(item)
    middle = (round((x + w / 2) * scale), round((y + h / 2) * scale))
    subprocess.run(["xdotool", "mousemove", "--sync", *map(str, middle), "click", "1"], check=True)


def open_path(app, names, scale):
    """Clicks every name of NAMES but the last; returns the last item, showing."""
    parent = wait_for("menu bar", lambda: menu_bar(app))
    shown = "the menu bar"
    for i, name in enumerate(names):
        item = wait_for(f"item '{name}' in {shown}", lambda: item_in(parent, name))
        if i == len(names) - 1:
            return item
        click(item, scale)
        parent, shown = item, f"the menu '{name}'"


def any_menu_showing(app):
    return any(showing(menu) for menu in descendants(app, lambda a: a.getRole() == pyatspi.ROLE_POPUP_MENU))


def main():
    if len(sys.argv) < 3:
        fail("usage: menu.py PID click|checked|closed [NAME...]")
    pid, command, names = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    app = wait_for(f"program {pid} in the accessibility tree", lambda: application(pid))
    if command == "click":
        scale = screen_scale(app, pid)
        click(open_path(app, names, scale), scale)
    elif command == "checked":
        item = open_path(app, names, screen_scale(app, pid))
        if not item.getState().contains(pyatspi.STATE_CHECKED):
            fail(f"'{' > '.join(names)}' is not ticked")
    elif command == "closed":
        wait_for("menu closed", lambda: None if any_menu_showing(app) else True)
    else:
        fail("no such command: " + command)


main()
