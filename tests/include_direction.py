#!/usr/bin/env python3
"""Fails on an #include "folder/..." that runs against the layers.

Each folder of src/ and cli/ may include only itself and the folders its
row names (the folders its library links, directly or through others).
The tests follow the same table: a test in tests/<folder>/ may include what
its folder's library may include, through the headers of its own folder and
of the test support as well, and the folders of the libraries a
test_links_also line of tests/CMakeLists.txt gives it. The core test
support may include only the core folders.
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
# An include of a header of the test's own folder or of the test support.
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+\.h)"', re.MULTILINE)
LINKS_ALSO = re.compile(r"^test_links_also\((\w+)((?:\s+\w+)+)\)", re.MULTILINE)
CORE_SUPPORT = {"base", "db", "grade", "output"}
LIBRARY_FOLDER = re.compile(r"appraisal_(\w+)|hadtool_commands")


def folder_of_library(name):
    match = LIBRARY_FOLDER.fullmatch(name)
    if not match:
        return None
    return match.group(1) or "cli"


def links_also(root):
    """Test name -> the folders its test_links_also line adds: those of the
    libraries and the folders they may include."""
    text = (root / "tests" / "CMakeLists.txt").read_text(encoding="utf-8")
    extra = {}
    for test, libraries in LINKS_ALSO.findall(text):
        folders = {folder_of_library(name) for name in libraries.split()} - {None}
        extra[test] = set().union(folders, *(ALLOWED[folder] for folder in folders))
    return extra


def included_folders(path, search):
    """The folders path includes, directly or through the local headers it
    includes (found in the folders of search), each with the header it came
    through (None when direct)."""
    seen, found, todo = set(), [], [(path, None)]
    while todo:
        current, through = todo.pop()
        if current in seen:
            continue
        seen.add(current)
        text = current.read_text(encoding="utf-8")
        found += [(target, through) for target in INCLUDE.findall(text)]
        for header in LOCAL_INCLUDE.findall(text):
            for folder in search:
                if (folder / header).is_file():
                    todo.append((folder / header, through or header))
                    break
    return sorted(set(found), key=lambda include: (include[0], include[1] or ""))


def wrong_includes(name, includes, folder, allowed, rule):
    wrong = []
    for target, through in includes:
        if target != folder and target in ALLOWED and target not in allowed:
            via = f" (through {through})" if through else ""
            listed = ", ".join(sorted(allowed)) or "no other folder"
            wrong.append(f"{name}: includes {target}/{via}, but {rule} may include only {listed}")
    return wrong


def check_tests(root):
    tests = root / "tests"
    support = [tests / "support" / "core", tests / "support" / "gui"]
    extra = links_also(root)
    wrong = []
    for path in sorted([*support[0].glob("*.h"), *support[0].glob("*.cpp")]):
        wrong += wrong_includes(
            path.relative_to(root), included_folders(path, support[:1]), None, CORE_SUPPORT, "the core test support"
        )
    for path in sorted(tests.glob("*/tst_*.cpp")):
        folder = path.parent.name
        if folder not in ALLOWED:
            wrong.append(f"{path.relative_to(root)}: folder {folder} has no row in the table")
            continue
        allowed = ALLOWED[folder] | extra.get(path.stem, set())
        wrong += wrong_includes(
            path.relative_to(root),
            included_folders(path, [path.parent, *support]),
            folder,
            allowed,
            f"tests/{folder}/ (without a test_links_also line)",
        )
    return wrong


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
        includes = [(target, None) for target in INCLUDE.findall(path.read_text(encoding="utf-8"))]
        wrong += wrong_includes(path.relative_to(root), includes, folder, ALLOWED[folder], f"{folder}/")
    wrong += check_tests(root)
    for line in wrong:
        print(line)
    checked = len(ALLOWED)
    print(f"{len(wrong)} wrong-direction includes in {checked} folders")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent))
