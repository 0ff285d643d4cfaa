#!/usr/bin/python3
"""The program as a screen reader finds it over AT-SPI: its application, the frame of each window and
the nodes in them. Listens for focus and children events (so that the program publishes its nodes),
waits for the main menu's entries, acts on each with its "click" action, checks that the window it
leads to opens, and prints the trees of メニュー and ＳＩ単位.

Usage: atspi_client.py   (run by atspi.sh, under the program's session and accessibility bus)
Prints one "ok" or "FAIL" line per check and the trees; exits non-zero when a check failed."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

PROGRAM = "メトリア"
# Each entry of the main menu, by its spoken name, and the title of the window it opens (None: the
# program ends).
ENTRIES = [
    ("科学の単位", "ＳＩ単位"),
    ("物の数え方", "物の数え方"),
    ("通貨の単位", "通貨の単位"),
    ("接頭語（ＳＩ）", "接頭語（ＳＩ）"),
    ("接頭語（日本）", "数_日本"),
    ("おわり", None),
]

failures = 0
focused_names = []


def check(description, passed):
    global failures
    print(("  ok    " if passed else "  FAIL  ") + description, flush=True)
    if not passed:
        failures += 1
    return passed


def pump(seconds):
    """Lets the events of the accessibility bus arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(seconds, find):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def children(accessible):
    try:
        count = accessible.get_child_count()
    except GLib.Error:
        return []
    return [child for child in (accessible.get_child_at_index(i) for i in range(count)) if child]


def application():
    return next((app for app in children(Atspi.get_desktop(0)) if app.get_name() == PROGRAM), None)


def frames():
    app = application()
    return [frame for frame in children(app)] if app else []


def frame_titled(title):
    return next((frame for frame in frames() if frame.get_name() == title), None)


def only_frame_is(title):
    shown = frames()
    return len(shown) == 1 and shown[0].get_name() == title and shown[0]


def button_named(frame, name):
    return next((node for node in children(frame)
                 if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name), None)


def state_words(accessible):
    states = accessible.get_state_set()
    return [Atspi.StateType(v).value_nick for v in range(Atspi.StateType.LAST_DEFINED)
            if states.contains(Atspi.StateType(v))]


def describe(accessible, depth=0):
    """One line per object: role, name, states, and its box on the screen where it has one."""
    box = ""
    if accessible.get_component_iface():
        e = accessible.get_extents(Atspi.CoordType.SCREEN)
        box = f"  {e.x},{e.y} {e.width}x{e.height}"
    line = f"{'  ' * depth}{accessible.get_role_name()} '{accessible.get_name()}' [{' '.join(state_words(accessible))}]{box}"
    return [line] + [text for child in children(accessible) for text in describe(child, depth + 1)]


def click(frame, name):
    button = button_named(frame, name)
    if not check(f"{frame.get_name()} has the push button {name}", button is not None):
        return False
    action = button.get_action_iface()
    return check(f"{name} offers one action, click",
                 action is not None and action.get_n_actions() == 1 and action.get_action_name(0) == "click") \
        and check(f"{name}: click done", action.do_action(0))


def menu_ready():
    """The main menu once its six entries are there (the turtle walks for about 4.2 s first)."""
    return wait_for(15, lambda: (menu := only_frame_is("メニュー"))
                    and all(button_named(menu, name) for name, _ in ENTRIES) and menu)


def back_to_menu(frame):
    """Every exercise has a way back to the menu: the button whose name says メニュー."""
    # The frame is there as the window opens; its nodes come with the window's first picture.
    spot = wait_for(5, lambda: next((node for node in children(frame) if node.get_role() == Atspi.Role.PUSH_BUTTON
                                     and "メニュー" in node.get_name()), None))
    if not check(f"{frame.get_name()} has a button back to the menu", spot is not None):
        return False
    spot.get_action_iface().do_action(0)
    return check("its click goes back to メニュー", menu_ready() is not None)


def on_focus(event):
    if event.detail1:
        focused_names.append(event.source.get_name())


def main():
    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    changes = Atspi.EventListener.new(lambda event: None)
    changes.register("object:children-changed")

    if not check("the program's application is on the desktop", wait_for(10, application) is not None):
        return 1
    menu = menu_ready()
    if not check("メニュー shows its six entries as push buttons", menu is not None):
        return 1
    check("the focus is on 科学の単位 (focus event received)", wait_for(2, lambda: "科学の単位" in focused_names))
    print("\n".join(["--- tree of メニュー"] + describe(menu)), flush=True)

    for name, title in ENTRIES:
        menu = menu_ready()
        if not check(f"the menu is ready for {name}", menu is not None) or not click(menu, name):
            continue
        if title is None:
            check(f"{name} ends the program: its application leaves the desktop",
                  wait_for(5, lambda: application() is None))
            continue
        frame = wait_for(5, lambda: only_frame_is(title))
        if not check(f"{name} opens the window {title}", frame is not None):
            continue
        if title == "ＳＩ単位":
            # The answers come once the question is on the board.
            wait_for(8, lambda: sum(1 for node in children(frame) if node.get_role() == Atspi.Role.PUSH_BUTTON) > 2)
            pump(0.5)
            print("\n".join(["--- tree of ＳＩ単位"] + describe(frame)), flush=True)
        back_to_menu(frame)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
