#!/usr/bin/env python3
"""Whole-program test of Vellumix's crash recovery under an X server (run inside xvfb-run).

Opens a Windows-1252 document with CR LF line breaks, types into it without saving,
waits until the text is kept in the recovery folder, kills the program with SIGKILL,
and starts it again with the same private home: the kept text is offered, Enter
restores it (the default), F2 saves it in the document's own encoding and line
breaks, and the recovery file is gone afterwards.

Usage: vellumix_recovery.py <path of the Vellumix executable>
"""
import glob
import os
import shutil
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, isolated_environment, x11_run, keys, wait_for  # noqa: E402

ORIGINAL = b"Gr\xfc\xdfe\r\naus K\xf6ln\r\n"
TYPED = "typed before the crash"


def main():
    exe = os.path.abspath(sys.argv[1])
    base, env = x11_run("vellumix-recovery-")
    work = os.path.join(env["HOME"], "work")
    os.makedirs(work)
    doc = os.path.join(work, "doc.tex")
    with open(doc, "wb") as f:
        f.write(ORIGINAL)
    recovery = os.path.join(env["XDG_STATE_HOME"], "Vellumix", "recovery")

    def kept():
        return glob.glob(os.path.join(recovery, "*.recovery"))

    app = subprocess.Popen([exe, "doc.tex"], cwd=work, env=env)
    try:
        frame = wait_for(lambda: find_window(app.pid, only_visible=False, title=r"Vellumix - \[doc\.tex\]"), "the editor")
        keys(frame, "ctrl+End")
        subprocess.run(["xdotool", "type", "--delay", "30", TYPED], check=True)
        wait_for(lambda: any(TYPED.encode() in open(p, "rb").read() for p in kept()), "the kept text")
        app.send_signal(signal.SIGKILL)
        app.wait(timeout=DEADLINE)
        if open(doc, "rb").read() != ORIGINAL:
            fail("the document changed without a save")

        app = subprocess.Popen([exe], cwd=env["HOME"], env=env)
        box = wait_for(lambda: find_window(app.pid, only_visible=True, title="^Recover Unsaved Text$"), "the offer")
        keys(box, "Return")
        frame = wait_for(lambda: find_window(app.pid, only_visible=False, title=r"Vellumix - \[doc\.tex\]"), "the restored editor")
        keys(frame, "F2")
        expected = ORIGINAL + TYPED.encode("cp1252")
        wait_for(lambda: open(doc, "rb").read() == expected, "the saved document in its encoding")
        wait_for(lambda: not kept(), "the recovery file to go after the save")
        close_through_window_manager(find_window(app.pid, only_visible=False, title=r"^Vellumix"))
        app.wait(timeout=DEADLINE)
        if kept():
            fail("a recovery file is left after a clean exit")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        shutil.rmtree(base, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
