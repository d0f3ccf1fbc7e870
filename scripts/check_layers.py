#!/usr/bin/env python3
"""Keeps the source folders one chain: each folder includes only its own and those below.

Fails when a file includes a folder above its own, or when an engine file (no Qt allowed)
includes a Qt header. Usage: check_layers.py [source folder]
"""
import os
import re
import subprocess
import sys

# The chain, bottom first. A file belongs to the longest prefix that names it; the view/ and
# sheet/ subfolders of the engine folders are user interface and rank apart (see rank_of).
CHAIN = [
    "resources",
    "platform",
    "core",
    "convert",
    "brush",
    "export",
    "imageedit",
    "platform/ui",
    "views",
    "view/ and sheet/ subfolders",
    "app",
]
ENGINE_TOP = CHAIN.index("imageedit")
SUBFOLDER = re.compile(r"^(core|convert|brush|export|imageedit)/(.*/)?(view|sheet)/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE = re.compile(r"\.(h|hpp|cpp|cc)$")


def rank_of(path):
    if SUBFOLDER.match(path):
        return CHAIN.index("view/ and sheet/ subfolders")
    if path.startswith("platform/ui/"):
        return CHAIN.index("platform/ui")
    top = path.split("/", 1)[0]
    return CHAIN.index(top) if top in CHAIN else None


def list_files(root):
    try:
        out = subprocess.run(["git", "-C", root, "ls-files"], check=True,
                             capture_output=True, text=True).stdout
        return out.splitlines()
    except (OSError, subprocess.CalledProcessError):
        found = []
        for top in {c.split("/", 1)[0] for c in CHAIN}:
            for folder, _, names in os.walk(os.path.join(root, top)):
                for name in names:
                    found.append(os.path.relpath(os.path.join(folder, name), root))
        return found


def faults_of(root, path):
    own = rank_of(path)
    faults = []
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            quote, name = m.groups()
            where = f"{path}:{number}: "
            if quote == "<" and own <= ENGINE_TOP and re.match(r"Q", name):
                faults.append(where + f"engine file includes Qt header <{name}>")
            if quote == '"':
                theirs = rank_of(name)
                if theirs is not None and theirs > own:
                    faults.append(where + f'"{name}" is above {CHAIN[own]}')
    return faults


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = []
    for path in sorted(list_files(root)):
        path = path.replace(os.sep, "/")
        if SOURCE.search(path) and rank_of(path) is not None:
            faults += faults_of(root, path)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) break the chain: " + " < ".join(CHAIN))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
