#!/usr/bin/python3
"""heard.py PROGRAM [--transcript]: what Orca says to a keyboard user of ZENTARIO, run by CTest.

Chooses 黄 紫 赤 金 by the arrow keys, Tabs through the value boxes, stores in slot A and opens HELP,
and checks that Orca said the result, each whole value, the slot stored and the help's first line.
All on a display and buses of the run's own (the installed-program tests' Session), with
speech-dispatcher and espeak-ng speaking into the null ALSA device of the run's own ~/.asoundrc and
Orca's preferences in a temporary folder; what Orca said is read from its debug file.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
from installed import Session, expect, fail  # noqa: E402

# Orca as Debian installs it, from a launcher that writes its debug file line by line (Orca opens it
# block-buffered) and keeps it from renaming itself "orca" or refusing to start beside another Orca
# of the user: this one speaks on a bus of its own. (Never "orca --replace": it ends every Orca.)
ORCA = r"""
import functools, runpy, sys
orca = runpy.run_path("/usr/bin/orca", run_name="launcher")["main"].__globals__
orca.update(open=functools.partial(open, buffering=1), otherOrcas=lambda: [], setProcessName=lambda n: 0)
sys.exit(orca["main"]())
"""
# An utterance may hold line breaks, but not the start of the log's next line.
SPOKEN = re.compile(r"SPEECH OUTPUT: '((?:(?!\n\d\d:\d\d:\d\d\.\d+ - ).)*?)'(?: voice=\w+)? ?[\[{]", re.S)
# Each key, how often, and what Orca must then say: "=TEXT" a whole utterance, else a part of one.
PATH = [("Tab", 1, None), ("Right", 4, None), ("Tab", 1, None), ("Right", 7, None), ("Tab", 1, None),
        ("Right", 2, "4.7 KΩ ±5%"), ("Tab", 1, None), ("Tab", 1, "=4700"), ("Tab", 1, "=4.7"),
        ("Tab", 1, "=0.0047"), ("Tab", 1, "=5"), ("Tab", 1, None), ("space", 1, "4.7KΩ 黄 紫 赤 金"),
        ("Tab", 6, None), ("Return", 1, "ZENTARIO　カラーコード抵抗計算　Ver 1.95　ヘルプ")]


class Heard(Session):
    def __enter__(self):
        super().__enter__()
        self.root = tempfile.mkdtemp(prefix="zentario-heard-")
        home, self.log = os.path.join(self.root, "home"), os.path.join(self.root, "orca.log")
        os.makedirs(os.path.join(home, ".config", "speech-dispatcher"))
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        # To ALSA at once: after failing to reach a PulseAudio that is not there, speech-dispatcher
        # 0.11 hangs on the first cancelled message, and Orca with it.
        with open("/etc/speech-dispatcher/speechd.conf") as system, \
                open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as f:
            f.write(system.read() + '\nAudioOutputMethod "alsa"\n')
        socket = os.path.join(self.runtime, "speechd.sock")
        os.environ.update(HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8", SPEECHD_ADDRESS="unix_socket:" + socket)
        for command in (["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", socket],
                        ["openbox", "--sm-disable"],
                        [sys.executable, "-c", ORCA, "-u", self.root, "--debug-file", self.log]):
            self.processes.append(subprocess.Popen(command, start_new_session=True, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL))
        self.wait_said(lambda s: s == "Screen reader on.", 0, "Orca to start")
        return self

    def __exit__(self, *exc):
        super().__exit__(*exc)
        if exc[0] is SystemExit and exc[1].code:
            with open(os.path.join(self.root, "program.log"), errors="replace") as f:
                print(f.read()[-3000:], file=sys.stderr)
        if os.environ.get("ZEN_KEEP_ORCA_LOG") and os.path.exists(self.log):
            shutil.copy(self.log, os.environ["ZEN_KEEP_ORCA_LOG"])
        shutil.rmtree(self.root, ignore_errors=True)

    def said(self):
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return SPOKEN.findall(f.read())

    def settle(self, quiet=0.8):
        """Waits for Orca to fall silent: keys typed faster than it keeps up would leave it more
        than 50 events behind, and then it drops notifications."""
        count, since, deadline = len(self.said()), time.monotonic(), time.monotonic() + 30
        while time.monotonic() - since < quiet and time.monotonic() < deadline:
            time.sleep(0.1)
            if len(self.said()) != count:
                count, since = len(self.said()), time.monotonic()

    def wait_said(self, wanted, since, what):
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            if os.path.exists(self.log) and any(wanted(s) for s in self.said()[since:]):
                return
            time.sleep(0.2)
        fail(f"Orca did not say {what}; it said: {self.said()[since:] if os.path.exists(self.log) else []}")


def main():
    with Heard() as world, open(os.path.join(world.root, "program.log"), "wb") as output:
        app = subprocess.Popen([sys.argv[1], "--folder", os.path.join(world.root, "settings")], stdout=output,
                               stderr=output, start_new_session=True,
                               env=dict(os.environ, QT_QPA_PLATFORM="xcb", ASAN_OPTIONS="detect_leaks=0"))
        world.programs.append(app)
        world.wait_said(lambda s: s.startswith("抵抗値 入力"), 0, "the entry box, focused at the start")
        for key, times, expected in PATH:
            since = len(world.said())
            for _ in range(times):
                subprocess.run(["xdotool", "key", key], check=True)
                world.settle()
            expect(app.poll() is None, f"the program ended (status {app.returncode})")
            if expected:
                world.wait_said(lambda s: s.rstrip(".") == expected[1:] if expected[0] == "=" else expected in s,
                                since, f"{expected!r} after {key} x{times}")
            if "--transcript" in sys.argv:
                print(f"{key} x{times}: " + " / ".join(world.said()[since:]), flush=True)
    print("Orca said the result, every whole value, the slot stored and the help's first line")


if __name__ == "__main__":
    main()
