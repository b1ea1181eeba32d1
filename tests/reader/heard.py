#!/usr/bin/python3
"""What the Orca screen reader says to a keyboard user of ZENTARIO, run by CTest.

  heard.py PROGRAM [--transcript]

Chooses 黄 紫 赤 金 with the arrow keys, Tabs through the value boxes, stores in slot A and opens
HELP, and checks that Orca said the result, each whole value, the slot stored and the help's first
line. --transcript also prints everything Orca said.

Everything runs in a world of its own, ended with the run: a virtual X display with openbox, a
session bus with the accessibility bus, speech-dispatcher speaking with espeak-ng into the null ALSA
device that the run's own ~/.asoundrc names, Orca with its preferences in a temporary folder, and
the program. Keys are typed with xdotool; what Orca said is read from its debug file.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
from installed import Session, expect, fail  # noqa: E402  (the display, the buses, the clean-up)

# Orca as Debian installs it, from a launcher that changes two things: its debug file is written
# line by line (Orca opens it block-buffered, so its last lines would wait in memory), and it
# neither renames itself "orca" nor refuses to start beside another Orca of the user: this one
# speaks on a bus of its own. (Never "orca --replace": that ends every Orca of the user.)
ORCA = r"""
import functools, runpy, sys
orca = runpy.run_path("/usr/bin/orca", run_name="launcher")["main"].__globals__
orca["open"] = functools.partial(open, buffering=1)
orca["otherOrcas"] = lambda: []
orca["setProcessName"] = lambda name: False
sys.exit(orca["main"]())
"""
# An utterance may hold line breaks, but not the start of the log's next line.
SPOKEN = re.compile(r"SPEECH OUTPUT: '((?:(?!\n\d\d:\d\d:\d\d\.\d+ - ).)*?)'(?: voice=\w+)? ?[\[{]", re.S)

# Each key, how often, and what Orca must then say: "=TEXT" the whole utterance, else a part of one.
PATH = [("Tab", 1, None), ("Right", 4, None), ("Tab", 1, None), ("Right", 7, None), ("Tab", 1, None),
        ("Right", 2, "4.7 KΩ ±5%"), ("Tab", 1, None), ("Tab", 1, "=4700"), ("Tab", 1, "=4.7"),
        ("Tab", 1, "=0.0047"), ("Tab", 1, "=5"), ("Tab", 1, None), ("space", 1, "4.7KΩ 黄 紫 赤 金"),
        ("Tab", 6, None), ("Return", 1, "ZENTARIO　カラーコード抵抗計算　Ver 1.95　ヘルプ")]


class Heard(Session):
    """A Session with speech and Orca; what Orca said, from its debug file."""

    def __enter__(self):
        super().__enter__()
        self.root = tempfile.mkdtemp(prefix="zentario-heard-")
        self.home = os.path.join(self.root, "home")
        speechd = os.path.join(self.home, ".config", "speech-dispatcher")
        os.makedirs(speechd)
        os.makedirs(os.path.join(self.root, "orca"))
        with open(os.path.join(self.home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        # Speech goes to ALSA, not first to a PulseAudio that is not there: after that failure,
        # speech-dispatcher 0.11 hangs on the first cancelled message, and Orca with it.
        with open("/etc/speech-dispatcher/speechd.conf") as system, open(speechd + "/speechd.conf", "w") as f:
            f.write(system.read() + '\nAudioOutputMethod "alsa"\n')
        os.environ.update(HOME=self.home, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                          SPEECHD_ADDRESS="unix_socket:" + os.path.join(self.runtime, "speechd.sock"))
        self.log = os.path.join(self.root, "orca.log")
        self.started([subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method", "unix_socket",
             "--socket-path", os.environ["SPEECHD_ADDRESS"][12:]], start_new_session=True)])
        self.started([subprocess.Popen(["openbox", "--sm-disable"], start_new_session=True,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)])
        self.started([subprocess.Popen([sys.executable, "-c", ORCA, "-u", os.path.join(self.root, "orca"),
                                        "--debug-file", self.log], start_new_session=True,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)])
        self.wait_said(lambda s: s == "Screen reader on.", 0, "Orca to start")
        return self

    def started(self, processes):
        self.processes.extend(processes)

    def __exit__(self, *exc):
        super().__exit__(*exc)
        if exc[0] is SystemExit and exc[1].code:
            with open(os.path.join(self.root, "program.log"), errors="replace") as f:
                print(f.read()[-3000:], file=sys.stderr)
        if os.environ.get("ZEN_KEEP_ORCA_LOG") and os.path.exists(self.log):
            shutil.copy(self.log, os.environ["ZEN_KEEP_ORCA_LOG"])
        shutil.rmtree(self.root, ignore_errors=True)

    def said(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return SPOKEN.findall(f.read())
        except FileNotFoundError:
            return []

    def settle(self, quiet=0.8, timeout=30):
        """Waits until Orca has said nothing new for a moment: a key typed before it has caught up
        would leave it behind, and a reader behind by more than 50 events drops notifications."""
        count, since, deadline = len(self.said()), time.monotonic(), time.monotonic() + timeout
        while time.monotonic() - since < quiet and time.monotonic() < deadline:
            time.sleep(0.1)
            if len(self.said()) != count:
                count, since = len(self.said()), time.monotonic()

    def wait_said(self, wanted, since, what, timeout=60):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any(wanted(s) for s in self.said()[since:]):
                return
            time.sleep(0.2)
        fail(f"Orca did not say {what}; it said: {self.said()[since:]}")


def main():
    program, transcript = sys.argv[1], "--transcript" in sys.argv
    with Heard() as world:
        with open(os.path.join(world.root, "program.log"), "wb") as output:
            app = subprocess.Popen([program, "--folder", os.path.join(world.root, "settings")],
                                   start_new_session=True, stdout=output, stderr=output,
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
                exact = expected.startswith("=")
                world.wait_said(lambda s: s.rstrip(".") == expected[1:] if exact else expected in s, since,
                                f"{expected!r} after {key} x{times}")
            if transcript:
                print(f"{key} x{times}: " + " / ".join(world.said()[since:]), flush=True)
    print("Orca said the result, every whole value, the slot stored and the help's first line")


if __name__ == "__main__":
    main()
