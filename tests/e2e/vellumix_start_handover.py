#!/usr/bin/env python3
"""Whole-program test of Vellumix under an X server (run inside xvfb-run).

Starts the program, hands a file over from a second start (which must end promptly
without a window), closes the frame through the window manager's close request, checks
the per-user settings file, then restarts and checks that the editor is restored. A copy
of the program that runs beside the test, as a user's would, must not capture the
hand-over: every run of the test has a private home, temporary and runtime directory.

Usage: vellumix_start_handover.py <path of the Vellumix executable>
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, isolated_environment, x11_run, read_ini, wait_for  # noqa: E402


def main():
    exe = os.path.abspath(sys.argv[1])
    base, env = x11_run("vellumix-e2e-")
    home = env["HOME"]
    work = os.path.join(home, "work")
    os.makedirs(work)
    doc = os.path.join(work, "doc.tex")
    with open(doc, "w") as f:
        f.write("\\documentclass{article}\n\\begin{document}\nHello\n\\end{document}\n")

    # A user's copy: its own home, but its channel where the program puts it without
    # the test's isolation (the runtime or temporary directory this test was given).
    bystander_base = tempfile.mkdtemp(prefix="vellumix-e2e-user-")
    bystander_env = isolated_environment(bystander_base, QT_QPA_PLATFORM="xcb")
    for name in ("TMPDIR", "XDG_RUNTIME_DIR"):
        if name in os.environ:
            bystander_env[name] = os.environ[name]
        else:
            del bystander_env[name]
    bystander = subprocess.Popen([exe], cwd=bystander_base, env=bystander_env)
    first = bystander
    try:
        wait_for(lambda: find_window(bystander.pid, only_visible=False, title="^Vellumix$"), "the user's copy")
        first = subprocess.Popen([exe], cwd=work, env=env)
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
        if find_window(bystander.pid, only_visible=False, title=r"Vellumix - \[") or bystander.poll() is not None:
            fail("the user's copy took part in the hand-over")

        close_through_window_manager(frame)
        try:
            first.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            fail("the frame did not close")

        ini = os.path.join(env["XDG_CONFIG_HOME"], "Vellumix", "Vellumix.ini")
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

        # The user's copy ends as usual, taking its channel with it.
        close_through_window_manager(find_window(bystander.pid, only_visible=False, title="^Vellumix$"))
        bystander.wait(timeout=DEADLINE)
    finally:
        for app in (first, bystander):
            if app.poll() is None:
                app.kill()
                app.wait()
        shutil.rmtree(base, ignore_errors=True)
        shutil.rmtree(bystander_base, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
