#!/usr/bin/env python3
"""Asks the window manager to put a window in full screen, as its window menu or a key binding would: sends
the root window the _NET_WM_STATE client message that adds _NET_WM_STATE_FULLSCREEN.

Usage: full_screen.py WINDOW_ID

xdotool 3.20211022 (Debian 12) has no windowstate command. libX11 through ctypes, like close_window.py.
"""
import ctypes
import sys

from close_window import Event, open_x11

NET_WM_STATE_ADD = 1
SOURCE_IS_PAGER = 2
SUBSTRUCTURE_NOTIFY_AND_REDIRECT = (1 << 19) | (1 << 20)


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[3], file=sys.stderr)
        return 2
    window = int(sys.argv[1], 0)
    x11, display = open_x11()
    if not display:
        print("full_screen.py: cannot open the display", file=sys.stderr)
        return 1
    event = Event()
    event.client.type = 33  # ClientMessage
    event.client.send_event = 1
    event.client.display = display
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"_NET_WM_STATE", 0)
    event.client.format = 32
    event.client.data[0] = NET_WM_STATE_ADD
    event.client.data[1] = x11.XInternAtom(display, b"_NET_WM_STATE_FULLSCREEN", 0)
    event.client.data[3] = SOURCE_IS_PAGER
    root = x11.XDefaultRootWindow(display)
    sent = x11.XSendEvent(display, root, 0, SUBSTRUCTURE_NOTIFY_AND_REDIRECT, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return 0 if sent else 1


if __name__ == "__main__":
    sys.exit(main())
