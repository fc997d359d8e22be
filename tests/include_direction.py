#!/usr/bin/env python3
"""Fails on an #include "folder/..." that runs against the layers.

Each folder of src/ and cli/ may include only itself and the folders its
row names (the folders its library links, directly or through others).
Prints one line per wrong include, naming the file and the rule, and exits
with 1 when there is any.
"""
import pathlib
import re
import sys

ALLOWED = {
    "base": set(),
    "db": {"base"},
    "grade": {"db", "base"},
    "output": {"db", "base"},
    "printing": {"output", "db", "base"},
    "widgets": {"base"},
    "editor": {"db", "grade", "output", "widgets", "base"},
    "preview": {"printing", "widgets", "output", "db", "base"},
    "tools": {"widgets", "base"},
    "app": {"base", "db", "grade", "output", "printing", "widgets", "editor", "preview", "tools"},
    "cli": {"base", "db", "grade", "output"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+)/', re.MULTILINE)


def folder_of(root, path):
    parts = path.relative_to(root).parts
    return parts[1] if parts[0] == "src" else parts[0]


def main(root):
    root = pathlib.Path(root)
    wrong = []
    for path in sorted([*root.glob("src/*/*"), *root.glob("cli/*")]):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = folder_of(root, path)
        if folder not in ALLOWED:
            wrong.append(f"{path.relative_to(root)}: folder {folder} has no row in the table")
            continue
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if target != folder and target in ALLOWED and target not in ALLOWED[folder]:
                allowed = ", ".join(sorted(ALLOWED[folder])) or "no other folder"
                wrong.append(
                    f"{path.relative_to(root)}: includes {target}/, but {folder}/ may include only {allowed}"
                )
    for line in wrong:
        print(line)
    checked = len(ALLOWED)
    print(f"{len(wrong)} wrong-direction includes in {checked} folders")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent))
