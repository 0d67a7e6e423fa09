#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a Windows program would not load on 64-bit Windows 7 SP1.

Reads the program's PE header and its import tables (the ordinary and the
delay-loaded ones) and checks them against a list (windows7.txt beside this
script, which says where each fact comes from):
  - the header asks for Windows 6.1 at most, as operating system and as
    subsystem;
  - every DLL imported is one that Windows 7 SP1 has;
  - no function imported is one that Windows 7 SP1 lacks.
    windows7_imports.py PROGRAM.exe [LIST]
Prints the header's versions and the DLLs imported."""
import struct
import sys
from pathlib import Path


class Pe:
    def __init__(self, data: bytes):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        optional = pe + 24
        if struct.unpack_from("<H", data, optional)[0] != 0x20B:
            raise ValueError("not a 64-bit (PE32+) program")
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.directories = [struct.unpack_from("<II", data, optional + 112 + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(self, rva: int) -> int:
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def string(self, rva: int) -> str:
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def names(self, table_rva: int):
        """The functions of one import name table, by name or by ordinal."""
        at = self.offset(table_rva)
        while (entry := struct.unpack_from("<Q", self.data, at)[0]) != 0:
            yield f"#{entry & 0xFFFF}" if entry >> 63 else self.string((entry & 0x7FFFFFFF) + 2)
            at += 8

    def imports(self):
        """(DLL, function) for every function the program imports."""
        # The import directory (1) and the delay-load one (13): the size of a
        # DLL's entry, where in it the DLL's name and its name table lie (the
        # fifth field, the address table, holds the names where a linker left
        # no name table).
        for directory, size, name_field, table_field in ((1, 20, 3, 0), (13, 32, 1, 4)):
            rva, length = self.directories[directory]
            at = self.offset(rva) if length else None
            while at is not None:
                fields = struct.unpack_from("<5I", self.data, at)
                if fields[name_field] == 0:
                    break
                for function in self.names(fields[table_field] or fields[4]):
                    yield self.string(fields[name_field]), function
                at += size


def read_list(path: Path):
    """The DLLs Windows 7 SP1 has, and the functions of them it lacks."""
    dlls, absent = set(), set()
    for line in path.read_text(encoding="utf-8").splitlines():
        words = line.split("#", 1)[0].split()
        if words and words[0] == "dll":
            dlls.add(words[1].lower())
        elif words and words[0] == "absent":
            absent.add((words[1].lower(), words[2]))
    return dlls, absent


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    program = Pe(Path(sys.argv[1]).read_bytes())
    listed = Path(sys.argv[2]) if len(sys.argv) == 3 else Path(__file__).with_name("windows7.txt")
    dlls, absent = read_list(listed)
    faults = []
    for what, version in (("operating system", program.os_version), ("subsystem", program.subsystem_version)):
        print(f"{what} version {version[0]}.{version[1]}")
        if version > (6, 1):
            faults.append(f"the header asks for {what} version {version[0]}.{version[1]}, above Windows 7's 6.1")
    imported = sorted(set(program.imports()))
    used = sorted({dll for dll, _ in imported}, key=str.lower)
    print("DLLs:", " ".join(used))
    faults += [f"{dll}: Windows 7 SP1 has no such DLL" for dll in used if dll.lower() not in dlls]
    faults += [f"{dll}: {function}: Windows 7 SP1 lacks it" for dll, function in imported
               if (dll.lower(), function) in absent]
    for fault in faults:
        print("FAULT:", fault, file=sys.stderr)
    print(f"{len(imported)} functions from {len(used)} DLLs, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
