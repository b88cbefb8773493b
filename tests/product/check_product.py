#!/usr/bin/python3
"""Checks the product DLL against what its host needs from it.

The contract with the host is checked on the file itself, on every machine
(the product runs only where the kernel runs i386 programs, in
tests/product18/): a 32-bit x86 DLL, exactly one export
Init_kvr_gui, imports only from system DLLs and from Ruby 1.8's DLL, from the
latter only names that DLL exports (those listed in msvcrt-ruby18.def, the
same file the import library is made from), the version resource, no trace
of the test driver (a product carrying it would close every dialog by itself
and never open a link), and what keeps its C++ exceptions inside it when the
host has loaded MinGW's shared libgcc (its unwind tables under the short
section name it looks up, and that lookup linked in).

Usage: check_product.py [--def FILE] path/to/kvr_gui.so
Prints one line per check and "N passed, M failed"; exits 1 on any failure.
Needs Debian's python3-pefile (run with /usr/bin/python3).
"""

import argparse
import sys
from pathlib import Path

import pefile

ROOT = Path(__file__).resolve().parents[2]
DEF_FILE = ROOT / "src" / "ruby" / "ruby18" / "msvcrt-ruby18.def"

EXPORT_NAME = "Init_kvr_gui"
VERSION = (1, 3, 1729, 0)

IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
IMAGE_FILE_DLL = 0x2000
RT_VERSION = 16

# DLLs every Windows installation has. The MinGW runtime DLLs (libstdc++-6,
# libgcc_s_dw2-1, libwinpthread-1) are not among them: the host's folder has
# none, so the C++ runtime must be linked in.
SYSTEM_DLLS = {
    "kernel32.dll",
    "user32.dll",
    "gdi32.dll",
    "shell32.dll",
    "advapi32.dll",
    "comctl32.dll",
    "comdlg32.dll",
    "ole32.dll",
    "oleaut32.dll",
    "msvcrt.dll",
}


def read_def(path):
    """Returns (library name, set of exported names) of a module-definition file."""
    library = None
    names = set()
    in_exports = False
    for raw in Path(path).read_text().splitlines():
        line = raw.split(";", 1)[0].strip()
        if not line:
            continue
        words = line.split()
        keyword = words[0].upper()
        if keyword == "LIBRARY":
            library = words[1].strip('"') if len(words) > 1 else None
            in_exports = False
        elif keyword == "EXPORTS":
            in_exports = True
        elif in_exports:
            # "name", "name DATA", "name @ord", "name=internal"
            names.add(words[0].split("=", 1)[0])
    if not library or not names:
        raise ValueError(f"{path}: no LIBRARY or no EXPORTS")
    return library, names


def _text(b):
    return b.decode("ascii", "replace") if isinstance(b, bytes) else str(b)


def _version_words(version):
    major, minor, build, revision = version
    return (major << 16) | minor, (build << 16) | revision


def check_machine(pe):
    machine = pe.FILE_HEADER.Machine
    magic = pe.OPTIONAL_HEADER.Magic
    ok = machine == IMAGE_FILE_MACHINE_I386 and magic == PE32_MAGIC
    return ok, f"machine {machine:#x}, optional header {magic:#x}"


def check_dll(pe):
    flags = pe.FILE_HEADER.Characteristics
    return bool(flags & IMAGE_FILE_DLL), f"characteristics {flags:#x}"


def check_exports(pe):
    entry = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    symbols = entry.symbols if entry else []
    shown = [_text(s.name) if s.name else f"#{s.ordinal}" for s in symbols]
    ok = (
        len(symbols) == 1
        and symbols[0].name == EXPORT_NAME.encode()
        and symbols[0].forwarder is None
    )
    listed = ", ".join(shown[:8]) + (f", ... ({len(shown)} in all)" if len(shown) > 8 else "")
    return ok, f"exports: {listed or 'none'}"


