"""Reads the running program's window through AT-SPI, as a screen reader does.

Run inside a D-Bus session and an X server (see run-atspi-test.sh). Switches
the accessibility bus on the way a screen reader announces itself, starts
the program, and checks names, roles and values of every control, that the
spin box's halves can be pressed, and the text of the "Infos" box.

Usage: atspi_tree.py PROGRAM    (exit 0: all checks passed, 1: a check failed)
"""
import os
import subprocess
import sys
import time

from gi.repository import Gio, GLib

APP_NAME = "keplerprobleme"

INFO_TEXT = "\n".join([
    "Dieses Programm simuliert den Unterschied zwischen wahrer und ",
    "mittlerer Anomalie.",
    "Erklärung:",
    "Wahre Anomalie in ° ist der vom Mittelpunkt der Sonne aus gemessene",
    "Winkel zwischen dem Perihel und dem Ort des Himmelskörpers.",
    "Mittlere Anomalie in ° ist der vom Mittelpunkt der Sonne aus gemessene",
    "Winkel zwischen dem Perihel und einem gedachten Körper Q, der sich",
    "mit konstanter Winkelgeschwindigkeit so um die Sonne bewegt, daß",
    "seine Umlaufzeit gleich der des Planeten ist.",
    "",
    "Rot ist die wahre Planetenposition, grün die des Hilfskörpers.",
    "Der Verzögrungsregler dient dem besseren verfolgen der Körper.",
    "Die Berechnung erfolgt mit der Julianischer Tageszahl, für deren "
    "Berechnungals Startdatum die Istzeit des PCs abgefragt wird.",
    "",
])

# What the window must show: role, name, and the value ("text", "value") it
# holds at start. Every object of the window appears exactly once.
EXPECTED = [
    ("frame", "Simulation Keplerprobleme", {}),
    ("menu item", "Infos", {}),
    ("menu item", "Hilfe", {}),
    ("image", "Bahnbild", {}),
    ("label", "Visualisierung:  wahre und mittlere Anomalie", {}),
    ("label", "mittlere Anomalie", {}),
    ("label", "wahre Anomalie", {}),
    ("label", "Verzögerung", {}),
    ("label", "Zeitschritte in Tagen", {}),
    ("label", "Startdatum", {}),
    ("label", "m. < w. Anomalie (-1)", {}),
    ("label", "m. > w. Anomalie (1)", {}),
    ("dial", "Tendenz der Anomalien", {"value": (0, -1, 1)}),
    ("text", "mittlere Anomalie", {"text": "0°"}),
    ("text", "wahre Anomalie", {"text": "0°"}),
    ("text", "Startdatum", {"text": "Startdatum"}),
    ("push button", "Start", {}),
    ("push button", "Stop", {}),
    ("scroll bar", "Verzögerung", {"value": (0, 0, 500)}),
    ("spin button", "Zeitschritte in Tagen", {"value": (1, 1, 30)}),
    ("push button", "Wert erhöhen", {}),
    ("push button", "Wert verringern", {}),
    # The zoom, in per cent, up to the largest step the 1024 by 768 screen allows.
    ("status bar", "Zoom", {"value": (100, 100, 125)}),
]

# What the picture offers beside its menu.
PICTURE_ACTIONS = ("Bild kopieren", "Bild speichern unter \u2026", "ShowMenu")

# Roles that only group others and need no name of their own.
STRUCTURE = {"menu bar", "popup menu", "filler", "panel"}

