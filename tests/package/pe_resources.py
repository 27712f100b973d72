"""Reads the resource section of a Windows executable: which resource types it holds
and the fixed file version of its version information, so that a test can tell that
orrindale.exe carries its icon and version without running it."""

import struct

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
FIXED_FILE_INFO_SIGNATURE = 0xFEEF04BD


class PeError(ValueError):
    pass


def _sections(data):
    if data[:2] != b"MZ":
        raise PeError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise PeError("no PE signature")
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    for i in range(count):
        name, _, virtual_address, raw_size, raw_pointer = struct.unpack_from(
            "<8sIIII", data, table + 40 * i)
        yield name.rstrip(b"\0"), virtual_address, raw_size, raw_pointer


def _resource_section(data):
    for name, virtual_address, raw_size, raw_pointer in _sections(data):
        if name == b".rsrc":
            return data[raw_pointer:raw_pointer + raw_size], virtual_address
    raise PeError("no .rsrc section")


def _entries(section, offset):
    """(id or None for a named entry, offset, is_directory) of one resource directory."""
    named, numbered = struct.unpack_from("<HH", section, offset + 12)
    for i in range(named + numbered):
        name, target = struct.unpack_from("<II", section, offset + 16 + 8 * i)
        yield (None if name & 0x80000000 else name), target & 0x7FFFFFFF, bool(target & 0x80000000)


def resources(path):
    """{type id: [bytes of each resource of that type]} for the numbered types."""
    data = open(path, "rb").read()
    section, base = _resource_section(data)
    found = {}
    for type_id, names, is_dir in _entries(section, 0):
        if type_id is None or not is_dir:
            continue
        for _, languages, named_dir in _entries(section, names):
            if not named_dir:
                continue
            for _, leaf, leaf_is_dir in _entries(section, languages):
                if leaf_is_dir:
                    continue
                rva, size = struct.unpack_from("<II", section, leaf)
                found.setdefault(type_id, []).append(section[rva - base:rva - base + size])
    return found


def file_version(version_resource):
    """The FILEVERSION of a VS_VERSIONINFO block as a tuple of four numbers."""
    at = version_resource.find(struct.pack("<I", FIXED_FILE_INFO_SIGNATURE))
    if at < 0:
        raise PeError("no VS_FIXEDFILEINFO")
    ms, ls = struct.unpack_from("<II", version_resource, at + 8)
    return ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF


def version_string(version_resource, key):
    """A value of the StringFileInfo table (UTF-16), e.g. "ProductName"."""
    needle = (key + "\0").encode("utf-16-le")
    at = version_resource.find(needle)
    if at < 0:
        return None
    at += len(needle)
    at += (-at) % 4  # values start on a 32-bit boundary
    end = at
    while version_resource[end:end + 2] not in (b"\0\0", b""):
        end += 2
    return version_resource[at:end].decode("utf-16-le")


def icon_sizes(group_icon_resource):
    """Widths of the images a GROUP_ICON names (0 stands for 256)."""
    count = struct.unpack_from("<H", group_icon_resource, 4)[0]
    return sorted(group_icon_resource[6 + 14 * i] or 256 for i in range(count))
