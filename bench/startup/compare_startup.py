#!/usr/bin/python3
"""Start-up of Lumarik beside a trivial Qt window, side by side in one run.

Each program is started in turn (warm: a first start of each is not counted) on an X display,
and timed from the start of its process to the moment its first top-level window is mapped,
which an X client watching the root window sees. A window that is unmapped again at once (a
control shown before it had a parent) does not count: the time is that of the first window
still mapped after the first paint, and such windows are counted and reported. The peak
resident memory is read from /proc just after the first paint. Medians of the runs are printed
with their ratios.

A third program is the trivial window at the size Lumarik's window had: a window's pixels
(its backing store, about 3 MiB for Lumarik's first size) weigh in its peak memory, and the
difference to this one is what Lumarik needs beyond a window of its size.

    Xvfb :99 -screen 0 1600x1000x24 &
    bench/startup/compare_startup.py --display :99 --runs 10 \\
        --lumarik build/src/lumarik --trivial build/bench/startup_trivial_window

Needs python3-xlib (Debian package).
"""
import argparse
import os
import statistics
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay


def peak_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def start_once(command, env, screen):
    root = screen.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    while screen.pending_events():
        screen.next_event()
    started = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped = {}  # window id -> seconds from the start, while mapped
    sizes = {}  # window id -> (width, height)
    transient = 0
    try:
        settle_until = None
        while settle_until is None or time.perf_counter() < settle_until:
            if settle_until is not None and not screen.pending_events():
                time.sleep(0.002)  # the first paint and what follows it
                continue
            event = screen.next_event()
            if event.type == X.MapNotify:
                mapped[event.window.id] = time.perf_counter() - started
                geometry = event.window.get_geometry()
                sizes[event.window.id] = (geometry.width, geometry.height)
                if settle_until is None:
                    settle_until = time.perf_counter() + 0.3
            elif event.type == X.UnmapNotify and event.window.id in mapped:
                del mapped[event.window.id]
                transient += 1
        peak = peak_mib(process.pid)
    finally:
        process.terminate()
        process.wait(timeout=10)
    if not mapped:
        raise RuntimeError(f"{command[0]}: no window stayed mapped")
    first = min(mapped, key=mapped.get)
    return mapped[first] * 1000.0, peak, transient, sizes[first]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display", default=os.environ.get("DISPLAY", ":99"))
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--lumarik", required=True)
    parser.add_argument("--trivial", required=True)
    args = parser.parse_args()

    home = tempfile.mkdtemp(prefix="lumarik-startup-")
    env = dict(os.environ, DISPLAY=args.display, HOME=home, LANG="de_DE.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    screen = xdisplay.Display(args.display)
    programs = {"trivial Qt window": [args.trivial], "Lumarik": [args.lumarik]}
    for command in programs.values():
        start_once(command, env, screen)  # warm-up; Lumarik's first start shows its news page
    width, height = start_once([args.lumarik], env, screen)[3]
    programs["trivial, same size"] = [args.trivial, f"{width}x{height}"]
    start_once(programs["trivial, same size"], env, screen)
    results = {name: [] for name in programs}
    for _ in range(args.runs):
        for name, command in programs.items():
            results[name].append(start_once(command, env, screen))
    base_ms = statistics.median(r[0] for r in results["trivial Qt window"])
    base_mib = statistics.median(r[1] for r in results["trivial Qt window"])
    for name, runs in results.items():
        ms = statistics.median(r[0] for r in runs)
        mib = statistics.median(r[1] for r in runs)
        transient = sum(r[2] for r in runs)
        print(f"{name:18} start {ms:6.1f} ms ({ms / base_ms:4.2f}x)   "
              f"peak {mib:5.1f} MiB (+{mib - base_mib:4.1f})"
              + (f"   {transient} windows unmapped at once" if transient else ""))


if __name__ == "__main__":
    main()
