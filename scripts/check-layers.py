#!/usr/bin/env python3
"""Holds the code to the layer table of docs/architecture.md.

Usage: check-layers.py [REPOSITORY]

Fails (exit 1, one line per fault) when
- a file of src/LAYER/ includes a header of a layer that LAYER may not use,
- a folder of src/ has no row in the table,
- a layer's library links other layers than its row names,
- a row names a layer that stands above it in the table (the rows run from the
  top down, so every use points down).
"""
import pathlib
import re
import sys

TABLE_HEADER = re.compile(r"^\|\s*layer\s*\|\s*holds\s*\|\s*may use\s*\|\s*$")
LAYER_NAME = re.compile(r"`([a-z0-9_]+)/`")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([a-z0-9_]+)/')
LINK_CALL = re.compile(r"target_link_libraries\(\s*(\S+)([^)]*)\)", re.S)
LIBRARY = re.compile(r"\bkvr_([a-z0-9_]+)\b")
SOURCES = (".h", ".cpp")


def read_table(path):
    """The rows of the layer table, top down: [(layer, [used layers])]."""
    rows = []
    lines = path.read_text(encoding="utf-8").splitlines()
    inside = False
    for line in lines:
        if TABLE_HEADER.match(line):
            inside = True
            continue
        if not inside:
            continue
        if not line.startswith("|"):
            break
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) != 3 or set(cells[0]) <= set("-: "):
            continue
        names = LAYER_NAME.findall(cells[0])
        if len(names) != 1:
            raise SystemExit(f"{path}: a row names no single layer: {line}")
        rows.append((names[0], LAYER_NAME.findall(cells[2])))
    if not rows:
        raise SystemExit(f"{path}: no layer table (| layer | holds | may use |)")
    return rows


def library_of(layer):
    return "kvr_gui" if layer == "entry" else f"kvr_{layer}"


def linked_layers(cmake_file, layer, layers):
    """The layers that the folder's CMakeLists.txt links to the layer's library."""
    linked = set()
    if not cmake_file.exists():
        return linked
    for target, arguments in LINK_CALL.findall(cmake_file.read_text(encoding="utf-8")):
        if target != library_of(layer):
            continue
        linked.update(name for name in LIBRARY.findall(arguments) if name in layers)
    return linked


def check(root):
    faults = []
    rows = read_table(root / "docs" / "architecture.md")
    position = {layer: index for index, (layer, _) in enumerate(rows)}
    uses = {layer: set(used) for layer, used in rows}
    src = root / "src"

    for layer, used in rows:
        for other in used:
            if other not in position:
                faults.append(f"docs/architecture.md: {layer}/ may use {other}/, which has no row")
            elif position[other] <= position[layer]:
                faults.append(f"docs/architecture.md: {layer}/ may use {other}/, which stands above it")

    for folder in sorted(path for path in src.iterdir() if path.is_dir()):
        layer = folder.name
        if layer not in uses:
            faults.append(f"src/{layer}/: a folder of src/ without a row in docs/architecture.md")
            continue
        for source in sorted(folder.rglob("*")):
            if source.suffix not in SOURCES:
                continue
            text = source.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = match.group(1)
                if target == layer or target in uses[layer] or target not in uses:
                    continue
                where = source.relative_to(root)
                faults.append(f"{where}:{number}: {layer}/ includes {target}/, "
                              f"which it may not use ({line.strip()})")
        linked = linked_layers(folder / "CMakeLists.txt", layer, uses)
        if linked != uses[layer]:
            missing = ", ".join(sorted(uses[layer] - linked)) or "none"
            extra = ", ".join(sorted(linked - uses[layer])) or "none"
            faults.append(f"src/{layer}/CMakeLists.txt: {library_of(layer)} links other layers "
                          f"than its row (not linked: {missing}; not in the row: {extra})")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} layer fault(s); the table is docs/architecture.md")
        return 1
    print("every include and link follows docs/architecture.md")
    return 0


if __name__ == "__main__":
    sys.exit(main())
