#!/usr/bin/env python3
""""Bild speichern unter …" in the real program, where saving fails: a
missing folder, a path under a plain file, a read-only folder, a full disk.
Each time the program must say so in a German box that names the file and
the reason, and a picture already there under that name must stay as it
was, byte for byte, also after "Ja" to replacing it. A save that can be
done writes the picture whole, 433 by 433 pixels.

The read-only folder and the full disk are small disks of their own
(tmpfs, mounted read-only or filled up), which needs root, as CI has;
without root a folder without write permission stands in for the
read-only one, and the full disk is skipped with a message saying so.

Run inside an X server (see in_xvfb.sh):

    save_picture.py DRIVER WORKDIR [--shots FOLDER]

DRIVER is the remote-controlled program, which tells each message box's
text on its output (--report-boxes).

Exit 0 when every check passed, 1 otherwise.
"""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import time

import x_program as xp

DIALOG_TITLE = "Bild speichern unter"
ERROR_TITLE = "Bild nicht gespeichert"

failures = []


def check(ok, message):
    print(("ok:   " if ok else "FAIL: ") + message, flush=True)
    if not ok:
        failures.append(message)


def digest(path):
    """The file's hash and size; None when it is gone."""
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return None
    return hashlib.sha256(data).hexdigest(), len(data)


def wait_for(probe, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def box_text(program, title):
    """The text of the last box titled `title` that the driver reported."""
    lines = program.error_output().splitlines()
    text = None
    for i, line in enumerate(lines):
        if line == f"box: {title}":
            body = []
            for more in lines[i + 1:]:
                if not more.startswith("box| "):
                    break
                body.append(more[5:])
            text = "\n".join(body)
    return text


class Mounts:
    """Small disks of their own under the scratch folder, unmounted at the end."""

    def __init__(self):
        self.points = []

    def tmpfs(self, path, size):
        os.makedirs(path, exist_ok=True)
        r = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size},mode=0755", "tmpfs", path],
                           capture_output=True, text=True)
        if r.returncode != 0:
            return r.stderr.strip() or f"mount exit status {r.returncode}"
        self.points.append(path)
        return None

    def read_only(self, path):
        subprocess.run(["mount", "-o", "remount,ro", path], check=True)

    def release(self):
        for path in reversed(self.points):
            subprocess.run(["umount", "-l", path], check=False)


class Saver:
    def __init__(self, program_path, work, shots):
        self.program_path = program_path
        self.work = work
        self.shots = shots
        self.screen = xp.Screen()
        self.count = 0

    def save(self, target, expect_question, args=(), expect_box=True):
        """Starts the program, asks it through the picture's menu to save
        as `target` (answering "Ja" when it asks to replace a file), and
        returns the error box's text (None when no box came) and whether a
        screenshot of the box was kept."""
        self.count += 1
        program, main = xp.start(self.program_path, os.path.join(self.work, f"stderr-{self.count}.txt"),
                                 self.screen, args=("--report-boxes", *args))
        try:
            return self._save(program, main, target, expect_question, expect_box)
        finally:
            status = xp.end(program, self.screen, main)
            check(status == "exit status 0", f"the program ends cleanly afterwards ({status})")
            program.close()

    def _save(self, program, main, target, expect_question, expect_box):
        xp.click(*main.client(200, 200), button=3)
        if wait_for(lambda: self.screen.open_popups(program.pid), 15) is None:
            check(False, "the picture's menu opens on a right click")
            return None
        time.sleep(0.2)
        xp.key("Down", "Down", "Return")
        dialog = self.screen.wait_for_window(program, DIALOG_TITLE, 15)
        if dialog is None:
            check(False, "the save dialog opens from the picture's menu")
            return None
        if not self.screen.wait_for_keyboard(dialog[0], 15):
            check(False, "the save dialog gets the keyboard")
            return None
        time.sleep(0.5)
        # Into the name field by its key, as a keyboard user does: the
        # dialog can open with the file list holding the focus.
        xp.key("alt+n", "ctrl+a")
        xp.xdotool("type", "--delay", 5, "--", target)
        time.sleep(0.3)
        xp.key("Return")
        if expect_question:
            # Qt's question whether to replace the file, in the dialog's title.
            # On a machine busy with builds each of these steps can take
            # seconds; the waits end as soon as the window is there.
            asked = self.screen.answer_replace_question(program, dialog, 30)
            check(asked, "the dialog asks whether to replace the file, and 'Ja' answers it")
        box = self.screen.wait_for_window(program, ERROR_TITLE, 30 if expect_box else 10)
        if box is None:
            if expect_box:
                print("  no box; the program's windows: "
                      + repr([(e[1], e[2:6]) for e in self.screen.windows(program.pid)]), flush=True)
                print("  its output: " + program.error_output()[-800:], flush=True)
            return None
        time.sleep(0.5)
        if self.shots:
            x, y, w, h = box[2:6]
            shot = os.path.join(self.shots, f"save-error-{self.count}.png")
            subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", shot], check=False)
        text = wait_for(lambda: box_text(program, ERROR_TITLE), 5) or ""
        xp.key("Return")
        gone = wait_for(lambda: self.screen.window_titled(program.pid, ERROR_TITLE) is None, 10)
        check(gone is not None, "Return closes the box")
        return text


