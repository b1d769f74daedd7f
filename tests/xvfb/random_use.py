#!/usr/bin/env python3
"""Random use of the real program, as by a class let loose on it: clicks and
double clicks on every control, keys, text typed into every edit, the
"Infos" list and box in every order, context menus, held spin buttons,
drags on the delay regulator, storms of Start presses and Stop, and saves
of the picture where they must fail: into a missing folder, a read-only
disk and a full one. Each failed save must show the German error box "Bild
nicht gespeichert", which is then closed, and leave the picture already
there untouched. The read-only and the full disk are small tmpfs mounts,
which need root; without it they are left out, and the script says so.

The actions follow from the seed alone, never from what the program shows,
so the same seed gives the same sequence and a failure can be replayed.
Every two seconds it checks that the program runs, that its window answers
the window manager's ping and that its error output holds no sanitizer
report, and samples its memory (VmRSS). Each round starts the program anew
and ends by closing its window, which must end the program cleanly.

Run inside an X server (see in_xvfb.sh):

    random_use.py PROGRAM WORKDIR --seeds 1,2,3 --round SECONDS
    random_use.py PROGRAM WORKDIR --seed FIRST --total SECONDS [--round SECONDS]
    ... [--actions N]       stop each round after N actions (to replay a failure)
    ... [--spare-menu]      never open the menu bar's list (Infos, Alt, F10)

With --seeds every seed runs one round; with --total the rounds take the
seeds FIRST, FIRST+1, ... until the time is used up. Exit 0 when every round
passed, 1 otherwise.
"""
import argparse
import collections
import hashlib
import os
import random
import subprocess
import sys
import time

import x_program as xp

# Controls of the client area, as designed: left, top, width, height.
CONTROLS = {
    "ImgCanvas": (33, 64, 433, 433),
    "LblThema": (33, 24, 430, 25),
    "LbtmA": (152, 511, 102, 13),
    "LblwA": (278, 511, 91, 13),
    "LblVerz": (515, 399, 61, 13),
    "Label1": (489, 503, 98, 13),
    "Meter1": (494, 128, 105, 87),
    "Label2LblStartdatum": (494, 224, 54, 13),
    "LblDifftendenz": (502, 77, 105, 13),
    "LblAbwAno": (504, 96, 101, 13),
    "EdtmA": (155, 530, 86, 21),
    "EdtwA": (281, 530, 81, 21),
    "BtnStart": (504, 364, 81, 25),
    "BtnStop": (504, 459, 81, 25),
    "ScrollBarV": (488, 418, 111, 22),
    "SpinEdit1": (504, 525, 61, 22),
    "EdtStart": (494, 245, 105, 22),
    "Client": (0, 0, 618, 576),
}
# Where text goes: the three edits and the spin box's text part.
EDITS = {
    "EdtmA": (155, 530, 86, 21),
    "EdtwA": (281, 530, 81, 21),
    "EdtStart": (494, 245, 105, 22),
    "SpinEdit1": (504, 525, 40, 22),
}
# The spin box's halves inside its right edge (the pair is 15 wide, its
# upper half 8 high, the lower one overlapping it by a row).
SPIN_HALVES = {"up": (549, 528, 6, 4), "down": (549, 537, 6, 4)}

KEYS = ["Tab", "shift+Tab", "space", "Return", "KP_Enter", "Escape", "Alt_L", "Up", "Down",
        "Left", "Right", "Prior", "Next", "Home", "End", "BackSpace", "Delete", "ctrl+a",
        "ctrl+c", "ctrl+v", "ctrl+x", "ctrl+z", "ctrl+shift+z", "shift+Up", "shift+End",
        "Menu", "shift+F10", "F1", "F10", "Insert", "ctrl+Home", "ctrl+End",
        "ctrl+plus", "ctrl+minus", "ctrl+0", "F11"]

# Keys that give the menu bar the keyboard.
MENU_KEYS = ("Alt_L", "F10")

