#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The system's own Python: python3-pyatspi installs its bindings there.
"""Reads the live program as a screen reader does, through AT-SPI.

Starts a virtual display, a private session bus and the AT-SPI bus of its own, runs the program
on a fresh classroom folder, presses "OK" on the title screen and checks on the main menu that
the live entries are push buttons by their captions, the greyed ones are push buttons that are
not sensitive, the sound options are radio buttons whose marks follow a press, and a screen
laid over the menu hides the menu's entries; then, with the class record on, that the quiz's
"Who is doing this?" offers the names as push buttons and a press on one starts the quiz.

Usage: screen_reader_test.py KELVARIN_PROGRAM
Exits 77 (skipped) when Xvfb, dbus-daemon or the AT-SPI bus or Python bindings are missing.
"""
import os
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
DEADLINE_S = 20  # each wait; five waits stay within the ctest timeout

LIVE = ["Teachers' Guide", "Properties of Materials", "Changes in Materials",
        "Multiple Choice Wizard", "Worksheet Catalogue", "Acknowledgments", "Exit"]
GREYED = ["Introduction", "Materials from Plants", "Materials from Animals",
          "Materials from the Earth", "Wood", "Metal", "Fabrics", "Plastic", "Glass", "Clay",
          "Rubber"]


def skip(why):
    print(f"SKIPPED: {why}")
    sys.exit(SKIP)


def fail(why):
    print(f"FAIL: {why}")
    sys.exit(1)


def wait_for(what, probe):
    """Polls probe until it gives something, for at most DEADLINE_S seconds."""
    end = time.monotonic() + DEADLINE_S
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail(f"gave up waiting for {what}")


class Processes:
    """Everything the test starts, each in a process group of its own, ended however it ends."""

    def __init__(self):
        self.started = []

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, start_new_session=True, **kwargs)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                continue
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()


def display_answers(number):
    """Whether the X server at the display number accepts a client: the protocol's handshake."""
    try:
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
            connection.settimeout(DEADLINE_S)
            connection.connect(f"/tmp/.X11-unix/X{number}")
            # Little-endian, protocol 11.0, no authorisation; the reply opens with 1 for success.
            connection.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
            return connection.recv(1) == b"\x01"
    except OSError:
        return False


def start_display(processes):
    """A display of the test's own, answering before anyone is told its name.

    Without -noreset the server starts afresh whenever its last client leaves, and drops any
    client that connects meanwhile: the bus launcher, the registry and this script each visit
    the display briefly, and the program, starting just then, could not connect.
    """
    read_end, write_end = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=[write_end],
                    stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        fail("Xvfb did not start")
    wait_for(f"display :{number} to answer", lambda: display_answers(number))
    return ":" + number


def start_session_bus(processes):
    bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        fail("the session bus did not start")
    return address


def pyatspi_module():
    try:
        import pyatspi
    except ImportError:
        skip("python3-pyatspi is not installed")
    return pyatspi


def running(program):
    """True while the program runs; a program that has ended fails the test at once."""
    if program.poll() is not None:
        fail(f"the program ended with status {program.returncode}")
    return True


