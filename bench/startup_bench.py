#!/usr/bin/env python3
"""The game's start against a bare Qt Widgets window, in alternating rounds.

    python3 bench/startup_bench.py [--build build/release] [--rounds 11] [--search-deals 3]

Starts a private X server (Xvfb, on a free display) and, in each round, the
bare window (bench/bare_window.cpp, built by the same build) and the game, one
after the other, the order swapped every round; each start has a fresh home,
configuration and runtime folder and a D-Bus session bus of its own. For each
start it records:

  map_ms     from just before exec to the X server's MapNotify of the window
  HWM_kB     the peak resident memory (VmHWM) SETTLE seconds after the map
             (the game's background search runs inside that time)
  RSS        the resident memory every 0.25 s over the first five seconds
  libs       the shared objects mapped at the map
  cpu_ms     user + system CPU time of the process at the map

and prints the medians, the game's figures as multiples of the bare window's,
and then the search's cost per deal and the "Best found" totals of fixed deals
(build/release/bin/search_cost_bench). A report: it asserts nothing.
"""
import argparse
import ctypes
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

now = time.monotonic
TCK = os.sysconf("SC_CLK_TCK")

# ------------------------------------------------------------------ Xlib through ctypes
X = ctypes.CDLL("libX11.so.6")
X.XOpenDisplay.restype = ctypes.c_void_p
X.XOpenDisplay.argtypes = [ctypes.c_char_p]
X.XDefaultRootWindow.restype = ctypes.c_ulong
X.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
X.XInternAtom.restype = ctypes.c_ulong
X.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
X.XPending.argtypes = [ctypes.c_void_p]
X.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
X.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
X.XConnectionNumber.argtypes = [ctypes.c_void_p]
X.XFree.argtypes = [ctypes.c_void_p]
X.XFlush.argtypes = [ctypes.c_void_p]
X.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
X.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
X.XSetErrorHandler.restype = ctypes.c_void_p
_ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)

MAP_NOTIFY, PROPERTY_NOTIFY, CLIENT_MESSAGE = 19, 28, 33
SUBSTRUCTURE_NOTIFY_MASK, PROPERTY_CHANGE_MASK = 1 << 19, 1 << 22


class Event(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("pad", ctypes.c_long * 18)]


class Display:
    def __init__(self, name):
        X.XSetErrorHandler(_ignore_errors)
        self.dpy = X.XOpenDisplay(name.encode())
        if not self.dpy:
            sys.exit("cannot open display %s" % name)
        self.root = X.XDefaultRootWindow(self.dpy)
        self.fd = X.XConnectionNumber(self.dpy)
        atom = lambda n: X.XInternAtom(self.dpy, n.encode(), 0)
        self.net_wm_name, self.wm_name = atom("_NET_WM_NAME"), atom("WM_NAME")
        self.net_wm_pid, self.protocols, self.delete = atom("_NET_WM_PID"), atom("WM_PROTOCOLS"), atom("WM_DELETE_WINDOW")

    def prop(self, w, atom):
        t, f, n, after, data = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if X.XGetWindowProperty(self.dpy, w, atom, 0, 4096, 0, 0, ctypes.byref(t), ctypes.byref(f), ctypes.byref(n),
                                ctypes.byref(after), ctypes.byref(data)) != 0 or not data.value:
            return None
        try:
            if f.value == 8:
                return ctypes.string_at(data.value, n.value).decode("utf-8", "replace")
            if f.value == 32:
                return [ctypes.cast(data.value, ctypes.POINTER(ctypes.c_ulong))[i] for i in range(n.value)]
        finally:
            X.XFree(data)
        return None

    def title(self, w):
        return self.prop(w, self.net_wm_name) or self.prop(w, self.wm_name) or ""

    def matches(self, w, pid, title_re):
        pids = self.prop(w, self.net_wm_pid)
        return (not pids or pids[0] == pid) and title_re.search(self.title(w)) is not None

    def watch_root(self):
        self.drain()
        X.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        X.XSync(self.dpy, 0)
        self.drain()

    def drain(self):
        ev = Event()
        while X.XPending(self.dpy):
            X.XNextEvent(self.dpy, ctypes.byref(ev))

    def events(self):
        ev = Event()
        while X.XPending(self.dpy):
            X.XNextEvent(self.dpy, ctypes.byref(ev))
            yield ev.type, ev.window if ev.type == MAP_NOTIFY else ev.event

    def close_window(self, w):
        ev = (ctypes.c_long * 24)()
        ctypes.memmove(ctypes.addressof(ev), ctypes.byref(ctypes.c_int(CLIENT_MESSAGE)), 4)
        ev[4], ev[5] = w, self.protocols
        ctypes.memmove(ctypes.addressof(ev) + 48, ctypes.byref(ctypes.c_int(32)), 4)
        ev[7], ev[8] = self.delete, 0
        X.XSendEvent(self.dpy, w, 0, 0, ctypes.byref(ev))
        X.XFlush(self.dpy)


