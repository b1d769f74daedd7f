#!/usr/bin/env python3
"""Full screen and zoom of the real program under a real window manager
(openbox), on a screen of 1024 by 768 pixels, as on a school's projector:

- F11 is a full screen the window manager knows: _NET_WM_STATE holds
  _NET_WM_STATE_FULLSCREEN, the window covers the screen, no frame is left;
- after any number of F11 and Escape round trips the frame is back exactly
  where it was, at 100 % and at 125 %;
- Ctrl+Plus offers every step that fits with the frame: at 125 % the
  window, 744 pixels high, fits under openbox's frame on the 768 pixels,
  and its frame lies wholly on the screen; 150 % does not fit and is not
  taken.

Run inside an X server with openbox (see in_xvfb.sh --wm):

    window_manager.py PROGRAM WORKDIR [--round-trips N] [--shots FOLDER]

Exit 0 when every check passed, 1 otherwise.
"""
import argparse
import os
import subprocess
import sys
import time

import x_program as xp

SCREEN = (1024, 768)
FULLSCREEN = "_NET_WM_STATE_FULLSCREEN"

failures = []


def check(ok, message):
    print(("ok:   " if ok else "FAIL: ") + message, flush=True)
    if not ok:
        failures.append(message)


class Look:
    def __init__(self, screen, program):
        self.screen = screen
        self.program = program

    def window(self):
        entry = self.screen.window_titled(self.program.pid, xp.TITLE)
        return entry[0] if entry else None

    def inside(self):
        """The window's inside: x, y, width, height."""
        w = self.window()
        return self.screen.place(w) if w else None

    def frame(self):
        """The frame's rectangle on the screen: x, y, width, height."""
        w = self.window()
        if w is None:
            return None
        x, y, width, height = self.screen.place(w)
        left, right, top, bottom = self.screen.frame_extents(w)
        return x - left, y - top, width + left + right, height + top + bottom

    def state(self):
        w = self.window()
        return self.screen.wm_state(w) if w else []

    def wait(self, probe, timeout=10):
        """Waits until probe() holds and the window has stood still a moment."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if probe():
                before = (self.frame(), self.state())
                time.sleep(0.4)
                if (self.frame(), self.state()) == before and probe():
                    return True
            time.sleep(0.1)
        return False


def full_screen(look, rounds, label):
    """N round trips of F11 and Escape (the last one by F11) from where the
    window stands now; each full screen as the window manager knows it."""
    home = look.frame()
    ok_full = True
    for i in range(rounds):
        xp.key("F11")
        full = look.wait(lambda: FULLSCREEN in look.state() and look.inside() == (0, 0, *SCREEN))
        ok_full = ok_full and full
        if not full:
            print(f"  round {i + 1}: state {look.state()}, inside {look.inside()}")
        xp.key("Escape" if i < rounds - 1 else "F11")
        look.wait(lambda: FULLSCREEN not in look.state() and look.frame() == home)
        if look.frame() != home:
            print(f"  round {i + 1}: the frame stands at {look.frame()}, not {home}")
    check(ok_full, f"{label}: F11 gives {FULLSCREEN}, the window covers the whole screen, "
                   f"{rounds} times")
    check(look.frame() == home and FULLSCREEN not in look.state(),
          f"{label}: after {rounds} round trips the frame is back exactly at {home} ({look.frame()})")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("work")
    parser.add_argument("--round-trips", type=int, default=5)
    parser.add_argument("--shots")
    a = parser.parse_args()
    screen = xp.Screen()
    if not screen.managed() and screen.root.get_full_property(
            screen.d.intern_atom("_NET_SUPPORTING_WM_CHECK"), 0) is None:
        print("no window manager runs here (in_xvfb.sh --wm starts openbox)")
        return 1
    program, main_window = xp.start(a.program, os.path.join(a.work, "stderr.txt"), screen)
    look = Look(screen, program)
    try:
        look.wait(lambda: look.frame() is not None and look.frame()[2] > look.inside()[2])
        left, right, top, bottom = screen.frame_extents(look.window())
        print(f"openbox's frame: left {left}, right {right}, top {top}, bottom {bottom}")
        full_screen(look, a.round_trips, "at 100 %")
        if a.shots:
            os.makedirs(a.shots, exist_ok=True)
            xp.key("F11")
            look.wait(lambda: FULLSCREEN in look.state())
            time.sleep(0.5)
            subprocess.run(["import", "-window", "root", os.path.join(a.shots, "full-screen-openbox.png")])
            xp.key("Escape")
            look.wait(lambda: FULLSCREEN not in look.state())

        _, _, width, height = look.inside()
        at125 = (int(width * 1.25 + 0.5), int(height * 1.25 + 0.5))
        fits125 = at125[1] + top + bottom <= SCREEN[1] and at125[0] + left + right <= SCREEN[0]
        check(fits125, f"125 % ({at125[0]} by {at125[1]}) fits with the frame on the screen")
        xp.key("ctrl+plus")
        grown = look.wait(lambda: look.inside()[2:] == at125)
        check(grown, f"Ctrl+Plus: 125 %, {look.inside()[2:]}")
        x, y, w, h = look.frame()
        check(x >= 0 and y >= 0 and x + w <= SCREEN[0] and y + h <= SCREEN[1],
              f"at 125 % the frame lies wholly on the screen: {look.frame()}")
        if a.shots:
            time.sleep(0.3)
            subprocess.run(["import", "-window", "root", os.path.join(a.shots, "zoom-125-openbox.png")])
        xp.key("ctrl+plus")
        time.sleep(1.0)
        check(look.inside()[2:] == at125, f"Ctrl+Plus again: 150 % does not fit, 125 % stays ({look.inside()[2:]})")
        full_screen(look, a.round_trips, "at 125 %")
        status = xp.end(program, screen, main_window)
        check(status == "exit status 0", f"the program ends cleanly ({status})")
    except xp.Failure as e:
        check(False, str(e))
    finally:
        program.close()
    print(f"{len(failures)} checks failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
