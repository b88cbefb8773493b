#!/usr/bin/python3
"""Tests of the product check and of the Ruby 1.8 interface files.

Small 32-bit DLLs are built with the MinGW cross compiler, each with one fault
the product could have (runtime DLLs not linked in, every symbol exported, a
Ruby import the interpreter lacks, a missing or wrong version resource, the
wrong machine, the unwind tables' lookup missing or unable to find them), and
the check must report exactly that fault. A last test
links a reference to every import ruby18.h declares against the import library
made from msvcrt-ruby18.def: the two must name the same symbols.

Run: /usr/bin/python3 tests/product/test_check_product.py
"""

import contextlib
import io
import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_product  # noqa: E402

ROOT = check_product.ROOT
HEADER_DIR = ROOT / "src" / "ruby" / "ruby18"
VERSION_RC = ROOT / "resources" / "version.rc"
OWN_UNWIND_TABLES = ROOT / "src" / "framework" / "win32" / "own_unwind_tables.cpp"
# What the product's build adds to every 32-bit module.
UNWIND_BUILD = [OWN_UNWIND_TABLES, "-Wl,--disable-long-section-names"]

I686 = "i686-w64-mingw32"
X86_64 = "x86_64-w64-mingw32"

MODULE_SOURCE = r"""
#include <string>
#include "ruby18.h"

static std::string name(const char* s) { return std::string("Init_") + s; }

__EXPORT__ void Init_kvr_gui() {
    rb_define_class(name("x").c_str(), rb_cObject);
    rb_intern("GetString");
}
"""

EXPORT = 'extern "C" __declspec(dllexport)'


def run(*cmd, cwd=None):
    result = subprocess.run([str(c) for c in cmd], cwd=cwd, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(map(str, cmd))} failed:\n{result.stderr}")
    return result


class Builder:
    """Builds test DLLs in a temporary folder."""

    def __init__(self, folder):
        self.dir = Path(folder)

    def implib(self, def_text, name="ruby.def", triple=I686):
        deffile = self.dir / name
        deffile.write_text(def_text)
        lib = self.dir / (name + ".a")
        run(f"{triple}-dlltool", "--input-def", deffile, "--output-lib", lib)
        return lib

    def resource(self, rc_text=None, triple=I686):
        rc = self.dir / "version_test.rc"
        rc.write_text(rc_text if rc_text is not None else VERSION_RC.read_text())
        obj = self.dir / f"version_{triple}.o"
        run(f"{triple}-windres", rc, "-O", "coff", "-o", obj)
        return obj

    def dll(self, out, source, libs=(), static=True, triple=I686, extra=(), unwind=None):
        src = self.dir / (out + ".cpp")
        src.write_text(source)
        dll = self.dir / out
        flags = ["-static", "-static-libgcc", "-static-libstdc++"] if static else []
        if unwind if unwind is not None else triple == I686:
            flags += UNWIND_BUILD
        run(f"{triple}-g++-posix", "-std=c++17", "-Os", "-shared", "-I", HEADER_DIR, *flags,
            *extra, "-o", dll, src, *libs)
        return dll


def results(dll, def_path=check_product.DEF_FILE):
    return {name: ok for name, ok, _ in check_product.run_checks(dll, def_path)}


def quiet_main(*argv):
    with contextlib.redirect_stdout(io.StringIO()):
        return check_product.main([str(a) for a in argv])


def failed(dll, def_path=check_product.DEF_FILE):
    return sorted(name for name, ok in results(dll, def_path).items() if not ok)


class ProductCheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.b = Builder(cls.tmp.name)
        cls.ruby = cls.b.implib(check_product.DEF_FILE.read_text())
        cls.res = cls.b.resource()
        ruby_dll, _ = check_product.read_def(check_product.DEF_FILE)
        cls.checks = [
            "machine i386, PE32",
            "DLL",
            "only export Init_kvr_gui",
            "imports only system DLLs and " + ruby_dll,
            f"imports from {ruby_dll} all exist",
            "fixed version info 1.3.1729.0",
            "version strings 1.3.1729.0",
            "no test driver",
            "own unwind tables registrable",
        ]
        (cls.MACHINE, cls.DLL, cls.EXPORT, cls.DLLS, cls.RUBY, cls.FIXED,
         cls.STRINGS, cls.DRIVER, cls.UNWIND) = cls.checks

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def module(self, out, **kw):
        source = MODULE_SOURCE.replace("__EXPORT__", kw.pop("export", EXPORT))
        libs = kw.pop("libs", (self.ruby, self.res))
        return self.b.dll(out, source, libs=libs, **kw)

    def test_a_sound_module_passes_every_check(self):
        dll = self.module("good.so")
        self.assertEqual(sorted(results(dll)), sorted(self.checks))
        self.assertEqual(failed(dll), [])
        self.assertEqual(quiet_main(dll), 0)

    def test_a_module_carrying_the_test_driver_fails(self):
        source = MODULE_SOURCE.replace("__EXPORT__", EXPORT).replace(
            'rb_intern("GetString");', 'rb_eval_string("module KVRGUITest; end");')
        dll = self.b.dll("driver.so", source, libs=(self.ruby, self.res))
        self.assertEqual(failed(dll), [self.DRIVER])

    def test_a_module_needing_the_mingw_runtime_dlls_fails(self):
        dll = self.module("shared_runtime.so", static=False)
        self.assertEqual(failed(dll), [self.DLLS])
        _, detail = check_product.check_imported_dlls(
            check_product.pefile.PE(str(dll)), "msvcrt-ruby18.dll")
        self.assertRegex(detail, r"libstdc\+\+-6\.dll|libgcc_s_dw2-1\.dll")

    def test_a_module_that_cannot_register_its_own_unwind_tables_fails(self):
        # Built the old way: stripped, as the product is, which leaves short
        # section names, but without the lookup.
        old = self.module("old_way.so", unwind=False, extra=["-s"])
        self.assertEqual(failed(old), [self.UNWIND])
        _, detail = check_product.check_own_unwind_tables(check_product.pefile.PE(str(old)))
        self.assertIn("no code that looks it up", detail)
        # The lookup linked in, but long section names: it would find nothing.
        long_names = self.module("long_names.so",
                                 extra=["-Wl,--enable-long-section-names"])
        self.assertEqual(failed(long_names), [self.UNWIND])
        # The lookup and short names, stripped like the product: sound.
        self.assertEqual(failed(self.module("stripped.so", extra=["-s"])), [])

    def test_exports_other_than_init_fail(self):
        # No dllexport at all: ld exports every global symbol.
        everything = self.module("auto_export.so", export='extern "C"')
        self.assertEqual(failed(everything), [self.EXPORT])
        # The right name plus one more.
        extra = self.b.dll(
            "two_exports.so",
            MODULE_SOURCE.replace("__EXPORT__", EXPORT) + EXPORT + " void Init_other() {}\n",
            libs=(self.ruby, self.res))
        self.assertEqual(failed(extra), [self.EXPORT])
        # The mark lost, with --exclude-all-symbols: nothing exported, also a fault.
        none = self.module("no_export.so", export='extern "C"',
                           extra=["-Wl,--exclude-all-symbols"])
        self.assertEqual(failed(none), [self.EXPORT])

    def test_ruby_imports_the_interpreter_lacks_fail(self):
        # rb_errinfo exists only from 1.9 on; a .def that has it lets it link.
        newer = self.b.implib("LIBRARY msvcrt-ruby18.dll\nEXPORTS\n rb_errinfo\n rb_intern\n"
                              " rb_define_class\n rb_cObject DATA\n", name="newer.def")
        source = MODULE_SOURCE.replace("__EXPORT__", EXPORT).replace(
            'rb_intern("GetString");', 'rb_intern("GetString");\n    rb_errinfo();')
        source = 'extern "C" __declspec(dllimport) unsigned long rb_errinfo();\n' + source
        dll = self.b.dll("newer.so", source, libs=(newer, self.res))
        self.assertEqual(failed(dll), [self.RUBY])

    def test_ruby_imports_by_ordinal_fail(self):
        by_ordinal = self.b.implib("LIBRARY msvcrt-ruby18.dll\nEXPORTS\n rb_intern @7 NONAME\n"
                                   " rb_define_class\n rb_cObject DATA\n", name="ordinal.def")
        dll = self.module("ordinal.so", libs=(by_ordinal, self.res))
        self.assertEqual(failed(dll), [self.RUBY])

    def test_a_module_without_ruby_imports_fails(self):
        dll = self.b.dll("no_ruby.so", EXPORT + " void Init_kvr_gui() {}\n", libs=(self.res,))
        self.assertEqual(failed(dll), [self.RUBY])

    def test_version_resource_missing_or_wrong_fails(self):
        missing = self.module("no_version.so", libs=(self.ruby,))
        self.assertEqual(failed(missing), [self.FIXED, self.STRINGS])

        rc = VERSION_RC.read_text()
        wrong_fixed = self.b.resource(rc.replace("FILEVERSION 1, 3, 1729, 0",
                                                 "FILEVERSION 1, 3, 1728, 0"))
        dll = self.module("wrong_fixed.so", libs=(self.ruby, wrong_fixed))
        self.assertEqual(failed(dll), [self.FIXED])

        wrong_text = self.b.resource(rc.replace('"ProductVersion", "1.3.1729.0"',
                                                '"ProductVersion", "1.3"'))
        dll = self.module("wrong_text.so", libs=(self.ruby, wrong_text))
        self.assertEqual(failed(dll), [self.STRINGS])

    def test_a_64_bit_dll_fails_the_machine_check(self):
        res64 = self.b.resource(triple=X86_64)
        dll = self.b.dll("x64.so", EXPORT + " void Init_kvr_gui() {}\n",
                         libs=(res64,), triple=X86_64)
        self.assertIn(self.MACHINE, failed(dll))

    def test_a_file_that_is_no_pe_fails(self):
        text = self.b.dir / "text.so"
        text.write_text("not a DLL")
        self.assertEqual(quiet_main(text), 1)


