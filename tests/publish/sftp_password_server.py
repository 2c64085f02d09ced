#!/usr/bin/python3
"""SFTP test server with password login: asyncssh on 127.0.0.1.

Serves ROOT as "/" to one user with one password, under a host key made
fresh at every start. Prints "PORT <n>" once it listens, "LOGIN <user>"
after every accepted login and "REFUSED <user>" after every refused
password.
"""
import argparse
import asyncio
import sys
import warnings

warnings.simplefilter("ignore")  # old ciphers announce their deprecation on import
import asyncssh  # noqa: E402


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    args = parser.parse_args()

    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            accepted = username == args.user and password == args.password
            say(("LOGIN " if accepted else "REFUSED ") + username)
            return accepted

    async def serve():
        acceptor = await asyncssh.create_server(
            Server, "127.0.0.1", 0,
            server_host_keys=[asyncssh.generate_private_key("ssh-ed25519")],
            sftp_factory=lambda channel: asyncssh.SFTPServer(channel, chroot=args.root))
        say("PORT %d" % acceptor.sockets[0].getsockname()[1])
        await asyncio.Event().wait()

    asyncio.run(serve())


if __name__ == "__main__":
    main()
