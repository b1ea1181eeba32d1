#!/usr/bin/python3
"""ZENTARIO on a Wayland desktop, run by CTest:  wayland.py PROGRAM

On a headless weston of its own, natively (DISPLAY names no server): the chart and the help window
opened, then Quit, leave ZENTARIO.INI byte for byte as it was. Then with both WAYLAND_DISPLAY and
DISPLAY (an Xvfb of its own) and no platform chosen: the calculator runs on X, at its stored place.
Buttons are pressed through the accessibility bus, as a screen reader presses them.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import installed
from installed import expect, step

# The calculator at top 1800, left 1830 twips (120, 122 pixels), the other windows' places, slot A.
SETTINGS = [" 1800", " 1830", "4.7K\x83\xb6", "65535", "16711935", "255", "49344"] + [""] * 20 + \
    [" 2180", " 1880", " 2200", " 1930", "", "", " 1500", " 1600"]


class Desktop(installed.Session):
    """The session of the installed-program checks, with a headless weston beside its Xvfb."""

    def __enter__(self):
        super().__enter__()
        try:
            self.wayland = "zentario-weston"
            self.processes.append(subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=" + self.wayland,
                 "--width=1280", "--height=1024", "--idle-time=0"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))
            socket = os.path.join(self.runtime, self.wayland)
            deadline = time.monotonic() + installed.STEP_TIMEOUT
            while not os.path.exists(socket) and time.monotonic() < deadline:
                time.sleep(0.1)
            expect(os.path.exists(socket), "weston did not start")
        except BaseException:  # what was started so far ends too
            self.__exit__(None, None, None)
            raise
        return self

    def start(self, folder, **extra):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(HOME=folder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", WAYLAND_DISPLAY=self.wayland, **extra)
        program = subprocess.Popen([sys.argv[1], "--folder", folder], env=env, start_new_session=True)
        self.programs.append(program)
        return program

    def press(self, program, name):
        showing = self.atspi.STATE_SHOWING
        self.wait_for(program, f"the button {name!r}", lambda n: n.name == name and n.getRoleName() == "push button"
                      and n.getState().contains(showing)).queryAction().doAction(0)


def main():
    folder = tempfile.mkdtemp(prefix="zentario-wayland-")
    path = os.path.join(folder, "ZENTARIO.INI")
    stored = b"".join(b'"' + e.encode("latin-1") + b'"\r\n' for e in SETTINGS)
    with open(path, "wb") as f:
        f.write(stored)
    try:
        with Desktop() as desktop:
            program = desktop.start(folder, DISPLAY=":64999")
            for button, closer in (("色帯表", "END"), ("色帯表", None), ("HELP", "HELP END")):
                desktop.press(program, button)
                if closer:
                    desktop.wait_for(program, closer, lambda n: n.name == closer)
                    time.sleep(1)  # the windows' position recorders tick every 500 ms
            desktop.press(program, "終了")
            installed.end_program(program)
            with open(path, "rb") as f:
                expect(f.read() == stored, "Quit on Wayland changed ZENTARIO.INI")
            step("on weston, natively: chart and help opened, Quit left ZENTARIO.INI byte for byte")

            program = desktop.start(folder, DISPLAY=os.environ["DISPLAY"])
            window = desktop.until(program, "the calculator on X", lambda: installed.quiet_run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", installed.CALCULATOR_TITLE],
                text=True).stdout.split())[0]
            place = installed.quiet_run(["xdotool", "getwindowgeometry", window], text=True).stdout
            expect("Position: 122,120 " in place, "the calculator is not at its stored place on X: " + place)
            desktop.press(program, "終了")
            installed.end_program(program)
            with open(path, "rb") as f:
                expect(f.read() == stored, "Quit on X changed ZENTARIO.INI")
            step("with both displays: on X, at its stored place; Quit left ZENTARIO.INI byte for byte")
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
