#!/usr/bin/env python3
"""Checks what the release zip holds, as tools/release-try unpacks it: the
program and its stub files (those of the build it was made from), the
reference, every example of examples/ as it is, the guide with every
picture and page it links to, the README's links, and はじめに.txt as
Windows' Notepad reads it (UTF-8 with a byte-order mark, CR LF) naming only
what the folder holds. Prints each problem and exits 1 when there is one.

    tests/release/contents.py ZIP BUILD_DIR
"""
import os
import posixpath
import re
import sys
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOP = "ZEP/"


def local_links(text, pattern):
    """The links a text makes to files beside it: no web address, no
    place on the same page."""
    links = set()
    for link in re.findall(pattern, text):
        link = link.split("#", 1)[0]
        if link and not re.match(r"^[a-z]+:", link):
            links.add(link)
    return sorted(links)


def main():
    if len(sys.argv) != 3:
        print("usage: contents.py ZIP BUILD_DIR", file=sys.stderr)
        return 2
    zip_path, build = sys.argv[1], sys.argv[2]
    problems = []
    with zipfile.ZipFile(zip_path) as z:
        files = {i.filename: i for i in z.infolist() if not i.is_dir()}

        def read(name):
            return z.read(files[name]) if name in files else None

        def need(name):
            if name not in files:
                problems.append("missing " + name)
                return None
            return read(name)

        outside = [n for n in files if not n.startswith(TOP)]
        if outside:
            problems.append("outside " + TOP + ": " + ", ".join(sorted(outside)))

        exe = need(TOP + "zep.exe")
        if exe is not None and exe[:2] != b"MZ":
            problems.append(TOP + "zep.exe is no Windows program")
        reference = need(TOP + "zep-reference.html")
        if reference is not None and b"<html" not in reference.lower():
            problems.append(TOP + "zep-reference.html is no HTML page")

        stubs = sorted(os.listdir(os.path.join(build, "ZepFiles")))
        for name in stubs:
            path = TOP + "ZepFiles/" + name
            data = need(path)
            if data is not None and data != open(os.path.join(build, "ZepFiles", name), "rb").read():
                problems.append(path + " differs from the build's")
        extra = [n for n in files if n.startswith(TOP + "ZepFiles/") and n[len(TOP) + 9:] not in stubs]
        if extra:
            problems.append("stub files the build has not: " + ", ".join(sorted(extra)))

        examples = sorted(n for n in os.listdir(os.path.join(ROOT, "examples")) if n.endswith(".zep"))
        if not examples:
            problems.append("no examples in " + os.path.join(ROOT, "examples"))
        for name in examples:
            path = TOP + "examples/" + name
            data = need(path)
            if data is not None and data != open(os.path.join(ROOT, "examples", name), "rb").read():
                problems.append(path + " differs from examples/" + name)

        guide = need(TOP + "guide/guide.html")
        if guide is not None:
            links = local_links(guide.decode("utf-8"), r'(?:src|href)="([^"]*)"')
            if not any(link.endswith(".png") for link in links):
                problems.append(TOP + "guide/guide.html shows no pictures")
            for link in links:
                target = posixpath.normpath(TOP + "guide/" + link)
                if target not in files:
                    problems.append(TOP + "guide/guide.html links to " + link + ", which is missing")

        readme = need(TOP + "README.md")
        if readme is not None:
            for link in local_links(readme.decode("utf-8"), r"\]\(([^)\s]*)\)"):
                if posixpath.normpath(TOP + link) not in files:
                    problems.append(TOP + "README.md links to " + link + ", which is missing")

        notes_name = TOP + "はじめに.txt"
        notes = need(notes_name)
        if notes is not None:
            if not notes.startswith(b"\xef\xbb\xbf"):
                problems.append(notes_name + " has no UTF-8 byte-order mark")
            if re.search(rb"(?<!\r)\n", notes) or re.search(rb"\r(?!\n)", notes):
                problems.append(notes_name + " has line ends other than CR LF")
            try:
                text = notes[3:].decode("utf-8")
            except UnicodeDecodeError:
                problems.append(notes_name + " is not UTF-8")
                text = ""
            # The names its フォルダの中身 part lists, each at the start of
            # its line: a folder ends in "\".
            part = text.split("■ フォルダの中身", 1)
            named = re.findall(r"^ +(\S+)", part[1], re.M) if len(part) == 2 else []
            if not named:
                problems.append(notes_name + " lists nothing under ■ フォルダの中身")
            for name in named:
                if name.endswith("\\"):
                    if not any(n.startswith(TOP + name[:-1] + "/") for n in files):
                        problems.append(notes_name + " names the folder " + name + ", which is missing")
                elif TOP + name not in files:
                    problems.append(notes_name + " names " + name + ", which is missing")

    for problem in problems:
        print("  " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