# ------------------------------------------------------------------ one start
def status(pid):
    out = {}
    try:
        for line in open("/proc/%d/status" % pid):
            k, _, v = line.partition(":")
            if k in ("VmRSS", "VmHWM"):
                out[k] = int(v.split()[0])
    except OSError:
        pass
    return out


def cpu_ms(pid):
    f = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
    return (int(f[11]) + int(f[12])) * 1000 // TCK


def shared_objects(pid):
    names = set()
    for line in open("/proc/%d/maps" % pid):
        path = line.split()[-1]
        if ".so" in os.path.basename(path):
            names.add(path)
    return len(names)


def one_start(x, cmd, title_re, env, settle, watch, log):
    x.watch_root()
    t0 = now()
    proc = subprocess.Popen(cmd, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    pid, window, t_map = proc.pid, None, None
    watched = set()
    rss = []  # (seconds from start, kB)
    next_sample = t0
    r = {}
    while True:
        t = now()
        if t >= next_sample:
            s = status(pid)
            if s:
                rss.append((t - t0, s["VmRSS"]))
            next_sample += 0.25
        if window is None:
            for kind, w in x.events():
                if kind == MAP_NOTIFY:
                    if x.matches(w, pid, title_re):
                        window, t_map = w, now()
                        break
                    X.XSelectInput(x.dpy, w, PROPERTY_CHANGE_MASK)  # its title may come later
                    watched.add(w)
                elif kind == PROPERTY_NOTIFY and w in watched and x.matches(w, pid, title_re):
                    window, t_map = w, now()
                    break
            if window is not None:
                r.update(map_ms=(t_map - t0) * 1000, cpu_ms=cpu_ms(pid), libs=shared_objects(pid))
            elif proc.poll() is not None or t - t0 > 60:
                proc.kill()
                proc.wait()
                return None
        if window is not None and "HWM_kB" not in r and now() >= t_map + settle:
            r["HWM_kB"] = status(pid)["VmHWM"]
        if window is not None and "HWM_kB" in r and now() - t0 >= watch:
            break
        wait = max(0.0, next_sample - now())
        if window is None:
            select.select([x.fd], [], [], wait)
        else:
            time.sleep(min(wait, max(0.0, t_map + settle - now())) if "HWM_kB" not in r else wait)
    r["rss"] = rss
    r["rss_end_kB"] = status(pid).get("VmRSS", 0)
    x.close_window(window)
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.terminate()
        try:
            proc.wait(3)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    return r


def fresh_env(base, tmp):
    home = tempfile.mkdtemp(prefix="home.", dir=tmp)
    runtime = tempfile.mkdtemp(prefix="run.", dir=tmp)
    os.chmod(runtime, 0o700)
    env = {k: v for k, v in base.items() if not k.startswith(("XDG_", "DBUS_", "SESSION_MANAGER", "QT_"))}
    env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
               DBUS_SESSION_BUS_ADDRESS="unix:path=%s/bus" % runtime)
    bus = None
    if shutil.which("dbus-daemon"):
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--address=unix:path=%s/bus" % runtime],
                               env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        deadline = now() + 5
        while not os.path.exists(runtime + "/bus") and now() < deadline:
            time.sleep(0.005)
    else:
        env["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"
    return env, bus


def start_xvfb():
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_fd, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_fd)
    return xvfb, ":" + number.decode().strip()


