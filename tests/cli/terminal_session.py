#!/usr/bin/python3
"""Runs a program on a terminal of its own and answers it as a user would.

Usage: terminal_session.py [--expect TEXT | --send LINE]... -- PROGRAM ARG...

Each --expect waits (at most 20 s) until TEXT has shown on the terminal;
each --send types LINE and Enter. Everything the terminal showed is printed
at the end, and the program's exit code is the script's own.
"""
import os
import pty
import select
import sys
import time


def main():
    args = sys.argv[1:]
    steps = []
    while args and args[0] in ("--expect", "--send"):
        steps.append((args[0], args[1]))
        args = args[2:]
    if not args or args[0] != "--":
        sys.exit(__doc__)
    command = args[1:]

    pid, terminal = pty.fork()
    if pid == 0:
        os.execvp(command[0], command)

    shown = b""

    def read_some(timeout):
        nonlocal shown
        ready, _, _ = select.select([terminal], [], [], timeout)
        if not ready:
            return False
        try:
            data = os.read(terminal, 4096)
        except OSError:
            return False
        shown += data
        return bool(data)

    for kind, value in steps:
        if kind == "--send":
            os.write(terminal, value.encode() + b"\n")
            continue
        deadline = time.monotonic() + 20
        while value.encode() not in shown:
            if not read_some(max(0.0, deadline - time.monotonic())):
                sys.stdout.buffer.write(shown)
                sys.exit("terminal_session: %r never showed" % value)
    while read_some(20):
        pass
    _, status = os.waitpid(pid, 0)
    sys.stdout.buffer.write(shown)
    sys.exit(os.waitstatus_to_exitcode(status))


if __name__ == "__main__":
    main()
