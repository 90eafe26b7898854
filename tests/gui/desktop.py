"""A private desktop for driving the built program from outside, as assistive technology does.

Desktop() starts an X server (Xvfb), a D-Bus session bus and the accessibility bus, each privately
and ended by its process id; Desktop.start() runs the program in a scratch folder and hands back an
App, through which a test finds controls in the accessibility tree by role and name, types into
edits, presses buttons and reads texts. Nothing here sleeps for a fixed time: every step waits for
the state it needs, up to a deadline, and fails saying what it was waiting for.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import warnings

# The by-index action name is the only one these bindings offer, deprecated or not.
warnings.filterwarnings("ignore", r".*get_action_name", DeprecationWarning)

DEADLINE = 30.0  # seconds; generous, for loaded build machines
POLL = 0.02
SHIFT, CONTROL = 1, 4  # X modifier masks, for Control.key

Atspi = None  # imported once the buses exist: the library finds them through the environment


def wait_for(what, probe, deadline=DEADLINE):
    """Polls probe() until it gives something true and returns that; fails after the deadline."""
    end = time.monotonic() + deadline
    error = None
    while True:
        try:
            found = probe()
        except Exception as e:  # a control that went away while being read: look again
            if not _transient(e):
                raise
            found, error = None, e
        if found:
            return found
        if time.monotonic() > end:
            raise AssertionError(f"timed out after {deadline:g} s waiting for {what}" +
                                 (f" (last error: {error})" if error else ""))
        time.sleep(POLL)


def _transient(error):
    """D-Bus errors: an object gone while read, a program not answering yet."""
    return type(error).__module__.startswith("gi") and hasattr(error, "domain")


def _unless_gone(action, gone=None):
    """action(), or `gone` when a D-Bus error says what it acted on went away meanwhile."""
    try:
        return action()
    except Exception as e:
        if not _transient(e):
            raise
        return gone


def _role(name):
    """Atspi.Role.PUSH_BUTTON from "push button"."""
    return getattr(Atspi.Role, name.upper().replace(" ", "_"))


class Desktop:
    def __init__(self, size="1024x768x24"):
        self.size = size
        self.scratch = tempfile.mkdtemp(prefix="calvorin-gui-")
        self.processes = []
        self.env = dict(os.environ)
        # The bus sockets and the accessibility bus's address file stay in our own folder.
        self.env["XDG_RUNTIME_DIR"] = self._folder("runtime", mode=0o700)
        self.env["HOME"] = self._folder("home")
        for key in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            self.env.pop(key, None)

    def _folder(self, name, mode=0o755):
        path = os.path.join(self.scratch, name)
        os.makedirs(path, mode=mode, exist_ok=True)
        return path

    def _spawn(self, argv, **kw):
        kw.setdefault("stdin", subprocess.DEVNULL)
        kw.setdefault("stdout", subprocess.DEVNULL)
        kw.setdefault("stderr", subprocess.DEVNULL)
        p = subprocess.Popen(argv, env=kw.pop("env", self.env), start_new_session=True, **kw)
        self.processes.append(p)
        return p

    def __enter__(self):
        try:
            self._start_x()
            self._start_buses()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _start_x(self):
        read, write = os.pipe()
        try:
            x = self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", self.size, "-nolisten", "tcp",
                             "-noreset"], pass_fds=(write,))
        finally:
            os.close(write)
        with os.fdopen(read, "rb") as pipe:
            number = pipe.readline().strip()  # written once the server accepts clients
        if not number:
            raise AssertionError(f"Xvfb did not start (exit code {x.poll()})")
        self.env["DISPLAY"] = ":" + number.decode()

    def _start_buses(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
                          stdout=subprocess.PIPE)
        address = bus.stdout.readline().decode().strip()
        bus.stdout.close()
        if not address:
            raise AssertionError(f"dbus-daemon did not start (exit code {bus.poll()})")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # This process is the assistive technology: it joins the same private buses.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        global Atspi
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi as module, Gio, GLib

        launcher = self._spawn([self._launcher(), "--launch-immediately"])
        # Until the launcher owns its name, asking for the accessibility bus would have the session
        # bus start a second launcher of its own, one we could not end.
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def owned():
            if launcher.poll() is not None:
                raise AssertionError(f"at-spi-bus-launcher ended with exit code {launcher.returncode}")
            reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                      "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                      Gio.DBusCallFlags.NONE, -1, None)
            return reply.unpack()[0]

        wait_for("the accessibility bus", owned)
        Atspi = module
        Atspi.init()
        # A busy program answers late; a call must wait for it rather than fail (milliseconds).
        Atspi.set_timeout(int(DEADLINE * 1000), int(DEADLINE * 1000))

    @staticmethod
    def _launcher():
        for path in ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"):
            if os.access(path, os.X_OK):
                return path
        raise AssertionError("at-spi-bus-launcher not found (Debian package at-spi2-core)")

    def start(self, program, script="nosplash\r\n", scale=None):
        """Runs the program in a folder of its own whose autoexec.cv1 holds the script; at a scale
        (1.5: as on a 4K laptop) when one is given."""
        folder = tempfile.mkdtemp(prefix="run-", dir=self.scratch)
        with open(os.path.join(folder, "autoexec.cv1"), "w", newline="") as f:
            f.write(script)
        # One locale wherever the suite runs: the point separates decimals in what cases type and read.
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   LC_ALL="C.UTF-8")
        if scale:
            env["QT_SCALE_FACTOR"] = str(scale)
        process = self._spawn([program], cwd=folder, env=env, stderr=None)  # its complaints go to the log
        return App(process, folder)

    def close(self):
        # Last started, first ended: the program, then the accessibility bus, the session bus, X.
        for p in reversed(self.processes):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.processes.clear()
        shutil.rmtree(self.scratch, ignore_errors=True)


class Control:
    """One accessible object of the program: a window, menu item, button, edit or label."""

    def __init__(self, acc):
        self.acc = acc

    @property
    def name(self):
        return self.acc.get_name() or ""

    @property
    def role(self):
        return self.acc.get_role_name()

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"

    def children(self):
        return [Control(c) for c in (self.acc.get_child_at_index(i) for i in range(self.acc.get_child_count()))
                if c is not None]

    def walk(self):
        yield self
        for child in self.children():
            yield from child.walk()

    def _has(self, state):
        return self.acc.get_state_set().contains(getattr(Atspi.StateType, state))

    def showing(self):
        return self._has("SHOWING")

    def enabled(self):
        return self._has("ENABLED")

    def checked(self):
        return self._has("CHECKED")

    def pressed(self):
        return self._has("PRESSED")

    def extents(self):
        """(x, y, width, height) on the screen."""
        r = Atspi.Component.get_extents(self.acc, Atspi.CoordType.SCREEN)
        return r.x, r.y, r.width, r.height

    # ---- finding ----
    def find_all(self, role=None, name=None):
        wanted = _role(role) if role else None
        return [c for c in self.walk()
                if (wanted is None or c.acc.get_role() == wanted) and (name is None or c.name == name)]

    def find(self, role, name, deadline=DEADLINE):
        """The control of that role and accessible name, once it is there."""
        return wait_for(f"{role} {name!r} in {self!r}", lambda: next(iter(self.find_all(role, name)), None),
                        deadline)

    # ---- acting ----
    def offers(self, interface):
        return interface in self.acc.get_interfaces()

    def act(self, *names):
        """Performs the first of the named actions the control offers (Press, Toggle, ...)."""
        offered = [Atspi.Action.get_action_name(self.acc, i) for i in range(Atspi.Action.get_n_actions(self.acc))] \
            if self.offers("Action") else []
        wanted = [n.lower() for n in names]
        for i, offered_name in enumerate(offered):
            if offered_name.lower() in wanted:
                Atspi.Action.do_action(self.acc, i)
                return self
        raise AssertionError(f"{self!r} offers {offered}, none of {list(names)}")

    def press(self):
        """Acts on the control and waits for its click to be over: a pressed button stays down a
        moment before its handler runs, so what the handler draws is only there after that."""
        wait_for(f"{self!r} enabled", self.enabled)
        self.act("press", "toggle", "click")
        # a button gone with the window it closed counts as released
        wait_for(f"{self!r} released", lambda: _unless_gone(lambda: not self.pressed(), True))
        return self

    # ---- real input through the X server, for what only a real key or button reaches ----
    def click_with(self, button):
        """A click of that mouse button ("b1" left, "b2" middle) at the middle of the control."""
        x, y, w, h = self.extents()
        Atspi.generate_mouse_event(x + w // 2, y + h // 2, button + "c")
        return self

    def key(self, keysym, modifiers=0):
        """A key typed with the modifiers held, to whatever has the focus (the window under the
        pointer: there is no window manager)."""
        if modifiers:
            Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
        if modifiers:
            Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)
        return self

    def type(self, text):
        assert self.offers("EditableText"), f"{self!r} is not editable"
        Atspi.EditableText.set_text_contents(self.acc, text)
        wait_for(f"{self!r} to hold {text!r}", lambda: self.text() == text)
        return self

    def text(self):
        """The whole text of an edit or text area; a label's text is its name."""
        if not self.offers("Text"):
            return self.name
        return Atspi.Text.get_text(self.acc, 0, Atspi.Text.get_character_count(self.acc))


