#!/usr/bin/env python3
"""Reads the window of the running program through the accessibility bus
(AT-SPI) until its first run has ended by itself, then prints what it saw and
checks the two readouts against the expected text.

Usage: read_first_run.py EXPECTED_READOUT [TIMEOUT_S [PID]]
With PID, gives up as soon as that process has ended.
A run has ended when the gauge is back at 0 after the readouts changed and
the readouts stay the same for a second: the program sets the gauge to 0
only when a run is over, and a run still going changes them in every cycle.
"""
import sys
import time

import pyatspi

TITLE = "Simulation Keplerprobleme"


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == TITLE:
                return window
    return None


def named(root, name):
    """The control with that accessible name; labels of the same text are
    passed over."""
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.name == name and a.getRole() != pyatspi.ROLE_LABEL)


def text_of(accessible):
    t = accessible.queryText()
    return t.getText(0, t.characterCount)


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def main():
    expected = sys.argv[1]
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) > 2 else 60)
    pid = int(sys.argv[3]) if len(sys.argv) > 3 else None
    window = None
    while window is None:
        if pid is not None and not alive(pid):
            print("  the program ended before its window appeared")
            return 1
        if time.monotonic() > deadline:
            print("  the window never appeared on the accessibility bus")
            return 1
        window = find_window()
        if window is None:
            time.sleep(0.2)
    mean = named(window, "mittlere Anomalie")
    true = named(window, "wahre Anomalie")
    date = named(window, "Startdatum")
    gauge = named(window, "Tendenz der Anomalien")
    if None in (mean, true, date, gauge):
        print("  the readouts, the start date or the gauge are missing on the accessibility bus")
        return 1

    def look():
        return text_of(mean), text_of(true), text_of(date), gauge.queryValue().currentValue

    seen = look()
    while True:
        time.sleep(1)
        now = look()
        ended = now == seen and now[0] != "0°" and now[3] == 0
        if ended or time.monotonic() > deadline:
            break
        seen = now
    m, t, d, g = now
    print(f"  mittlere Anomalie {m!r}, wahre Anomalie {t!r}, Startdatum {d!r}, Tendenz {g:g}")
    if not ended:
        print("  the run did not end by itself")
        return 1
    if m != expected or t != expected:
        print(f"  expected both readouts {expected!r}")
        return 1
    print("  the run ended by itself with both readouts equal")
    return 0


if __name__ == "__main__":
    sys.exit(main())
