"""The Windows folder's "Add to Start menu.cmd", run under Wine from a folder with
spaces in its name as a user would after unpacking the ZIP: it puts Orrindale.lnk
into the user's Start menu programs, naming orrindale.exe in that folder; the
shortcut starts the program; "/remove" takes the shortcut out again."""

import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))

from harness import TITLE, E2EFailure, check, run_test  # noqa: E402
import wineprefix  # noqa: E402
from winesession import WineSession  # noqa: E402

SCRIPTS = ("Add to Start menu.cmd", "start-menu-shortcut.js")


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def links(prefix):
    return sorted(prefix.glob("drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/*.lnk"))


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        folder = x.dir / "My Programs" / "orrindale 1.0"
        folder.mkdir(parents=True)
        for name in ("orrindale.exe",) + SCRIPTS:
            shutil.copy2(exe.with_name(name), folder / name)
        script = windows_path(folder / SCRIPTS[0])

        res = x.wine("cmd", "/c", script)
        out = res.stdout.decode(errors="replace") + res.stderr.decode(errors="replace")
        check(res.returncode == 0, f"{SCRIPTS[0]} failed ({res.returncode}): {out}")
        made = links(x.prefix)
        check([p.name for p in made] == ["Orrindale.lnk"], f"Start menu programs hold {made}")
        target = windows_path(folder / "orrindale.exe")
        data = made[0].read_bytes()
        check(target.encode("utf-16-le") in data or target.encode("latin-1") in data,
              f"Orrindale.lnk does not name {target}")

        # Not x.wine: the program started would hold its output pipes open.
        started = subprocess.run([wineprefix.wine_loader(), "start", "/unix", str(made[0])], env=x.env(),
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL, timeout=60)
        check(started.returncode == 0, f"starting the shortcut failed ({started.returncode})")
        try:
            win = x.wait_window(TITLE)
        except E2EFailure:
            raise E2EFailure("the shortcut started no Orrindale window") from None
        win.close()
        x.wait_no_window(TITLE)

        res = x.wine("cmd", "/c", script, "/remove")
        check(res.returncode == 0 and not links(x.prefix),
              f"/remove ({res.returncode}) left {links(x.prefix)}")
    return 0


if __name__ == "__main__":
    run_test(main)