def find_program(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def named(pyatspi, root, name):
    return pyatspi.findDescendant(root, lambda a: a.name == name and
                                  a.getState().contains(pyatspi.STATE_SHOWING))


def press(pyatspi, accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"{accessible.name!r} offers {names}, not {action!r}")
    actions.doAction(names.index(action))


def check_main_menu(pyatspi, menu):
    """The menu's own entries, found among the children of the screen that shows them."""
    entries = {child.name: child for child in menu if child is not None}
    for name in LIVE + GREYED:
        entry = entries.get(name)
        if entry is None:
            fail(f"the main menu has no entry named {name!r}")
        if entry.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail(f"{name!r} is a {entry.getRoleName()}, not a push button")
        sensitive = entry.getState().contains(pyatspi.STATE_SENSITIVE)
        if sensitive != (name in LIVE):
            fail(f"{name!r} is {'' if sensitive else 'not '}sensitive")
    for hidden in ["Appearance of Materials", "Reversible Changes"]:
        if hidden in entries and entries[hidden].getState().contains(pyatspi.STATE_SHOWING):
            fail(f"the hidden entry {hidden!r} is shown")
    return entries


def checked_marks(pyatspi, entries):
    marks = {}
    for name in ["Sound On", "Sound Off"]:
        option = entries.get(name)
        if option is None or option.getRole() != pyatspi.ROLE_RADIO_BUTTON:
            fail(f"{name!r} is not a radio button")
        marks[name] = option.getState().contains(pyatspi.STATE_CHECKED)
    return marks


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader_test.py KELVARIN_PROGRAM")
    program = sys.argv[1]
    for tool in ["Xvfb", "dbus-daemon"]:
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        skip("at-spi2-core's bus launcher is not installed")

    processes = Processes()
    classroom = tempfile.mkdtemp(prefix="kelvarin-a11y-")
    try:
        os.environ["DISPLAY"] = start_display(processes)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(processes)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        processes.start([BUS_LAUNCHER, "--launch-immediately"])
        pyatspi = pyatspi_module()

        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           PULSE_SERVER="unix:/nonexistent/kelvarin-no-sound")
        # The class record on, so the quiz first asks who is doing it.
        os.makedirs(os.path.join(classroom, "record"))
        with open(os.path.join(classroom, "record", "settings.txt"), "w") as settings:
            settings.write("on=yes\n")
        with open(os.path.join(classroom, "record", "class.txt"), "w") as names:
            names.write("Amira\nBen\n")
        kelvarin = processes.start([program, "--classroom", classroom], env=environment)
        app = wait_for("the program on the AT-SPI bus",
                       lambda: running(kelvarin) and find_program(pyatspi, kelvarin.pid))
        ok = wait_for("the title screen's OK", lambda: named(pyatspi, app, "OK"))
        if ok.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail(f"the title screen's OK is a {ok.getRoleName()}")
        press(pyatspi, ok, "Press")

        entry = wait_for("the main menu", lambda: named(pyatspi, app, "Properties of Materials"))
        entries = check_main_menu(pyatspi, entry.parent)
        if checked_marks(pyatspi, entries) != {"Sound On": True, "Sound Off": False}:
            fail(f"the sound marks read {checked_marks(pyatspi, entries)} when sound is on")
        press(pyatspi, entries["Sound Off"], "Toggle")
        wait_for("Sound Off to be checked and Sound On cleared",
                 lambda: checked_marks(pyatspi, entries) == {"Sound On": False, "Sound Off": True})
        # The topic menu covers the main menu: only its own entries are on show.
        press(pyatspi, entries["Properties of Materials"], "Press")
        wait_for("the topic menu", lambda: named(pyatspi, app, "Key Facts"))
        if named(pyatspi, app, "Worksheet Catalogue"):
            fail("the main menu's entries still show under the topic menu")
        press(pyatspi, named(pyatspi, app, "Multiple Choice"), "Press")
        ben = wait_for("the names to pick from", lambda: named(pyatspi, app, "Ben"))
        for choice in [ben, named(pyatspi, app, "Amira"), named(pyatspi, app, "Not on the list")]:
            if choice is None or choice.getRole() != pyatspi.ROLE_PUSH_BUTTON:
                fail(f"{choice and choice.name!r} on the name picker is not a push button")
        press(pyatspi, ben, "Press")
        wait_for("the quiz", lambda: named(pyatspi, app, "Question 1"))
        if kelvarin.poll() is not None:
            fail(f"the program ended with status {kelvarin.returncode}")
        print("the main menu and the name picker read as a screen reader needs them")
    finally:
        processes.end_all()
        shutil.rmtree(classroom, ignore_errors=True)


if __name__ == "__main__":
    main()
