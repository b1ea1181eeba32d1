#!/usr/bin/python3
"""wayland.py PROGRAM: on a headless weston of its own, natively (DISPLAY names no server), opening
chart and help and pressing Quit leave ZENTARIO.INI byte for byte; with both WAYLAND_DISPLAY and
DISPLAY (an Xvfb of its own) the program runs on X at its stored place. Buttons are pressed through
the accessibility bus."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import installed
from installed import expect, step

# The calculator at top 1800, left 1830 twips (pixels 120, 122), the other windows' places, slot A.
ENTRIES = [b" 1800", b" 1830", b"4.7K\x83\xb6", b"65535", b"16711935", b"255", b"49344"] + [b""] * 20 + \
    [b" 2180", b" 1880", b" 2200", b" 1930", b"", b"", b" 1500", b" 1600"]
SETTINGS = b"".join(b'"%s"\r\n' % e for e in ENTRIES)


class Desktop(installed.Session):
    """The installed-program checks' session (Xvfb and the buses) with a headless weston beside it."""

    def __enter__(self):
        super().__enter__()
        try:
            self.wayland = os.path.join(self.runtime, "zentario-weston")
            self.processes.append(subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--use-pixman", "--socket=zentario-weston",
                 "--idle-time=0"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))
            self.until(self.processes[-1], "weston", lambda: os.path.exists(self.wayland))
        except BaseException:  # what was started so far ends too
            self.__exit__(None, None, None)
            raise
        return self

    def run(self, folder, display, buttons, check=lambda program: None):
        """Starts the program, checks it, presses the buttons (waiting for what each opens) and Quit;
        ZENTARIO.INI must be as it was."""
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        env.update(HOME=folder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", WAYLAND_DISPLAY=self.wayland, DISPLAY=display)
        program = subprocess.Popen([sys.argv[1], "--folder", folder], env=env, start_new_session=True)
        self.programs.append(program)
        check(program)
        for name, opens in buttons + [("終了", None)]:
            self.wait_for(program, name, lambda n: n.name == name and n.getRole() == self.atspi.ROLE_PUSH_BUTTON
                          and n.getState().contains(self.atspi.STATE_SHOWING)).queryAction().doAction(0)
            if opens:
                self.wait_for(program, opens, lambda n: n.name == opens)
                time.sleep(1)  # the windows' position recorders tick every 500 ms
        installed.end_program(program)
        with open(os.path.join(folder, "ZENTARIO.INI"), "rb") as f:
            expect(f.read() == SETTINGS, f"Quit on {display} changed ZENTARIO.INI")


def at_stored_place(desktop, program):
    window = desktop.until(program, "the calculator on X", lambda: installed.quiet_run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", installed.CALCULATOR_TITLE],
        text=True).stdout.split())[0]
    place = installed.quiet_run(["xdotool", "getwindowgeometry", window], text=True).stdout
    expect("Position: 122,120 " in place, "the calculator is not at its stored place on X: " + place)


def main():
    folder = tempfile.mkdtemp(prefix="zentario-wayland-")
    try:
        with open(os.path.join(folder, "ZENTARIO.INI"), "wb") as f:
            f.write(SETTINGS)
        with Desktop() as desktop:
            desktop.run(folder, ":64999", [("色帯表", "END"), ("色帯表", None), ("HELP", "HELP END")])
            step("natively on weston: chart and help opened, Quit left ZENTARIO.INI byte for byte")
            desktop.run(folder, os.environ["DISPLAY"], [], lambda program: at_stored_place(desktop, program))
            step("with both displays: on X at its stored place; Quit left ZENTARIO.INI byte for byte")
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
