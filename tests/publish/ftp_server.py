#!/usr/bin/python3
"""FTP test server for the transport tests: pyftpdlib on 127.0.0.1.

Prints "PORT <n>" once it listens and "LOGIN <user>" after every login;
with --journal also "CONNECT" for every connection and "CMD <COMMAND> <arg>"
for every command it is sent.
"""
import argparse
import os
import socket
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def make_certificate(folder):
    from OpenSSL import crypto

    cert_path = os.path.join(folder, "cert.pem")
    key_path = os.path.join(folder, "key.pem")
    if os.path.exists(cert_path) and os.path.exists(key_path):
        return cert_path, key_path
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int(time.time()))
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
    ])
    cert.sign(key, "sha256")
    with open(cert_path, "wb") as f:
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    with open(key_path, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
    return cert_path, key_path


def silent_server():
    # Accepts connections and never says a word.
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    say("PORT %d" % listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root")
    parser.add_argument("--port", type=int, default=0, help="0: a free one")
    parser.add_argument("--user", default="pw")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--tls", metavar="FOLDER", help="explicit TLS, certificate kept in FOLDER")
    parser.add_argument("--throttle", type=int, default=0, help="bytes per second on data channels")
    parser.add_argument("--no-mlsd", action="store_true")
    parser.add_argument("--no-rename", action="store_true")
    parser.add_argument("--no-rename-over", action="store_true",
                        help="refuse a rename onto an existing file")
    parser.add_argument("--silent", action="store_true")
    parser.add_argument("--journal", action="store_true")
    args = parser.parse_args()

    if args.silent:
        silent_server()
        return

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    if args.tls:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class DataHandler(TLS_DTPHandler):
            # libcurl starts the data channel's TLS handshake itself; the
            # stock handler is not readable then and drops the channel.
            def readable(self):
                if getattr(self, "_ssl_accepting", False):
                    return True
                return super().readable()

        base = TLS_FTPHandler
        cert_path, key_path = make_certificate(args.tls)
    else:
        base = FTPHandler

    class Handler(base):
        def on_connect(self):
            if args.journal:
                say("CONNECT")

        def on_login(self, username):
            say("LOGIN " + username)

        def ftp_RNTO(self, path):
            if args.no_rename_over and os.path.exists(path):
                self.respond("550 File exists.")
                return
            return super().ftp_RNTO(path)

        def pre_process_command(self, line, cmd, arg):
            if args.journal and cmd not in ("USER", "PASS"):
                say("CMD %s %s" % (cmd, arg or ""))
            super().pre_process_command(line, cmd, arg)

    if args.tls:
        Handler.certfile = cert_path
        Handler.keyfile = key_path
        Handler.tls_control_required = True
        Handler.tls_data_required = True
        Handler.dtp_handler = DataHandler
    elif args.throttle:
        class Throttled(ThrottledDTPHandler):
            read_limit = args.throttle
            write_limit = args.throttle
        Handler.dtp_handler = Throttled

    commands = dict(Handler.proto_cmds)
    if args.no_mlsd:
        commands.pop("MLSD", None)
        commands.pop("MLST", None)
    if args.no_rename:
        commands.pop("RNFR", None)
        commands.pop("RNTO", None)
    Handler.proto_cmds = commands
    Handler.authorizer = authorizer
    Handler.banner = "Pagewick test server ready."
    # A refused login answers after a fifth of a second, not three.
    Handler.auth_failed_timeout = 0.2
    Handler.passive_ports = None

    import logging
    logging.basicConfig(level=logging.CRITICAL)
    server = FTPServer(("127.0.0.1", args.port), Handler)
    server.max_cons = 64
    say("PORT %d" % server.socket.getsockname()[1])
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main()
