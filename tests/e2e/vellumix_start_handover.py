#!/usr/bin/env python3
"""Whole-program test of Vellumix under an X server (run inside xvfb-run).

Starts the program, hands a file over from a second start (which must end promptly
without a window), closes the frame through the window manager's close request, checks
the per-user settings file, then restarts and checks that the editor is restored.

Usage: vellumix_start_handover.py <path of the Vellumix executable>
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, read_ini, wait_for  # noqa: E402


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
        frame = wait_for(lambda: find_window(first.pid, only_visible=False, title="^Vellumix$"), "the frame window")

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
        wait_for(lambda: find_window(first.pid, only_visible=False, title=r"Vellumix - \[doc\.tex\]"), "the handed-over editor")

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
        frame = wait_for(lambda: find_window(first.pid, only_visible=False, title=r"Vellumix - \[doc\.tex\]"), "the restored editor")
        close_through_window_manager(frame)
        first.wait(timeout=DEADLINE)
    finally:
        if first.poll() is None:
            first.kill()
        shutil.rmtree(home, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
