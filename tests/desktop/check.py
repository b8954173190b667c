#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
# The game started as users start it, on real servers. Usage: check.py MODE PROGRAM [WM... | W]
#   wm WM...  under each window manager (a command line), side by side on Xvfb screens of 1024x768 and
#             320x240, six starts each: the frame of the window (and of About, at the first start) centred
#             on the work area within 6 pixels and wholly on it, or where it does not fit, at the area's
#             edge (or inside it, where the window manager has maximized the window: its place then);
#             both of one size, with no maximize button
#   weston W  on a headless weston with Qt's wayland platform: the window shown as W says (its title,
#             and its app id, the desktop file's name), nothing printed
#   nobus     on Xvfb with no session bus: nothing the game started outlives it, ~/.dbus untouched
import contextlib, glob, os, re, subprocess as sp, sys, tempfile, time
from concurrent.futures import ThreadPoolExecutor


def until(test, what, timeout=15):
    end = time.monotonic() + timeout
    while not (result := test()) and time.monotonic() < end:
        time.sleep(0.05)
    return result or sys.exit(f"timed out waiting for {what}")


def out(env, *cmd):  # what a command printed; a failure, if it has not finished within ten seconds
    return sp.run(cmd, env=env, capture_output=True, text=True, timeout=10).stdout


def ints(prop):  # the numbers of an X property
    return [int(n) for n in re.findall(r"-?\d+", prop.partition("=")[2])]


def start(procs, env, *cmd, **kw):
    procs.append(sp.Popen(cmd, env=env, stdout=sp.DEVNULL, **{"stderr": sp.DEVNULL, **kw}))
    return procs[-1]


def stop(procs, keep=0):  # all but the first `keep`, last first; killed if still there 5 s after SIGTERM
    while len(procs) > keep:  # (xfwm4 was seen hanging on its way out on a loaded machine)
        procs[-1].terminate()
        with contextlib.suppress(sp.TimeoutExpired):
            procs[-1].wait(5)
        procs.pop().kill()


@contextlib.contextmanager
def session(size=None):  # a home of its own, and an X server of its own of `size`; all it started ended after
    procs = []
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb")
        try:
            if size:
                r, w = os.pipe()
                start(procs, None, "Xvfb", "-displayfd", str(w), "-screen", "0", size + "x24", "-nolisten", "tcp", "-noreset",
                      pass_fds=[w])
                os.close(w)
                with os.fdopen(r) as display:
                    env["DISPLAY"] = ":" + display.readline().strip()
            yield env, procs
        finally:
            stop(procs)


def shown(env, pid, name, *keys):  # the window once shown, after xdotool `keys` sent each half second
    find = [*keys, "sleep", "0.5"] * bool(keys) + ["search", "--all", "--onlyvisible", "--pid", str(pid)]
    return until(lambda: out(env, "xdotool", *find, "--name", name), name).split()[0]


def frame(env, win):  # once the window manager has stated its extents
    fields = r"(?:Absolute upper-left .|Width|Height): +(-?\d+)"
    x, y, w, h = map(int, re.findall(fields, out(env, "xwininfo", "-id", win)))
    e = ints(out(env, "xprop", "-id", win, "_NET_FRAME_EXTENTS"))
    return e and [x - e[0], y - e[2], w + e[0] + e[1], h + e[2] + e[3]]


