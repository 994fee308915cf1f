#!/usr/bin/env python3
"""Whole-program test of Vellumix's toolboxes under an X server (run inside xvfb-run).

The per-user settings show the Greek toolbox at a stored place and the user-templates
toolbox at a place off every screen. Both must appear as utility windows that stay on
top, the Greek one where it was and the other one on the screen. The Greek toolbox is
then moved, the frame closed through the window manager's close request, and a restart
must show it at its new place; the template file beside the settings comes back whole.

Usage: vellumix_toolboxes.py <path of the Vellumix executable>
"""
import os
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, isolated_environment, x11_run, read_ini, wait_for  # noqa: E402

SCREEN = (1280, 1024)


def geometry(window):
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", str(window)], capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def window_property(window, name):
    return subprocess.run(["xprop", "-id", str(window), name], capture_output=True, text=True).stdout


def template_file(names):
    def s(text):
        return struct.pack("<i", len(text)) + text
    return b"".join(s(n.encode()) + s(b"[") + s(b"]") + s(b"") for n in names)


def start(exe, env, cwd):
    app = subprocess.Popen([exe], cwd=cwd, env=env)
    wait_for(lambda: find_window(app.pid, only_visible=False, title="^Vellumix$"), "the frame window")
    return app


def main():
    exe = os.path.abspath(sys.argv[1])
    base, env = x11_run("vellumix-e2e-toolboxes-")
    settings_dir = os.path.join(env["XDG_CONFIG_HOME"], "Vellumix")
    os.makedirs(settings_dir)
    ini = os.path.join(settings_dir, "Vellumix.ini")
    with open(ini, "wb") as f:
        f.write(b"[General]\r\nversion=61\r\n[Toolboxes]\r\nGreekBoxVisible=1\r\nGreekLeft=700\r\nGreekTop=100\r\n"
                b"TemplBoxVisible=1\r\nTemplLeft=-3000\r\nTemplTop=5000\r\n")
    tpl = os.path.join(settings_dir, "Vellumix.tpl")
    templates = template_file(["Bracket", "Second"])
    with open(tpl, "wb") as f:
        f.write(templates)

    app = None
    try:
        app = start(exe, env, env["HOME"])
        greek = wait_for(lambda: find_window(app.pid, title="^Greek Letters$"), "the Greek toolbox")
        templ = wait_for(lambda: find_window(app.pid, title="^User Templates$"), "the user-templates toolbox")
        for window, what in ((greek, "Greek"), (templ, "user templates")):
            if "_NET_WM_STATE_ABOVE" not in window_property(window, "_NET_WM_STATE"):
                fail("the %s toolbox does not stay on top" % what)
            if "_NET_WM_WINDOW_TYPE_UTILITY" not in window_property(window, "_NET_WM_WINDOW_TYPE"):
                fail("the %s toolbox is not a tool window" % what)
        if geometry(greek) != (700, 100, 126, 168):
            fail("the Greek toolbox is at %r" % (geometry(greek),))
        x, y, w, h = geometry(templ)
        if x < 0 or y < 0 or x + w > SCREEN[0] or y + h > SCREEN[1]:
            fail("the user-templates toolbox is off the screen at %r" % (geometry(templ),))

        subprocess.run(["xdotool", "windowmove", "--sync", str(greek), "300", "250"], check=True)
        time.sleep(0.5)
        close_through_window_manager(find_window(app.pid, only_visible=False, title="^Vellumix$"))
        try:
            app.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            fail("the frame did not close")
        values = read_ini(ini)
        for key, expected in (("greekleft", "300"), ("greektop", "250"), ("greekboxvisible", "1"), ("templboxvisible", "1")):
            if values.get(("toolboxes", key)) != expected:
                fail("[Toolboxes] %s is %r" % (key, values.get(("toolboxes", key))))
        with open(tpl, "rb") as f:
            if f.read() != templates:
                fail("the template file did not come back whole")

        app = start(exe, env, env["HOME"])
        greek = wait_for(lambda: find_window(app.pid, title="^Greek Letters$"), "the restored Greek toolbox")
        wait_for(lambda: geometry(greek)[:2] == (300, 250) or None, "the Greek toolbox at its new place")
        close_through_window_manager(find_window(app.pid, only_visible=False, title="^Vellumix$"))
        app.wait(timeout=DEADLINE)
    finally:
        if app and app.poll() is None:
            app.kill()
            app.wait()
        shutil.rmtree(base, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
