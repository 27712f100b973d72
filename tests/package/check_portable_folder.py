#!/usr/bin/env python3
"""The shipped folder of each build tree: `cmake --install` into a fresh prefix and
`cpack -G ZIP` both give one folder holding exactly the program, orrindale.txt and
catalog.txt, byte for byte as built; the Linux program stays executable, the Windows
documents have CRLF line ends.

Usage: check_portable_folder.py <cmake> <cpack> <build tree>...
"""
import os
import stat
import subprocess
import sys
import tempfile
import zipfile

DOCUMENTS = ("orrindale.txt", "catalog.txt")


def program_name(tree):
    return "orrindale.exe" if os.path.isfile(os.path.join(tree, "orrindale.exe")) else "orrindale"


def expected_bytes(tree):
    names = (program_name(tree),) + DOCUMENTS
    return {name: open(os.path.join(tree, name), "rb").read() for name in names}


def check_documents(tree, files, where, faults):
    if program_name(tree).endswith(".exe"):
        for name in DOCUMENTS:
            text = files.get(name, b"")
            if text.count(b"\n") != text.count(b"\r\n"):
                faults.append(f"{where}: {name} has line ends other than CRLF")


def check_install(cmake, tree, faults):
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run([cmake, "--install", tree, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        expected = expected_bytes(tree)
        found = sorted(os.listdir(prefix))
        if found != sorted(expected):
            faults.append(f"install of {tree}: {found}, wanted {sorted(expected)}")
            return
        files = {name: open(os.path.join(prefix, name), "rb").read() for name in found}
        for name, data in expected.items():
            if files[name] != data:
                faults.append(f"install of {tree}: {name} differs from the built one")
        program = os.path.join(prefix, program_name(tree))
        if not os.access(program, os.X_OK):
            faults.append(f"install of {tree}: {program} is not executable")
        check_documents(tree, files, f"install of {tree}", faults)


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
            names = sorted(info.filename.split("/", 1)[-1] for info in entries)
            expected = expected_bytes(tree)
            if len(folders) != 1 or any(info.filename.count("/") != 1 for info in entries):
                faults.append(f"{zips[0]}: not one folder: {[i.filename for i in entries]}")
                return
            if names != sorted(expected):
                faults.append(f"{zips[0]}: {names}, wanted {sorted(expected)}")
                return
            files = {info.filename.split("/", 1)[1]: archive.read(info) for info in entries}
            for name, data in expected.items():
                if files[name] != data:
                    faults.append(f"{zips[0]}: {name} differs from the built one")
            program = next(i for i in entries if i.filename.endswith("/" + program_name(tree)))
            if not program_name(tree).endswith(".exe") and not (program.external_attr >> 16) & stat.S_IXUSR:
                faults.append(f"{zips[0]}: {program.filename} lost its executable bit")
            check_documents(tree, files, zips[0], faults)
            print(f"{zips[0]}: {sorted(folders)[0]}/ holds {', '.join(names)}")


def main():
    cmake, cpack, trees = sys.argv[1], sys.argv[2], sys.argv[3:]
    faults = []
    for tree in trees:
        if not os.path.isfile(os.path.join(tree, "CPackConfig.cmake")):
            faults.append(f"{tree}: no CPackConfig.cmake (not configured?)")
            continue
        check_install(cmake, tree, faults)
        check_zip(cpack, tree, faults)
    for fault in faults:
        print("FAIL:", fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