def failing_save(saver, case, target, reason, existing=None, args=()):
    """A save to `target` must fail with a box naming the file and `reason`;
    `existing`, a file already there, must stay as it was. args go to the
    driver."""
    before = digest(existing) if existing else None
    text = saver.save(target, expect_question=existing is not None, args=args)
    if existing:
        after = digest(existing)
        check(after == before, f"{case}: the picture already there is untouched "
              f"({after[1] if after else 'gone'}, was {before[1]} bytes)")
        leftovers = sorted(set(os.listdir(os.path.dirname(existing))) - {os.path.basename(existing), "filler"})
        check(not leftovers, f"{case}: no temporary file stays behind ({leftovers})")
    check(text is not None, f"{case}: the box '{ERROR_TITLE}' appears")
    if text is None:
        return
    print("  the box says: " + " | ".join(line for line in text.splitlines() if line.strip()))
    check(target in text, f"{case}: the box names the file {target}")
    check(reason in text, f"{case}: the box gives the reason '{reason}'")
    if existing:
        check("Die vorhandene Datei ist unverändert." in text, f"{case}: the box says the old file is kept")


def old_picture(path):
    """A small picture that is to survive a failed save over it."""
    subprocess.run(["convert", "-size", "16x16", "xc:#3060c0", f"PNG24:{path}"], check=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("work")
    parser.add_argument("--shots")
    a = parser.parse_args()
    for tool in ("convert", "identify", "import"):
        if shutil.which(tool) is None:
            print(f"missing: {tool} (bash scripts/install-deps.sh installs it)")
            return 1
    if a.shots:
        os.makedirs(a.shots, exist_ok=True)
    saver = Saver(a.program, a.work, a.shots)
    mounts = Mounts()
    root = os.geteuid() == 0
    try:
        # A save that can be done, to see that the way through the dialog works.
        good = os.path.join(a.work, "gut", "bahn.png")
        os.makedirs(os.path.dirname(good))
        text = saver.save(good, expect_question=False, expect_box=False)
        check(text is None, "a save into a writable folder shows no error box")
        size = subprocess.run(["identify", "-format", "%w %h", good], capture_output=True, text=True)
        check(size.returncode == 0 and size.stdout == "433 433", f"the saved picture is 433 by 433 ({size.stdout})")

        missing = os.path.join(a.work, "fehlt")
        failing_save(saver, "missing folder", os.path.join(missing, "bahn.png"),
                     f"Den Ordner „{missing}“ gibt es nicht.")

        plain = os.path.join(a.work, "liste.txt")
        with open(plain, "w") as f:
            f.write("kein Ordner\n")
        failing_save(saver, "a plain file as folder", os.path.join(plain, "bahn.png"),
                     f"Den Ordner „{plain}“ gibt es nicht.")

        read_only = os.path.join(a.work, "schreibgeschuetzt")
        if root:
            problem = mounts.tmpfs(read_only, "1m")
            if problem:
                print(f"SKIPPED read-only disk and full disk: cannot mount a tmpfs here ({problem})")
            else:
                old_picture(os.path.join(read_only, "bahn.png"))
                mounts.read_only(read_only)
                failing_save(saver, "read-only disk", os.path.join(read_only, "bahn.png"),
                             f"Der Ordner „{read_only}“ ist schreibgeschützt.",
                             existing=os.path.join(read_only, "bahn.png"))

                full = os.path.join(a.work, "voll")
                problem = mounts.tmpfs(full, "64k")
                if problem:
                    print(f"SKIPPED full disk: cannot mount a tmpfs here ({problem})")
                else:
                    old = os.path.join(full, "bahn.png")
                    old_picture(old)
                    subprocess.run(["dd", "if=/dev/zero", f"of={os.path.join(full, 'filler')}", "bs=4k"],
                                   capture_output=True)
                    failing_save(saver, "full disk", old, "Auf dem Datenträger ist nicht genug Platz frei.",
                                 existing=old)
                    # A nearly white picture, just after Start, makes a PNG
                    # small enough to be written only when the file closes:
                    # that late failure must be caught too.
                    failing_save(saver, "full disk, a small picture", old,
                                 "Auf dem Datenträger ist nicht genug Platz frei.", existing=old,
                                 args=("--start", "0", "--hold-after", "1"))
        else:
            os.makedirs(read_only)
            old_picture(os.path.join(read_only, "bahn.png"))
            os.chmod(read_only, 0o555)
            failing_save(saver, "folder without write permission", os.path.join(read_only, "bahn.png"),
                         f"Sie dürfen im Ordner „{read_only}“ nicht schreiben.",
                         existing=os.path.join(read_only, "bahn.png"))
            os.chmod(read_only, 0o755)
            print("SKIPPED read-only disk and full disk: mounting a small disk needs root")
    except xp.Failure as e:
        check(False, str(e))
    finally:
        mounts.release()
    print(f"{len(failures)} checks failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
