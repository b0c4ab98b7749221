#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Asks a window to close as a window manager's close button does (WM_DELETE_WINDOW), so that the
# program runs its own closing steps; Xvfb has no window manager to do it.
import sys

from Xlib import X, display
from Xlib.protocol import event

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1]))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
d.flush()
