#!/usr/bin/env python3
"""Presses a window's close box the way a window manager does: sends it the WM_DELETE_WINDOW message.

Usage: close_window.py WINDOW_ID

`xdotool windowclose` destroys the window outright, so the program sees a broken connection instead of a
close request; bare Xvfb has no window manager to do it for us. This talks to libX11 through ctypes, so it
needs nothing beyond the Python standard library.
"""
import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0
CURRENT_TIME = 0


class ClientMessage(ctypes.Structure):
    # XClientMessageEvent: what a window manager sends when the close box is pressed.
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    # XEvent is a union padded to 24 longs; XSendEvent reads that many bytes.
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def open_x11():
    """libX11 with the signatures used here, and a connection to $DISPLAY (None when it fails)."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x11, x11.XOpenDisplay(None)


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    window = int(sys.argv[1], 0)
    x11, display = open_x11()
    if not display:
        print("close_window.py: cannot open the display", file=sys.stderr)
        return 1
    event = Event()
    event.client.type = CLIENT_MESSAGE
    event.client.send_event = 1
    event.client.display = display
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = CURRENT_TIME
    sent = x11.XSendEvent(display, window, 0, NO_EVENT_MASK, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return 0 if sent else 1


if __name__ == "__main__":
    sys.exit(main())
