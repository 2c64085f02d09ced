#!/usr/bin/python3
"""A small FTP server on 127.0.0.1 that misbehaves in one chosen way, for the
transport's hardening tests. Passive mode only; any login is accepted.

Prints "PORT <n>" once it listens and "DATA <n>" for every data connection
it ends, with the bytes it sent.

Kinds of misbehaviour (--mode):
  endless-mlsd      MLSD sends entries until the client stops reading
  endless-list      LIST likewise (no MLST offered)
  slow-list         LIST sends one byte a second
  endless-download  "f.bin" is listed with 10 bytes, SIZE is unknown and
                    RETR sends until the client stops reading
  lying-size        SIZE says 10 bytes, RETR sends a megabyte
"""
import argparse
import socket
import sys
import threading
import time


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


class Session:
    def __init__(self, control, mode):
        self.control = control
        self.mode = mode
        self.passive = None
        self.reader = control.makefile("rb")

    def reply(self, text):
        self.control.sendall((text + "\r\n").encode())

    def open_passive(self):
        self.passive = socket.socket()
        self.passive.bind(("127.0.0.1", 0))
        self.passive.listen(1)
        port = self.passive.getsockname()[1]
        self.reply("227 Entering Passive Mode (127,0,0,1,%d,%d)." % (port // 256, port % 256))

    def send_data(self, chunks):
        """Sends what the generator gives on the data connection."""
        if not self.passive:
            self.reply("425 Use PASV first.")
            return
        self.reply("150 Here it comes.")
        data, _ = self.passive.accept()
        self.passive.close()
        self.passive = None
        sent = 0
        try:
            for chunk in chunks:
                data.sendall(chunk)
                sent += len(chunk)
        except OSError:
            pass
        finally:
            data.close()
            say("DATA %d" % sent)
        self.reply("226 Done.")

    def listing(self, command):
        machine = command == "MLSD"
        if self.mode in ("endless-mlsd", "endless-list"):
            def forever():
                number = 0
                line = ("type=file;size=100; entry%08d.htm\r\n" if machine
                        else "-rw-r--r-- 1 u g 100 Jan 01 00:00 entry%08d.htm\r\n")
                while True:
                    yield "".join(line % (number + i) for i in range(1000)).encode()
                    number += 1000
            return self.send_data(forever())
        if self.mode == "slow-list":
            def slowly():
                for byte in b"-rw-r--r-- 1 u g 100 Jan 01 00:00 slow.htm\r\n":
                    yield bytes([byte])
                    time.sleep(1)
            return self.send_data(slowly())
        listing = ("type=file;size=10; f.bin\r\n" if machine
                   else "-rw-r--r-- 1 u g 10 Jan 01 00:00 f.bin\r\n")
        return self.send_data([listing.encode()])

    def retrieve(self):
        if self.mode == "endless-download":
            def forever():
                block = b"x" * 65536
                while True:
                    yield block
            return self.send_data(forever())
        if self.mode == "lying-size":
            return self.send_data([b"y" * 65536 for _ in range(16)])
        return self.send_data([b"0123456789"])

    def run(self):
        try:
            self.serve()
        except OSError:
            pass  # the client went away
        finally:
            self.control.close()

    def serve(self):
        self.reply("220 Hostile test server.")
        for raw in self.reader:
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            command = line.split(" ", 1)[0].upper()
            if command == "USER":
                self.reply("331 Password, please.")
            elif command == "PASS":
                self.reply("230 Logged in.")
            elif command == "PWD":
                self.reply('257 "/" is the current folder.')
            elif command == "CWD":
                self.reply("250 Folder changed.")
            elif command == "TYPE":
                self.reply("200 Type set.")
            elif command == "FEAT":
                if self.mode == "endless-mlsd":
                    self.reply("211-Features:\r\n MLST type*;size*;\r\n211 End")
                else:
                    self.reply("211 No features.")
            elif command == "PASV":
                self.open_passive()
            elif command == "SIZE":
                if self.mode == "lying-size":
                    self.reply("213 10")
                else:
                    self.reply("502 No sizes here.")
            elif command in ("LIST", "MLSD", "NLST"):
                self.listing(command)
            elif command == "RETR":
                self.retrieve()
            elif command == "QUIT":
                self.reply("221 Bye.")
                break
            else:
                self.reply("502 Not implemented.")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mode", required=True)
    args = parser.parse_args()
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    say("PORT %d" % listener.getsockname()[1])
    while True:
        control, _ = listener.accept()
        threading.Thread(target=Session(control, args.mode).run, daemon=True).start()


if __name__ == "__main__":
    main()
