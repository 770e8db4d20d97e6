#!/usr/bin/python3
"""Answers questions about the program's window through AT-SPI, one line per question on
stdin, one line per answer on stdout, so that the end-to-end run waits for what a screen
reader would see instead of for a time. Fields are separated by tabs.

    focus                 -> ROLE NAME of the control with the keyboard focus, or "none"
    object ROLE NAME      -> STATES X Y WIDTH HEIGHT of the first showing object with that
                             role and name (screen pixels), or "none"; STATES lists
                             focused and checked as far as they hold, or "-"
    text ROLE NAME        -> the text of the first showing object with that role and name

    tests/e2e/probe.py    (DBUS_SESSION_BUS_ADDRESS names the session)

Nothing the program tells is cached between questions: every answer is read anew. The
objects found before and the program's focus events only say where to look first."""
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = "Vareldo"
STATES = [("focused", pyatspi.STATE_FOCUSED), ("checked", pyatspi.STATE_CHECKED)]


def application():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == APPLICATION:
            # Without an event loop here nothing would tell a cache of changes.
            candidate.setCacheMask(0)
            return candidate
    return None


def showing(root):
    """The showing objects below root, depth first; hidden pages are not entered."""
    for child in root:
        if child is None:
            continue
        states = child.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        yield child, states
        yield from showing(child)


# Objects found before, by role and name: asked again first, before a walk of the tree.
found = {}


def find(role, name):
    pump()
    node = found.get((role, name))
    if node is not None:
        try:
            states = node.getState()
            if (states.contains(pyatspi.STATE_SHOWING) and node.getRoleName() == role
                    and node.name == name):
                return node, states
        except Exception:  # gone with its page: the walk looks again
            pass
    app = application()
    if app is None:
        return None, None
    for node, states in showing(app):
        if node.getRoleName() == role and node.name == name:
            found[(role, name)] = node
            return node, states
    return None, None


def holds_focus(node, states):
    # A page tab calls itself focused while its row has long given the focus away.
    return (states.contains(pyatspi.STATE_FOCUSED) and states.contains(pyatspi.STATE_SHOWING)
            and (node.getRoleName() != "page tab"
                 or node.parent.getState().contains(pyatspi.STATE_FOCUSED)))


def innermost_focus(root):
    """The last object below root, or root itself, that holds the focus: a combo box's edit
    line rather than the combo box, the current tab rather than the tab row."""
    focused = root
    for node, states in showing(root):
        if holds_focus(node, states):
            focused = node
    return focused


class FocusEvents:
    """The last object that told it took the focus, which a walk of the whole tree, at a
    few milliseconds an object, need then not find; every such object is remembered as
    found, for the questions about it that follow."""

    def __init__(self):
        self.last = None
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:focused")

    def heard(self, event):
        if event.detail1 == 1:
            self.last = event.source
            try:
                found[(event.source.getRoleName(), event.source.name)] = event.source
            except Exception:  # gone already: nothing to remember
                pass

    def candidate(self):
        pump()
        return self.last


def pump():
    """Hands the events that have come in to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def focus(events):
    node = events.candidate()
    if node is not None:
        try:
            if holds_focus(node, node.getState()):
                return innermost_focus(node)
        except Exception:  # gone with a page or a popup: the walk finds the focus
            pass
    app = application()
    if app is None:
        return None
    focused = innermost_focus(app)
    return None if focused is app else focused


def answer(words, events):
    verb = words[0]
    if verb == "focus":
        focused = focus(events)
        return "none" if focused is None else "%s\t%s" % (focused.getRoleName(), focused.name)
    node, states = find(words[1], words[2])
    if node is None:
        return "none"
    if verb == "object":
        held = [word for word, state in STATES if states.contains(state)]
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return "%s\t%d\t%d\t%d\t%d" % (",".join(held) or "-", box.x, box.y, box.width, box.height)
    if verb == "text":
        text = node.queryText()
        return text.getText(0, text.characterCount)
    raise ValueError("unknown question " + verb)


def main():
    application()  # its cache off before any event comes in
    events = FocusEvents()
    for line in sys.stdin:
        words = line.rstrip("\n").split("\t")
        try:
            reply = answer(words, events)
        except Exception as failure:  # a vanishing object is an answer too, not an end
            reply = "error: %s" % failure
        print(reply.replace("\n", " "), flush=True)


if __name__ == "__main__":
    main()
