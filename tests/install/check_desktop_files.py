#!/usr/bin/env python3
"""Installs the built program into a temporary folder and checks what the
desktop reads: the desktop entry and the AppStream metainfo pass their
validators without errors or warnings, and the entry's icon is installed as a
drawing and in the usual bitmap sizes."""
import os
import struct
import subprocess
import sys
import tempfile

build_dir = sys.argv[1]
faults = []


def run(command):
    done = subprocess.run(command, capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


with tempfile.TemporaryDirectory() as prefix:
    code, output = run(["cmake", "--install", build_dir, "--prefix", prefix])
    if code != 0:
        sys.exit("cmake --install failed:\n" + output)
    share = os.path.join(prefix, "share")
    entry = os.path.join(share, "applications", "pagewick.desktop")
    metainfo = os.path.join(share, "metainfo", "dk.brindle.pagewick.metainfo.xml")

    code, output = run(["desktop-file-validate", entry])
    if code != 0 or "error:" in output or "warning:" in output:
        faults.append("desktop-file-validate:\n" + output)
    code, output = run(["appstreamcli", "validate", "--no-net", "--no-color", metainfo])
    if code != 0 or any(line.startswith(("E:", "W:")) for line in output.splitlines()):
        faults.append("appstreamcli validate:\n" + output)

    icon = None
    with open(entry, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("Icon="):
                icon = line.strip().split("=", 1)[1]
    if not icon:
        faults.append("the desktop entry names no icon")
    else:
        apps = os.path.join(share, "icons", "hicolor", "{}", "apps", icon + ".{}")
        if not os.path.isfile(apps.format("scalable", "svg")):
            faults.append("no scalable icon " + apps.format("scalable", "svg"))
        for size in (16, 24, 32, 48, 64, 128, 256):
            png = apps.format(f"{size}x{size}", "png")
            if not os.path.isfile(png):
                faults.append("missing " + png)
                continue
            with open(png, "rb") as f:
                header = f.read(24)
            width, height = struct.unpack(">II", header[16:24])
            if header[:8] != b"\x89PNG\r\n\x1a\n" or (width, height) != (size, size):
                faults.append(f"{png} is not a {size}x{size} PNG")

if faults:
    sys.exit("\n".join(faults))
print("desktop entry, metainfo and icons are valid")