class RubyInterfaceFilesTest(unittest.TestCase):
    """ruby18.h and msvcrt-ruby18.def must name the same imports."""

    # KVR_RUBY18_IMPORT <return type and attributes> name(   -- a function
    # KVR_RUBY18_IMPORT extern VALUE name;                   -- a global
    FUNCTION = re.compile(r"^KVR_RUBY18_IMPORT\s[^;(]*?\b(\w+)\s*\(", re.M)
    GLOBAL = re.compile(r"^KVR_RUBY18_IMPORT\s+extern\s+VALUE\s+(\w+)\s*;", re.M)

    def test_def_file_parses(self):
        library, names = check_product.read_def(check_product.DEF_FILE)
        self.assertEqual(library, "msvcrt-ruby18.dll")
        self.assertIn("rb_protect", names)
        self.assertIn("ruby_errinfo", names)  # a DATA entry, suffix stripped
        self.assertNotIn("DATA", names)
        # 1.9 names that 1.8 lacks must never be listed.
        self.assertFalse(names & {"rb_errinfo", "rb_set_errinfo", "rb_utf8_str_new"})

    def test_header_and_def_declare_the_same_imports(self):
        header = (HEADER_DIR / "ruby18.h").read_text()
        functions = self.FUNCTION.findall(header)
        globals_ = self.GLOBAL.findall(header)
        self.assertIn("rb_funcall", functions)
        self.assertIn("rb_cObject", globals_)
        refs = "".join(f"    out[{i}] = reinterpret_cast<const void*>(&{name});\n"
                       for i, name in enumerate(functions + globals_))
        source = ('#include "ruby18.h"\n' + EXPORT + " void Init_kvr_gui(const void** out) {\n"
                  + refs + "}\n")
        with tempfile.TemporaryDirectory() as tmp:
            b = Builder(tmp)
            lib = b.implib(check_product.DEF_FILE.read_text())
            # Linking fails if the header declares a name the .def lacks.
            dll = b.dll("refs.so", source, libs=(lib,))
            pe = check_product.pefile.PE(str(dll))
        imported = {check_product._text(i.name) for e in pe.DIRECTORY_ENTRY_IMPORT
                    if check_product._text(e.dll).lower() == "msvcrt-ruby18.dll"
                    for i in e.imports}
        _, listed = check_product.read_def(check_product.DEF_FILE)
        self.assertEqual(imported, listed)


if __name__ == "__main__":
    unittest.main(verbosity=2)
