#!/usr/bin/python3
"""What a screen reader finds in the running game, read over AT-SPI as Orca reads it.

    atspi_tree.py tree [WINDOW]   prints the accessible tree of the game's windows (or of
                                  the one captioned WINDOW): role, name, description, value
    atspi_tree.py check           checks every open window of the game: each control has a
                                  name, each label a text; on the battlefield also that the
                                  angle and power bars take the focus and report what their
                                  labels show, and that the gauges are named
Exits 0 when the checks pass. Needs Debian's python3-pyatspi and a running AT-SPI bus.
"""
import sys

import pyatspi

# Roles of the controls a user works with: each needs a name of its own.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
}


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (app.name or "").lower().startswith("tarvana"):
            return app
    sys.exit("the game is not on the AT-SPI bus")


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def windows(app, caption=None):
    return [w for w in app if w is not None and showing(w)
            and (caption is None or w.name == caption)]


def value(acc):
    try:
        v = acc.queryValue()
    except NotImplementedError:
        return None
    return v.currentValue, v.minimumValue, v.maximumValue


def walk(acc, depth=0):
    yield acc, depth
    for child in acc:
        if child is not None and showing(child):
            yield from walk(child, depth + 1)


def describe(acc):
    s = acc.getState()
    line = "%s %r" % (acc.getRoleName(), acc.name)
    if acc.description:
        line += " desc=%r" % acc.description
    v = value(acc)
    if v is not None:
        line += " value=%g (%g..%g)" % v
    flags = [n for n, st in (("focusable", pyatspi.STATE_FOCUSABLE),
                             ("focused", pyatspi.STATE_FOCUSED),
                             ("disabled", None)) if
             (st is not None and s.contains(st))
             or (st is None and not s.contains(pyatspi.STATE_ENABLED))]
    if flags:
        line += " [" + " ".join(flags) + "]"
    return line


def tree(caption=None):
    for w in windows(game(), caption):
        for acc, depth in walk(w):
            print("  " * depth + describe(acc))


def check():
    failures = []

    def expect(ok, what):
        print(("ok    " if ok else "FAIL  ") + what)
        if not ok:
            failures.append(what)

    wins = windows(game())
    expect(bool(wins), "the game shows a window")
    for w in wins:
        controls = 0
        for acc, _ in walk(w):
            role = acc.getRole()
            if role in CONTROLS:
                controls += 1
                if not (acc.name or "").strip():
                    expect(False, "%s: a %s without a name" % (w.name, acc.getRoleName()))
            elif role == pyatspi.ROLE_UNKNOWN:
                expect(False, "%s: %r has no role" % (w.name, acc.name))
        print("      %s: %d controls" % (w.name, controls))
        if any(a.name == "Uhel hrace 1" for a, _ in walk(w)):
            check_battlefield(w, expect)
    return not failures


def check_battlefield(w, expect):
    nodes = [a for a, _ in walk(w)]
    by_name = {a.name: a for a in nodes}
    # The number labels carry what they show as their name and what it is as description.
    labels = {a.description: a.name for a in nodes if a.getRole() == pyatspi.ROLE_LABEL}
    for p in (1, 2):
        for what in ("Uhel", "Sila"):
            name = "%s hrace %d" % (what, p)
            bar = by_name.get(name)
            if bar is None:
                expect(False, "battlefield: no %s" % name)
                continue
            expect(bar.getState().contains(pyatspi.STATE_FOCUSABLE),
                   "battlefield: %s takes the focus" % name)
            v = value(bar)
            shown = labels.get(name)
            expect(v is not None and shown is not None and int(v[0]) == int(shown),
                   "battlefield: %s reports %s, its label shows %s"
                   % (name, v and int(v[0]), shown))
        for what, full in (("Energie", 200), ("Nafta", 100)):
            name = "%s hrace %d" % (what, p)
            gauge = by_name.get(name)
            v = gauge and value(gauge)
            expect(v is not None and v[2] == full and 0 <= v[0] <= full,
                   "battlefield: gauge %s reads %s of %s" % (name, v and int(v[0]), full))


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else "tree"
    if command == "tree":
        tree(sys.argv[2] if len(sys.argv) > 2 else None)
    elif command == "check":
        sys.exit(0 if check() else 1)
    else:
        sys.exit(__doc__)
