#!/usr/bin/env python3
"""Checks the include directions: nothing outside src/app includes app/,
each layer includes only the layers below it, and the files of the core
library include no widget headers."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"
# A folder may include the folders listed for it (and itself).
ALLOWED = {
    "platform": set(),
    "common": {"platform"},
    "project": {"platform", "common"},
    "components": {"platform", "common"},
}
WIDGET_HEADERS = {p.name for p in pathlib.Path("/usr/include/x86_64-linux-gnu/qt6/QtWidgets").glob("Q*")}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def core_files():
    files = set()
    for cmake in SRC.rglob("CMakeLists.txt"):
        text = cmake.read_text()
        for block in re.findall(r"target_sources\(brekko_core\s+PRIVATE(.*?)\)", text, re.S):
            for name in block.split():
                files.add((cmake.parent / name).resolve())
    return files


def main():
    problems = []
    core = core_files()
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in {".cpp", ".h"}:
            continue
        layer = path.relative_to(SRC).parts[0]
        for kind, target in INCLUDE.findall(path.read_text(errors="replace")):
            where = path.relative_to(ROOT)
            top = target.split("/")[0]
            if kind == '"' and top == "app" and layer != "app":
                problems.append(f"{where}: includes {target}")
            elif kind == '"' and layer in ALLOWED and "/" in target and top != layer \
                    and top not in ALLOWED[layer] and (SRC / top).is_dir():
                problems.append(f"{where}: {layer} includes {target}")
            elif kind == "<" and path.resolve() in core and (target in WIDGET_HEADERS or target.startswith("QtWidgets")):
                problems.append(f"{where}: core file includes <{target}>")
    for problem in problems:
        print(problem)
    print(f"include check: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
