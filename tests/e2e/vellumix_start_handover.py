#!/usr/bin/env python3
"""Whole-program test of Vellumix under an X server (run inside xvfb-run).

Starts the program, hands a file over from a second start (which must end promptly
without a window), closes the frame through the window manager's close request, checks
the per-user settings file, then restarts and checks that the editor is restored.

Usage: vellumix_start_handover.py <path of the Vellumix executable>
"""
import ctypes
import os
import shutil
import subprocess
import sys
import tempfile
import time

DEADLINE = 60  # generous: only a hang fails the test


def fail(msg):
    print("FAIL:", msg)
    sys.exit(1)


def wait_for(cond, what):
    end = time.time() + DEADLINE
    while time.time() < end:
        value = cond()
        if value:
            return value
        time.sleep(0.2)
    fail("timed out waiting for " + what)


def find_window(pid, title):
    r = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", title],
                       capture_output=True, text=True)
    ids = r.stdout.split()
    return int(ids[0]) if ids else None


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


def main():
    exe = os.path.abspath(sys.argv[1])
    if not os.environ.get("DISPLAY"):
        fail("no X display (run under xvfb-run)")
    home = tempfile.mkdtemp(prefix="vellumix-e2e-")
    work = os.path.join(home, "work")
    os.makedirs(work)
    doc = os.path.join(work, "doc.tex")
    with open(doc, "w") as f:
        f.write("\\documentclass{article}\n\\begin{document}\nHello\n\\end{document}\n")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), QT_QPA_PLATFORM="xcb")

    first = subprocess.Popen([exe], cwd=work, env=env)
    try:
        frame = wait_for(lambda: find_window(first.pid, "^Vellumix$"), "the frame window")

        # A second start hands the file over (by a relative name) and ends without a window.
        second = subprocess.Popen([exe, "doc.tex"], cwd=work, env=env)
        try:
            code = second.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            second.kill()
            fail("the second start did not end")
        if code != 0:
            fail("the second start ended with %d" % code)
        if first.poll() is not None:
            fail("the first instance ended")
        wait_for(lambda: find_window(first.pid, r"Vellumix - \[doc\.tex\]"), "the handed-over editor")

        close_through_window_manager(frame)
        try:
            first.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            fail("the frame did not close")

        ini = os.path.join(home, ".config", "Vellumix", "Vellumix.ini")
        if not os.path.isfile(ini):
            fail("no per-user settings file " + ini)
        values = read_ini(ini)
        if values.get(("childwindows", "name0")) != doc:
            fail("ChildWindows does not list the file: %r" % values.get(("childwindows", "name0")))
        if values.get(("general", "version")) != "61":
            fail("version is not 61")
        if values.get(("recent", "0")) != doc:
            fail("the file is not the first recent entry")

        # A restart restores the editor.
        first = subprocess.Popen([exe], cwd=home, env=env)
        frame = wait_for(lambda: find_window(first.pid, r"Vellumix - \[doc\.tex\]"), "the restored editor")
        close_through_window_manager(frame)
        first.wait(timeout=DEADLINE)
    finally:
        if first.poll() is None:
            first.kill()
        shutil.rmtree(home, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
