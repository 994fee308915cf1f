#!/usr/bin/env python3
"""Installation of both programs into a prefix, as `./dev install` does it (dist/install.sh).

One step per call, so that ctest runs them as a fixture around the installed prefix:
  install_test.py setup     BUILD SOURCE ROOT   installs into "ROOT/inst prefix" (a blank in the path)
  install_test.py contents  BUILD SOURCE ROOT   every file, the desktop entries, icons, file type
  install_test.py start     BUILD SOURCE ROOT   the installed programs start (run under xvfb-run)
  install_test.py cleanup   BUILD SOURCE ROOT   uninstall leaves nothing
  install_test.py shared    BUILD SOURCE ROOT   a prefix shared with other programs and a reinstall
  install_test.py quoting   BUILD SOURCE ROOT   Exec= of a program path with special characters
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from e2e_x11 import DEADLINE, close_through_window_manager, fail, find_window, isolated_environment, keys, read_ini, wait_for  # noqa: E402

MANIFEST = "share/latexeditors/install_manifest.txt"
APPS = "share/applications"
ICONS = "share/icons/hicolor/scalable/apps"

# What an install holds besides Scriblet's language files (relative to the prefix).
EXPECTED = {
    "bin/scriblet", "bin/vellumix",
    "lib/scriblet/Scriblet",
    "lib/vellumix/Vellumix", "lib/vellumix/Vellumix.ini", "lib/vellumix/README.md",
    APPS + "/scriblet.desktop", APPS + "/vellumix.desktop",
    ICONS + "/scriblet.svg", ICONS + "/vellumix.svg",
    "share/mime/packages/scriblet.xml",
}


def check(cond, msg):
    if not cond:
        fail(msg)


def prefix_of(root):
    return os.path.join(root, "inst prefix")


def installer(source, *args):
    r = subprocess.run([os.path.join(source, "dist", "install.sh"), *args], capture_output=True, text=True)
    if r.returncode != 0:
        fail("install.sh %s failed (%d): %s%s" % (" ".join(args), r.returncode, r.stdout, r.stderr))
    return r


def language_files(build):
    """Scriblet's language files as the build made them (beside its executable)."""
    return sorted(os.path.basename(p) for p in glob.glob(os.path.join(build, "scriblet", "*.qm")))


def all_entries(top):
    """Every file, link and directory below top, relative to it."""
    found = set()
    for dirpath, dirnames, filenames in os.walk(top):
        for name in dirnames + filenames:
            found.add(os.path.relpath(os.path.join(dirpath, name), top))
    return found


def read(path, mode="r"):
    with open(path, mode) as f:
        return f.read()


def desktop_entry(path):
    values = {}
    for line in read(path, "r").splitlines():
        if "=" in line and not line.startswith("#"):
            k, v = line.split("=", 1)
            values[k] = v
    return values


def exec_arguments(value):
    """The arguments of an Exec= value, unescaped as the desktop entry rules say:
    first the string escapes of the value, then quoting, then %% for a literal %."""
    text = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r"}.get(m.group(1), m.group(1)), value)
    args, cur, quoted, i, started = [], "", False, 0, False
    while i < len(text):
        c = text[i]
        if quoted:
            if c == "\\" and i + 1 < len(text) and text[i + 1] in '"`$\\':
                cur += text[i + 1]
                i += 1
            elif c == '"':
                quoted = False
            else:
                cur += c
        elif c == '"':
            quoted, started = True, True
        elif c in " \t":
            if started:
                args.append(cur)
            cur, started = "", False
        else:
            cur += c
            started = True
        i += 1
    check(not quoted, "unterminated quote in Exec=%s" % value)
    if started:
        args.append(cur)
    return [a.replace("%%", "%") for a in args]


def validate_desktop_file(path):
    r = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
    check(r.returncode == 0 and not r.stdout.strip(), "desktop-file-validate %s: %s%s" % (path, r.stdout, r.stderr))


# ---------------------------------------------------------------- the fixture


def setup(build, source, root):
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root)
    installer(source, "install", build, prefix_of(root))


def cleanup(build, source, root):
    prefix = prefix_of(root)
    installer(source, "uninstall", prefix)
    left = sorted(all_entries(prefix))
    check(not left, "uninstall left: %s" % ", ".join(left))
    shutil.rmtree(root, ignore_errors=True)


