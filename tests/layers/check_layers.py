#!/usr/bin/env python3
"""The layer rule of the source tree.

An engine library (declared with pagewick_engine_library) links no widget
library and not the application, and nothing its sources include, directly
or through other headers of the tree, lies in src/app (but for the
application's own engine library there) or is a Qt Widgets or
QScintilla header. Prints each breach and exits 1; exits 0 when there is none.

Usage: check_layers.py SRC_DIR QT_WIDGETS_INCLUDE_DIR"""
import os
import re
import sys

DECLARATION = re.compile(r"pagewick_engine_library\(\s*(\w+)(.*?)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
FORBIDDEN_LINKS = re.compile(r"^(pw_app|.*_ui|Qt6::Widgets|Qt6::PrintSupport|QScintilla::.*)$")


def engine_libraries(src):
    """Each engine library's name, folder, source files and links."""
    for folder, _, files in os.walk(src):
        if "CMakeLists.txt" not in files:
            continue
        with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as f:
            text = re.sub(r"#[^\n]*", "", f.read())
        for name, body in DECLARATION.findall(text):
            words = body.split()
            sources, links, part = [], [], None
            for word in words:
                if word in ("SOURCES", "LINKS"):
                    part = word
                elif part == "SOURCES":
                    sources.append(os.path.join(folder, word))
                elif part == "LINKS":
                    links.append(word)
            yield name, folder, sources, links


def widget_header_names(widgets_dir):
    names = set()
    if os.path.isdir(widgets_dir):
        names = {entry for entry in os.listdir(widgets_dir)}
    return names


def is_widget_header(include, widget_names):
    if include.startswith(("QtWidgets/", "Qsci/", "QtPrintSupport/")) or include in ("QtWidgets", "QtPrintSupport"):
        return True
    return include in widget_names


def main():
    src, widgets_dir = os.path.abspath(sys.argv[1]), sys.argv[2]
    widget_names = widget_header_names(widgets_dir)
    if not widget_names:
        print(f"check_layers: no Qt Widgets headers in {widgets_dir}")
        return 1
    app = os.path.join(src, "app") + os.sep
    breaches = []
    libraries = list(engine_libraries(src))
    if not libraries:
        print("check_layers: no engine library found")
        return 1
    for name, folder, sources, links in libraries:
        for link in links:
            if FORBIDDEN_LINKS.match(link):
                breaches.append(f"{name} links {link}")
        # Every file the library's sources reach through the tree's own headers.
        pending = list(sources) + [os.path.splitext(s)[0] + ".h" for s in sources]
        seen = set()
        while pending:
            path = os.path.normpath(pending.pop())
            if path in seen or not os.path.isfile(path):
                continue
            seen.add(path)
            shown = os.path.relpath(path, src)
            if path.startswith(app) and not folder.startswith(app.rstrip(os.sep)):
                breaches.append(f"{name}: {shown} lies in src/app")
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for kind, include in INCLUDE.findall(text):
                if kind == "<" and is_widget_header(include, widget_names):
                    breaches.append(f"{name}: {shown} includes <{include}>")
                elif kind == '"':
                    pending.append(os.path.join(src, include))
                    pending.append(os.path.join(os.path.dirname(path), include))
    for breach in sorted(set(breaches)):
        print(breach)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
