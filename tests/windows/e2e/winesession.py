"""The Linux end-to-end harness, extended for a Win32 program under Wine: the
X session gets its own copy of the shared Wine prefix, programs start through
the wine64 loader, links the program opens are recorded instead of opened,
and every Wine process of the copy ends with the session, on every exit path.

    with WineSession() as x:
        prog = x.start_program(exe)               # orrindale.exe in a fresh folder
        win = prog.wait_window("Orrindale v1.0")  # top-level windows are X windows
"""

import os
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "e2e"))

import wineprefix  # noqa: E402
from harness import Program, XSession, wait_until  # noqa: E402

_OPENER = """#!/bin/sh
# Stands in for the browser and mail client: records what it was asked to open.
printf '%s\\n' "$*" >> "{log}"
"""


def processes_with_prefix(prefix):
    """Pids of the processes whose environment names prefix as WINEPREFIX."""
    needle = b"\0WINEPREFIX=" + str(prefix).encode() + b"\0"
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if needle in b"\0" + f.read():
                    found.append(int(entry))
        except OSError:  # gone, or not ours to read
            continue
    return found


class WineProgram(Program):
    """A Win32 program run by the wine64 loader; its pid is the Windows
    process's own, which Wine also puts in its windows' _NET_WM_PID."""

    def command(self, args):
        return [wineprefix.wine_loader(), str(self.exe), *args]


class WineSession(XSession):
    def __init__(self, prefix=None, **kwargs):
        super().__init__(**kwargs)
        self.shared_prefix = Path(prefix) if prefix else wineprefix.default_prefix()
        self.prefix = None
        self.scratch = None
        self.bin = None

    def __enter__(self):
        super().__enter__()
        try:
            shared = wineprefix.ensure_prefix(self.shared_prefix)
            self.scratch = self.dir / "tmp"
            self.scratch.mkdir()
            self.prefix = self.dir / "prefix"
            wineprefix.copy_prefix(shared, self.prefix)
            self.bin = self.dir / "bin"
            self.bin.mkdir()
            opener = self.bin / wineprefix.OPENER_NAME
            opener.write_text(_OPENER.replace("{log}", str(self.opened_log())))
            opener.chmod(0o755)
        except BaseException:
            self.close()
            raise
        return self

    def opened_log(self):
        return self.dir / "opened.log"

    def opened(self):
        """What programs of this session asked the browser or mail client to open."""
        log = self.opened_log()
        return log.read_text().splitlines() if log.exists() else []

    def env(self, extra=None):
        env = super().env()
        if self.prefix is not None:
            env.update(wineprefix.wine_env(self.prefix, self.scratch))
            env["PATH"] = f"{self.bin}:{env.get('PATH', '/usr/bin:/bin')}"
        if extra:
            env.update(extra)
        return env

    def start_program(self, executable, extra_files=(), files=None, env=None, args=(),
                      address_space=None, setup=None):
        prog = WineProgram(self, Path(executable), extra_files, files or {}, env or {}, args,
                           address_space, setup)
        self.programs.append(prog)
        return prog

    def wine(self, *args, timeout=60):
        """Runs a Wine tool (e.g. "winebrowser", URL) in this session's prefix."""
        return subprocess.run([wineprefix.wine_loader(), *args], env=self.env(),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def wine_processes(self):
        return processes_with_prefix(self.prefix) if self.prefix is not None else []

    def close(self):
        if not self._closed and self.prefix is not None:
            self._end_wine()
        super().close()

    def _end_wine(self):
        try:
            subprocess.run([wineprefix.wineserver(), "-k"], env=self.env(),
                           stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
            wait_until(lambda: not self.wine_processes(), timeout=10, interval=0.1,
                       what="the Wine processes of the prefix copy to end")
        except Exception:
            # Whatever -k missed is still ours: these pids run in this copy only.
            for pid in self.wine_processes():
                try:
                    os.kill(pid, 9)
                except OSError:
                    pass
