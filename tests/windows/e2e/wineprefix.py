"""The Wine prefix that the end-to-end tests of orrindale.exe share: made once
per test run (in a private X server, since Wine has no GUI without one), then
copied by each test so that no test sees another's registry or files.

    python3 wineprefix.py <folder>    makes a fresh prefix in <folder>

Links and mail addresses in the prefix go to a program named
OPENER_NAME, which only the test session provides on PATH: without it
nothing opens at all, so no test reaches a real browser or mail client."""

import errno
import fcntl
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))

from harness import E2EFailure, XSession, check  # noqa: E402

OPENER_NAME = "orrindale-e2e-open"
READY = ".orrindale-e2e-ready"  # written last: a prefix without it is half made

# No Mono or Gecko installers, and no menu entries or file associations
# written into the user's desktop.
DLL_OVERRIDES = "mscoree,mshtml=;winemenubuilder.exe=d"


def wine_loader():
    """The 64-bit Wine loader; there is no 32-bit Wine here."""
    for candidate in (shutil.which("wine64"), "/usr/lib/wine/wine64"):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise E2EFailure("wine64 is not installed (scripts/setup installs it)")


def wineserver():
    sibling = Path(wine_loader()).with_name("wineserver")
    return str(sibling) if os.access(sibling, os.X_OK) else (shutil.which("wineserver") or "wineserver")


def wine_env(prefix, scratch):
    """Wine's variables for prefix; scratch takes the server's socket folder
    (this Wine makes it under TMPDIR), so that it goes with its session."""
    return {"WINEPREFIX": str(prefix), "WINEDEBUG": "-all", "TMPDIR": str(scratch),
            "WINEDLLOVERRIDES": DLL_OVERRIDES, "WINELOADER": wine_loader()}


def _registry_file(path):
    key = r"[HKEY_CURRENT_USER\Software\Wine\WineBrowser]"
    path.write_text(f'REGEDIT4\r\n\r\n{key}\r\n"Browsers"="{OPENER_NAME}"\r\n'
                    f'"Mailers"="{OPENER_NAME}"\r\n\r\n', encoding="ascii")


def _detach_from_home(prefix):
    # Wine links the user's Desktop, Documents, ... to the folders of the HOME it
    # was made under; plain folders keep every copy inside its own prefix.
    for user in (prefix / "drive_c" / "users").iterdir():
        for entry in user.iterdir():
            if entry.is_symlink():
                entry.unlink()
                entry.mkdir()


def make_prefix(dest):
    """Makes a fresh prefix at dest (replacing any), atomically: the folder
    appears under its name only when complete."""
    dest = Path(dest).resolve()
    dest.parent.mkdir(parents=True, exist_ok=True)
    work = dest.with_name(f".{dest.name}.new-{os.getpid()}")
    shutil.rmtree(work, ignore_errors=True)
    started = time.monotonic()
    try:
        with XSession() as x:
            home = x.dir / "home"
            home.mkdir(exist_ok=True)
            env = x.env({**wine_env(work, x.dir), "HOME": str(home)})

            def run(*args, timeout=180):
                res = subprocess.run(list(args), env=env, stdin=subprocess.DEVNULL,
                                     capture_output=True, timeout=timeout)
                check(res.returncode == 0, f"{' '.join(args)} failed ({res.returncode}): "
                      + res.stderr.decode(errors="replace")[-2000:])
            try:
                run(wine_loader(), "wineboot", "--init")
                reg = x.dir / "browsers.reg"
                _registry_file(reg)
                run(wine_loader(), "regedit", "/S", str(reg))
                run(wineserver(), "-w")  # the registry is on disk once the server has ended
            finally:
                subprocess.run([wineserver(), "-k"], env=env, capture_output=True, timeout=30)
        check((work / "user.reg").is_file() and (work / "drive_c").is_dir(),
              f"wineboot left no prefix in {work}")
        check(OPENER_NAME in (work / "user.reg").read_text(errors="replace"),
              "the WineBrowser keys did not reach user.reg")
        _detach_from_home(work)
        # Names the server folder of this maker's run; each copy makes its own.
        (work / "wineserver").unlink(missing_ok=True)
        (work / READY).write_text(f"made in {time.monotonic() - started:.1f} s\n")
        shutil.rmtree(dest, ignore_errors=True)
        os.rename(work, dest)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return dest


def is_ready(prefix):
    return (Path(prefix) / READY).is_file()


def ensure_prefix(dest, fresh=False):
    """dest as a ready prefix, made now if missing (or always, when fresh);
    tests starting at once wait for one maker instead of each making their own."""
    dest = Path(dest).resolve()
    dest.parent.mkdir(parents=True, exist_ok=True)
    with open(dest.with_name(dest.name + ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if fresh or not is_ready(dest):
            make_prefix(dest)
    return dest


def default_prefix():
    """Where a test run by hand keeps its prefix when CTest names none."""
    named = os.environ.get("ORRINDALE_WINE_PREFIX")
    if named:
        return Path(named)
    return Path(os.environ.get("TMPDIR", "/tmp")) / f"orrindale-wine-e2e-{os.getuid()}" / "prefix"


# Wine's own program images in the prefix's Windows folder: about 630 MB in this Wine,
# which it only reads, unless it updates a prefix made by another version (this one made
# it). Each copy links them instead of writing them out again, where both lie on one
# file system.
SHARED_IMAGES = {".dll", ".exe", ".drv", ".sys", ".acm", ".ocx", ".cpl", ".tlb", ".ax", ".ds"}


def copy_prefix(src, dst):
    src = Path(src).resolve()
    windows = src / "drive_c" / "windows"

    def copy(source, target):
        path = Path(source)
        if path.suffix.lower() in SHARED_IMAGES and windows in path.parents:
            try:
                return os.link(source, target)
            except OSError as e:
                if e.errno != errno.EXDEV:
                    raise
        shutil.copy2(source, target)

    shutil.copytree(src, dst, symlinks=True, copy_function=copy)


def main(argv):
    if len(argv) != 1:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    started = time.monotonic()
    dest = ensure_prefix(argv[0], fresh=True)
    print(f"wineprefix: fresh prefix in {dest} ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except E2EFailure as exc:
        print(f"wineprefix: {exc}", file=sys.stderr)
        sys.exit(1)
