#!/usr/bin/env python3
"""Whole-program test of the program calls of Vellumix under an X server (run inside
xvfb-run), with the real latex.

Starts the program with a main file in a directory whose name holds a space, presses
F6 (Compile with the default template) and waits for the .dvi and the log, presses F7
(Log File) and waits for the log's editor, runs File > Clean Up with the marks stored
at the last exit (AUX, LOG, DVI) and checks what is left, then closes the frame and
checks that the marks were written back.

Usage: vellumix_run_compile_cleanup.py <path of the Vellumix executable>
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
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", title],
                       capture_output=True, text=True)
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


def main():
    exe = os.path.abspath(sys.argv[1])
    if not os.environ.get("DISPLAY"):
        fail("no X display (run under xvfb-run)")
    if not shutil.which("latex"):
        print("SKIP: latex is not installed")
        return
    home = tempfile.mkdtemp(prefix="vellumix-run-e2e-")
    work = os.path.join(home, "my docs")
    os.makedirs(work)
    doc = os.path.join(work, "doc.tex")
    with open(doc, "w") as f:
        f.write("\\documentclass{article}\n\\begin{document}\n\\tableofcontents\n\\section{One}\nHello\n\\end{document}\n")
    os.makedirs(os.path.join(work, "figures.aux"))  # a directory named like a pattern
    with open(os.path.join(work, ".hidden.log"), "w") as f:
        f.write("hidden\n")
    ini = os.path.join(home, ".config", "Vellumix", "Vellumix.ini")
    os.makedirs(os.path.dirname(ini))
    with open(ini, "w") as f:
        f.write("[General]\r\nversion=61\r\n[CleanUp]\r\naux=1\r\nlog=1\r\ndvi=1\r\n")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), QT_QPA_PLATFORM="xcb")

    app = subprocess.Popen([exe, "/m", doc], cwd=home, env=env)
    try:
        frame = wait_for(lambda: find_window(app.pid, r"Vellumix - \[doc\.tex\]"), "the main file's editor")

        keys(frame, "F6")
        log = os.path.join(work, "doc.log")

        def compiled():
            if not os.path.isfile(os.path.join(work, "doc.dvi")) or not os.path.isfile(log):
                return False
            with open(log, "rb") as f:
                return b"Output written on doc.dvi" in f.read()
        wait_for(compiled, "latex's .dvi and log")

        keys(frame, "F7")
        wait_for(lambda: find_window(app.pid, r"Vellumix - \[doc\.log\]"), "the log's editor")

        keys(frame, "alt+f", "c")
        wait_for(lambda: find_window(app.pid, "^Clean Up$"), "the clean-up dialog")
        # The modal dialog takes the focus itself; Return is its OK.
        keys(None, "Return")
        wait_for(lambda: not any(os.path.exists(os.path.join(work, "doc." + e)) for e in ("aux", "log", "dvi")),
                 "the clean-up")
        left = sorted(os.listdir(work))
        if left != [".hidden.log", "doc.tex", "doc.toc", "figures.aux"]:
            fail("unexpected files after the clean-up: %r" % left)

        close_through_window_manager(frame)
        try:
            app.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            fail("the frame did not close")
        values = read_ini(ini)
        marks = {k: values.get(("cleanup", k)) for k in ("aux", "log", "dvi", "toc", "bak")}
        if marks != {"aux": "1", "log": "1", "dvi": "1", "toc": "0", "bak": "0"}:
            fail("clean-up marks not written back: %r" % marks)
    finally:
        if app.poll() is None:
            app.kill()
        shutil.rmtree(home, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
