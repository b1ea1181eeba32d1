#!/usr/bin/python3
"""Checks of ZENTARIO as it is installed, run by CTest.

  installed.py desktop-entry FILE     desktop-file-validate says nothing about it
  installed.py metainfo FILE          appstreamcli validate --no-net finds nothing to report
  installed.py command-line ...       --help, --version, mistakes, a missing display and module
  installed.py run-folder ...         the installed program with --folder: help text, browser, Quit
  installed.py run-xdg ...            without --folder: Quit writes under $XDG_CONFIG_HOME
  installed.py bad-folders ...        folders that cannot be used: the program starts and ends
  installed.py precision ...          the five- and six-band window: 茶 黒 黒 赤 茶 reads 10 KΩ ±1 %

The runs install the build into a temporary prefix and drive the installed program the way a user
does: on a virtual X display, clicking with xdotool on the buttons, found and read through the
accessibility bus (AT-SPI) the way a screen reader finds them. Nothing reaches the program but
its command line, its environment, and clicks.
"""

import argparse
import os
import resource
import select
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

HOME_PAGE_TITLE = "ZENTARIO ホームページ"
CALCULATOR_TITLE = "カラ-コ-ド抵抗"
PRECISION_TITLE = "精密抵抗（５帯・６帯）"
SAVE_FAILED = "設定を保存できませんでした"
STEP_TIMEOUT = 90  # seconds for one step on a loaded two-core machine; a step usually takes one
STARTED = time.monotonic()


def step(what):
    print(f"{time.monotonic() - STARTED:6.1f} s  {what}", flush=True)


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def expect(condition, message):
    if not condition:
        fail(message)


def quiet_run(command, **kwargs):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kwargs)


# --- Validators ------------------------------------------------------------------------------------

def desktop_entry(path):
    result = quiet_run(["desktop-file-validate", path], text=True)
    said = (result.stdout + result.stderr).strip()
    expect(result.returncode == 0 and not said, "desktop-file-validate: " + said)
    print("desktop-file-validate: clean")


def metainfo(path):
    result = quiet_run(["appstreamcli", "validate", "--no-net", path], text=True)
    said = result.stdout + result.stderr
    print(said.strip())
    # Errors, warnings and infos fail; the pedantic remarks (shown only with --pedantic) do not.
    issues = [line for line in said.splitlines() if line[:2] in ("E:", "W:", "I:")]
    expect(result.returncode == 0 and not issues, "appstreamcli found: " + "; ".join(issues))


# --- The installed program -------------------------------------------------------------------------

class Installation:
    """The build installed into a temporary prefix, with a start folder and a home of its own."""

    def __init__(self, cmake, build):
        self.root = tempfile.mkdtemp(prefix="zentario-install-")
        self.prefix = os.path.join(self.root, "prefix")
        quiet_run([cmake, "--install", build, "--prefix", self.prefix], check=True)
        self.program = os.path.join(self.prefix, "bin", "zentario")
        self.module = self.find_one("libzenweb.so")
        self.help_text = os.path.join(self.prefix, "share", "zentario", "ZENHELP.TXT")
        expect(os.path.isfile(self.help_text), "no help text in " + self.help_text)
        self.start = self.folder("start")
        self.home = self.folder("home")

    def find_one(self, name):
        found = [os.path.join(d, name) for d, _, files in os.walk(self.prefix) if name in files]
        expect(len(found) == 1, f"{name} installed {len(found)} times: {found}")
        return found[0]

    def folder(self, name):
        path = os.path.join(self.root, name)
        os.mkdir(path)
        return path

    def environment(self, **extra):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME")}
        env["HOME"] = self.home
        env.update(extra)
        return env

    def expect_start_folder_empty(self):
        left = os.listdir(self.start)
        expect(not left, f"the start folder was written to: {left}")

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


