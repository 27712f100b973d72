#!/usr/bin/env python3
"""The shipped folder of each build tree: `cmake --install` into a fresh prefix and
`cpack -G ZIP` both give one folder holding exactly what a user needs, byte for byte as
built. Linux: the program (executable), both documents, the desktop entry and the
hicolor icons (valid for desktop-file-validate, each PNG its folder's size), and the
menu-entry script (executable). Windows: orrindale.exe with its icon and version
information, both documents and the Start menu scripts, all text with CRLF line ends.

Usage: check_portable_folder.py <cmake> <cpack> <build tree>...
"""
import os
import stat
import struct
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

import pe_resources

ASSETS = Path(__file__).resolve().parents[2] / "assets"
DOCUMENTS = ("orrindale.txt", "catalog.txt")
ICON_SIZES = (16, 32, 48, 64, 128, 256)
DESKTOP_ENTRY = "share/applications/orrindale.desktop"
LINUX_SCRIPT = "install-menu-entry"
WINDOWS_SCRIPTS = ("Add to Start menu.cmd", "start-menu-shortcut.js")


def is_windows(tree):
    return os.path.isfile(os.path.join(tree, "orrindale.exe"))


def shipped(tree):
    """{path in the folder: the built or source file it must equal}."""
    if is_windows(tree):
        names = ("orrindale.exe",) + DOCUMENTS + WINDOWS_SCRIPTS
        return {name: Path(tree, name) for name in names}
    files = {name: Path(tree, name) for name in ("orrindale",) + DOCUMENTS}
    for size in ICON_SIZES:
        name = f"share/icons/hicolor/{size}x{size}/apps/orrindale.png"
        files[name] = Path(tree, name)
    files[DESKTOP_ENTRY] = ASSETS / "orrindale.desktop"
    files[LINUX_SCRIPT] = ASSETS / LINUX_SCRIPT
    return files


def executables(tree):
    return () if is_windows(tree) else ("orrindale", LINUX_SCRIPT)


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


def check_contents(tree, files, modes, where, faults):
    """files: {path in the folder: bytes}; modes: {path: st_mode or None}."""
    expected = shipped(tree)
    if sorted(files) != sorted(expected):
        faults.append(f"{where}: {sorted(files)}, wanted {sorted(expected)}")
        return
    for name, source in expected.items():
        if files[name] != source.read_bytes():
            faults.append(f"{where}: {name} differs from {source}")
    for name in executables(tree):
        if not (modes.get(name) or 0) & stat.S_IXUSR:
            faults.append(f"{where}: {name} is not executable")
    if is_windows(tree):
        for name in DOCUMENTS + WINDOWS_SCRIPTS:
            if files[name].count(b"\n") != files[name].count(b"\r\n"):
                faults.append(f"{where}: {name} has line ends other than CRLF")
        return
    for size in ICON_SIZES:
        name = f"share/icons/hicolor/{size}x{size}/apps/orrindale.png"
        if png_size(files[name]) != (size, size):
            faults.append(f"{where}: {name} is {png_size(files[name])}, not a {size} px PNG")
    with tempfile.TemporaryDirectory() as scratch:
        entry = Path(scratch, "orrindale.desktop")
        entry.write_bytes(files[DESKTOP_ENTRY])
        faults.extend(f"{where}: {problem}" for problem in validate_desktop_entry(entry))


def validate_desktop_entry(path):
    """desktop-file-validate's errors and warnings (hints are advice only)."""
    res = subprocess.run(["desktop-file-validate", str(path)], capture_output=True, text=True)
    problems = [line for line in (res.stdout + res.stderr).splitlines()
                if "error:" in line or "warning:" in line]
    if res.returncode != 0 and not problems:
        problems.append(f"desktop-file-validate failed ({res.returncode})")
    return problems


def check_program_resources(tree, faults):
    """orrindale.exe carries its icon, its version information and its manifest."""
    exe = os.path.join(tree, "orrindale.exe")
    try:
        found = pe_resources.resources(exe)
    except (pe_resources.PeError, struct.error) as exc:
        faults.append(f"{exe}: unreadable resources: {exc}")
        return
    if not found.get(pe_resources.RT_GROUP_ICON) or not found.get(pe_resources.RT_ICON):
        faults.append(f"{exe}: no icon")
    elif pe_resources.icon_sizes(found[pe_resources.RT_GROUP_ICON][0]) != [16, 32, 48]:
        faults.append(f"{exe}: icon sizes {pe_resources.icon_sizes(found[pe_resources.RT_GROUP_ICON][0])}")
    if not found.get(pe_resources.RT_MANIFEST):
        faults.append(f"{exe}: no manifest")
    versions = found.get(pe_resources.RT_VERSION)
    if not versions:
        faults.append(f"{exe}: no version information")
        return
    if pe_resources.file_version(versions[0]) != (1, 0, 0, 0):
        faults.append(f"{exe}: file version {pe_resources.file_version(versions[0])}, wanted 1.0.0.0")
    for key, wanted in (("ProductName", "Orrindale"), ("OriginalFilename", "orrindale.exe")):
        if pe_resources.version_string(versions[0], key) != wanted:
            faults.append(f"{exe}: {key} {pe_resources.version_string(versions[0], key)!r}")


def check_install(cmake, tree, faults):
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run([cmake, "--install", tree, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        files, modes = {}, {}
        for path in Path(prefix).rglob("*"):
            if path.is_file():
                name = path.relative_to(prefix).as_posix()
                files[name], modes[name] = path.read_bytes(), path.stat().st_mode
        check_contents(tree, files, modes, f"install of {tree}", faults)


def check_zip(cpack, tree, faults):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([cpack, "-G", "ZIP", "--config", os.path.join(tree, "CPackConfig.cmake"),
                        "-B", out], check=True, stdout=subprocess.DEVNULL)
        zips = [name for name in os.listdir(out) if name.endswith(".zip")]
        if len(zips) != 1:
            faults.append(f"cpack in {tree}: {zips}, wanted one ZIP")
            return
        with zipfile.ZipFile(os.path.join(out, zips[0])) as archive:
            entries = [info for info in archive.infolist() if not info.is_dir()]
            folders = {info.filename.split("/")[0] for info in entries}
            if len(folders) != 1 or any("/" not in info.filename for info in entries):
                faults.append(f"{zips[0]}: not one folder: {[i.filename for i in entries]}")
                return
            files = {i.filename.split("/", 1)[1]: archive.read(i) for i in entries}
            modes = {i.filename.split("/", 1)[1]: i.external_attr >> 16 for i in entries}
            check_contents(tree, files, modes, zips[0], faults)
            print(f"{zips[0]}: {sorted(folders)[0]}/ holds {', '.join(sorted(files))}")


def main():
    cmake, cpack, trees = sys.argv[1], sys.argv[2], sys.argv[3:]
    faults = []
    for tree in trees:
        if not os.path.isfile(os.path.join(tree, "CPackConfig.cmake")):
            faults.append(f"{tree}: no CPackConfig.cmake (not configured?)")
            continue
        if is_windows(tree):
            check_program_resources(tree, faults)
        check_install(cmake, tree, faults)
        check_zip(cpack, tree, faults)
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
