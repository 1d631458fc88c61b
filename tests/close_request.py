#!/usr/bin/python3
"""Asks the window system to close window WINDOW_ID (decimal or 0x...), as its close box does:
through the window manager (_NET_CLOSE_WINDOW to the root window) when one is running, which
then sends the window WM_DELETE_WINDOW; without one, WM_DELETE_WINDOW straight to the window.
Usage: close_request.py WINDOW_ID"""
import sys

from Xlib import X, display
from Xlib.protocol import event

if len(sys.argv) != 2:
    sys.exit(__doc__)
screen = display.Display()
root = screen.screen().root
window = screen.create_resource_object("window", int(sys.argv[1], 0))
atom = screen.intern_atom
managed = root.get_full_property(atom("_NET_SUPPORTING_WM_CHECK"), X.AnyPropertyType)
if managed:
    # Source 2: a pager or a taskbar, which a window manager obeys at once.
    request = event.ClientMessage(window=window, client_type=atom("_NET_CLOSE_WINDOW"),
                                  data=(32, [X.CurrentTime, 2, 0, 0, 0]))
    root.send_event(request, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
else:
    request = event.ClientMessage(window=window, client_type=atom("WM_PROTOCOLS"),
                                  data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(request, event_mask=X.NoEventMask)
screen.sync()