# ---------------------------------------------------------------- what is installed


def contents(build, source, root):
    prefix = prefix_of(root)
    languages = language_files(build)
    expected = EXPECTED | {"lib/scriblet/" + q for q in languages}

    # The manifest names exactly these files, and nothing else lies in the prefix
    # but them, their directories and the desktop's caches.
    listed = {os.path.relpath(p, prefix) for p in read(os.path.join(prefix, MANIFEST)).split("\n") if p}
    check(listed == expected, "installed %s, expected %s" % (sorted(listed), sorted(expected)))
    files = {e for e in all_entries(prefix) if not os.path.isdir(os.path.join(prefix, e)) or os.path.islink(os.path.join(prefix, e))}
    caches = {e for e in files if e.startswith("share/mime/") and not e.startswith("share/mime/packages/")}
    caches |= {APPS + "/mimeinfo.cache"} & files
    check(files - caches == expected | {MANIFEST}, "the prefix holds %s" % sorted(files - caches - expected))

    # The commands are relative links to the programs in their private directories.
    for command, program in (("scriblet", "lib/scriblet/Scriblet"), ("vellumix", "lib/vellumix/Vellumix")):
        link = os.path.join(prefix, "bin", command)
        check(os.path.islink(link) and not os.path.isabs(os.readlink(link)), "bin/%s is no relative link" % command)
        check(os.path.realpath(link) == os.path.realpath(os.path.join(prefix, program)), "bin/%s names %s" % (command, os.readlink(link)))
        check(os.access(link, os.X_OK), "%s is not executable" % program)

    # The files each program looks for beside itself are the build's.
    check(read(os.path.join(prefix, "lib/vellumix/Vellumix.ini"), "rb") == read(os.path.join(build, "vellumix", "Vellumix.ini"), "rb"),
          "the installed Vellumix.ini differs from the build's")
    ini = read_ini(os.path.join(prefix, "lib/vellumix/Vellumix.ini"))
    check(ini.get(("network", "network")) == "1" and ini.get(("network", "userini")) == "%HOME%/.config/Vellumix/Vellumix.ini",
          "the installed Vellumix.ini does not send users to their own file")
    for q in languages:
        check(read(os.path.join(prefix, "lib/scriblet", q), "rb") == read(os.path.join(build, "scriblet", q), "rb"), q + " differs from the build's")

    # Desktop entries: valid, started by their installed program, for their file types.
    for name, program, types, field in (("scriblet", "lib/scriblet/Scriblet", "text/x-tex;application/x-scriblet-project;", "%f"),
                                        ("vellumix", "lib/vellumix/Vellumix", "text/x-tex;", "%F")):
        path = os.path.join(prefix, APPS, name + ".desktop")
        validate_desktop_file(path)
        entry = desktop_entry(path)
        check(entry.get("GenericName") == "LaTeX Editor", "%s: GenericName=%s" % (name, entry.get("GenericName")))
        check(entry.get("MimeType") == types, "%s: MimeType=%s" % (name, entry.get("MimeType")))
        check(exec_arguments(entry["Exec"]) == [os.path.join(prefix, program), field], "%s: Exec=%s" % (name, entry["Exec"]))
        check(entry.get("Icon") == name and os.path.isfile(os.path.join(prefix, ICONS, name + ".svg")), "%s: Icon=%s" % (name, entry.get("Icon")))
        svg = ET.parse(os.path.join(prefix, ICONS, name + ".svg")).getroot()
        check(svg.tag == "{http://www.w3.org/2000/svg}svg" and svg.get("viewBox"), name + ".svg is no scalable SVG drawing")

    # The project file type, and the caches that let the desktop open it with Scriblet.
    ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
    mime = ET.parse(os.path.join(prefix, "share/mime/packages/scriblet.xml")).getroot()
    kind = mime.find("m:mime-type[@type='application/x-scriblet-project']", ns)
    check(kind is not None and [g.get("pattern") for g in kind.findall("m:glob", ns)] == ["*.sbp"], "scriblet.xml does not define *.sbp")
    check("application/x-scriblet-project:*.sbp" in read(os.path.join(prefix, "share/mime/globs2")), "the file-type database lacks *.sbp")
    cache = read(os.path.join(prefix, APPS, "mimeinfo.cache"))
    check("application/x-scriblet-project=scriblet.desktop;" in cache, "the desktop does not open projects with Scriblet:\n" + cache)