def command_line(args):
    inst = Installation(args.cmake, args.build)
    try:
        def run(*arguments, **env):
            # Core files allowed, so that an abort would leave one in the start folder.
            return quiet_run([inst.program, *arguments], cwd=inst.start, env=inst.environment(**env),
                             preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_CORE, (-1, -1)), timeout=120)

        r = run("--help")
        expect(r.returncode == 0 and r.stdout.startswith(b"Usage: zentario [options]\n") and b"--folder" in r.stdout
               and not r.stderr, f"--help: {r}")
        r = run("--version")
        expect(r.returncode == 0 and r.stdout == b"zentario 1.95\n" and not r.stderr, f"--version: {r}")
        for arguments, first in ((["--bogus"], b"zentario: Unknown option 'bogus'."),
                                 (["--folder"], b"zentario: Missing value after '--folder'.")):
            r = run(*arguments)
            lines = r.stderr.split(b"\n")
            expect(r.returncode == 2 and not r.stdout and lines[0] == first and lines[1].startswith(b"Usage: zentario"),
                   f"{arguments}: {r}")
        for env, names in (({}, b"DISPLAY is not set"), ({"DISPLAY": ":64999"}, b'":64999"')):
            r = run(**env)
            lines = r.stderr.decode(errors="replace").splitlines()
            expect(r.returncode == 1 and len(lines) == 1 and names in r.stderr and b"xvfb-run" in r.stderr,
                   f"no display {env}: status {r.returncode}, said {lines}")
        # The terminal sub-commands answer from the installed program too, without any display.
        r = run("value", "4k7")
        expect(r.returncode == 0 and r.stdout.decode() == "黄 紫 赤 金  (yellow violet red gold)  4.7 KΩ ±5 %\n"
               "SMD: 472, 4701\n" and not r.stderr, f"value 4k7: {r}")
        r = run("bands", "黄", "紫", "赤")
        expect(r.returncode == 0 and r.stdout.decode() == "4700 Ω  4.7 KΩ  0.0047 MΩ  ±5 %\n", f"bands: {r}")
        # Without the window's module: one line naming it, status 1; the sub-commands need none.
        module = inst.find_one("libzenwindow.so")
        os.remove(module)
        r = run("--version")
        expect(r.returncode == 1 and not r.stdout and r.stderr.decode().startswith(f"zentario: cannot load {module}: ")
               and r.stderr.count(b"\n") == 1, f"no module: {r}")
        r = run("smd", "01C")
        expect(r.returncode == 0 and r.stdout.decode().startswith("10 KΩ  "), f"smd 01C: {r}")
        inst.expect_start_folder_empty()  # and so no core file either
        print("command line: help, version, sub-commands, mistakes (2), no display and no module (1) as expected")
    finally:
        inst.remove()


