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
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, isolated_environment, x11_run, keys, read_ini, wait_for  # noqa: E402


def main():
    exe = os.path.abspath(sys.argv[1])
    if not shutil.which("latex"):
        print("SKIP: latex is not installed")
        return
    base, env = x11_run("vellumix-run-e2e-")
    home = env["HOME"]
    work = os.path.join(home, "my docs")
    os.makedirs(work)
    doc = os.path.join(work, "doc.tex")
    with open(doc, "w") as f:
        f.write("\\documentclass{article}\n\\begin{document}\n\\tableofcontents\n\\section{One}\nHello\n\\end{document}\n")
    os.makedirs(os.path.join(work, "figures.aux"))  # a directory named like a pattern
    with open(os.path.join(work, ".hidden.log"), "w") as f:
        f.write("hidden\n")
    ini = os.path.join(env["XDG_CONFIG_HOME"], "Vellumix", "Vellumix.ini")
    os.makedirs(os.path.dirname(ini))
    with open(ini, "w") as f:
        f.write("[General]\r\nversion=61\r\n[CleanUp]\r\naux=1\r\nlog=1\r\ndvi=1\r\n")

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
        shutil.rmtree(base, ignore_errors=True)
    print("PASS")


if __name__ == "__main__":
    main()
