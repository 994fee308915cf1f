#!/usr/bin/env python3
"""Helpers of the whole-program tests under an X server: a private environment per run,
waiting, finding windows, typing keys, the window manager's close request (Xvfb runs no
window manager) and reading a settings file.

As a program: `e2e_x11.py close <window id>` sends the close request to that window.
"""
import ctypes
import os
import tempfile
import subprocess
import sys
import time

DEADLINE = 60  # generous: only a hang fails the test


def fail(msg):
    print("FAIL:", msg)
    sys.exit(1)


def x11_run(prefix):
    """A fresh folder and an isolated environment for one whole-program run on the
    X display this test was started under (xvfb-run); fails without a display."""
    if not os.environ.get("DISPLAY"):
        fail("no X display (run under xvfb-run)")
    base = tempfile.mkdtemp(prefix=prefix)
    return base, isolated_environment(base, QT_QPA_PLATFORM="xcb")


def isolated_environment(base, **extra):
    """The environment of a program run whose every per-user place lies under base:
    home, the XDG directories, the temporary directory (where the single-instance
    socket lives) and the runtime directory (0700). A copy of the program running on
    the same machine then never sees, or captures, this run's hand-overs."""
    places = {
        "HOME": "home",
        "XDG_CONFIG_HOME": "home/.config",
        "XDG_DATA_HOME": "home/.local/share",
        "XDG_STATE_HOME": "home/.local/state",
        "XDG_CACHE_HOME": "home/.cache",
        "TMPDIR": "tmp",
        "XDG_RUNTIME_DIR": "runtime",
    }
    env = dict(os.environ)
    for name, relative in places.items():
        path = os.path.join(base, relative)
        os.makedirs(path, exist_ok=True)
        env[name] = path
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    env.update(extra)
    return env


def wait_for(cond, what):
    end = time.time() + DEADLINE
    while time.time() < end:
        value = cond()
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def find_window(pid, title, only_visible=True):
    # --all: the window must have both the process and the title (xdotool ORs them by default).
    args = ["xdotool", "search", "--all"] + (["--onlyvisible"] if only_visible else []) + ["--pid", str(pid), "--name", title]
    r = subprocess.run(args, capture_output=True, text=True)
    ids = r.stdout.split()
    return int(ids[0]) if ids else None


def keys(window, *names):
    """Types keys into the window (None: the window that has the focus)."""
    if window is not None:
        subprocess.run(["xdotool", "windowfocus", "--sync", str(window)], check=False)
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.3)


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def close_through_window_manager(window):
    """Sends WM_DELETE_WINDOW, as a window manager does when the user closes a window."""
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(None)
    if not dpy:
        fail("cannot open the display")
    ev = XEvent()
    ev.xclient.type = 33  # ClientMessage
    ev.xclient.window = window
    ev.xclient.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    ev.xclient.format = 32
    ev.xclient.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    ev.xclient.data[1] = 0  # CurrentTime
    x.XSendEvent(dpy, window, 0, 0, ctypes.byref(ev))
    x.XFlush(dpy)
    x.XCloseDisplay(dpy)


def read_ini(path):
    values = {}
    section = ""
    with open(path, "rb") as f:
        for raw in f.read().decode("utf-8", "replace").splitlines():
            line = raw.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1].lower()
            elif "=" in line:
                k, v = line.split("=", 1)
                values[(section, k.lower())] = v
    return values


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "close":
        close_through_window_manager(int(sys.argv[2]))
    else:
        fail("usage: e2e_x11.py close <window id>")
