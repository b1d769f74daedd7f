#!/usr/bin/env python3
"""The "Infos" box under the keys a teacher presses at it, in the real
program: click "Infos" (the box opens), Escape (the box closes, the "Hilfe"
list stays open), Space or Return, then Escape, Return or Space. These
keys once crashed the program in the menu bar's key handling. After each
sequence the program must still run and its window answer; the last key
must close a box that was open, and a box that it opened anew (the key went
to the menu bar's entry) must close on Escape.

Each sequence runs in a program of its own. Run inside an X server
(see in_xvfb.sh):

    infos_keys.py PROGRAM WORKDIR

Exit 0 when every sequence passed, 1 otherwise.
"""
import os
import sys
import time

import x_program as xp

SECOND_KEYS = ("space", "Return")
LAST_KEYS = ("Escape", "Return", "space")


def box_shown(screen, program, timeout):
    """Whether the box is shown within the time, as far as the screen tells."""
    return screen.wait_for_window(program, xp.INFO_BOX_TITLE, timeout) is not None


def box_gone(screen, program, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if program.exit_status() is not None:
            return True
        if screen.window_titled(program.pid, xp.INFO_BOX_TITLE) is None:
            return True
        time.sleep(0.1)
    return False


def keys(screen, program, main, second, last, seen):
    """Presses the sequence; returns what went wrong, or None."""
    xp.click(*main.infos_entry())
    if not box_shown(screen, program, 15):
        return "a click on \"Infos\" did not open the box"
    seen.append("box open")
    xp.key("Escape")
    if not box_gone(screen, program, 10):
        return "Escape did not close the box"
    seen.append(f"box closed, {len(screen.open_popups(program.pid))} list(s) open")
    xp.key(second)
    was_open = box_shown(screen, program, 3)
    seen.append(f"{second}: box {'open' if was_open else 'not open'}")
    xp.key(last)
    time.sleep(1.5)
    status = program.exit_status()
    if status is not None:
        return f"after {last} the program ended ({status})"
    if was_open and not box_gone(screen, program, 5):
        return f"{last} did not close the box \"{xp.INFO_BOX_TITLE}\""
    if not was_open and not box_gone(screen, program, 0.5):
        # The key went to the menu bar's entry and opened the box anew.
        seen.append(f"{last}: box open")
        xp.key("Escape")
        if not box_gone(screen, program, 5):
            return "Escape did not close the box"
        time.sleep(1.5)
        status = program.exit_status()
        if status is not None:
            return f"after the Escape that closed the box the program ended ({status})"
    problem = xp.unanswered(program, screen, main.window, 15)
    if problem:
        return f"after {last}: {problem}"
    seen.append("program running, no box open, window answers")
    return None


def sequence(path, workdir, screen, second, last):
    """Runs one sequence in a program of its own; returns what went wrong."""
    name = f"Infos, Escape, {second}, {last}"
    print(f"{name}:")
    stderr_path = os.path.join(workdir, f"stderr-{second}-{last}.txt")
    try:
        program, main = xp.start(path, stderr_path, screen)
    except xp.Failure as e:
        return [f"{name}: {e}"]
    seen = []
    problem = keys(screen, program, main, second, last, seen)
    problems = [problem] if problem else []
    if program.exit_status() is None:
        status = xp.end(program, screen, main)
        if status != "exit status 0":
            problems.append(f"closing the window: {status}")
    report = program.sanitizer_report()
    if report:
        problems.append(f"sanitizer: {report}")
    print("  " + "; ".join(seen))
    if problems:
        print("  the program's error output:")
        for line in program.error_excerpt(40):
            print("    " + line)
    program.close()
    return [f"{name}: {p}" for p in problems]


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    path, workdir = sys.argv[1], sys.argv[2]
    screen = xp.Screen()
    failures = []
    for second in SECOND_KEYS:
        for last in LAST_KEYS:
            failures += sequence(path, workdir, screen, second, last)
    for f in failures:
        print("FAIL: " + f)
    print("all sequences passed" if not failures else f"{len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
