"""What happened to the names in one folder, in order, through Linux inotify
(ctypes, stdlib only). Events queue in the kernel as they happen, so reading
them after a process was killed tells what that process did before it died.

    watch = FolderWatch(folder)
    watch.drain()                     # forget what came before
    ...
    for event in watch.drain():       # [(mask, name), ...] in order
        ...
"""

import ctypes
import os
import select
import struct
import time

IN_MODIFY = 0x2
IN_CLOSE_WRITE = 0x8
IN_OPEN = 0x20
IN_MOVED_FROM = 0x40
IN_MOVED_TO = 0x80
IN_CREATE = 0x100
IN_DELETE = 0x200
IN_ISDIR = 0x40000000

_WATCHED = IN_MODIFY | IN_CLOSE_WRITE | IN_OPEN | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE | IN_DELETE
_HEADER = struct.Struct("iIII")  # wd, mask, cookie, len


class FolderWatch:
    def __init__(self, folder):
        self._libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self._libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self.fd < 0:
            raise OSError(ctypes.get_errno(), "inotify_init1")
        if self._libc.inotify_add_watch(self.fd, os.fsencode(str(folder)), _WATCHED) < 0:
            error = ctypes.get_errno()
            os.close(self.fd)
            raise OSError(error, f"inotify_add_watch {folder}")
        self._pending = []

    def close(self):
        if self.fd >= 0:
            os.close(self.fd)
            self.fd = -1

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _read(self):
        if self._pending:
            events, self._pending = self._pending, []
            return events
        try:
            data = os.read(self.fd, 65536)
        except BlockingIOError:
            return []
        events, pos = [], 0
        while pos < len(data):
            _wd, mask, _cookie, length = _HEADER.unpack_from(data, pos)
            pos += _HEADER.size
            name = data[pos:pos + length].split(b"\0", 1)[0].decode(errors="replace")
            pos += length
            if not mask & IN_ISDIR or name:
                events.append((mask, name))
        return events

    def drain(self):
        """Every event queued so far, oldest first."""
        events = []
        while True:
            batch = self._read()
            if not batch:
                return events
            events += batch

    def wait_for(self, predicate, timeout):
        """Reads events as they come until one satisfies predicate(mask, name);
        returns (the events read, the monotonic time that one was read at), or
        (the events read, None) on timeout."""
        seen, deadline = [], time.monotonic() + timeout
        while True:
            batch = self._read()
            for i, event in enumerate(batch):
                seen.append(event)
                if predicate(*event):
                    self._pending = batch[i + 1:]
                    return seen, time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return seen, None
            select.select([self.fd], [], [], left)
