#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quiet Grid Games
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game started as users start it, on real servers. Usage: check.py MODE PROGRAM [WM...]
  wm WM...  under each window manager, side by side on Xvfb screens of 1024x768 and 320x240, six
            starts each: the frame of the window (and of About, at the first start) centred on the
            work area within 6 pixels and wholly on it, or where it does not fit, at the area's edge
  weston    on a headless weston with Qt's wayland platform: the window shown, nothing printed
  nobus     on Xvfb with no session bus: nothing the game started outlives it, ~/.dbus untouched"""
import concurrent.futures, os, re, subprocess as sp, sys, tempfile, time

WMS = {"openbox": ["--sm-disable"], "metacity": ["--sm-disable"], "icewm": [],
       "xfwm4": ["--compositor=off", "--sm-client-disable"]}


def until(test, what, timeout=10):
    end = time.monotonic() + timeout
    while not (result := test()):
        if time.monotonic() > end:
            raise TimeoutError(what)
        time.sleep(0.05)
    return result


def out(env, *cmd):
    return sp.run(cmd, env=env, capture_output=True, text=True).stdout


def numbers(text):
    return [int(n) for n in re.findall(r"(?<![\w(])-?\d+", text)]


def environ(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return f.read()
    except OSError:
        return b""


def started(procs, env, *cmd, **kw):
    procs.append(sp.Popen(cmd, env=env, stdout=sp.DEVNULL, **kw))
    return procs[-1]


def ended(procs):
    for p in reversed(procs):
        p.terminate()
        p.wait()


def xserver(procs, home, size):
    r, w = os.pipe()
    started(procs, None, "Xvfb", "-displayfd", str(w), "-screen", "0", size + "x24", "-nolisten", "tcp",
            pass_fds=[w], stderr=sp.DEVNULL)
    os.close(w)
    with os.fdopen(r) as f:
        display = f.readline().strip()
    return dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", HOME=home, XDG_RUNTIME_DIR=home)


def window(env, pid, name, timeout=10):
    return until(lambda: out(env, "xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", name),
                 name, timeout).split()[0]


def about(env, pid, win):  # About, opened from its menu with the keyboard
    for _ in range(4):
        sp.run(["xdotool", "windowactivate", "--sync", win, "key", "alt+a"], env=env, timeout=10, stderr=sp.DEVNULL)
        try:
            return window(env, pid, "^About", 3)
        except TimeoutError:
            pass
    raise TimeoutError("About")


def frame(env, win):  # x, y, width, height of the frame, once the window manager has stated its extents
    info = out(env, "xwininfo", "-id", win)
    x, y, w, h = (numbers(re.search(k + r":.*", info)[0])[0] for k in ("upper-left X", "upper-left Y", "Width", "Height"))
    e = numbers(out(env, "xprop", "-id", win, "_NET_FRAME_EXTENTS"))
    return e and (x - e[0], y - e[2], w + e[0] + e[1], h + e[2] + e[3])


def settled(env, win):  # the frame once it has stayed put for a second
    seen = []
    return until(lambda: seen.append(frame(env, win)) or (seen[-1] if seen[-20:] == [seen[-1]] * 20 else None),
                 "the frame to settle")


def placements(program, wm, size, starts=6):
    procs, seen, bad = [], [], []
    with tempfile.TemporaryDirectory() as home:
        try:
            env = xserver(procs, home, size)
            started(procs, env, "dbus-daemon", "--session", "--nofork", f"--address=unix:path={home}/bus")
            env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={home}/bus"  # xfwm4 reads its settings over it
            until(lambda: os.path.exists(home + "/bus"), "the session bus")
            started(procs, env, wm, *WMS[wm], stderr=sp.DEVNULL)
            until(lambda: len(numbers(out(env, "xprop", "-root", "_NET_WORKAREA"))) >= 4, wm)
            for n in range(starts):
                game = started(procs, env, program)
                for name in ("^Zuzozu", "^About") if n == 0 else ("^Zuzozu",):
                    win = about(env, game.pid, win) if name == "^About" else window(env, game.pid, name)
                    f = settled(env, win)
                    area = numbers(out(env, "xprop", "-root", "_NET_WORKAREA"))[:4]
                    # A window larger than the work area that the window manager has maximized is where it puts it.
                    maximized = "MAXIMIZED_VERT" in out(env, "xprop", "-id", win, "_NET_WM_STATE")
                    seen.append([(2 * (f[i] - area[i]) + f[i + 2] - area[i + 2]) // 2 if f[i + 2] <= area[i + 2]
                                 else f[i] - area[i] for i in (0, 1)])  # off the centre, or off the edge
                    if not all(abs(d) <= 6 and 2 * abs(d) <= area[i + 2] - f[i + 2] if f[i + 2] <= area[i + 2]
                               else d == 0 or maximized and d > 0 for i, d in enumerate(seen[-1])):
                        bad.append(f"{name[1:]} frame {f} on work area {area}{' maximized' * maximized}")
                game.terminate()
                game.wait()
        finally:
            ended(procs)
    print(f"{wm} {size}: {' '.join('%+d,%+d' % tuple(s) for s in seen)}", *bad, sep="\n  ", flush=True)
    return not bad


def weston(program):
    procs = []
    with tempfile.TemporaryDirectory() as run:
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        env.update(XDG_RUNTIME_DIR=run, HOME=run, WAYLAND_DISPLAY="w", QT_QPA_PLATFORM="wayland")
        try:
            started(procs, env, "weston", "--backend=headless-backend.so", "--socket=w", "--debug", stderr=sp.DEVNULL)
            until(lambda: os.path.exists(run + "/w"), "weston")
            game = started(procs, env, program, stderr=sp.PIPE)
            until(lambda: f"PID {game.pid}, surface ID" in out(env, "weston-debug", "scene-graph"), "the window")
        finally:
            ended(procs)
    printed = game.stderr.read().decode()
    print(f"shown on weston; printed: {printed!r}")
    return not printed


def nobus(program):
    procs, mark = [], f"VOVODI_STARTED_BY_{os.getpid()}"
    with tempfile.TemporaryDirectory() as home:
        try:
            env = xserver(procs, home, "1024x768")
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
            window(env, started(procs, dict(env, **{mark: "1"}), program).pid, "^Zuzozu")
        finally:
            ended(procs)
        left = [p for p in os.listdir("/proc") if p.isdigit() and mark.encode() in environ(p)]
        print(f"left running: {left}; in the home folder: {os.listdir(home)}")
        return not left and not os.path.exists(home + "/.dbus")


mode, program, wms = sys.argv[1], sys.argv[2], sys.argv[3:]
if mode == "wm":
    with concurrent.futures.ThreadPoolExecutor(len(wms) * 2) as pool:
        runs = [pool.submit(placements, program, wm, size) for wm in wms for size in ("1024x768", "320x240")]
        sys.exit(not all([r.result() for r in runs]))
sys.exit(not {"weston": weston, "nobus": nobus}[mode](program))
