#!/usr/bin/env python3
"""The window as a screen reader hears it: over the real accessibility bus (AT-SPI), on a virtual X
server, in a D-Bus session of its own, read with Debian's pyatspi as a screen reader reads it.

Usage: check-a11y-bus.py PROGRAM

For each language, the program is started and these are checked:
  - when a run ends, an object a screen reader speaks as it appears (a notification) appears within
    3 s, holding the run's result in words (the drawing's description) in the window's language,
    again after another run;
  - the prompt beneath the drawing, showing before the run, no longer shows after it;
  - the pace scroll bar moved to its slowest end says so in words, and tells the change;
  - the menu key and Shift+F10 both open the drawing's popup menu.
Without a tool it needs it says which and exits with 77, which CTest counts as skipped.
"""

import os
import signal
import shutil
import subprocess
import sys
import time

SKIPPED = 77
# A failing check fails well within CTest's minute, and takes the program and its bus with it.
WHOLE_RUN_S = 50
RESULT_WITHIN_S = 3.0
EVENT_WITHIN_S = 5.0
START_WITHIN_S = 15.0

# What each language's statement and slowest pace say, in the window's own words.
LANGUAGES = [
    ("en", "less than the critical angle", "slowest"),
    ("cs", "menší než mezní úhel", "nejpomalejší"),
]
MENU_KEYS = ["Menu", "shift+F10"]
INNER = "--on-the-bus"


def atspi_python():
    """A Python that has AT-SPI's bindings: this one, or Debian's own, which python3-pyatspi is for."""
    probe = "import gi; gi.require_version('Atspi', '2.0'); from gi.repository import Atspi"
    for python in dict.fromkeys([sys.executable, "/usr/bin/python3"]):
        if os.path.exists(python) and subprocess.run([python, "-c", probe], capture_output=True).returncode == 0:
            return python
    return None