def median(rows, key):
    return statistics.median(r[key] for r in rows)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--build", default=os.path.join(here, "..", "build", "release"))
    ap.add_argument("--rounds", type=int, default=11)
    ap.add_argument("--settle", type=float, default=3.0, help="seconds after the map at which the peak is read")
    ap.add_argument("--watch", type=float, default=5.0, help="seconds of resident memory to record")
    ap.add_argument("--search-deals", type=int, default=3, help="deals per grid size for the search (0: none)")
    ap.add_argument("--program", help="the game's program (default: BUILD/bin/quellix)")
    ap.add_argument("--language", help="also the game in this language (LANGUAGE=...), in the same rounds")
    args = ap.parse_args()
    bindir = os.path.join(os.path.abspath(args.build), "bin")
    game = [os.path.abspath(args.program or os.path.join(bindir, "quellix"))]
    programs = [("bare", [os.path.join(bindir, "bare_window")], re.compile(r"^Bare window$"), {}),
                ("quellix", game, re.compile(r"^Quellix - "), {"LANGUAGE": "en"})]
    if args.language:
        programs.append(("quellix-" + args.language, game, re.compile(r"^Quellix - "), {"LANGUAGE": args.language}))
    for _, cmd, _, _ in programs:
        if not os.access(cmd[0], os.X_OK):
            sys.exit("not built: %s" % cmd[0])

    xvfb, display = start_xvfb()
    base = dict(os.environ, DISPLAY=display)
    tmp = tempfile.mkdtemp(prefix="startup_bench.")
    log = open(os.path.join(tmp, "programs.log"), "w")
    rows = {name: [] for name, _, _, _ in programs}
    try:
        x = Display(display)
        print("display %s, %d rounds, peak read %.1f s after the map" % (display, args.rounds, args.settle))
        for rnd in range(args.rounds):
            order = programs if rnd % 2 == 0 else programs[::-1]
            for name, cmd, title_re, extra in order:
                env, bus = fresh_env(base, tmp)
                env.update(extra)
                r = one_start(x, cmd, title_re, env, args.settle, args.watch, log)
                if bus:
                    bus.terminate()
                    bus.wait()
                if r is None:
                    print("round %d %-8s no window" % (rnd, name), file=sys.stderr)
                    continue
                rows[name].append(r)
                print("round %2d %-8s map %6.1f ms  cpu %4d ms  HWM %6d kB  RSS@5s %6d kB  libs %d" % (
                    rnd, name, r["map_ms"], r["cpu_ms"], r["HWM_kB"], r["rss_end_kB"], r["libs"]), flush=True)
                time.sleep(0.3)
    finally:
        log.close()
        xvfb.terminate()
        xvfb.wait()

    print()
    games = [name for name, _, _, _ in programs[1:] if rows[name]]
    print("medians          %10s" % "bare" + "".join(" %12s %8s" % (g, "ratio") for g in games))
    for key, unit in (("map_ms", "ms"), ("HWM_kB", "kB"), ("cpu_ms", "ms"), ("rss_end_kB", "kB"), ("libs", "")):
        if not rows["bare"]:
            break
        b = median(rows["bare"], key)
        line = "  %-14s %10.1f" % (key + (" (%s)" % unit if unit else ""), b)
        for g in games:
            q = median(rows[g], key)
            line += " %12.1f %8.3f" % (q, q / b if b else 0)
        print(line)
    print()
    print("resident memory (median kB) by time from the start")
    print("  %6s" % "s" + "".join(" %12s" % name for name, _, _, _ in programs))
    steps = int(args.watch / 0.25)
    for i in range(1, steps + 1):
        t = i * 0.25
        line = "  %6.2f" % t
        for name, _, _, _ in programs:
            vals = [next((kb for s, kb in reversed(r["rss"]) if s <= t), 0) for r in rows[name]]
            line += " %12d" % (statistics.median(vals) if vals else 0)
        print(line)
    for g in games:
        if rows["bare"]:
            print("%s: map_ratio=%.3f hwm_ratio=%.3f" % (g, median(rows[g], "map_ms") / median(rows["bare"], "map_ms"),
                                                         median(rows[g], "HWM_kB") / median(rows["bare"], "HWM_kB")))
    shutil.rmtree(tmp, ignore_errors=True)

    if args.search_deals > 0:
        print()
        sys.stdout.flush()
        subprocess.run([os.path.join(bindir, "search_cost_bench"), str(args.search_deals)])


if __name__ == "__main__":
    main()