failures = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def switch_on_accessibility():
    """Sets the flag a screen reader sets when it starts."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 10000, None)


def wait_for(what, probe, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("timed out waiting for " + what)
    return None


def find_app(desktop):
    for app in desktop:
        if app is not None and app.name == APP_NAME and app.childCount > 0:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def text_of(node):
    try:
        t = node.queryText()
    except NotImplementedError:
        return None
    return t.getText(0, -1)


def value_of(node):
    try:
        v = node.queryValue()
    except NotImplementedError:
        return None
    return (v.currentValue, v.minimumValue, v.maximumValue)


def actions_of(node):
    try:
        a = node.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def describe(node, depth):
    parts = [f"{'  ' * depth}{node.getRoleName()} '{node.name}'"]
    if (v := value_of(node)) is not None:
        parts.append("value %g [%g, %g]" % v)
    if (t := text_of(node)) is not None and node.getRoleName() != "label":
        parts.append(f"text '{t}'")
    if node.description:
        parts.append(f"description '{node.description}'")
    if actions := actions_of(node):
        parts.append("actions " + ", ".join(actions))
    return "; ".join(parts)


def find(root, role, name):
    for node, _ in walk(root):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def press(node, action):
    a = node.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    a.doAction(names.index(action))


def check_tree(app):
    frame = find(app, "frame", "Simulation Keplerprobleme")
    if frame is None:
        fail("no frame 'Simulation Keplerprobleme'")
        return None
    # The zoom keys have no menu entry: the window's description names them.
    for keys in ("Strg+Plus", "Strg+Minus", "Strg+0", "F11"):
        if keys not in (frame.description or ""):
            fail(f"the window's description does not name {keys}: '{frame.description}'")
    print("The window as AT-SPI shows it:")
    nodes = list(walk(frame))
    for node, depth in nodes:
        print("  " + describe(node, depth))

    seen = [(n.getRoleName(), n.name) for n, _ in nodes]
    for role, name, want in EXPECTED:
        count = seen.count((role, name))
        if count != 1:
            fail(f"{role} '{name}' appears {count} times")
            continue
        node = find(frame, role, name)
        if "text" in want and text_of(node) != want["text"]:
            fail(f"{role} '{name}' holds text '{text_of(node)}', not '{want['text']}'")
        if "value" in want and value_of(node) != tuple(float(x) for x in want["value"]):
            fail(f"{role} '{name}' has value {value_of(node)}, not {want['value']}")
    for role, name in seen:
        if (role, name) not in [(r, n) for r, n, _ in EXPECTED] and role not in STRUCTURE:
            fail(f"unexpected {role} '{name}'")
        if role not in STRUCTURE and name != name.strip():
            fail(f"{role} '{name}' has spaces around its name")
    return frame


def check_spin_halves(frame):
    spin = find(frame, "spin button", "Zeitschritte in Tagen")
    up = find(spin, "push button", "Wert erhöhen")
    down = find(spin, "push button", "Wert verringern")
    if not (up and down):
        fail("the spin box has no buttons 'Wert erhöhen' and 'Wert verringern'")
        return
    for half, value in ((up, 2), (up, 3), (down, 2)):
        press(half, "Press")
        if not wait_for(f"spin box value {value}",
                        lambda: value_of(spin)[0] == value, timeout=5):
            return
    print("ok: the spin box's halves press it up and down")


def check_zoom(frame):
    """The zoom's value steps up and down by its actions, as Ctrl+Plus and
    Ctrl+Minus do; on this screen 125 % is the largest step."""
    zoom = find(frame, "status bar", "Zoom")
    for action, value in (("Increase", 125), ("Increase", 125), ("Decrease", 100)):
        press(zoom, action)
        time.sleep(0.5)
        if not wait_for(f"'{action}' to bring the zoom to {value}",
                        lambda: value_of(zoom)[0] == value, timeout=5):
            return
    print("ok: the zoom's actions step it to 125 % and back to 100 %")


def check_delay(frame):
    bar = find(frame, "scroll bar", "Verzögerung")
    bar.queryValue().currentValue = 250
    if wait_for("the delay's description '250 ms'",
                lambda: bar.description == "250 ms", timeout=5):
        print("ok: the delay regulator reports 250 ms")


def check_info_box(app, frame):
    menu = find(frame, "menu item", "Infos")
    # Opening the menu shows a modal box; the call returns only when the box
    # has closed, so it runs in a process of its own.
    opener = subprocess.Popen([sys.executable, "-c", OPEN_MENU, APP_NAME])
    try:
        def box():
            for node, _ in walk(app):
                if node.getRoleName() in ("dialog", "alert") and \
                   node.name == "Information zum Programm":
                    return node
            return None
        dialog = wait_for("the box 'Information zum Programm'", box)
        if dialog is None:
            return
        print("The box as AT-SPI shows it:")
        for node, depth in walk(dialog):
            print("  " + describe(node, depth))
        labels = [n for n, _ in walk(dialog) if n.getRoleName() == "label" and n.name.strip()]
        texts = [n.name.replace("\r\n", "\n") for n in labels]
        if INFO_TEXT not in texts and INFO_TEXT.rstrip("\n") not in texts:
            fail("the box does not read the information text")
        else:
            print("ok: the box reads the information text, %d lines" % INFO_TEXT.count("\n"))
        ok = find(dialog, "push button", "OK")
        if ok is None:
            fail("the box has no button 'OK'")
            return
        press(ok, "Press")
        wait_for("the box to close", lambda: box() is None, timeout=10)
    finally:
        try:
            opener.wait(timeout=15)
        except subprocess.TimeoutExpired:
            opener.kill()
            opener.wait()
    del menu


def key(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=False)


def focused(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def popups(pid):
    """The program's shown popup windows (menus), as the X server sees them:
    Qt shows no popup among the application's accessible children."""
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "xvfb"))
    import x_program
    return x_program.Screen().open_popups(pid)


