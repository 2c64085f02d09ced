#!/usr/bin/env python3
"""Time from process start to the main window shown, and the idle memory.

Runs build/bin/pagewick ten times with PAGEWICK_STARTUP_PROBE set, offscreen
and (when Xvfb is installed) under Xvfb, each time with fresh settings, and
prints the median time to the "shown" line and the resident memory after a
second of idling."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(ROOT, "build", "bin", "pagewick")
RUNS = 10


def one_run(env):
    with tempfile.TemporaryDirectory() as home:
        env = dict(env, XDG_CONFIG_HOME=home + "/config", XDG_DATA_HOME=home + "/data",
                   PAGEWICK_STARTUP_PROBE="1")
        started = time.perf_counter()
        proc = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.PIPE, text=True)
        shown_ms = rss_kb = None
        for line in proc.stderr:
            if line.startswith("shown") and shown_ms is None:
                shown_ms = (time.perf_counter() - started) * 1000
            elif line.startswith("rss_kb"):
                rss_kb = int(line.split()[1])
        proc.wait(timeout=30)
        return shown_ms, rss_kb


def measure(label, env):
    one_run(env)  # warm the file cache
    runs = [one_run(env) for _ in range(RUNS)]
    times = [t for t, _ in runs]
    rss = [r for _, r in runs]
    print(f"{label}: shown after median {statistics.median(times):.0f} ms "
          f"(min {min(times):.0f}, max {max(times):.0f}); idle memory median "
          f"{statistics.median(rss) / 1024:.1f} MB")


def main():
    base = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    measure("offscreen", dict(base, QT_QPA_PLATFORM="offscreen"))
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        print("Xvfb: not installed, skipped")
        return
    display = ":97"
    server = subprocess.Popen([xvfb, display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stderr=subprocess.DEVNULL)
    try:
        time.sleep(1.0)
        measure("Xvfb", dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=display))
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
