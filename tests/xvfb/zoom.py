#!/usr/bin/env python3
"""Zoom of the real program's window, as a teacher uses it in front of a
class: Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl with the wheel, kept for the
next start, and the picture copied for a worksheet; keys that work with no
click first (a kiosk session without a window manager), and the note that
shows the zoom for a moment. Every look is a
screenshot of the window compared to the pixel with ImageMagick.

Run inside an X server of at least 1300 by 1300 pixels (see in_xvfb.sh):

    zoom.py PROGRAM WORKDIR --driver DRIVER [--shots FOLDER] [--before PROGRAM]
    zoom.py PROGRAM WORKDIR --full-screen [--shots FOLDER]

DRIVER is the remote-controlled program for runs held after a number of
cycles; --shots keeps the screenshots at 100 %, 150 % and 200 %; --before
names a build of the program from before a change, whose window must be
the window at 100 % to the pixel. --full-screen checks F11 instead, on a
screen of 1920 by 1080 pixels.
Exit 0 when every check passed, 1 otherwise.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

import x_program as xp

# The run for the mid-run check: a fixed date (far from perihelion and
# aphelion, so the run does not end by itself before it is held), a delay
# that gives time to zoom, and the cycle after which it is held.
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
RUN_DATE = "@2026-03-01 10:00:00"
RUN_DELAY_MS = 50
RUN_CYCLES = 80

# The picture in the client area.
PICTURE = (33, 64, 433, 433)

# How long the note of the zoom shows after a change, fading included, and
# where it stands in the client area.
NOTE_SECONDS = 2.0
NOTE = (518, 6, 92, 36)

failures = []


def check(ok, message):
    print(("ok:   " if ok else "FAIL: ") + message, flush=True)
    if not ok:
        failures.append(message)


class Checks:
    def __init__(self, program, driver, work, shots):
        self.program = program
        self.driver = driver
        self.work = work
        self.shots = shots
        self.screen = xp.Screen()
        self.count = 0

    def path(self, name):
        self.count += 1
        return os.path.join(self.work, f"{self.count:02d}-{name}.png")

    def start(self, config, program=None, args=(), env=None):
        extra = {"XDG_CONFIG_HOME": os.path.join(self.work, config)}
        extra.update(env or {})
        program, main = xp.start(program or self.program, self.path("stderr") + ".txt", self.screen,
                                 args=args, env_extra=extra)
        # The window has the keyboard from the start; a click on its bare
        # background changes nothing. Then the focus leaves the readout,
        # whose blinking cursor would make two looks at the same window
        # differ, past the picture for the Start button.
        xp.click(*main.client(5, 5))
        xp.key("Tab", "Tab", "Tab")
        return program, main

    def end(self, program, main):
        status = xp.end(program, self.screen, main)
        program.close()
        return status

    def geometry(self, program):
        entry = self.screen.window_titled(program.pid, xp.TITLE)
        return entry[2:6] if entry else None

    def wait_for_size(self, program, width, timeout=10):
        """Waits until the window is `width` wide and its picture stands
        still (two screenshots alike); returns the last screenshot."""
        end = time.monotonic() + timeout
        # The note of the zoom, shown at each change, is gone by then.
        faded = time.monotonic() + NOTE_SECONDS
        last = None
        while time.monotonic() < end:
            g = self.geometry(program)
            if g and g[2] == width:
                time.sleep(max(0.3, faded - time.monotonic()))
                shot = self.grab(program, "look")
                if last and same(last, shot):
                    return shot
                last = shot
            else:
                time.sleep(0.1)
        return last

    def grab(self, program, name):
        x, y, w, h = self.geometry(program)
        screen = self.path("screen")
        subprocess.run(["import", "-window", "root", screen], check=True)
        out = self.path(name)
        subprocess.run(["convert", screen, "-crop", f"{w}x{h}+{x}+{y}", "+repage", out], check=True)
        return out

    def keep(self, shot, name):
        if self.shots:
            shutil.copy(shot, os.path.join(self.shots, name))


def scaled(pixels, factor):
    """A size at a zoom as Qt rounds it: halves up."""
    return int(pixels * factor + 0.5)


def differing(a, b):
    """How many pixels differ; None when the sizes differ."""
    r = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    try:
        return int(float(r.stderr.split()[0]))
    except (ValueError, IndexError):
        return None


def same(a, b):
    return differing(a, b) == 0


def size_of(png):
    r = subprocess.run(["identify", "-format", "%w %h", png], capture_output=True, text=True, check=True)
    w, h = r.stdout.split()
    return int(w), int(h)


def crop(png, rect, out):
    x, y, w, h = rect
    subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", out], check=True)
    return out


def zoom_steps_and_display_scale(c):
    """100 % is the window as designed; four steps up are 200 %, which is
    the window under display scale 2 to the pixel, text drawn anew and not
    enlarged; the zoom survives a restart and Ctrl+0 brings back 100 %."""
    program, main = c.start("steps")
    width, height = main.width, main.height
    check(width == xp.CLIENT_WIDTH, f"the window starts at 100 %: {width} wide")
    at100 = c.wait_for_size(program, width)
    c.keep(at100, "zoom-100.png")

    xp.key("ctrl+plus")
    c.wait_for_size(program, scaled(width, 1.25))
    xp.key("ctrl+plus")
    at150 = c.wait_for_size(program, scaled(width, 1.5))
    check(size_of(at150) == (scaled(width, 1.5), scaled(height, 1.5)), f"Ctrl+Plus twice: 150 %, {size_of(at150)}")
    c.keep(at150, "zoom-150.png")
    xp.key("ctrl+plus")
    c.wait_for_size(program, scaled(width, 1.75))
    xp.key("ctrl+plus")
    at200 = c.wait_for_size(program, width * 2)
    check(size_of(at200) == (width * 2, height * 2), f"four times: 200 %, {size_of(at200)}")
    c.keep(at200, "zoom-200.png")
    check(c.end(program, main) == "exit status 0", "the window closes at 200 %")

    program, main = c.start("scale2", env={"QT_SCALE_FACTOR": "2"})
    scale2 = c.wait_for_size(program, width * 2)
    c.end(program, main)
    check(same(at200, scale2), f"200 % is the window at display scale 2 to the pixel "
          f"({differing(at200, scale2)} pixels differ)")
    doubled = c.path("doubled")
    subprocess.run(["convert", at100, "-scale", "200%", doubled], check=True)
    check(not same(at200, doubled), "at 200 % the text is drawn anew, not the 100 % window enlarged")

    program, main = c.start("steps")
    check(main.width == width * 2, f"after a restart the window is at 200 % again: {main.width} wide")
    c.wait_for_size(program, width * 2)
    xp.key("ctrl+0")
    back = c.wait_for_size(program, width)
    check(back is not None and same(back, at100), "Ctrl+0 brings back the window at 100 % to the pixel")
    xp.key("ctrl+minus")
    time.sleep(0.5)
    check(c.geometry(program)[2] == width, "Ctrl+Minus at 100 % stays at 100 %")
    c.end(program, main)
    program, main = c.start("steps")
    check(main.width == width, "after a restart at 100 % the window starts at 100 %")
    c.end(program, main)
    return at100


def mean_brightness(png, rect):
    x, y, w, h = rect
    r = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-colorspace", "Gray",
                        "-format", "%[fx:mean]", "info:"], capture_output=True, text=True, check=True)
    return float(r.stdout)


def keys_from_the_start_and_note(c):
    """With no window manager (a kiosk session) the window has the keyboard
    from the start: Ctrl+Plus works with no click first. The zoom shows for
    a moment as a dark note in the window's top right corner, clear of the
    picture, and fades out."""
    program, main = xp.start(c.program, c.path("stderr") + ".txt", c.screen,
                             env_extra={"XDG_CONFIG_HOME": os.path.join(c.work, "kiosk")})
    width, height = main.width, main.height
    xp.key("ctrl+plus")
    end = time.monotonic() + 5
    while time.monotonic() < end and c.geometry(program)[2] != scaled(width, 1.25):
        time.sleep(0.05)
    check(c.geometry(program)[2] == scaled(width, 1.25), "Ctrl+Plus with no click first: 125 %")
    time.sleep(0.3)
    shot = c.grab(program, "note")
    c.keep(shot, "zoom-note.png")
    menu = scaled(height, 1.25) - scaled(xp.CLIENT_HEIGHT, 1.25)
    note = (scaled(NOTE[0], 1.25), menu + scaled(NOTE[1], 1.25), scaled(NOTE[2], 1.25), scaled(NOTE[3], 1.25))
    shown = mean_brightness(shot, note)
    check(shown < 0.5, f"the note of the zoom shows, dark, in the top right corner (brightness {shown:.2f})")
    time.sleep(NOTE_SECONDS + 0.5)
    faded = mean_brightness(c.grab(program, "faded"), note)
    check(faded > 0.9, f"the note fades out, leaving the window's colour (brightness {faded:.2f})")
    c.end(program, main)


def wheel(c, at100):
    """Ctrl with the wheel steps the zoom wherever the pointer is, also over
    the delay regulator, which keeps its value."""
    program, main = c.start("wheel")
    width = main.width
    x, y = main.client(540, 428)  # the delay regulator
    xp.xdotool("mousemove", x, y, "keydown", "ctrl", "click", "4", "keyup", "ctrl")
    check(c.wait_for_size(program, scaled(width, 1.25)) is not None, "Ctrl+wheel up: 125 %")
    xp.xdotool("keydown", "ctrl", "click", "5", "keyup", "ctrl")
    xp.xdotool("mousemove", main.x + width + 50, main.y + 50)
    back = c.wait_for_size(program, width)
    check(back is not None and same(back, at100), "Ctrl+wheel down: 100 % again, the regulator unmoved")
    c.end(program, main)


def copy_picture(c, at100):
    """Right-click on the picture, "Bild kopieren": the clipboard holds the
    433 by 433 picture as PNG."""
    program, main = c.start("copy")
    xp.click(*main.client(200, 200), button=3)
    time.sleep(0.5)
    xp.key("Down")
    xp.key("Return")
    time.sleep(0.5)
    copied = c.path("clipboard")
    with open(copied, "wb") as f:
        r = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "image/png"], stdout=f)
    check(r.returncode == 0, "xclip reads an image/png from the clipboard")
    c.end(program, main)
    if r.returncode == 0:
        shown = crop(at100, (PICTURE[0], PICTURE[1] + main.menu_height, PICTURE[2], PICTURE[3]), c.path("shown"))
        check(size_of(copied) == (433, 433) and same(copied, shown),
              f"the copied picture is the picture on screen ({differing(copied, shown)} pixels differ)")


def held_run(c, config, zoom_during_run):
    """The window at 100 % once a run on a fixed date is held after
    RUN_CYCLES cycles; zoom_during_run zooms in and out while it runs."""
    # faketime's library comes ahead of a sanitizer build's runtime, which
    # that runtime accepts when told to.
    asan = os.environ.get("ASAN_OPTIONS", "")
    env = {"LD_PRELOAD": FAKETIME_LIBRARY, "FAKETIME": RUN_DATE, "DONT_FAKE_MONOTONIC": "1",
           "ASAN_OPTIONS": (asan + ":" if asan else "") + "verify_asan_link_order=0"}
    program, main = c.start(config, program=c.driver,
                            args=("--start", str(RUN_DELAY_MS), "--hold-after", str(RUN_CYCLES)), env=env)
    width = main.width
    zoomed_mid_run = None
    if zoom_during_run:
        xp.key("ctrl+plus")
        # The run keeps changing the picture: only the size is waited for.
        end = time.monotonic() + 5
        while time.monotonic() < end and c.geometry(program)[2] != scaled(width, 1.25):
            time.sleep(0.05)
        zoomed_mid_run = c.geometry(program)[2] == scaled(width, 1.25) and "held" not in program.error_output()
        xp.key("ctrl+minus")
    end = time.monotonic() + 60
    while "held" not in program.error_output() and time.monotonic() < end:
        time.sleep(0.1)
    shot = c.wait_for_size(program, width)
    c.end(program, main)
    return shot, zoomed_mid_run


def zoom_mid_run(c):
    """Zooming in the middle of a run leaves the run as it would have been:
    after the same number of cycles the picture, the readouts and the gauge
    are the same to the pixel."""
    plain, _ = held_run(c, "run-plain", False)
    zoomed, mid_run = held_run(c, "run-zoomed", True)
    check(mid_run is True, "the zoom to 125 % came while the run was going")
    check(same(plain, zoomed), f"the run zoomed in and out ends as the run without zoom "
          f"({differing(plain, zoomed)} pixels differ)")


def same_as_before(c, at100, before):
    """The window at 100 % is the window of the program as it was."""
    program, main = c.start("before", program=before)
    earlier = c.wait_for_size(program, main.width)
    c.end(program, main)
    check(same(at100, earlier), f"at 100 % the window is the earlier program's to the pixel "
          f"({differing(at100, earlier)} pixels differ)")


def first_row_not(png, y, colour):
    """The first and last x of row y whose colour is not `colour` (as
    ImageMagick writes it, "#RRGGBB")."""
    r = subprocess.run(["convert", png, "-crop", f"x1+0+{y}", "+repage", "txt:-"],
                       capture_output=True, text=True, check=True)
    xs = [int(line.split(",")[0]) for line in r.stdout.splitlines()[1:] if colour not in line]
    return (min(xs), max(xs)) if xs else None


def full_screen(c):
    """F11 shows the content, menu bar and all, as large as the screen's
    height allows and centred on the window's cream; F11 and Escape bring
    back the window as it was."""
    program, main = c.start("full")
    width, height = main.width, main.height
    at100 = c.wait_for_size(program, width)
    xp.key("F11")
    shot = c.wait_for_size(program, 1920)
    check(shot is not None and size_of(shot) == (1920, 1080), "F11: the window fills the screen")
    if shot is None:
        c.end(program, main)
        return
    c.keep(shot, "full-screen.png")
    factor = 1080 / height
    menu = first_row_not(shot, 2, "#FFFBF0")
    check(menu is not None and abs((menu[1] - menu[0] + 1) - width * factor) <= 2
          and abs(menu[0] - (1920 - width * factor) / 2) <= 2,
          f"the content fills the height, {factor:.3f} times its size, centred (menu bar at {menu})")
    check(first_row_not(crop(shot, (0, 0, 100, 1080), c.path("left")), 540, "#FFFBF0") is None,
          "beside the content the screen shows the window's colour")
    xp.key("Escape")
    back = c.wait_for_size(program, width)
    check(back is not None and same(back, at100), "Escape: the window as it was, to the pixel")
    xp.key("ctrl+plus")
    c.wait_for_size(program, scaled(width, 1.25))
    xp.key("F11")
    c.wait_for_size(program, 1920)
    xp.key("F11")
    check(c.wait_for_size(program, scaled(width, 1.25)) is not None, "F11 twice at 125 %: 125 % again")
    c.end(program, main)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("work")
    parser.add_argument("--driver")
    parser.add_argument("--full-screen", action="store_true")
    parser.add_argument("--shots")
    parser.add_argument("--before")
    a = parser.parse_args()
    for tool in ("import", "compare", "xclip"):
        if shutil.which(tool) is None:
            print(f"missing: {tool} (bash scripts/install-deps.sh installs it)")
            return 1
    if not os.path.exists(FAKETIME_LIBRARY):
        print("missing: faketime (bash scripts/install-deps.sh installs it)")
        return 1
    if a.shots:
        os.makedirs(a.shots, exist_ok=True)
    c = Checks(a.program, a.driver, a.work, a.shots)
    try:
        if a.full_screen:
            full_screen(c)
            print(f"{len(failures)} checks failed" if failures else "all checks passed")
            return 1 if failures else 0
        if not a.driver:
            parser.error("--driver is needed")
        keys_from_the_start_and_note(c)
        at100 = zoom_steps_and_display_scale(c)
        if a.before:
            same_as_before(c, at100, a.before)
        wheel(c, at100)
        copy_picture(c, at100)
        zoom_mid_run(c)
    except xp.Failure as e:
        check(False, str(e))
    print(f"{len(failures)} checks failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
