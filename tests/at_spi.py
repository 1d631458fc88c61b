#!/usr/bin/python3
"""The real-window tests' hands and eyes, through the desktop's accessibility bus: controls are
found by their window's title and their accessible name, never by a position.

  at_spi.py click TITLE NAME      clicks the shown, enabled control NAME with the mouse and, for
                                  a text box, waits until it has the keyboard focus
  at_spi.py press TITLE NAME      presses the shown, enabled button NAME by its action, as a
                                  screen reader does: it need not be on the screen
  at_spi.py read TITLE NAME...    prints the texts of the shown text boxes NAME, joined by '|'; a
                                  name given twice reads the next box of that name
Each waits up to ten seconds for the window and the control to be there."""
import subprocess
import sys
import time

import pyatspi

WAIT = 10.0


def fail(message):
    sys.exit(f"at_spi: {message}")


def until(find, what):
    deadline = time.monotonic() + WAIT
    while True:
        try:
            found = find()
        except Exception:  # a window or control that went while it was being read
            found = None
        if found is not None:
            return found
        if time.monotonic() > deadline:
            fail(f"no {what}")
        time.sleep(0.05)


def window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        for win in (app.getChildAtIndex(i) for i in range(app.childCount)):
            if win and win.name == title:
                return win
    return None


def controls(win):
    """Every shown control of the window, depth first, in the order the window made them."""
    for child in (win.getChildAtIndex(i) for i in range(win.childCount)):
        if child.getState().contains(pyatspi.STATE_SHOWING):
            yield child
            yield from controls(child)


def shown(title, name, roles, skip=0, state=pyatspi.STATE_SHOWING):
    win = window(title)
    if win is None:
        return None
    found = [c for c in controls(win)
             if c.name == name and c.getRoleName() in roles and c.getState().contains(state)]
    return found[skip] if len(found) > skip else None


def enabled(title, name, roles):
    return until(lambda: shown(title, name, roles, state=pyatspi.STATE_ENABLED),
                 f"enabled control {name!r} in {title!r}")


def press(title, name):
    button = enabled(title, name, ("push button",))
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"{name!r} offers no Press but {names}")
    action.doAction(names.index("Press"))


def click(title, name):
    control = enabled(title, name, ("push button", "text", "radio button", "check box"))
    e = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2),
                    "click", "1"], check=True)
    if control.getRoleName() == "text":
        until(lambda: True if control.getState().contains(pyatspi.STATE_FOCUSED) else None,
              f"focus in {name!r} after a click")


def read(title, names):
    texts = []
    for i, name in enumerate(names):
        box = until(lambda: shown(title, name, ("text",), names[:i].count(name)),
                    f"shown text box {name!r} in {title!r}")
        texts.append(box.queryText().getText(0, -1))
    print("|".join(texts))


if len(sys.argv) >= 4 and sys.argv[1] in ("click", "press"):
    {"click": click, "press": press}[sys.argv[1]](sys.argv[2], sys.argv[3])
elif len(sys.argv) >= 4 and sys.argv[1] == "read":
    read(sys.argv[2], sys.argv[3:])
else:
    fail(__doc__)