def quoting(build, source, root):
    """A program path with a blank, quotes, $, `, \\ and % reaches Exec= intact."""
    work = tempfile.mkdtemp(prefix="desktop-exec-")
    try:
        program = os.path.join(work, 'odd dir "q" $HOME `x` back\\slash 100%', "Scriblet")
        r = subprocess.run(["cmake", "-DCMAKE_INSTALL_PREFIX=" + work,
                            "-DDESKTOP_TEMPLATE=" + os.path.join(source, "dist", "scriblet.desktop.in"),
                            "-DDESKTOP_STAGING=" + os.path.join(work, "staging"),
                            "-DDESKTOP_PROGRAM=" + program, "-DDESKTOP_DESTINATION=apps",
                            "-P", os.path.join(source, "dist", "installdesktopentry.cmake")], capture_output=True, text=True)
        check(r.returncode == 0, "installdesktopentry.cmake failed: " + r.stdout + r.stderr)
        path = os.path.join(work, "apps", "scriblet.desktop")
        validate_desktop_file(path)
        check(exec_arguments(desktop_entry(path)["Exec"]) == [program, "%f"], "Exec=%s" % desktop_entry(path)["Exec"])
    finally:
        shutil.rmtree(work, ignore_errors=True)


def shared(build, source, root):
    """A prefix that other programs use too (as ~/.local is): their files stay, their
    file types stay known, and a reinstall removes what the new install no longer has."""
    shutil.rmtree(root, ignore_errors=True)
    prefix = prefix_of(root)
    others = {
        APPS + "/other.desktop": "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\nMimeType=text/x-other;\n",
        "share/mime/packages/other.xml": '<?xml version="1.0"?>\n<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">'
                                         '<mime-type type="text/x-other"><glob pattern="*.oth"/></mime-type></mime-info>\n',
        "lib/notes.txt": "mine\n",
    }
    for rel, text in others.items():
        os.makedirs(os.path.dirname(os.path.join(prefix, rel)), exist_ok=True)
        with open(os.path.join(prefix, rel), "w") as f:
            f.write(text)
    installer(source, "install", build, prefix)

    # An earlier install had a file this one does not: installing again removes it.
    stale = os.path.join(prefix, "lib/scriblet/Scriblet_xx.qm")
    with open(stale, "w") as f:
        f.write("old")
    with open(os.path.join(prefix, MANIFEST), "a") as f:
        f.write("\n" + stale)
    installer(source, "install", build, prefix)
    check(not os.path.exists(stale), "a reinstall kept a file of the earlier install")
    check(os.path.isfile(os.path.join(prefix, "lib/scriblet/Scriblet")), "a reinstall removed the program")

    # A damaged list never removes anything outside the prefix.
    outside = os.path.join(root, "outside.txt")
    with open(outside, "w") as f:
        f.write("keep")
    with open(os.path.join(prefix, MANIFEST), "a") as f:
        f.write("\n" + outside + "\n" + os.path.join(prefix, "..", "outside.txt"))

    installer(source, "uninstall", prefix)
    check(os.path.isfile(outside), "uninstall removed a file outside the prefix")
    left = {e for e in all_entries(prefix) if not os.path.isdir(os.path.join(prefix, e))}
    check(set(others) <= left, "uninstall removed another program's files")
    check(not any("scriblet" in e.lower() or "vellumix" in e.lower() or "latexeditors" in e for e in all_entries(prefix)),
          "uninstall left: %s" % sorted(e for e in all_entries(prefix) if "scriblet" in e.lower() or "vellumix" in e.lower()))
    globs = read(os.path.join(prefix, "share/mime/globs2"))
    check("*.oth" in globs and "*.sbp" not in globs, "the file-type database after uninstall:\n" + globs)
    cache = read(os.path.join(prefix, APPS, "mimeinfo.cache"))
    check("other.desktop" in cache and "scriblet" not in cache and "vellumix" not in cache, "mimeinfo.cache after uninstall:\n" + cache)
    shutil.rmtree(root, ignore_errors=True)