def outer(program):
    missing = [tool for tool in ("dbus-run-session", "xvfb-run", "xdotool") if not shutil.which(tool)]
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        missing.append("at-spi2-core")
    python = atspi_python()
    if not python:
        missing.append("python3-pyatspi")
    if missing:
        print("SKIP: the accessibility bus needs " + ", ".join(missing))
        return SKIPPED
    command = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
               python, os.path.abspath(__file__), INNER, program]
    # In a process group of its own: whatever is left of the session when time is up goes with it.
    session = subprocess.Popen(command, start_new_session=True)
    try:
        return session.wait(timeout=WHOLE_RUN_S + 5)
    except subprocess.TimeoutExpired:
        print("FAIL: the session did not end in time")
        return 1
    finally:
        try:
            os.killpg(session.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass


def inner(program):
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib

    def timed_out(signum, frame):
        raise TimeoutError(f"the checks took more than {WHOLE_RUN_S} s")

    signal.signal(signal.SIGALRM, timed_out)
    signal.alarm(WHOLE_RUN_S)

    events = []
    listener = Atspi.EventListener.new(events.append)
    for kind in ("object:state-changed:showing", "object:property-change:accessible-description"):
        listener.register(kind)
    context = GLib.MainContext.default()
    # Wakes the loop a few times a second, so that a state that comes without an event is seen.
    GLib.timeout_add(50, lambda: True)

    def wait(found, seconds):
        """Handles the bus until found() gives something, for at most so many seconds."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            result = found()
            if result:
                return result
            context.iteration(True)
        return found()

    def descendants(node):
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child:
                yield child
                yield from descendants(child)

    def has_role(node, role):
        return node.get_role() == role

    def showing(node):
        return node.get_state_set().contains(Atspi.StateType.SHOWING)

    def seen(kind, role, since):
        """The source of the first event of a kind from an object of a role, after an index."""
        for event in events[since:]:
            if event.type == kind and event.source and event.source.get_role() == role:
                if kind != "object:state-changed:showing" or event.detail1 == 1:
                    return event.source
        return None

    def application_of(pid):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_process_id() == pid and app.get_child_count() > 0:
                return app
        return None

    failures = []

    def check(row, passed, detail=""):
        print(("ok   " if passed else "FAIL ") + row + (f": {detail}" if detail else ""))
        if not passed:
            failures.append(row)

    def window_id(pid):
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(pid)],
                               capture_output=True, text=True, timeout=START_WITHIN_S).stdout.split()
        return found[0] if found else None

    for language, says, slowest in LANGUAGES:
        env = dict(os.environ, LANGUAGE=language, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        process = subprocess.Popen([program], env=env)
        try:
            app = wait(lambda: application_of(process.pid), START_WITHIN_S)
            if not app:
                check(f"{language}: the window on the bus", False, "it never appeared")
                continue
            frame = app.get_child_at_index(0)
            nodes = list(descendants(frame))
            start = next(n for n in nodes if has_role(n, Atspi.Role.PUSH_BUTTON) and n.get_name() == "Start")
            bar = next(n for n in nodes if has_role(n, Atspi.Role.SCROLL_BAR))

            # The prompt: the one label of the window's own, showing until a run covers it.
            def prompts():
                return [n.get_name() for n in (frame.get_child_at_index(i) for i in range(frame.get_child_count()))
                        if n and has_role(n, Atspi.Role.LABEL) and showing(n)]

            before = prompts()
            check(f"{language}: the prompt shows before a run", len(before) == 1, repr(before))

            Atspi.Value.set_current_value(bar, 0)
            # Each run's result is spoken afresh, and no notice hides with nothing to say.
            for run in ("a run", "another run"):
                row = f"{language}: {run}'s result is spoken within {RESULT_WITHIN_S:g} s"
                mark = len(events)
                start.do_action(0)
                # At the fastest pace the run has ended by the time the press returns.
                ended = time.monotonic()
                notice = wait(lambda: seen("object:state-changed:showing", Atspi.Role.NOTIFICATION, mark),
                              RESULT_WITHIN_S)
                waited = time.monotonic() - ended
                if not notice:
                    check(row, False, "no notification")
                    continue
                words = notice.get_name()
                spoken = " ".join(c.get_name() for c in descendants(notice)
                                  if has_role(c, Atspi.Role.LABEL) and showing(c))
                described = [n for n in nodes if n.get_description() == words]
                hidden = [e for e in events[mark:] if e.type == "object:state-changed:showing" and e.detail1 == 0
                          and e.source and e.source.get_role() == Atspi.Role.NOTIFICATION]
                check(row, says in words and spoken == words and bool(described) and not hidden,
                      f"after {waited:.2f} s, {len(hidden)} hidden, {words!r}")

            after = prompts()
            check(f"{language}: the prompt is gone after a run", after == [], repr(after))

            mark = len(events)
            Atspi.Value.set_current_value(bar, Atspi.Value.get_maximum_value(bar))
            told = wait(lambda: seen("object:property-change:accessible-description", Atspi.Role.SCROLL_BAR, mark),
                        EVENT_WITHIN_S)
            check(f"{language}: the scroll bar at its slowest end says so",
                  bool(told) and bar.get_description() == slowest, repr(bar.get_description()))

            window = window_id(process.pid)
            subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=EVENT_WITHIN_S)
            for key in MENU_KEYS:
                mark = len(events)
                subprocess.run(["xdotool", "key", key], timeout=EVENT_WITHIN_S)
                menu = wait(lambda: seen("object:state-changed:showing", Atspi.Role.POPUP_MENU, mark),
                            EVENT_WITHIN_S)
                items = [c.get_name() for c in descendants(menu) if has_role(c, Atspi.Role.MENU_ITEM)] if menu else []
                check(f"{language}: {key} opens the drawing's menu", bool(items), repr(items[:2]))
                if menu:
                    subprocess.run(["xdotool", "key", "Escape"], timeout=EVENT_WITHIN_S)
                    wait(lambda: not showing(menu), EVENT_WITHIN_S)
        finally:
            process.kill()
            process.wait()

    # A teacher's shortcut opens the class's case: the command line's settings, as if clicked, then
    # Start pressed once the window is open, and its result spoken.
    mark = len(events)
    env = dict(os.environ, LANGUAGE="en", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program, "--substance", "glass", "--angle", "60", "--distance", "100", "--run"],
                               env=env)
    try:
        notice = wait(lambda: seen("object:state-changed:showing", Atspi.Role.NOTIFICATION, mark), START_WITHIN_S)
        app = application_of(process.pid)
        checked = sorted(n.get_name() for n in descendants(app.get_child_at_index(0)) if app
                         and has_role(n, Atspi.Role.RADIO_BUTTON)
                         and n.get_state_set().contains(Atspi.StateType.CHECKED)) if app else []
        words = notice.get_name() if notice else ""
        check("the command line opens glass at 60 and 100, and runs it",
              words.startswith("Glass at 60 degrees")
              and {"Substance: Glass", "Incident angle: 60", "Detector H distance: 100"} <= set(checked),
              f"{checked!r}, {words[:40]!r}")
    finally:
        process.kill()
        process.wait()

    signal.alarm(0)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == INNER:
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(outer(sys.argv[1]))
