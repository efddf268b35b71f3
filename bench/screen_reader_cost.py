#!/usr/bin/python3
"""What it costs a screen reader to follow the quiz, against the plain Qt window with the same
lists, both as it stands and doing the quiz's work with stock Qt: Orca runs beside each in turn,
with its debug log on, while a brisk learner's keys come 0.2 s apart, the same for all three
(ten answers entered, up the answers, "Обясни"). Prints, for each, the number of events Orca
handled, its time for all of them, and its own median and 95th-percentile time per event, as its
log gives them ("TOTAL PROCESSING TIME"). KEB_KEEP_LOG=PREFIX keeps the logs.

    screen_reader_cost.py QUIZ BENCH

QUIZ is the built program, BENCH the benchmark (its "--window" modes). Needs an X display
and a session bus in the environment, as scripts/display_server.sh run gives them.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "long"))
from quiz_over_atspi import Listener  # noqa: E402

# A brisk learner's keys, 0.2 s apart: ten answers, each the first state left with the first
# capital left, then up the answers from the foot and on to "Обясни".
KEYS = (["Home", "Tab", "Home", "Tab", "Tab", "Space"]
        + ["ShiftTab", "ShiftTab", "ShiftTab", "Home", "Tab", "Home", "Tab", "Tab", "Space"] * 9
        + ["ShiftTab", "End"] + ["Up"] * 9 + ["Tab"] * 3 + ["Space"])


def event_times(log, start):
    """Orca's time for each object event it handled, from the log's byte start on, in
    milliseconds."""
    times = []
    within = False
    with open(log, "rb") as raw:
        raw.seek(start)
        for line in raw.read().decode(errors="replace").splitlines():
            if "PROCESS OBJECT EVENT" in line and "vvvvv" in line:
                within = True
            elif within and line.startswith("TOTAL PROCESSING TIME:"):
                times.append(1000 * float(line.split(":")[1]))
                within = False
    return times


def quiet(log, seconds=3.0):
    """Waits until the log has not grown for a few seconds: Orca has handled all it was sent."""
    size, since = -1, time.monotonic()
    while time.monotonic() - since < seconds:
        if os.path.getsize(log) != size:
            size, since = os.path.getsize(log), time.monotonic()
        time.sleep(0.1)


def measure(command):
    with tempfile.TemporaryDirectory() as folder:
        debug = os.path.join(folder, "orca-debug.out")
        orca = Listener(folder, debug)
        env = dict(orca.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
        try:
            orca.hear("50", 30)  # the first list, with its 50 phrases
            quiet(debug)  # what the window's start set going, handled to its end
            start = os.path.getsize(debug)
            orca.press(*KEYS, pause=0.2)
            quiet(debug)
            if os.environ.get("KEB_KEEP_LOG"):
                shutil.copy(debug, "-".join([os.environ["KEB_KEEP_LOG"]] + command[2:]
                                            + [os.path.basename(command[0])]))
            return event_times(debug, start)
        finally:
            program.kill()
            program.wait()
            orca.stop()


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    for name, command in (("the quiz", [sys.argv[1]]),
                          ("stock Qt doing its work", [sys.argv[2], "--window", "working"]),
                          ("plain Qt", [sys.argv[2], "--window", "plain"])):
        times = sorted(measure(command))
        p95 = times[int(0.95 * (len(times) - 1))] if times else 0
        print("%-23s %4d events in %.1f s, Orca's time per event: median %.1f ms, 95th %.1f ms" %
              (name, len(times), sum(times) / 1000, statistics.median(times) if times else 0,
               p95))
    return 0


if __name__ == "__main__":
    sys.exit(main())