TEXTS = ["99999999999999999999999999", "2147483647", "2147483648", "-2147483648",
         "-2147483649", "-1", "+7", " 7", "0", "1", "30", "31", "0x1A", "$1A", "0X7fffffff",
         "$FFFFFFFF", "2,5", "1.5", "ä ß €", "Äöüß", "€€€", "--5", "++", "- 5", "5 ", "1e9",
         "abc", " ", "Startdatum", "0°", "-0,1 °", "8.12.2026", "\u00a0", "中文", "🙂"]
ALPHABET = "0123456789+-,.$xX aAfFäöüßÄ€°" + "\u00a0"

INFOS_STEPS = ["click Infos", "Alt_L", "Escape", "space", "Return", "Up", "Down", "Left",
               "Right", "click Hilfe", "click box", "click Infos"]


def random_text(rng):
    kind = rng.random()
    if kind < 0.4:
        return rng.choice(TEXTS)
    if kind < 0.6:
        return rng.choice(["", "-", "+", "$", "0x"]) + "".join(
            rng.choice("0123456789") for _ in range(rng.randint(9, 60)))
    return "".join(rng.choice(ALPHABET) for _ in range(rng.randint(1, rng.choice([8, 40, 200]))))


def point_in(rng, rect):
    left, top, width, height = rect
    return left + rng.randrange(max(width, 1)), top + rng.randrange(max(height, 1))


SAVE_DIALOG_TITLE = "Bild speichern unter"
SAVE_ERROR_TITLE = "Bild nicht gespeichert"


def file_digest(path):
    try:
        with open(path, "rb") as f:
            return hashlib.sha256(f.read()).hexdigest()
    except OSError:
        return None


