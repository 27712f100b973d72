#!/usr/bin/env python3
"""The Linux folder's install-menu-entry, as a user runs it after unpacking anywhere,
here a folder whose name holds a space, quotes, a dollar, a percent and a backslash:
it writes a desktop entry that desktop-file-validate accepts and whose Exec starts
exactly the program in that folder, and the icon in every hicolor size, into
XDG_DATA_HOME; a second run leaves the same; --remove leaves nothing of either.

Usage: test_menu_entry.py <cmake> <build tree>
"""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

from check_portable_folder import ICON_SIZES, validate_desktop_entry

AWKWARD = 'Orr "year" $HOME 100%\\x'


def unescape_string(value):
    """Undoes the escapes of a string value: \\s \\n \\t \\r \\\\."""
    out, i = [], 0
    replacements = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in replacements:
            out.append(replacements[value[i + 1]])
            i += 2
        else:
            out.append(value[i])
            i += 1
    return "".join(out)


def exec_arguments(value):
    """The argument vector a desktop starts for an Exec value without field codes."""
    text, args, i = unescape_string(value), [], 0
    while i < len(text):
        if text[i] == " ":
            i += 1
            continue
        arg = []
        if text[i] == '"':
            i += 1
            while text[i] != '"':
                if text[i] == "\\" and text[i + 1] in '"`$\\':
                    i += 1
                arg.append(text[i])
                i += 1
            i += 1
        else:
            while i < len(text) and text[i] != " ":
                arg.append(text[i])
                i += 1
        args.append("".join(arg).replace("%%", "%"))
    return args


def entry_keys(path):
    keys = {}
    for line in path.read_text().splitlines():
        key, sep, value = line.partition("=")
        if sep:
            keys[key] = value
    return keys


def files_under(folder):
    return sorted(p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file())


def main():
    cmake, tree = sys.argv[1], sys.argv[2]
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        # Installed plainly, then moved where a user might unpack it.
        installed = Path(scratch, "installed")
        subprocess.run([cmake, "--install", tree, "--prefix", str(installed)], check=True,
                       stdout=subprocess.DEVNULL)
        folder = Path(scratch, AWKWARD)
        shutil.copytree(installed, folder)
        data = Path(scratch, "data")
        env = {**os.environ, "XDG_DATA_HOME": str(data), "HOME": scratch}

        def run(*args):
            # Started by relative path from inside the folder, as after unpacking.
            return subprocess.run(["./install-menu-entry", *args], cwd=folder, env=env,
                                  capture_output=True, text=True)

        for attempt in ("first run", "second run"):
            res = run()
            if res.returncode != 0:
                faults.append(f"{attempt}: failed ({res.returncode}): {res.stderr}")
                break
            entry = data / "applications" / "orrindale.desktop"
            if not entry.is_file():
                faults.append(f"{attempt}: no {entry}")
                break
            faults.extend(f"{attempt}: {p}" for p in validate_desktop_entry(entry))
            keys = entry_keys(entry)
            argv = exec_arguments(keys.get("Exec", ""))
            if argv != [str(folder / "orrindale")]:
                faults.append(f"{attempt}: Exec={keys.get('Exec')} starts {argv}")
            shipped = entry_keys(folder / "share" / "applications" / "orrindale.desktop")
            if {k: v for k, v in keys.items() if k != "Exec"} != \
                    {k: v for k, v in shipped.items() if k != "Exec"}:
                faults.append(f"{attempt}: keys other than Exec changed: {keys}")
            for size in ICON_SIZES:
                name = f"icons/hicolor/{size}x{size}/apps/{keys.get('Icon')}.png"
                shipped_icon = folder / "share" / name
                if not (data / name).is_file() or (data / name).read_bytes() != shipped_icon.read_bytes():
                    faults.append(f"{attempt}: {name} missing or not the shipped icon")
        expected = sorted(["applications/orrindale.desktop"] +
                          [f"icons/hicolor/{s}x{s}/apps/orrindale.png" for s in ICON_SIZES])
        if files_under(data) != expected:
            faults.append(f"the data folder holds {files_under(data)}, wanted {expected}")

        res = run("--remove")
        if res.returncode != 0 or files_under(data):
            faults.append(f"--remove ({res.returncode}) left {files_under(data)}")
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