def _import_entries(pe):
    entries = list(getattr(pe, "DIRECTORY_ENTRY_IMPORT", []))
    entries += list(getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", []))
    return entries


def check_imported_dlls(pe, ruby_dll):
    allowed = SYSTEM_DLLS | {ruby_dll.lower()}
    dlls = [_text(e.dll) for e in _import_entries(pe)]
    foreign = [d for d in dlls if d.lower() not in allowed]
    if foreign:
        return False, "not allowed: " + ", ".join(foreign)
    return True, ", ".join(dlls)


def check_ruby_imports(pe, ruby_dll, ruby_names, listed_in=DEF_FILE.name):
    imports = []
    for entry in _import_entries(pe):
        if _text(entry.dll).lower() == ruby_dll.lower():
            imports += entry.imports
    if not imports:
        return False, f"nothing imported from {ruby_dll}"
    bad = []
    for imp in imports:
        if imp.name is None:
            # An ordinal means nothing across Ruby builds: import by name only.
            bad.append(f"ordinal {imp.ordinal}")
        elif _text(imp.name) not in ruby_names:
            bad.append(_text(imp.name))
    if bad:
        return False, f"not exported by {ruby_dll}: " + ", ".join(bad)
    return True, f"{len(imports)} names, all listed in {listed_in}"


def _version_resource_count(pe):
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return 0
    count = 0
    for rtype in root.entries:
        if rtype.id == RT_VERSION and hasattr(rtype, "directory"):
            for name in rtype.directory.entries:
                count += len(name.directory.entries) if hasattr(name, "directory") else 1
    return count


def check_fixed_version(pe):
    count = _version_resource_count(pe)
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if count != 1 or not fixed:
        return False, f"{count} version resources"
    info = fixed[0]
    want = _version_words(VERSION)
    got_file = (info.FileVersionMS, info.FileVersionLS)
    got_product = (info.ProductVersionMS, info.ProductVersionLS)

    def show(words):
        ms, ls = words
        return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"

    return (
        got_file == want and got_product == want,
        f"file {show(got_file)}, product {show(got_product)}",
    )


def _version_strings(pe):
    """The StringFileInfo entries of every string table, merged."""
    strings = {}
    for block in [x for group in getattr(pe, "FileInfo", []) for x in group]:
        if getattr(block, "Key", None) == b"StringFileInfo":
            for table in block.StringTable:
                for key, value in table.entries.items():
                    strings.setdefault(_text(key), _text(value))
    return strings


def check_version_strings(pe):
    strings = _version_strings(pe)
    want = ".".join(str(n) for n in VERSION)
    got = {k: strings.get(k) for k in ("FileVersion", "ProductVersion")}
    ok = all(v == want for v in got.values())
    return ok, ", ".join(f"{k} {v!r}" for k, v in got.items())


# Names only the test driver defines: the Ruby module, its queue method and its
# dialog proxy's class.
DRIVER_NAMES = (b"KVRGUITest", b"on_dialog", b"live_dialogs")


def check_no_test_driver(path):
    data = Path(path).read_bytes()
    found = [name.decode() for name in DRIVER_NAMES if name in data]
    return not found, "found " + ", ".join(found) if found else "none of its names"


# The module finds its unwind tables at run time through the loaded image's
# section table, by the short name ".eh_fram" (src/framework/win32/
# own_unwind_tables.cpp), so that it can register them with its own unwinder
# when a shared libgcc_s_dw2-1.dll is in the host. A long section name ("/4")
# is an offset into a string table that is not mapped: the lookup would find
# nothing. The lookup's key in the image's data shows the code is linked in; a
# module built without it has the same sections and no such string.
UNWIND_SECTION = b".eh_fram"


def check_own_unwind_tables(pe):
    names = [s.Name.rstrip(b"\0") for s in pe.sections]
    long_names = [_text(n) for n in names if n.startswith(b"/")]
    if long_names:
        return False, "long section names, unreadable at run time: " + ", ".join(long_names)
    tables = [s for s in pe.sections if s.Name.rstrip(b"\0") == UNWIND_SECTION]
    if not tables or tables[0].Misc_VirtualSize == 0:
        return False, "no .eh_fram section with data"
    key = UNWIND_SECTION + b"\0"
    if not any(key in s.get_data() for s in pe.sections):
        return False, ".eh_fram section present, but no code that looks it up"
    return True, f".eh_fram ({tables[0].Misc_VirtualSize} bytes) and its lookup"


def run_checks(path, def_path=DEF_FILE):
    """Returns [(name, ok, detail)] for the DLL at path."""
    try:
        pe = pefile.PE(str(path))
    except (OSError, pefile.PEFormatError) as e:
        return [("readable PE file", False, str(e))]
    ruby_dll, ruby_names = read_def(def_path)
    checks = [
        ("machine i386, PE32", lambda: check_machine(pe)),
        ("DLL", lambda: check_dll(pe)),
        (f"only export {EXPORT_NAME}", lambda: check_exports(pe)),
        ("imports only system DLLs and " + ruby_dll, lambda: check_imported_dlls(pe, ruby_dll)),
        (
            f"imports from {ruby_dll} all exist",
            lambda: check_ruby_imports(pe, ruby_dll, ruby_names, Path(def_path).name),
        ),
        ("fixed version info " + ".".join(map(str, VERSION)), lambda: check_fixed_version(pe)),
        ("version strings " + ".".join(map(str, VERSION)), lambda: check_version_strings(pe)),
        ("no test driver", lambda: check_no_test_driver(path)),
        ("own unwind tables registrable", lambda: check_own_unwind_tables(pe)),
    ]
    results = []
    for name, check in checks:
        ok, detail = check()
        results.append((name, ok, detail))
    return results


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("dll", help="the product DLL (build/win32/kvr_gui.so)")
    parser.add_argument("--def", dest="def_path", default=DEF_FILE, help="msvcrt-ruby18.def")
    args = parser.parse_args(argv)

    results = run_checks(args.dll, args.def_path)
    for name, ok, detail in results:
        print(f"{'PASS' if ok else 'FAIL'}  {name}: {detail}")
    failed = sum(1 for _, ok, _ in results if not ok)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