class Session:
    """A virtual X display of its own and a session bus with the accessibility bus, for one check.
    Whatever it started, the programs included, is ended when it closes, whatever happened."""

    def __enter__(self):
        self.processes = []
        self.programs = []
        # The buses keep their sockets here rather than in the home folder of whoever runs the tests.
        self.runtime = tempfile.mkdtemp(prefix="zentario-session-")
        os.environ["XDG_RUNTIME_DIR"] = self.runtime
        display = self.start_with_fd(["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp", "-noreset"])
        os.environ["DISPLAY"] = ":" + display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.start_with_fd(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address={fd}"])
        import pyatspi  # after the bus exists: it connects when imported
        self.atspi = pyatspi
        pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program looks for it
        return self

    def start_with_fd(self, command):
        """Starts a server that writes its address to a descriptor, and returns the address."""
        read_end, write_end = os.pipe()
        command = [part.replace("{fd}", str(write_end)) for part in command]
        # A process group of its own, so the services the bus starts go with it.
        process = subprocess.Popen(command, pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(process)
        os.close(write_end)
        text = b""
        deadline = time.monotonic() + 30
        while not text.endswith(b"\n") and time.monotonic() < deadline:
            if select.select([read_end], [], [], 1)[0]:
                chunk = os.read(read_end, 256)
                if not chunk:
                    break
                text += chunk
        os.close(read_end)
        expect(text.endswith(b"\n"), f"{command[0]} did not start")
        return text.decode().strip()

    def start_program(self, inst, arguments, **env):
        # Accessibility on without a desktop asking for it, as Qt allows; the engine as in the web
        # tests. Its own process group, so that the engine's helper processes end with it.
        env = inst.environment(DISPLAY=os.environ["DISPLAY"], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                               QT_QPA_PLATFORM="xcb",
                               QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-dev-shm-usage", **env)
        program = subprocess.Popen([inst.program, *arguments], cwd=inst.start, env=env, start_new_session=True)
        self.programs.append(program)
        return program

    def __exit__(self, *exc):
        for process in self.programs + list(reversed(self.processes)):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(process.pid, sig)
                    process.wait(timeout=10)
                    break
                except ProcessLookupError:
                    break
                except subprocess.TimeoutExpired:
                    continue
        shutil.rmtree(self.runtime, ignore_errors=True)

    # --- What the windows show, read through the accessibility bus ---

    def application(self, pid):
        desktop = self.atspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None

    def find(self, pid, wanted, limit=12):
        """The first accessible of the program for which wanted(node) holds; None when there is none."""
        app = self.application(pid)
        if app is None:
            return None
        stack = [(app, 0)]
        while stack:
            node, depth = stack.pop()
            try:
                if wanted(node):
                    return node
                if depth < limit:
                    stack.extend((node.getChildAtIndex(i), depth + 1) for i in range(node.childCount))
            except Exception:  # a window that went away while it was read
                continue
        return None

    def until(self, program, what, probe):
        """What probe() gives, once it gives something; fails when the program ends or time is up."""
        deadline = time.monotonic() + STEP_TIMEOUT
        while time.monotonic() < deadline:
            expect(program.poll() is None, f"the program ended (status {program.returncode}) waiting for {what}")
            found = probe()
            if found:
                return found
            time.sleep(0.1)
        fail("timed out waiting for " + what)

    def wait_for(self, program, what, wanted):
        return self.until(program, what, lambda: self.find(program.pid, wanted))

    def click(self, node):
        x, y, w, h = node.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        # The server takes the move and the click in the order they are sent. (No --sync: it waits
        # for a movement, which never comes when the pointer is already there.)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)

    def press(self, program, name, on_calculator=True):
        """Clicks the control the program names so (its accessible name, as a screen reader says it).
        A button of the calculator is brought to the top first: the other windows open over it, and
        without a window manager nothing else would raise it."""
        showing = self.atspi.STATE_SHOWING
        button = self.wait_for(program, f"the button {name!r}",
                               lambda n: n.name == name and n.getRole() == self.atspi.ROLE_PUSH_BUTTON
                               and n.getState().contains(showing))
        if on_calculator:
            self.raise_window(program, CALCULATOR_TITLE)
        self.click(button)

    def raise_window(self, program, title):
        """Raises the program's window of that title once it is on the screen (mapped)."""
        windows = self.until(program, f"the window {title}", lambda: quiet_run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(program.pid), "--name", title],
            text=True).stdout.split())
        for window in windows:
            subprocess.run(["xdotool", "windowraise", window], check=True)


def end_program(program):
    try:
        status = program.wait(timeout=STEP_TIMEOUT)
    except subprocess.TimeoutExpired:
        fail("the program did not end after Quit")
    expect(status == 0, f"the program ended with status {status}")


def expect_saved(folder):
    path = os.path.join(folder, b"ZENTARIO.INI" if isinstance(folder, bytes) else "ZENTARIO.INI")
    expect(os.path.isfile(path), f"no settings file at {path!r}")
    with open(path, "rb") as f:
        lines = f.read().split(b"\r\n")
    expect(len(lines) == 36 and lines[-1] == b"", f"{path!r} does not hold 35 lines")
    mode = stat.S_IMODE(os.stat(folder).st_mode)
    expect(mode == 0o700, f"{folder!r} has mode {mode:o}, not 700")


def expect_untouched(home):
    """Nothing in the home folder but caches: Qt keeps the shaders it compiled for the browser's
    page in ~/.cache, where caches belong."""
    written = [os.path.relpath(os.path.join(d, name), home) for d, dirs, files in os.walk(home)
               for name in dirs + files]
    written = [w for w in written if w != ".cache" and not w.startswith(".cache/")]
    expect(not written, f"{home} was written to: {written}")


def run_folder(args):
    inst = Installation(args.cmake, args.build)
    try:
        # A help text of the installation's own, so the page can only have come from there.
        marker = "installed help text " + os.path.basename(inst.root)
        with open(inst.help_text, "wb") as f:
            f.write(marker.encode("ascii") + b"\r\n//\r\n")
        folder = os.path.join(inst.root, "settings", "zentario")  # missing: made at the first save
        with Session() as session:
            program = session.start_program(inst, ["--folder", folder])
            session.press(program, "HELP")
            session.wait_for(program, "the installed help text",
                             lambda n: n.getRole() == session.atspi.ROLE_TEXT
                             and marker in n.queryText().getText(0, -1))
            step("HELP shows the installed help text")
            session.press(program, "HELP")
            session.press(program, "W E V")
            session.wait_for(program, "the homepage's title", lambda n: n.name == HOME_PAGE_TITLE)
            # The page's own content is open to a screen reader, not only the window around it.
            session.wait_for(program, "the homepage's heading", lambda n: n.getRole() == session.atspi.ROLE_HEADING)
            with open(f"/proc/{program.pid}/maps") as maps:
                expect(inst.module in maps.read(), "the installed browser module is not loaded")
            step("W E V shows the homepage, its content open to a reader, with the installed browser module loaded")
            session.press(program, "終了")
            end_program(program)
            step("Quit ended the program")
        expect_saved(folder)
        inst.expect_start_folder_empty()
        expect_untouched(inst.home)
        print("--folder: installed help text shown, installed browser module loaded and its homepage "
              "shown, ZENTARIO.INI written into the named folder (made 0700)")
    finally:
        inst.remove()


def run_xdg(args):
    inst = Installation(args.cmake, args.build)
    try:
        config = os.path.join(inst.root, "config")
        with Session() as session:
            program = session.start_program(inst, [], XDG_CONFIG_HOME=config)
            session.press(program, "終了")
            end_program(program)
        expect_saved(os.path.join(config, "zentario"))
        inst.expect_start_folder_empty()
        expect_untouched(inst.home)
        print("XDG_CONFIG_HOME: ZENTARIO.INI written into $XDG_CONFIG_HOME/zentario, nothing elsewhere")
    finally:
        inst.remove()


def bad_folders(args):
    inst = Installation(args.cmake, args.build)
    try:
        a_file = os.path.join(inst.root, "a-file")
        with open(a_file, "w") as f:
            f.write("not a folder\n")
        odd_bytes = os.path.join(inst.root.encode(), b"odd-\xff\xfe-name")
        cases = [("a file", a_file, False), ("below a file", os.path.join(a_file, "sub"), False),
                 ("the empty string", "", False), ("a name that is not UTF-8", odd_bytes, True)]
        if os.geteuid() != 0:  # root may write anywhere
            read_only = inst.folder("read-only")
            os.chmod(read_only, 0o500)
            cases.append(("a folder without write permission", read_only, False))
        with Session() as session:
            for what, folder, saves in cases:
                program = session.start_program(inst, [b"--folder", folder])
                session.press(program, "終了")
                if not saves:
                    session.wait_for(program, f"the save-failure message ({what})",
                                     lambda n: SAVE_FAILED in (n.name or ""))
                    session.press(program, "OK", on_calculator=False)
                end_program(program)
                if saves:
                    expect_saved(folder)
                print(f"--folder naming {what}: started, " + ("saved" if saves else "said it could not save once")
                      + ", ended")
        inst.expect_start_folder_empty()
    finally:
        inst.remove()


def run_precision(args):
    """The five- and six-band window opened with its button: choosing 茶 黒 黒 赤 茶 reads
    10 KΩ ±1 %, and Quit with the window open leaves ZENTARIO.INI as it was."""
    inst = Installation(args.cmake, args.build)
    try:
        folder = inst.folder("settings")
        settings = os.path.join(folder, "ZENTARIO.INI")
        kept = b"".join(b'"' + entry + b'"\r\n' for entry in [b" 1800", b" 1830"] + [b""] * 33)
        with open(settings, "wb") as f:
            f.write(kept)
        with Session() as session:
            atspi = session.atspi
            program = session.start_program(inst, ["--folder", folder])
            session.press(program, "5・6帯")
            session.wait_for(program, "the five- and six-band window",
                             lambda n: n.getRole() == atspi.ROLE_FRAME and n.name == PRECISION_TITLE)
            for name in ("1帯 茶 1", "2帯 黒 0", "3帯 黒 0", "乗数 赤 ×100", "許容差 茶 1%"):
                option = session.wait_for(program, f"the option {name!r}",
                                          lambda n, name=name: n.getRole() == atspi.ROLE_RADIO_BUTTON
                                          and n.name == name)
                session.click(option)
                session.until(program, f"{name!r} chosen", lambda o=option: o.getState().contains(atspi.STATE_CHECKED))
            session.wait_for(program, "the value 10 KΩ ±1 %",
                             lambda n: n.getRole() == atspi.ROLE_LABEL and n.name == "10 KΩ ±1 %")
            step("5・6帯 opened the window; 茶 黒 黒 赤 茶 chosen, 10 KΩ ±1 % read")
            session.press(program, "終了")
            end_program(program)
        with open(settings, "rb") as f:
            expect(f.read() == kept, "Quit with the window open changed ZENTARIO.INI")
        print("five and six bands: opened by its button, 茶 黒 黒 赤 茶 read as 10 KΩ ±1 %, ZENTARIO.INI kept")
    finally:
        inst.remove()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("check", choices=["desktop-entry", "metainfo", "command-line", "run-folder", "run-xdg",
                                          "bad-folders", "precision"])
    parser.add_argument("file", nargs="?")
    parser.add_argument("--cmake")
    parser.add_argument("--build")
    args = parser.parse_args()
    {"desktop-entry": lambda: desktop_entry(args.file), "metainfo": lambda: metainfo(args.file),
     "command-line": lambda: command_line(args), "run-folder": lambda: run_folder(args),
     "run-xdg": lambda: run_xdg(args), "bad-folders": lambda: bad_folders(args),
     "precision": lambda: run_precision(args)}[args.check]()


if __name__ == "__main__":
    main()
