#!/usr/bin/env python3
"""Reads the running program's labels over the accessibility bus and checks
that each one's text fits whole inside the client area: a label is as wide
as its text, so its right edge must not pass the window's right edge.

Usage: labels_fit.py PROGRAM    (inside an X server and a D-Bus session;
see labels_fit.sh). Exit 0 when every label fits, 1 otherwise.
"""
import os
import subprocess
import sys
import time

import pyatspi

from read_first_run import find_window

CLIENT_WIDTH = 618
CLIENT_HEIGHT = 576


def labels(node):
    for child in node:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_LABEL:
            yield child
        yield from labels(child)


def main():
    env = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8", QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        window = None
        end = time.monotonic() + 60
        while window is None and time.monotonic() < end and program.poll() is None:
            time.sleep(0.3)
            window = find_window()
        if window is None:
            print("the window never appeared on the accessibility bus")
            return 1
        time.sleep(1)
        wx, wy, ww, wh = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        # The client area is the window's bottom part, below the menu bar.
        left = wx + (ww - CLIENT_WIDTH) // 2
        top = wy + wh - CLIENT_HEIGHT
        cut = 0
        for label in labels(window):
            x, y, w, h = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            text = label.name
            right = x - left + w
            fits = x >= left and right <= CLIENT_WIDTH and y >= top and y - top + h <= CLIENT_HEIGHT
            print(f"{'fits' if fits else 'CUT '}  {text!r}: left {x - left}, width {w}, "
                  f"right edge {right} of {CLIENT_WIDTH}")
            cut += not fits
        if cut:
            print(f"{cut} label(s) do not fit inside the client area")
            return 1
        print("every label fits inside the client area")
        return 0
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    sys.exit(main())
