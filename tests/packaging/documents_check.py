#!/usr/bin/env python3
"""The documents hold together: the README stays a few screens, and every
relative link or picture in the Markdown documents names a file of the tree
and, with a #fragment, a heading of that file (GitHub's anchors).

Usage: documents_check.py SOURCE_DIR
"""
import re
import sys
from pathlib import Path

DOCUMENTS = ["README.md", "CONTRIBUTING.md", "docs/manual.md", "tools/README.md"]
README_LIMIT = 10_000  # characters

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")


def anchors(path):
    """The anchors GitHub gives the headings of a Markdown file."""
    found = set()
    in_code = False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("```"):
            in_code = not in_code
        if in_code or not line.startswith("#"):
            continue
        text = line.lstrip("#").strip().lower()
        slug = "".join(c for c in text if c.isalnum() or c in " -_").replace(" ", "-")
        found.add(slug)
    return found


def main():
    top = Path(sys.argv[1])
    failures = []
    size = len((top / "README.md").read_text(encoding="utf-8"))
    if size >= README_LIMIT:
        failures.append(f"README.md has {size} characters, {README_LIMIT} at most")
    links = 0
    for name in DOCUMENTS:
        document = top / name
        for target in LINK.findall(document.read_text(encoding="utf-8")):
            if re.match(r"[a-z]+:", target):
                continue  # https:, mailto: ...
            links += 1
            file, _, fragment = target.partition("#")
            linked = (document.parent / file).resolve() if file else document
            if not linked.exists():
                failures.append(f"{name}: {target}: no such file")
            elif fragment and linked.suffix == ".md" and fragment not in anchors(linked):
                failures.append(f"{name}: {target}: no such heading")
    for failure in failures:
        print("FAIL:", failure)
    if failures:
        return 1
    print(f"documents: README {size} characters, {links} links checked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