class SaveTargets:
    """Where a save must fail, each with the picture already there (or
    None): a missing folder always; a read-only disk and a full one where
    mounting is allowed."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.mounted = []
        self.targets = {"missing": (os.path.join(workdir, "fehlt", "bahn.png"), None)}
        if os.geteuid() != 0:
            print("saves into a read-only and a full disk left out: mounting them needs root", flush=True)
            return
        for name, size in (("read-only", "1m"), ("full", "64k")):
            folder = os.path.join(workdir, name)
            os.makedirs(folder, exist_ok=True)
            r = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", folder],
                               capture_output=True, text=True)
            if r.returncode != 0:
                print(f"saves into the {name} disk left out: cannot mount a tmpfs ({r.stderr.strip()})",
                      flush=True)
                continue
            self.mounted.append(folder)
            old = os.path.join(folder, "bahn.png")
            subprocess.run(["convert", "-size", "16x16", "xc:#3060c0", f"PNG24:{old}"], check=True)
            if name == "read-only":
                subprocess.run(["mount", "-o", "remount,ro", folder], check=True)
            else:
                subprocess.run(["dd", "if=/dev/zero", f"of={os.path.join(folder, 'filler')}", "bs=4k"],
                               capture_output=True)
            self.targets[name] = (old, file_digest(old))

    def release(self):
        for folder in self.mounted:
            subprocess.run(["umount", "-l", folder], check=False)


class Session:
    """One round: the program, its window, and what has been done to it."""

    def __init__(self, program, main, screen, save_targets=None):
        self.program = program
        self.main = main
        self.screen = screen
        self.last_right_click = main.client(300, 300)
        self.save_targets = save_targets
        # What an action saw go wrong, for the next check to report.
        self.problem = None

    def wait_window(self, title, timeout):
        return self.screen.wait_for_window(self.program, title, timeout)

    def at(self, x, y):
        return self.main.client(x, y)

    def box(self):
        return self.screen.window_titled(self.program.pid, xp.INFO_BOX_TITLE)


def next_action(rng, spare_menu=False):
    """The next action: a description and what it does. Drawn from the seed
    alone; the description says all that the action will do. spare_menu
    leaves out all that opens the menu bar's list ("Infos", Alt, F10), to
    look past a fault there that is known and not yet mended."""
    menu = 0 if spare_menu else 1
    kind = rng.choices(
        ["click", "double", "right", "popup", "key", "type-edit", "type", "infos", "hold",
         "drag", "wheel", "storm", "stop", "pause", "outside", "menubar", "save"],
        weights=[18, 6, 5, 4, 18, 8, 3, 7 * menu, 4, 4, 3, 4, 4, 5, 1, 1 * menu, 2])[0]

    if kind == "save":
        where = rng.choice(["missing", "read-only", "full"])
        x, y = point_in(rng, (40, 70, 400, 400))
        return f"save the picture into the {where} folder (right-click at ({x},{y}))", \
            lambda s: save_failing(s, where, x, y)

    if kind in ("click", "double"):
        name = rng.choice(list(CONTROLS))
        x, y = point_in(rng, CONTROLS[name])
        repeat = 1 if kind == "click" else 2
        return f"{kind} {name} at ({x},{y})", lambda s: xp.click(*s.at(x, y), repeat=repeat)

    if kind == "right":
        name = rng.choice(list(EDITS) + ["BtnStart", "ScrollBarV", "Meter1", "ImgCanvas"])
        x, y = point_in(rng, CONTROLS[name])

        def right(s):
            s.last_right_click = s.at(x, y)
            xp.click(*s.last_right_click, button=3)
        return f"right-click {name} at ({x},{y})", right

    if kind == "popup":
        dx, dy = rng.randint(5, 180), rng.randint(5, 260)
        button = rng.choice([1, 1, 1, 3])

        def popup(s):
            x, y = s.last_right_click
            xp.click(x + dx, y + dy, button=button)
        return f"click button {button} at the last right-click +({dx},{dy})", popup

    if kind == "key":
        name = rng.choice(KEYS if not spare_menu else [k for k in KEYS if k not in MENU_KEYS])
        repeat = rng.choice([1, 1, 1, 2, 5, 20])
        return f"key {name} x{repeat}", lambda s: xp.key(*[name] * repeat)

    if kind in ("type-edit", "type"):
        text = random_text(rng)
        if kind == "type":
            return f"type {text!r}", lambda s: xp.xdotool("type", "--delay", 2, "--", text)
        name = rng.choice(list(EDITS))
        x, y = point_in(rng, EDITS[name])
        select_all = rng.random() < 0.5

        def type_into(s):
            xp.click(*s.at(x, y))
            if select_all:
                xp.key("ctrl+a")
            xp.xdotool("type", "--delay", 2, "--", text)
        return f"click {name} at ({x},{y}){', ctrl+a' if select_all else ''}, type {text!r}", type_into

    if kind == "infos":
        steps = [] if rng.random() < 0.3 else ["click Infos"]
        steps += [rng.choice(INFOS_STEPS) for _ in range(rng.randint(1, 7))]
        pauses = [rng.choice([0.0, 0.05, 0.2, 0.6]) for _ in steps]
        spots = [(rng.random(), rng.randint(6, 45)) for _ in steps]

        def infos(s):
            for step, pause, (fx, dy) in zip(steps, pauses, spots):
                if step == "click Infos":
                    xp.click(*s.main.infos_entry())
                elif step == "click Hilfe":
                    x, y = s.main.infos_entry()
                    xp.click(x + 10, s.main.y + s.main.menu_height + 12)
                elif step == "click box":
                    box = s.box()
                    if box:
                        _, _, bx, by, bw, bh, _ = box
                        xp.click(bx + int(fx * (bw - 1)), by + bh - dy)
                else:
                    xp.key(step)
                time.sleep(pause)
        return "Infos: " + ", ".join(steps), infos

    if kind == "hold":
        half = rng.choice(list(SPIN_HALVES))
        x, y = point_in(rng, SPIN_HALVES[half])
        held = rng.uniform(0.1, 2.5)
        wander = rng.random() < 0.3

        def hold(s):
            xp.xdotool("mousemove", *s.at(x, y), "mousedown", 1)
            if wander:
                time.sleep(held / 3)
                xp.xdotool("mousemove", *s.at(x - 30, y + 25))
                time.sleep(held / 3)
                xp.xdotool("mousemove", *s.at(x, y))
                time.sleep(held / 3)
            else:
                time.sleep(held)
            xp.xdotool("mouseup", 1)
        return f"hold the {half} half at ({x},{y}) {held:.2f} s{' wandering off' if wander else ''}", hold

    if kind == "drag":
        x, y = point_in(rng, CONTROLS["ScrollBarV"])
        moves = [(rng.randint(380, 720), y + rng.choice([0, 0, 0, -40, 60])) for _ in range(rng.randint(1, 6))]

        def drag(s):
            xp.xdotool("mousemove", *s.at(x, y), "mousedown", 1)
            for mx, my in moves:
                xp.xdotool("mousemove", *s.at(mx, my))
                time.sleep(0.05)
            xp.xdotool("mouseup", 1)
        return f"drag the delay regulator from ({x},{y}) through {moves}", drag

    if kind == "wheel":
        name = rng.choice(["ScrollBarV", "SpinEdit1", "EdtmA", "Meter1"])
        x, y = point_in(rng, CONTROLS[name])
        button = rng.choice([4, 5])
        repeat = rng.randint(1, 10)
        return (f"wheel {'up' if button == 4 else 'down'} x{repeat} on {name} at ({x},{y})",
                lambda s: xp.click(*s.at(x, y), button=button, repeat=repeat, delay_ms=10))

    if kind == "storm":
        presses = rng.randint(1, 40)
        delay = rng.choice([0, 10, 50, 120])
        x, y = point_in(rng, CONTROLS["BtnStart"])
        return (f"press Start {presses} times, {delay} ms apart, at ({x},{y})",
                lambda s: xp.click(*s.at(x, y), repeat=presses, delay_ms=delay))

    if kind == "stop":
        x, y = point_in(rng, CONTROLS["BtnStop"])
        return f"click Stop at ({x},{y})", lambda s: xp.click(*s.at(x, y))

    if kind == "pause":
        pause = rng.uniform(0.05, 1.5)
        return f"wait {pause:.2f} s", lambda s: time.sleep(pause)

    if kind == "outside":
        return "click outside the window", lambda s: xp.click(s.main.x + s.main.width + 40, s.main.y + 40)

    # kind == "menubar": the empty part of the menu bar, right of "Infos"
    dx = rng.randint(80, 600)
    return (f"click the menu bar {dx} right of its left edge",
            lambda s: xp.click(s.main.x + dx, s.main.y + max(s.main.menu_height // 2, 1)))


def save_failing(s, where, x, y):
    """Right-click on the picture, "Bild speichern unter …", a name where
    saving fails, "Ja" to replacing the picture there: the error box must
    come and close on Return, and the picture there stay as it was. When
    the dialog does not come (a box or menu of the program's is in the
    way), the keys go nowhere and nothing is asked of the program."""
    target, before = s.save_targets.targets.get(where, s.save_targets.targets["missing"])
    xp.key("Escape")
    xp.click(*s.at(x, y), button=3)
    time.sleep(0.3)
    xp.key("Down", "Down", "Return")
    dialog = s.wait_window(SAVE_DIALOG_TITLE, 10)
    if dialog is None:
        return
    # Keys typed before the dialog has the keyboard go astray; then it takes
    # a moment to read the folder (longer in a sanitizer build).
    s.screen.wait_for_keyboard(dialog[0], 10)
    time.sleep(1.0)
    xp.key("alt+n", "ctrl+a")
    xp.xdotool("type", "--delay", 2, "--", target)
    xp.key("Return")
    if before is not None:
        # Qt asks whether to replace the picture, in a box of the dialog's title.
        s.screen.answer_replace_question(s.program, dialog, 10)
    if s.wait_window(SAVE_ERROR_TITLE, 20) is None:
        # Keys that went astray leave the dialog or its question open: that
        # is the script's miss, not the program's silence.
        if s.screen.window_titled(s.program.pid, SAVE_DIALOG_TITLE):
            xp.key("Escape", "Escape")
        elif s.program.exit_status() is None:
            s.problem = f"saving into the {where} folder showed no box '{SAVE_ERROR_TITLE}'"
        if before is not None and file_digest(target) != before:
            s.problem = f"a failed save into the {where} folder changed the picture there"
        return
    # A person reads the box before answering it; the keys go to it only
    # once it has the keyboard, and it must get it by itself.
    box = s.screen.window_titled(s.program.pid, SAVE_ERROR_TITLE)
    end = time.monotonic() + 20
    while box and time.monotonic() < end and not s.screen.has_keyboard(box[0]):
        time.sleep(0.1)
    if box and not s.screen.has_keyboard(box[0]):
        s.problem = f"the box '{SAVE_ERROR_TITLE}' never got the keyboard"
        return
    xp.key("Return")
    # As long as the box took to come: a sanitizer build on a busy machine
    # needs seconds for what is instant otherwise.
    end = time.monotonic() + 20
    while time.monotonic() < end and s.screen.window_titled(s.program.pid, SAVE_ERROR_TITLE):
        time.sleep(0.1)
    if s.screen.window_titled(s.program.pid, SAVE_ERROR_TITLE):
        s.problem = f"the box '{SAVE_ERROR_TITLE}' did not close on Return"
    if before is not None and file_digest(target) != before:
        s.problem = f"a failed save into the {where} folder changed the picture there"


def mib(kib):
    return f"{kib / 1024:.1f} MiB"


class Round:
    def __init__(self, seed, seconds, max_actions, ping_timeout, verbose, spare_menu):
        self.verbose = verbose
        self.spare_menu = spare_menu
        self.seed = seed
        self.seconds = seconds
        self.max_actions = max_actions
        self.ping_timeout = ping_timeout
        self.actions = 0
        self.rss = []
        self.problem = None
        self.elapsed = 0.0

    def run(self, path, workdir, screen, save_targets):
        rng = random.Random(self.seed)
        history = collections.deque(maxlen=30)
        stderr_path = os.path.join(workdir, f"stderr-{self.seed}.txt")
        try:
            # A save dialog opened by chance writes into the scratch folder.
            program, main = xp.start(path, stderr_path, screen,
                                     env_extra={"HOME": os.path.join(workdir, "home")})
        except xp.Failure as e:
            self.problem = f"at start: {e}"
            print(f"seed {self.seed}: FAILED {self.problem}")
            return
        session = Session(program, main, screen, save_targets)
        began = time.monotonic()
        next_check = began
        try:
            while time.monotonic() - began < self.seconds and (
                    self.max_actions is None or self.actions < self.max_actions):
                description, act = next_action(rng, self.spare_menu)
                gap = rng.choice([0.0, 0.0, 0.02, 0.1])
                self.actions += 1
                history.append((self.actions, time.monotonic() - began, description))
                act(session)
                if self.verbose:
                    print(f"  #{self.actions} +{time.monotonic() - began:.1f}s {description}", flush=True)
                time.sleep(gap)
                # A crash is seen at once, so that the action that made it
                # ends the list (or nearly: the program may take the events
                # a moment later); the rest is looked at every 2 s.
                if program.exit_status() is not None or time.monotonic() >= next_check:
                    self.problem = self.check(session)
                    if self.problem:
                        break
                    next_check = time.monotonic() + 2
            if not self.problem:
                self.problem = self.check(session)
            if not self.problem:
                status = xp.end(program, screen, main)
                report = program.sanitizer_report()
                if report:
                    self.problem = f"sanitizer report: {report}"
                elif status != "exit status 0":
                    self.problem = f"closing the window: {status}"
        finally:
            self.elapsed = time.monotonic() - began
            self.report(program, screen, history)
            program.close()

    def check(self, s):
        if s.problem:
            return s.problem
        rss = s.program.rss_kib()
        if rss is not None:
            self.rss.append(rss)
        report = s.program.sanitizer_report()
        if report:
            return f"sanitizer report: {report}"
        status = s.program.exit_status()
        if status is not None:
            return f"the program ended ({status})"
        return xp.unanswered(s.program, s.screen, s.main.window, self.ping_timeout)

    def memory(self):
        if not self.rss:
            return "VmRSS not sampled"
        return (f"VmRSS {len(self.rss)} samples: first {mib(self.rss[0])}, "
                f"max {mib(max(self.rss))}, last {mib(self.rss[-1])}")

    def report(self, program, screen, history):
        result = "passed" if not self.problem else "FAILED: " + self.problem
        print(f"seed {self.seed}: {self.actions} actions in {self.elapsed:.0f} s; {self.memory()}; {result}",
              flush=True)
        if not self.problem:
            return
        print(f"  seed {self.seed}, the last {len(history)} actions:")
        for number, at, description in history:
            print(f"    #{number} +{at:.1f}s {description}")
        spare = " --spare-menu" if self.spare_menu else ""
        print(f"  replay: the same seed gives the same actions; stop after them with "
              f"--seeds {self.seed} --round 100000 --actions {self.actions}{spare}, or "
              f"bash scripts/random-use.sh 0 {self.seed} PROGRAM --actions {self.actions}{spare}")
        windows = [] if program.exit_status() is not None else [
            e[1] or "(untitled)" for e in screen.windows(program.pid)]
        if windows:
            print(f"  the program's windows: {windows}")
        print("  the program's error output:")
        for line in program.error_excerpt():
            print("    " + line)
        sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("program")
    parser.add_argument("workdir")
    parser.add_argument("--seeds", help="comma-separated seeds, one round each")
    parser.add_argument("--seed", type=int, help="the first seed of rounds that fill --total")
    parser.add_argument("--total", type=float, help="seconds for all rounds together")
    parser.add_argument("--round", type=float, default=300, help="seconds of one round")
    parser.add_argument("--actions", type=int, help="stop each round after this many actions")
    parser.add_argument("--ping-timeout", type=float, default=15)
    parser.add_argument("--verbose", action="store_true", help="print every action as it is done")
    parser.add_argument("--spare-menu", action="store_true",
                        help="never open the menu bar's list (no Infos, Alt or F10)")
    args = parser.parse_args()
    if (args.seeds is None) == (args.seed is None) or (args.seed is not None and args.total is None):
        parser.error("give either --seeds, or --seed with --total")

    screen = xp.Screen()
    os.makedirs(os.path.join(args.workdir, "home"), exist_ok=True)
    save_targets = SaveTargets(args.workdir)
    rounds = []
    began = time.monotonic()
    seeds = [int(s) for s in args.seeds.split(",")] if args.seeds else None
    while True:
        if seeds is not None:
            if len(rounds) == len(seeds):
                break
            seed, seconds = seeds[len(rounds)], args.round
        else:
            left = args.total - (time.monotonic() - began)
            if left < 5:
                break
            seed, seconds = args.seed + len(rounds), min(args.round, left)
        r = Round(seed, seconds, args.actions, args.ping_timeout, args.verbose, args.spare_menu)
        try:
            r.run(args.program, args.workdir, screen, save_targets)
        except BaseException:
            save_targets.release()
            raise
        rounds.append(r)
    save_targets.release()

    failed = [r for r in rounds if r.problem]
    samples = [k for r in rounds for k in r.rss]
    print(f"rounds {len(rounds)}, seeds {', '.join(str(r.seed) for r in rounds)}, "
          f"actions {sum(r.actions for r in rounds)}, "
          f"minutes {(time.monotonic() - began) / 60:.1f}")
    if samples:
        print(f"VmRSS over {len(samples)} samples: min {mib(min(samples))}, max {mib(max(samples))}; "
              f"growth within rounds (last - first): "
              + ", ".join(f"{mib(r.rss[-1] - r.rss[0])}" for r in rounds if r.rss))
    if failed:
        print("result: FAILED, seeds " + ", ".join(f"{r.seed} ({r.problem})" for r in failed))
        return 1
    print("result: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
