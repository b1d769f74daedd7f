"""The real program in the X server of the caller (DISPLAY), driven the way a
person drives it: pointer and keyboard through xdotool (XTEST), and watched
from outside: its windows over the X protocol, its memory in /proc, its
error output in a file.

Shared by the real-program tests that work the window by hand
(random_use.py, infos_keys.py). Needs Debian's python3-xlib and xdotool.
"""
import os
import select
import signal
import subprocess
import time

from Xlib import X, Xatom, display, error, protocol
from Xlib.xobject import drawable

TITLE = "Simulation Keplerprobleme"
INFO_BOX_TITLE = "Information zum Programm"
LOCALE = "de_DE.UTF-8"

# The client area below the menu bar, as the window was designed.
CLIENT_WIDTH = 618
CLIENT_HEIGHT = 576

# What a build under AddressSanitizer, UndefinedBehaviorSanitizer or
# LeakSanitizer writes when it finds something.
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer")


class Failure(Exception):
    """The program did something a person must never see."""


def signal_name(number):
    try:
        return signal.Signals(number).name
    except ValueError:
        return f"signal {number}"


class Program:
    """The program started under the German locale, its error output going
    to a file that is searched for sanitizer reports."""

    def __init__(self, path, stderr_path, args=(), env_extra=None):
        self.path = path
        self.stderr_path = stderr_path
        env = dict(os.environ)
        env.update(LANG=LOCALE, LC_ALL=LOCALE, LANGUAGE="", QT_QPA_PLATFORM="xcb")
        env.update(env_extra or {})
        self._stderr = open(stderr_path, "wb")
        self.process = subprocess.Popen([path, *args], env=env, stdin=subprocess.DEVNULL,
                                        stdout=self._stderr, stderr=self._stderr)
        self.pid = self.process.pid

    def exit_status(self):
        """None while it runs; else how it ended, in words."""
        code = self.process.poll()
        if code is None:
            return None
        if code < 0:
            return f"killed by {signal_name(-code)}"
        return f"exit status {code}"

    def rss_kib(self):
        try:
            with open(f"/proc/{self.pid}/status") as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return None

    def error_output(self):
        self._stderr.flush()
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")

    def error_excerpt(self, lines=60):
        """What to show of the error output: a sanitizer report from its
        start (the top of the stack says where), else the end."""
        output = self.error_output().splitlines()
        for i, line in enumerate(output):
            if any(mark in line for mark in SANITIZER_MARKS):
                return output[max(i - 2, 0):i - 2 + lines]
        return output[-lines:]

    def sanitizer_report(self):
        """The first line of a sanitizer report in the error output, or None."""
        for line in self.error_output().splitlines():
            if any(mark in line for mark in SANITIZER_MARKS):
                return line.strip()
        return None

    def wait(self, timeout):
        try:
            self.process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def close(self):
        self.kill()
        self._stderr.close()


