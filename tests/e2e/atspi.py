#!/usr/bin/python3
"""Reads and drives the running program's window through the accessibility interface (AT-SPI).

Needs the session bus and the accessibility bus that `starte_atspi` in xumgebung.sh starts, and the
program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. It looks for the application "Win95TWK".

Aufruf:
  atspi.py baum                            every showing element: role, name, states, text, value
  atspi.py warte MUSTER [--rolle R]        waits until a showing element's name matches; prints it
  atspi.py fehlt MUSTER [--rolle R]        waits until no showing element's name matches
  atspi.py klicke MUSTER [--rolle R]       the element's first action (press, click, toggle)
  atspi.py text MUSTER [--rolle R]         prints the element's text (or its name if it has none)
  atspi.py wert MUSTER [--rolle R]         prints the element's current value
  atspi.py zustand MUSTER [--rolle R]      prints the element's states, one a line
  atspi.py mitte MUSTER [--rolle R]        prints "x y" of the element's centre on the screen
  atspi.py ausmass MUSTER [--rolle R]      prints "x y width height" of the element on the screen
  atspi.py alle MUSTER [--rolle R]         prints every showing element whose name matches
  atspi.py ansagen MUSTER [--sekunden N]   for N seconds, prints each announced name change whose new
                                           name matches, one a line, as a screen reader hears them

MUSTER is a regular expression that must match the whole accessible name. --rolle takes AT-SPI role
names as pyatspi spells them ("push button", "label", "table cell", "check box", ...). --sekunden N
sets how long to wait (default 30: a loaded machine can take that long). --alle also finds elements that are not showing.
Exit codes: 0 found, 1 not found in time, 2 wrong call or no accessibility bus.
"""

import argparse
import re
import signal
import sys
import time

try:
    import pyatspi
except ImportError:
    print("atspi.py: python3-pyatspi fehlt", file=sys.stderr)
    sys.exit(2)

ANWENDUNG = "Win95TWK"


def anwendung():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == ANWENDUNG:
            return app
    return None


def zeigt(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def elemente(obj, auch_verborgene, tiefe=0):
    """All elements below obj, depth first; hidden subtrees are skipped unless asked for."""
    try:
        kinder = obj.childCount
    except Exception:
        return
    for i in range(kinder):
        try:
            kind = obj.getChildAtIndex(i)
        except Exception:
            continue
        if kind is None:
            continue
        if not auch_verborgene and not zeigt(kind):
            continue
        yield kind, tiefe
        yield from elemente(kind, auch_verborgene, tiefe + 1)


def text_von(obj):
    try:
        t = obj.queryText()
        return t.getText(0, t.characterCount)
    except Exception:
        return None


def wert_von(obj):
    try:
        return obj.queryValue().currentValue
    except Exception:
        return None


def zustaende(obj):
    try:
        return sorted(pyatspi.stateToString(s) for s in obj.getState().getStates())
    except Exception:
        return []


def beschreibe(obj, tiefe=0):
    teile = ["  " * tiefe + f"[{obj.getRoleName()}] {obj.name!r}"]
    if obj.description:
        teile.append(f"beschreibung={obj.description!r}")
    text = text_von(obj)
    if text:
        teile.append(f"text={text!r}")
    wert = wert_von(obj)
    if wert is not None:
        teile.append(f"wert={wert}")
    z = [s for s in zustaende(obj) if s in ("enabled", "focused", "checked", "pressed", "selected")]
    if z:
        teile.append("(" + ",".join(z) + ")")
    return " ".join(teile)


def treffer(muster, rolle, auch_verborgene):
    app = anwendung()
    if app is None:
        return []
    regel = re.compile(muster, re.S)
    gefunden = []
    for obj, _ in elemente(app, auch_verborgene):
        try:
            if rolle and obj.getRoleName() != rolle:
                continue
            if regel.fullmatch(obj.name or ""):
                gefunden.append(obj)
        except Exception:
            continue
    return gefunden


def warte_auf(muster, rolle, sekunden, auch_verborgene):
    ende = time.monotonic() + sekunden
    while True:
        gefunden = treffer(muster, rolle, auch_verborgene)
        if gefunden:
            return gefunden[0]
        if time.monotonic() > ende:
            return None
        time.sleep(0.1)


def ansagen(muster, sekunden):
    """Prints the new names of name-change events while they come, until the time is up."""
    from gi.repository import GLib

    regel = re.compile(muster, re.S)

    def gehoert(ereignis):
        try:
            name = ereignis.source.name or ""
        except Exception:
            return
        if regel.fullmatch(name):
            print(name, flush=True)

    pyatspi.Registry.registerEventListener(gehoert, "object:property-change:accessible-name")
    GLib.timeout_add(int(sekunden * 1000), lambda: pyatspi.Registry.stop() or False)
    print("bereit", file=sys.stderr, flush=True)
    pyatspi.Registry.start()
    return 0


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    p = argparse.ArgumentParser(description="Liest das Fenster von Tastwerk über AT-SPI.")
    p.add_argument("verb", choices=["baum", "warte", "fehlt", "klicke", "text", "wert", "zustand", "mitte", "ausmass", "alle", "ansagen"])
    p.add_argument("muster", nargs="?", default=".*")
    p.add_argument("--rolle")
    p.add_argument("--sekunden", type=float, default=30)
    p.add_argument("--alle", action="store_true")
    a = p.parse_args()

    if a.verb == "baum":
        ende = time.monotonic() + a.sekunden
        app = anwendung()
        while app is None and time.monotonic() < ende:
            time.sleep(0.1)
            app = anwendung()
        if app is None:
            print(f"atspi.py: keine Anwendung {ANWENDUNG}", file=sys.stderr)
            return 1
        for obj, tiefe in elemente(app, a.alle):
            print(beschreibe(obj, tiefe))
        return 0

    if a.verb == "ansagen":
        return ansagen(a.muster, a.sekunden)

    if a.verb == "alle":
        for obj in treffer(a.muster, a.rolle, a.alle):
            print(beschreibe(obj))
        return 0

    if a.verb == "fehlt":
        ende = time.monotonic() + a.sekunden
        while treffer(a.muster, a.rolle, a.alle):
            if time.monotonic() > ende:
                print(f"atspi.py: {a.muster!r} ist noch zu sehen", file=sys.stderr)
                return 1
            time.sleep(0.1)
        return 0

    obj = warte_auf(a.muster, a.rolle, a.sekunden, a.alle)
    if obj is None:
        print(f"atspi.py: kein Element {a.muster!r}" + (f" mit Rolle {a.rolle!r}" if a.rolle else ""), file=sys.stderr)
        return 1
    if a.verb == "warte":
        print(beschreibe(obj))
    elif a.verb == "klicke":
        aktion = obj.queryAction()
        if aktion.nActions < 1:
            print(f"atspi.py: {obj.name!r} hat keine Aktion", file=sys.stderr)
            return 1
        aktion.doAction(0)
    elif a.verb == "text":
        text = text_von(obj)
        print(obj.name if text is None else text)
    elif a.verb == "wert":
        print(wert_von(obj))
    elif a.verb == "zustand":
        print("\n".join(zustaende(obj)))
    elif a.verb == "mitte":
        x, y, b, h = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(x + b // 2, y + h // 2)
    elif a.verb == "ausmass":
        print(*obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