# ---------------------------------------------------------------- the programs run


def window_icon_size(window):
    """Width and height of the first image in the window's _NET_WM_ICON, or None."""
    r = subprocess.run(["xprop", "-id", str(window), "_NET_WM_ICON"], capture_output=True, text=True, errors="replace")
    # xprop draws the images ("Icon (16 x 16):") or lists the numbers ("= 16, 16, ...").
    m = re.search(r"Icon \((\d+) x (\d+)\)", r.stdout) or re.search(r"=\s*(\d+),\s*(\d+)", r.stdout)
    return (int(m.group(1)), int(m.group(2))) if m else None


def window_name(window):
    return subprocess.run(["xdotool", "getwindowname", str(window)], capture_output=True, text=True).stdout.strip()


def close_and_wait(proc, window, what):
    close_through_window_manager(window)
    try:
        code = proc.wait(timeout=DEADLINE)
    except subprocess.TimeoutExpired:
        proc.kill()
        fail(what + " did not close")
    check(code == 0, "%s ended with %d" % (what, code))


def start_scriblet(build, prefix, base):
    env = isolated_environment(base, QT_QPA_PLATFORM="xcb")
    languages = language_files(build)
    # A configured user; with the language files there, English, which only the
    # installed Scriblet_en.qm beside the program can give.
    english = "Scriblet_en.qm" in languages
    ini = os.path.join(env["XDG_CONFIG_HOME"], "Scriblet", "Scriblet.ini")
    os.makedirs(os.path.dirname(ini))
    with open(ini, "wb") as f:
        f.write(b"[General]\r\nLanguage=%d\r\nVersion=2.0r\r\n" % (1 if english else 0))
    proc = subprocess.Popen([os.path.join(prefix, "bin", "scriblet")], cwd=base, env=env)
    try:
        frame = wait_for(lambda: find_window(proc.pid, "^Scriblet$"), "Scriblet's window")
        wait_for(lambda: window_icon_size(frame), "the icon of Scriblet's window")
        keys(frame, "ctrl+n")  # the new document's name comes from the language in force
        expected = "TeX File 1 - Scriblet" if english else "Tex File 1 - Scriblet"
        wait_for(lambda: window_name(frame) == expected, "the title %r (it is %r)" % (expected, window_name(frame)))
        if not english:
            print("note: this build has no language files; Scriblet ran in German")
        close_and_wait(proc, frame, "Scriblet")
    finally:
        if proc.poll() is None:
            proc.kill()


def start_vellumix(prefix, base):
    env = isolated_environment(base, QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([os.path.join(prefix, "bin", "vellumix")], cwd=base, env=env)
    try:
        frame = wait_for(lambda: find_window(proc.pid, "^Vellumix$", only_visible=False), "Vellumix's window")
        wait_for(lambda: window_icon_size(frame), "the icon of Vellumix's window")
        close_and_wait(proc, frame, "Vellumix")
    finally:
        if proc.poll() is None:
            proc.kill()
    # The Vellumix.ini beside the installed program sent it to the user's own file.
    user_ini = os.path.join(env["HOME"], ".config", "Vellumix", "Vellumix.ini")
    check(os.path.isfile(user_ini), "no per-user settings file " + user_ini)
    check(read_ini(user_ini).get(("general", "version")) == "61", "the per-user settings file has no version 61")


def start(build, source, root):
    if not os.environ.get("DISPLAY"):
        fail("no X display (run under xvfb-run)")
    prefix = prefix_of(root)
    base = tempfile.mkdtemp(prefix="installed-run-")
    try:
        start_scriblet(build, prefix, os.path.join(base, "scriblet"))
        start_vellumix(prefix, os.path.join(base, "vellumix"))
    finally:
        shutil.rmtree(base, ignore_errors=True)


STEPS = {"setup": setup, "contents": contents, "start": start, "cleanup": cleanup, "shared": shared, "quoting": quoting}

if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[1] not in STEPS:
        fail(__doc__)
    STEPS[sys.argv[1]](*(os.path.abspath(a) for a in sys.argv[2:]))
    print("ok:", sys.argv[1])