def placements(program, wm, size, starts=6):
    seen, bad = [], []
    with session(size) as (env, procs):
        # A session bus for the window manager: xfwm4 reads its settings over it.
        bus = "unix:path=" + env["HOME"] + "/bus"
        start(procs, env, "dbus-daemon", "--session", "--nofork", "--address=" + bus)
        until(lambda: os.path.exists(env["HOME"] + "/bus"), "the session bus")
        start(procs, dict(env, DBUS_SESSION_BUS_ADDRESS=bus), *wm.split())
        until(lambda: ints(out(env, "xprop", "-root", "_NET_WORKAREA")), wm)
        for n in range(starts):
            pid = start(procs, env, program).pid
            main = shown(env, pid, "^Zuzozu")
            about = ["windowactivate", "--sync", main, "key", "alt+a"]  # from its menu, at the first start
            for win, want in [(main, '"vovodi", "Vovodi" 0x2e, 0x3e 1 16 22 24 32 48 64')] + (
                    [(shown(env, pid, "^About", *about), '"vovodi", "Vovodi" 0x26, 0x1e 1 16 22 24 32 48 64 128')] if n == 0 else []):
                # Move, resize (Qt's, for least and greatest sizes that are one), close, minimize; the icons.
                hints = out(env, "xprop", "-id", win, "WM_CLASS", "_MOTIF_WM_HINTS", "WM_NORMAL_HINTS", "_NET_WM_ICON")
                told = " ".join([*re.findall(r"(?:WM_CLASS\(STRING\) = |HINTS\) = 0x3, )(.*?)(?:, 0x0, 0x0)?\n", hints), str(len(set(re.findall(r"imum size: (.+)", hints)))), *re.findall(r"Icon \((\d+) x", hints)])
                bad += [f"window {win}: {told}"] * (told != want)
                frames = []  # until it has stayed put for a second
                until(lambda: frames.append(frame(env, win)) or frames[-1] and frames[-20:] == [frames[-1]] * 20,
                      "the frame to settle")
                f, area = frames[-1], ints(out(env, "xprop", "-root", "_NET_WORKAREA"))[:4]
                room = [area[i + 2] - f[i + 2] for i in (0, 1)]  # what the work area has to spare
                d = [f[i] - area[i] - max(room[i], 0) // 2 for i in (0, 1)]  # off the centre, or off the edge
                maximized = "MAXIMIZED_VERT" in out(env, "xprop", "-id", win, "_NET_WM_STATE")
                seen.append("%+d,%+d" % tuple(d))
                if not all(abs(d[i]) <= min(6, room[i] // 2) if room[i] >= 0
                           else d[i] == 0 or maximized and d[i] > 0 for i in (0, 1)):
                    bad.append(f"frame {f} on work area {area}{' (maximized)' * maximized}")
            stop(procs, 3)
    print(f"{wm.split()[0]} {size}: {' '.join(seen)}", *bad, sep="\n  ", flush=True)
    return bad


def weston(program, window):
    with session() as (env, procs):
        env.update(WAYLAND_DISPLAY="w", QT_QPA_PLATFORM="wayland")
        start(procs, env, "weston", "--backend=headless-backend.so", "--socket=w", "--debug")
        until(lambda: os.path.exists(env["HOME"] + "/w"), "weston")
        game = start(procs, env, program, stderr=sp.PIPE)
        until(lambda: re.search(re.escape(f"xdg_toplevel, PID {game.pid}, surface ID ") + r"\d+, " + re.escape(window), out(env, "weston-debug", "scene-graph")), window)
    return game.stderr.read().decode()  # printed


def nobus(program):
    mark = f"VOVODI_STARTED_BY_{os.getpid()}"
    with session("1024x768") as (env, procs):
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        shown(env, start(procs, dict(env, **{mark: "1"}), program).pid, "^Zuzozu")
        stop(procs)
        left = out(None, "grep", "-lsa", mark, *glob.glob("/proc/[0-9]*/environ")).split()
        return (left or os.path.exists(env["HOME"] + "/.dbus")) and f"left: {left} {os.listdir(env['HOME'])}"


mode, program, wms = sys.argv[1], sys.argv[2], sys.argv[3:]
if mode == "wm":
    with ThreadPoolExecutor(len(wms) * 2) as pool:
        runs = [pool.submit(placements, program, wm, size) for wm in wms for size in ("1024x768", "320x240")]
        sys.exit(any([run.result() for run in runs]))
sys.exit({"weston": weston, "nobus": nobus}[mode](program, *wms) or None)
