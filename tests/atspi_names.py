"""Walks the running window's accessibility tree over AT-SPI, as a screen
reader sees it, and fails on a control a user can operate that has no name.

Usage: atspi_names.py WINDOW_ID [DUMP_FILE]
The window is driven with xdotool: a few tape lines are typed, then Edit
Tape Box Entry (Space) and About are opened, and each dialog is walked too.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

OPERABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER,
}
ROWS = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE}
MENUS = {pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU}

window_id = sys.argv[1]
out = []
unnamed = []


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a node that went away while it was walked
        return []


def walk(node, where, depth=0):
    """Dumps `node` and below; records the unnamed operable controls."""
    if node is None:
        return
    role = node.getRole()
    visible = node.getState().contains(pyatspi.STATE_VISIBLE)
    # Closed menus are walked: their items are read before they open. A
    # hidden action (an unused recent-file slot) reports no state at all.
    states = node.getState().getStates()
    if role == pyatspi.ROLE_MENU_ITEM and not states:
        return
    if not visible and role not in MENUS and role != pyatspi.ROLE_MENU_ITEM:
        return
    name = (node.name or "").strip()
    line = "  " * depth + f"[{node.getRoleName()}] \"{name}\""
    if node.description:
        line += f" ({node.description})"
    out.append(line)
    if role in OPERABLE and not name:
        unnamed.append(f"{where}: {node.getRoleName()} at depth {depth}")
    if role in ROWS:
        # A list's rows read as their own text; a few show what that is.
        rows = children(node)
        for row in rows[:8]:
            out.append("  " * (depth + 1) + f"[{row.getRoleName()}] \"{row.name}\"")
        if len(rows) > 8:
            out.append("  " * (depth + 1) + f"... {len(rows)} rows")
        return
    for child in children(node):
        walk(child, where, depth + 1)


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == "vorlex":
                return app
        time.sleep(0.2)
    sys.exit("no application named vorlex on the accessibility bus")


def top_level(app, roles, title=None):
    for _ in range(50):
        for node in children(app):
            if node is not None and node.getRole() in roles and title in (None, node.name):
                return node
        time.sleep(0.2)
    return None


app = application()
frame = top_level(app, {pyatspi.ROLE_FRAME})
if frame is None:
    sys.exit("the application shows no window")
out.append(f"application \"{app.name}\", window \"{frame.name}\"")

# Two tape lines to read, the last one selected for Edit Tape Box Entry. A
# screen reader announces the new line because it takes the focus.
announced = []


def on_focus(event):
    if event.source.getRole() == pyatspi.ROLE_LIST_ITEM and event.detail1 == 1:
        announced.append(event.source.name)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
xdotool("windowfocus", "--sync", window_id)
xdotool("type", "--window", window_id, "--delay", "40", "12+30+")
context = GLib.MainContext.default()
deadline = time.time() + 10
while time.time() < deadline and "30.00 +" not in announced:
    context.iteration(False)
    time.sleep(0.02)
pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
out.append(f"tape lines announced: {announced}")
if "30.00 +" not in announced:
    unnamed.append(f"the new tape line was not announced (got {announced})")
walk(frame, "main window")

dialogs = [("Edit Tape Box Entry", ["space"]), ("About VOR", ["alt+h", "a"])]
for title, keys in dialogs:
    xdotool("windowfocus", "--sync", window_id)
    for key in keys:
        xdotool("key", key)
        time.sleep(0.4)
    dialog = top_level(app, {pyatspi.ROLE_DIALOG}, title)
    if dialog is None:
        unnamed.append(f"{title}: the dialog did not open")
        continue
    out.append("")
    walk(dialog, dialog.name)
    xdotool("key", "Escape")
    time.sleep(0.5)

keys = [line.strip() for line in out if line.strip().startswith("[push button]")]
summary = [f"unnamed operable controls or faults: {len(unnamed)}"] + unnamed
report = "\n".join(summary + [""] + out) + "\n"
if len(sys.argv) > 2:
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(report)
print("\n".join(summary))
print(f"{len(keys)} push buttons, e.g. " + "; ".join(keys[:5]))
sys.exit(1 if unnamed else 0)