def clipboard_png():
    r = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "image/png"],
                       capture_output=True, timeout=10)
    return r.stdout if r.returncode == 0 and r.stdout.startswith(b"\x89PNG") else None


def empty_clipboard():
    """Another program takes the clipboard, as xclip does here. The program
    learns that it lost the clipboard from an X event; an action that
    reaches it over D-Bus before that event would set the clipboard with the
    time of its last X event, which the X server refuses. A person never
    copies within those few milliseconds of another program, so the check
    waits until the program has seen the change of owner."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard", "/dev/null"], check=False)
    wait_for("xclip to own the clipboard", lambda: clipboard_png() is None, timeout=5)
    time.sleep(0.5)


def check_picture_keyboard(pid, frame):
    """The picture is reached by Tab after the two readouts, without a click
    (the window has the keyboard from the start, also with no window
    manager), its menu opens on the Menu key and on Shift+F10 and copies
    the picture from the keyboard, and its accessible actions copy it and
    open its menu."""
    picture = find(frame, "image", "Bahnbild")
    mean = find(frame, "text", "mittlere Anomalie")
    if not wait_for("the focus in the first readout", lambda: focused(mean), timeout=10):
        return
    key("Tab", "Tab")
    if not wait_for("Tab, Tab to bring the focus to the picture", lambda: focused(picture), timeout=5):
        return
    print("ok: Tab reaches the picture after the two readouts, with no click first")
    for keys in ("Menu", "shift+F10"):
        key(keys)
        if not wait_for(f"{keys} to open the picture's menu", lambda: popups(pid), timeout=5):
            continue
        key("Escape")
        wait_for("the menu to close", lambda: not popups(pid), timeout=5)
        print(f"ok: {keys} opens the picture's menu, Escape closes it")
    empty_clipboard()
    key("Menu")
    if wait_for("the Menu key to open the picture's menu", lambda: popups(pid), timeout=5):
        key("Down", "Return")
        if wait_for("Menu, Down, Return to copy the picture", clipboard_png, timeout=5):
            print("ok: Menu, Down, Return copies the picture")
    names = actions_of(picture)
    for action in PICTURE_ACTIONS:
        if action not in names:
            fail(f"the picture has no action '{action}': {names}")
    print("ok: the picture's actions: " + ", ".join(names))
    if "Bild kopieren" in names:
        empty_clipboard()
        press(picture, "Bild kopieren")
        png = wait_for("the action 'Bild kopieren' to put a picture on the clipboard", clipboard_png, timeout=5)
        if png:
            print(f"ok: the action 'Bild kopieren' puts a PNG of {len(png)} bytes on the clipboard")
    if "ShowMenu" in names:
        press(picture, "ShowMenu")
        if wait_for("the action 'ShowMenu' to open the menu", lambda: popups(pid), timeout=5):
            key("Escape")
            wait_for("the menu to close", lambda: not popups(pid), timeout=5)
            print("ok: the action 'ShowMenu' opens the picture's menu")


# Run in a second process: presses "Infos" by its AT-SPI action.
OPEN_MENU = """
import sys
import pyatspi
def walk(n):
    yield n
    for c in n:
        if c is not None:
            yield from walk(c)
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == sys.argv[1]:
        for node in walk(app):
            if node.getRoleName() == "menu item" and node.name == "Infos":
                a = node.queryAction()
                names = [a.getName(i) for i in range(a.nActions)]
                try:
                    a.doAction(names.index("ShowMenu"))
                except Exception:
                    pass
                sys.exit(0)
"""


def main():
    program = sys.argv[1]
    switch_on_accessibility()
    import pyatspi  # after the bus is up, as a screen reader would

    proc = subprocess.Popen([program])
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def started():
            if proc.poll() is not None:
                raise SystemExit(f"FAIL: the program ended with exit code {proc.returncode}")
            return find_app(desktop)
        app = wait_for("the program on the accessibility bus", started)
        if app is not None:
            frame = wait_for("its window", lambda: find(app, "frame", "Simulation Keplerprobleme"))
            if frame is not None:
                frame = check_tree(app)
            if frame is not None:
                check_picture_keyboard(proc.pid, frame)
                check_spin_halves(frame)
                check_delay(frame)
                check_zoom(frame)
                check_info_box(app, frame)
    finally:
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()

    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
