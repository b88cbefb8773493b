#!/usr/bin/python3
"""Tests of the layer check (scripts/check-layers.py) on small made-up trees:
a tree that follows its table passes, and each kind of fault a change could
bring (an include of a layer not in the row, a link not in the row, a row that
points up, a folder without a row) fails, naming the file and the layer.

Run: /usr/bin/python3 tests/unit/check_layers_test.py
"""

import subprocess
import sys
import tempfile
import textwrap
import unittest
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "scripts" / "check-layers.py"

TABLE = """\
# Architecture

| layer | holds | may use |
|---|---|---|
| `dialogs/` | the dialogs | `framework/`, `text/` |
| `framework/` | the framework | `text/` (for names) |
| `text/` | conversions | — |

Text after the table is no row.
"""

LINKS = {
    "dialogs": "target_link_libraries(kvr_dialogs PUBLIC kvr_framework kvr_text kvr_resource_ids)",
    "framework": "target_link_libraries(kvr_framework PUBLIC kvr_text)\n"
                 "target_link_libraries(kvr_framework PUBLIC kvr_window_system)",
    "text": "kvr_layer(text wide_string.cpp)",
}


class LayerCheckTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.root = Path(self.scratch.name)
        self.write("docs/architecture.md", TABLE)
        for layer, cmake in LINKS.items():
            self.write(f"src/{layer}/CMakeLists.txt", cmake + "\n")
        self.write("src/dialogs/about.cpp", '#include "dialogs/about.h"\n#include "framework/dialog.h"\n'
                   '#include "text/wide.h"\n#include "resources/resource_ids.h"\n#include <string>\n')
        self.write("src/framework/win32/module.cpp", '#include "framework/dialog.h"\n#include "text/wide.h"\n')
        self.write("src/text/wide.h", "#pragma once\n")

    def tearDown(self):
        self.scratch.cleanup()

    def write(self, name, text):
        path = self.root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(textwrap.dedent(text))

    def run_check(self):
        run = subprocess.run([sys.executable, str(CHECK), str(self.root)],
                             capture_output=True, text=True)
        return run.returncode, run.stdout

    def assertFault(self, *words):
        status, output = self.run_check()
        self.assertEqual(status, 1, output)
        for word in words:
            self.assertIn(word, output)

    def test_a_tree_that_follows_its_table_passes(self):
        status, output = self.run_check()
        self.assertEqual((status, output.strip()), (0, "every include and link follows docs/architecture.md"))

    def test_an_include_of_a_layer_outside_the_row_fails_in_any_subfolder(self):
        self.write("src/framework/win32/module.cpp", '#include "dialogs/about.h"\n')
        self.assertFault("src/framework/win32/module.cpp:1: framework/ includes dialogs/")
        self.write("src/framework/win32/module.cpp", '  #  include "text/wide.h"\n')
        self.write("src/text/wide.cpp", '#include "framework/dialog.h"\n')
        self.assertFault("src/text/wide.cpp:1: text/ includes framework/")

    def test_links_must_be_exactly_the_row(self):
        self.write("src/framework/CMakeLists.txt", "target_link_libraries(kvr_framework PUBLIC kvr_text kvr_dialogs)\n")
        self.assertFault("kvr_framework links other layers", "not in the row: dialogs")
        self.write("src/framework/CMakeLists.txt", "kvr_layer(framework dialog.cpp)\n")
        self.assertFault("kvr_framework links other layers", "not linked: text")

    def test_the_table_itself_must_point_down_and_cover_every_folder(self):
        self.write("docs/architecture.md", TABLE.replace("| `text/` | conversions | — |",
                                                         "| `text/` | conversions | `dialogs/` |"))
        self.assertFault("text/ may use dialogs/, which stands above it")
        self.write("docs/architecture.md", TABLE)
        self.write("src/extra/thing.cpp", "\n")
        self.assertFault("src/extra/: a folder of src/ without a row")
        (self.root / "docs/architecture.md").write_text("# Architecture\n")
        status, output = self.run_check()
        self.assertNotEqual(status, 0)


if __name__ == "__main__":
    unittest.main()
