#!/usr/bin/env python3
"""Keeps the walls between the layers of the source tree (scripts/layers.txt).

Every target exports the project root as its include path, so the compiler lets any file include
any header. This check fails when
  - a Qt-free folder includes a Qt or ui_ header, or links a target that uses Qt;
  - a file includes a header of a folder none of whose targets its own targets link (which also
    keeps every layer from reaching the layers above it);
  - a folder marked no-ids (every folder but device/products, link and the flasher) writes a product
    id (0x and four hex digits) outside the allow list;
  - a target links, directly or through others, a target that a "never" line walls off from it.
A line of the table may name a single file instead of a folder: that file is then held to its own
line's targets rather than its folder's.

usage: check_layers.py --root SOURCE_DIR --links BUILD_DIR/layer_links.txt
The links file is written by CMake: one line per target, "target: direct-deps | interface-deps".
"""

import argparse
import re
import sys
from pathlib import Path

SOURCE_SUFFIXES = {".h", ".cpp"}
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
ANGLE_INCLUDE = re.compile(r"^\s*#\s*include\s+<([^>]+)>", re.M)
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9]*|Qt[A-Za-z]*/.*|q[a-z]+\.h)$")
PRODUCT_ID = re.compile(r"\b0[xX][0-9A-Fa-f]{4}\b")
LINE_COMMENT = re.compile(r"//.*$", re.M)
BLOCK_COMMENT = re.compile(r"/\*.*?\*/", re.S)


class Layer:
    def __init__(self, folder, targets, qt, ids):
        self.folder = folder
        self.targets = targets
        self.qt = qt
        self.ids = ids


def read_table(path):
    layers, allowed, walls = [], set(), []
    for number, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.split("#", 1)[0].split()
        if not line:
            continue
        if line[0] == "allow-literal" and len(line) == 3:
            allowed.add((line[1], line[2].lower()))
        elif line[0] == "never" and len(line) == 3:
            walls.append((line[1].split(","), line[2].split(",")))
        elif len(line) == 4 and line[2] in ("qt", "no-qt") and line[3] in ("ids", "no-ids"):
            layers.append(Layer(line[0], line[1].split(","), line[2] == "qt", line[3] == "ids"))
        else:
            sys.exit(f"{path}:{number}: cannot read: {raw}")
    return layers, allowed, walls


def read_links(path):
    direct, interface = {}, {}
    for raw in path.read_text().splitlines():
        if ":" not in raw:
            continue
        target, deps = raw.split(":", 1)
        own, _, public = deps.partition("|")
        direct[target.strip()] = own.split()
        # A dependency of a dependency is usable only when it is public; link-only ones are not.
        interface[target.strip()] = [d for d in public.split() if not d.startswith("$<LINK_ONLY:")]
    return direct, interface


def closure(targets, direct, interface):
    """The targets whose headers these targets may include: themselves, what they link, and what
    those export in turn."""
    seen = set(targets)
    todo = [d for t in targets for d in direct.get(t, [])]
    while todo:
        target = todo.pop()
        if target in seen:
            continue
        seen.add(target)
        todo.extend(interface.get(target, []))
    return seen


def owner(path, layers):
    """The line of path (relative to the root): its own, when the table lists the file, else the
    deepest listed folder that holds it, or None."""
    best = None
    for layer in layers:
        if path == layer.folder:
            return layer
        prefix = layer.folder + "/"
        if path.startswith(prefix) and (best is None or len(layer.folder) > len(best.folder)):
            best = layer
    return best


def code_only(text):
    return LINE_COMMENT.sub("", BLOCK_COMMENT.sub("", text))


def linked(target, direct):
    """Every target that target links, directly or through others, privately or not."""
    seen, todo = set(), list(direct.get(target, []))
    while todo:
        other = todo.pop()
        if other not in seen:
            seen.add(other)
            todo.extend(direct.get(other, []))
    return seen


def check_walls(layers, walls, direct):
    faults = []
    for upper, lower in walls:
        for folder in upper + lower:
            if not any(layer.folder == folder for layer in layers):
                faults.append(f"never {','.join(upper)} {','.join(lower)}: {folder} is not listed")
        walled = {t for layer in layers for t in layer.targets
                  if any(layer.folder == f or layer.folder.startswith(f + "/") for f in lower)}
        for layer in layers:
            if layer.folder not in upper:
                continue
            for target in (t for t in layer.targets if t in direct):
                for crossed in sorted(linked(target, direct) & walled - {target}):
                    faults.append(f"{layer.folder}: {target} links {crossed}, across the wall to "
                                  f"{', '.join(lower)}")
    return faults


def check(root, layers, allowed, direct, interface):
    faults = []
    present = [layer for layer in layers if (root / layer.folder).exists()]
    qt_targets = {t for layer in layers if layer.qt for t in layer.targets}
    for layer in present:
        if (root / layer.folder).is_file():
            files = [root / layer.folder]
        else:
            files = [p for p in sorted((root / layer.folder).rglob("*")) if p.suffix in SOURCE_SUFFIXES]
            files = [p for p in files if owner(p.relative_to(root).as_posix(), present) is layer]
        if not files:
            continue
        known = [t for t in layer.targets if t in direct]
        if not known:
            faults.append(f"{layer.folder}: none of its targets ({', '.join(layer.targets)}) is built")
            continue
        reach = closure(known, direct, interface)
        if not layer.qt:
            for target in sorted(reach & qt_targets):
                faults.append(f"{layer.folder}: is free of Qt but links {target}, which uses Qt")
            for target in sorted(t for t in reach if t.startswith("Qt6::")):
                faults.append(f"{layer.folder}: is free of Qt but links {target}")
        for path in files:
            name = path.relative_to(root).as_posix()
            text = path.read_text(errors="replace")
            if not layer.qt:
                for header in ANGLE_INCLUDE.findall(text):
                    if QT_HEADER.match(header):
                        faults.append(f"{name}: includes <{header}> in a Qt-free folder")
            for header in QUOTED_INCLUDE.findall(text):
                if Path(header).name.startswith("ui_"):
                    if not layer.qt:
                        faults.append(f'{name}: includes "{header}" in a Qt-free folder')
                    continue
                other = owner(header, present)
                if other is None or other is layer:
                    continue
                if not reach.intersection(other.targets):
                    faults.append(
                        f'{name}: includes "{header}" of {other.folder}, but {"/".join(known)} '
                        f'links none of {", ".join(other.targets)}')
            if not layer.ids:
                for literal in sorted(set(PRODUCT_ID.findall(code_only(text)))):
                    if (name, literal.lower()) not in allowed:
                        faults.append(f"{name}: product id literal {literal} in a folder that names no "
                                      "product id (product rules live in device/products/)")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=Path, required=True)
    parser.add_argument("--links", type=Path, required=True)
    parser.add_argument("--table", type=Path)
    args = parser.parse_args()
    layers, allowed, walls = read_table(args.table or args.root / "scripts" / "layers.txt")
    direct, interface = read_links(args.links)
    faults = check(args.root, layers, allowed, direct, interface)
    faults += check_walls(layers, walls, direct)
    for fault in faults:
        print(fault)
    print(f"layering: {len(faults)} fault(s)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
