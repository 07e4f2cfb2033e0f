#!/usr/bin/env python3
"""Checks the include directions of src/:

- each subsystem includes only its own folder and the levels below it:
  components, platform <- common <- project <- tree, commands, export,
  stats, filemanager, archive <- app (so nothing outside src/app includes
  app/);
- subsystems of one level may use each other one way only (no cycle);
- the files of the core library include no widget or printing headers of Qt
  and no header of the widget library;
- the plain libraries (the platform's native part, the unzip module and
  what it shares with the RAR layer) include no Qt header at all;
- the platform's native part lies below the rest of the platform: it
  includes no other header of src/;
- no include climbs out of its folder with "../": every header is named from
  src/, so the checks above see it."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"
LEVEL = {
    "platform": 0, "components": 0,
    "common": 1,
    "project": 2,
    "tree": 3, "commands": 3, "export": 3, "stats": 3, "filemanager": 3, "archive": 3,
    "app": 4,
}
QT_GUI_MODULES = ("QtWidgets", "QtPrintSupport")
PLAIN_LIBRARIES = ("brekko_native", "brekko_archive_safety", "brekko_unzip")
NATIVE = "platform/native/"
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def qt_headers(module):
    for base in sorted(pathlib.Path("/usr/include").glob(f"*/qt6/{module}")) + [pathlib.Path("/usr/include/qt6") / module]:
        if base.is_dir():
            return {p.name for p in base.glob("Q*")}
    sys.exit(f"include check: Qt headers of {module} not found")


def library_files(library):
    files = set()
    pattern = rf"(?:target_sources\({library}\s+PRIVATE|add_library\({library}\s+(?:STATIC|SHARED))(.*?)\)"
    for cmake in SRC.rglob("CMakeLists.txt"):
        for block in re.findall(pattern, cmake.read_text(), re.S):
            files.update((cmake.parent / name).resolve() for name in block.split())
    return files


def find_cycle(edges):
    """A list of folders that use each other in a circle, or None."""
    state = {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, path + [nxt])
                if found:
                    return found
        state[node] = "done"
        return None

    for start in sorted(edges):
        if start not in state:
            found = visit(start, [start])
            if found:
                return found
    return None


def main():
    problems = []
    core = library_files("brekko_core")
    gui = library_files("brekko_gui")
    plain = set().union(*(library_files(library) for library in PLAIN_LIBRARIES))
    widget_headers = set().union(*(qt_headers(m) for m in QT_GUI_MODULES))
    sibling_uses = {}
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in {".cpp", ".h"}:
            continue
        layer = path.relative_to(SRC).parts[0]
        where = path.relative_to(ROOT)
        in_core = path.resolve() in core
        in_plain = path.resolve() in plain
        in_native = str(path.relative_to(SRC)).startswith(NATIVE)
        for kind, target in INCLUDE.findall(path.read_text(errors="replace")):
            if target.startswith("../") or "/../" in target:
                problems.append(f"{where}: includes {target} through a parent folder")
            if in_plain and (target.startswith("Q") or target.split("/")[0].startswith("Qt")):
                problems.append(f"{where}: plain library file includes {target}")
            if kind == "<":
                if in_core and (target in widget_headers or target.split("/")[0] in QT_GUI_MODULES):
                    problems.append(f"{where}: core file includes <{target}>")
                continue
            if in_native and (SRC / target).exists() and not target.startswith(NATIVE):
                problems.append(f"{where}: native file includes {target}")
            if in_core and (SRC / target).resolve() in gui:
                problems.append(f"{where}: core file includes {target} of the widget library")
            top = target.split("/")[0]
            if "/" not in target or top == layer or top not in LEVEL:
                continue
            if layer not in LEVEL:
                problems.append(f"{where}: folder {layer} has no place in the include order")
            elif LEVEL[top] > LEVEL[layer]:
                problems.append(f"{where}: {layer} includes {target}")
            elif LEVEL[top] == LEVEL[layer]:
                sibling_uses.setdefault(layer, set()).add(top)
    cycle = find_cycle(sibling_uses)
    if cycle:
        problems.append("subsystems include each other: " + " -> ".join(cycle))
    for problem in problems:
        print(problem)
    print(f"include check: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