class Window(Control):
    """A top-level window, and the steps a case takes in it by the captions the user sees."""

    def fill(self, label, text):
        """Types into the edit named after the label beside it (its caption, e.g. "Razão da PA:")."""
        return self.find("text", label).type(text)

    def click(self, caption):
        """Presses a push button by its caption without the "&"."""
        return self.find("push button", caption).press()

    def choose(self, caption):
        """Clicks a radio button and waits until it is the chosen one."""
        radio = self.find("radio button", caption)
        radio.press()
        wait_for(f"{radio!r} checked", radio.checked)
        return radio

    def toggle(self, caption):
        """Clicks a check box and waits for its check to change."""
        box = self.find("check box", caption)
        was = box.checked()
        box.press()
        wait_for(f"{box!r} {'un' if was else ''}checked", lambda: box.checked() != was)
        return box

    def select(self, label, text):
        """Types the choice into the edit part of the (editable) combo box named after its label."""
        return self.find("combo box", label).find("text", "").type(text)

    def label(self, text, deadline=DEADLINE):
        """Waits for a label with exactly this text, such as the answer after Calcular."""
        return self.find("label", text, deadline)


class App:
    def __init__(self, process, folder):
        self.process = process
        self.folder = folder
        self.root = Control(wait_for("the program on the accessibility bus", self._find_root))

    def _find_root(self):
        self.running()
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.process.pid and app.get_child_count() > 0:
                return app
        return None

    def _shown(self, title):
        return next((Window(w.acc) for w in self.root.children() if w.name == title and w.showing()), None)

    def window(self, title, deadline=DEADLINE):
        """A shown top-level window by its caption."""
        return wait_for(f"window {title!r}", lambda: self._shown(title), deadline)

    def gone(self, title):
        """Waits until no window of that caption is shown."""
        wait_for(f"window {title!r} to close", lambda: self._shown(title) is None)

    def running(self):
        """True while the program runs; fails saying how it ended otherwise."""
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with exit code {self.process.returncode}")
        return True

    def main(self):
        return self.window("Calvorin 2.1")

    def menu(self, *path):
        """Chooses an item of the main menu: menu("Sistema", "Gerador de relatórios", "Visualizar relatório")."""
        node = self.main().find("menu bar", "")
        for caption in path:
            node = node.find("menu item", caption)
        node.press()
        return self

    def quit(self):
        """Ends the program through its own menu and gives the exit code."""
        _unless_gone(lambda: self.menu("Sistema", "Fechar"))  # it may end before it answers the press
        wait_for("the program to end", lambda: self.process.poll() is not None)
        return self.process.returncode
