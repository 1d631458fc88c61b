#!/usr/bin/python3
"""Prints, through the desktop's accessibility bus, the texts of the shown text boxes of the
window titled ARGV[1] at the given points (x,y in screen pixels), joined by '|'."""
import sys
import time

import pyatspi


def window(title):
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            for win in (app.getChildAtIndex(i) for i in range(app.childCount)):
                if win and win.name == title:
                    return win
        time.sleep(0.1)
    sys.exit(f"read_boxes: no window titled {title!r} on the accessibility bus")


def box_at(win, x, y):
    for control in (win.getChildAtIndex(i) for i in range(win.childCount)):
        if control.getRoleName() != "text" or not control.getState().contains(pyatspi.STATE_SHOWING):
            continue
        e = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if e.x <= x < e.x + e.width and e.y <= y < e.y + e.height:
            return control.queryText().getText(0, -1)
    sys.exit(f"read_boxes: no shown text box at {x},{y}")


win = window(sys.argv[1])
print("|".join(box_at(win, *map(int, point.split(","))) for point in sys.argv[2:]))