class Screen:
    """The X server seen from outside: the program's windows, their places,
    and whether the program still answers."""

    def __init__(self):
        self.d = display.Display()
        # Windows that vanish between a look and the next request are normal
        # here; the calls below catch what matters.
        self.d.set_error_handler(lambda *args: None)
        self.root = self.d.screen().root
        # A ping's answer goes to the root window, to whoever listens there
        # for changes of its structure or of its children's.
        self.root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
        self.WM_PROTOCOLS = self.d.intern_atom("WM_PROTOCOLS")
        self.WM_DELETE_WINDOW = self.d.intern_atom("WM_DELETE_WINDOW")
        self.NET_WM_PING = self.d.intern_atom("_NET_WM_PING")
        self.NET_WM_NAME = self.d.intern_atom("_NET_WM_NAME")
        self.NET_WM_PID = self.d.intern_atom("_NET_WM_PID")
        self.UTF8_STRING = self.d.intern_atom("UTF8_STRING")
        self._ping_stamp = 0

    def _title(self, w):
        try:
            p = w.get_full_property(self.NET_WM_NAME, self.UTF8_STRING)
            if p is not None:
                return p.value.decode("utf-8", "replace")
            p = w.get_full_property(Xatom.WM_NAME, X.AnyPropertyType)
            if p is not None:
                v = p.value
                return v.decode("latin-1") if isinstance(v, bytes) else str(v)
        except error.XError:
            pass
        return None

    def _pid(self, w):
        try:
            p = w.get_full_property(self.NET_WM_PID, Xatom.CARDINAL)
            return int(p.value[0]) if p is not None else None
        except error.XError:
            return None

    def managed(self):
        """The windows a window manager manages (_NET_CLIENT_LIST); none
        without one."""
        try:
            p = self.root.get_full_property(self.d.intern_atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
        except error.XError:
            return []
        return [self.d.create_resource_object("window", i) for i in p.value] if p is not None else []

    def place(self, window):
        """Where a window's inside is on the screen: x, y, width, height."""
        g = window.get_geometry()
        t = window.translate_coords(self.root, 0, 0)
        return -t.x, -t.y, g.width, g.height

    def frame_extents(self, window):
        """The window manager's frame around a window: left, right, top, bottom."""
        p = window.get_full_property(self.d.intern_atom("_NET_FRAME_EXTENTS"), Xatom.CARDINAL)
        return tuple(p.value) if p is not None else (0, 0, 0, 0)

    def wm_state(self, window):
        """The names in the window's _NET_WM_STATE."""
        p = window.get_full_property(self.d.intern_atom("_NET_WM_STATE"), Xatom.ATOM)
        return [self.d.get_atom_name(a) for a in p.value] if p is not None else []

    def windows(self, pid):
        """The program's shown top-level windows: (window, title, x, y, width,
        height, override_redirect). With no window manager they are the
        root's children; with one, also the windows it manages, inside the
        frames it put around them. The places are on the screen."""
        found = []
        try:
            children = self.root.query_tree().children
        except error.XError:
            return found
        for w in self.managed():
            try:
                if w.get_attributes().map_state != X.IsViewable or self._pid(w) != pid:
                    continue
                found.append((w, self._title(w), *self.place(w), False))
            except error.XError:
                continue
        for w in children:
            try:
                attrs = w.get_attributes()
                if attrs.map_state != X.IsViewable:
                    continue
                g = w.get_geometry()
            except error.XError:
                continue
            if self._pid(w) != pid:
                continue
            found.append((w, self._title(w), g.x, g.y, g.width, g.height, bool(attrs.override_redirect)))
        return found

    def has_keyboard(self, window):
        """Whether the X input focus is in the window or one of its children."""
        try:
            w = self.d.get_input_focus().focus
            while isinstance(w, drawable.Window) and w.id != self.root.id:
                if w.id == window.id:
                    return True
                w = w.query_tree().parent
        except error.XError:
            pass
        return False

    def wait_for_keyboard(self, window, timeout):
        """Whether the window got the keyboard within `timeout` seconds.
        Without a window manager a new window gets it only when the program
        hands it over; keys typed before go to the window that had it."""
        end = time.monotonic() + timeout
        while not self.has_keyboard(window):
            if time.monotonic() > end:
                return False
            time.sleep(0.1)
        return True

    def shown_window(self, pid, window_id):
        """The entry of the program's window with this id while it is shown."""
        return next((e for e in self.windows(pid) if e[0].id == window_id), None)

    def window_titled(self, pid, title):
        for entry in self.windows(pid):
            if entry[1] == title:
                return entry
        return None

    def open_popups(self, pid):
        """Menus and drop-down lists: the program's shown windows that the
        window manager never sees."""
        return [e for e in self.windows(pid) if e[6]]

    def wait_for_window(self, program, title, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if program.exit_status() is not None:
                return None
            found = self.window_titled(program.pid, title)
            if found:
                return found
            time.sleep(0.1)
        return None

    def answer_replace_question(self, program, dialog, timeout):
        """Answers "Ja" to Qt's question whether to replace a file: a second
        window titled like the file dialog `dialog` (an entry of windows()).
        Without a window manager the question gets the keyboard only when Qt
        hands it over, so the answer waits for that; a key pressed before
        would go to the dialog. Returns whether the question came and went."""
        title = dialog[1]
        end = time.monotonic() + timeout
        question = None
        while time.monotonic() < end and question is None:
            question = next((e for e in self.windows(program.pid)
                             if e[1] == title and e[0].id != dialog[0].id and self.has_keyboard(e[0])), None)
            if question is None:
                time.sleep(0.1)
        if question is None:
            return False
        # Pressed again when the question still stands seconds later: the
        # first key can reach Qt before it has taken the focus in.
        while time.monotonic() < end:
            key("alt+j")
            again = time.monotonic() + 5
            while time.monotonic() < min(again, end):
                if self.shown_window(program.pid, question[0].id) is None:
                    return True
                time.sleep(0.1)
        return False

    def ping(self, window, timeout):
        """Seconds until the program answered the window manager's ping
        (_NET_WM_PING), which its user-interface thread answers as it takes
        its X events; None when no answer came in time."""
        self._ping_stamp += 1
        stamp = self._ping_stamp
        event = protocol.event.ClientMessage(
            window=window, client_type=self.WM_PROTOCOLS,
            data=(32, [self.NET_WM_PING, stamp, window.id, 0, 0]))
        start = time.monotonic()
        try:
            window.send_event(event, event_mask=0)
            self.d.flush()
        except error.XError:
            return None
        while time.monotonic() - start < timeout:
            while self.d.pending_events():
                e = self.d.next_event()
                if (e.type == X.ClientMessage and e.client_type == self.WM_PROTOCOLS
                        and e.data[1][0] == self.NET_WM_PING and e.data[1][1] == stamp):
                    return time.monotonic() - start
            select.select([self.d.fileno()], [], [], 0.05)
        return None

    def ask_to_close(self, window):
        """What the window manager sends when the user closes the window."""
        event = protocol.event.ClientMessage(
            window=window, client_type=self.WM_PROTOCOLS,
            data=(32, [self.WM_DELETE_WINDOW, X.CurrentTime, 0, 0, 0]))
        try:
            window.send_event(event, event_mask=0)
            self.d.flush()
        except error.XError:
            pass


def xdotool(*args):
    """One xdotool command; a failure is the tool's, not the program's."""
    subprocess.run(["xdotool", *map(str, args)], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=False)


def click(x, y, button=1, repeat=1, delay_ms=40):
    xdotool("mousemove", x, y, "click", "--repeat", repeat, "--delay", delay_ms, button)


def key(*names):
    xdotool("key", "--clearmodifiers", *names)


class MainWindow:
    """Where the main window's client area and menu bar are on the screen."""

    def __init__(self, entry):
        self.window, _, self.x, self.y, self.width, self.height, _ = entry
        # The menu bar takes what is above the client area.
        self.menu_height = self.height - CLIENT_HEIGHT
        self.client_x = self.x + (self.width - CLIENT_WIDTH) // 2
        self.client_y = self.y + self.menu_height

    def client(self, x, y):
        return self.client_x + x, self.client_y + y

    def infos_entry(self):
        """The middle of the menu-bar entry "Infos" at the window's top left."""
        return self.x + 20, self.y + max(self.menu_height // 2, 1)


def unanswered(program, screen, window, timeout):
    """Why the program did not answer a ping in time, or None when it did.
    A program that is going down (a sanitizer writing its report, say) is
    given a few seconds to end, so that its end is what is reported."""
    if screen.ping(window, timeout) is not None:
        return None
    program.wait(10)
    status = program.exit_status()
    if status is not None:
        return f"the program ended ({status})"
    return f"the window did not answer within {timeout:g} s"


def start(path, stderr_path, screen, timeout=60, args=(), env_extra=None):
    """Starts the program and returns it with its main window once the
    window is shown and answers. args go to the program (the driver's
    options), env_extra into its environment."""
    program = Program(path, stderr_path, args, env_extra)
    entry = screen.wait_for_window(program, TITLE, timeout)
    if entry is None:
        status = program.exit_status()
        program.close()
        raise Failure("the window did not appear" + (f"; the program ended ({status})" if status else ""))
    main = MainWindow(entry)
    if screen.ping(main.window, timeout) is None:
        program.close()
        raise Failure("the window never answered")
    return program, main


def end(program, screen, main, timeout=30):
    """Closes the window the way a user does, after Escape has closed any
    box, list or menu in the way, and returns how the program ended. A
    sanitizer build reports leaks on this way out."""
    end_at = time.monotonic() + timeout
    while program.exit_status() is None and time.monotonic() < end_at:
        xdotool("keyup", "shift", "ctrl", "alt")
        for _ in range(3):
            key("Escape")
        screen.ask_to_close(main.window)
        program.wait(2)
    status = program.exit_status()
    if status is None:
        program.kill()
        return "did not end when its window was closed"
    return status
