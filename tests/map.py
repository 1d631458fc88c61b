#!/usr/bin/python3
"""Checks the README's Map against the code: every include of a project folder in a folder of the
program (`"folder/..."`, `<folder/...>` or a relative `"../folder/..."`) must name the folder
itself or one its row's "may use" column lists; includes inside comments do not count. A folder
of the project that a program folder includes without a row of its own is an error too, so that a
new folder cannot slip past the Map. Every text in the interface languages is written in texts/
alone: a `.italian =` or `.english =` anywhere else in the program is an error too.
Usage: map.py PROJECT_ROOT"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1]).resolve()
readme = (root / "README.md").read_text(encoding="utf-8")
section = readme.split("## Map", 1)[1].split("\n## ", 1)[0]

# One row per program folder: | `folder/` | what it holds | `a/`, `b/`, Qt Core |
allowed = {}
for line in section.splitlines():
    cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
    if len(cells) != 3:
        continue
    folder = re.fullmatch(r"`([a-z_]+)/`", cells[0])
    if folder:
        allowed[folder.group(1)] = set(re.findall(r"`([a-z_]+)/`", cells[2]))
if not allowed:
    sys.exit("map: no Map table in README.md")

# Comments give way to blanks (line breaks kept); literals are kept whole, so that a "/*" or "//"
# in a string starts nothing. A digit separator (1'000) is no character literal.
tokens = re.compile(r'''R"([^()\\\s]{0,16})\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|(?<![\w])\d[\w']*'''
                    r"|'(?:\\.|[^'\\\n])*'|//[^\n]*|/\*.*?\*/", re.DOTALL)


def code(text):
    def blank(match):
        token = match.group(0)
        return re.sub(r"[^\n]", " ", token) if token[:2] in ("//", "/*") else token
    return tokens.sub(blank, text)


include = re.compile(r'^[ \t]*#[ \t]*include[ \t]*(?:"([^"\n]+)"|<([^>\n]+)>)', re.MULTILINE)


def used_folders(source, text):
    """The project folders a source file includes from, each as often as it does."""
    for quoted, angled in include.findall(text):
        path = quoted or angled
        if quoted and path.startswith("."):
            # Relative to the file itself: the folder it lands in, if it stays in the project.
            resolved = (source.parent / path).resolve()
            if not resolved.is_relative_to(root) or resolved.parent == root:
                continue
            path = resolved.relative_to(root).as_posix()
        if "/" in path:
            yield path.split("/", 1)[0]


words = re.compile(r"\.(italian|english)\s*=(?!=)")
faults = []
for folder, may_use in sorted(allowed.items()):
    for source in sorted((root / folder).glob("**/*")):
        if source.suffix not in (".cpp", ".h"):
            continue
        text = code(source.read_text(encoding="utf-8"))
        where = source.relative_to(root)
        if folder != "texts" and words.search(text):
            faults.append(f"{where} writes a text in the interface languages outside texts/")
        for used in used_folders(source, text):
            if used == folder or used in may_use:
                continue
            if used in allowed:
                faults.append(f"{where} includes {used}/, which the Map does not let {folder}/ use")
            elif (root / used).is_dir():
                faults.append(f"{where} includes {used}/, a folder with no row of its own on the Map")
print("\n".join(faults) or f"map: {len(allowed)} folders, every include as the Map allows")
sys.exit(1 if faults else 0)
