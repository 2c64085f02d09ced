#!/usr/bin/python3
"""HTTP proxy for the transport tests, on 127.0.0.1: CONNECT tunnels only.

Prints "PORT <n>" once it listens and "TUNNEL <host>:<port>" for every
tunnel it opened; other requests are refused.
"""
import asyncio
import sys


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


async def pipe(reader, writer):
    try:
        while True:
            data = await reader.read(65536)
            if not data:
                break
            writer.write(data)
            await writer.drain()
        # Ends only this direction: an upload's end must reach the server
        # while its reply still comes back.
        if writer.can_write_eof():
            writer.write_eof()
    except (ConnectionError, OSError):
        writer.close()


async def answer(writer, status):
    writer.write(("HTTP/1.1 %s\r\nContent-Length: 0\r\n\r\n" % status).encode())
    await writer.drain()
    writer.close()


async def handle(client_reader, client_writer):
    try:
        head = await client_reader.readuntil(b"\r\n\r\n")
    except (asyncio.IncompleteReadError, asyncio.LimitOverrunError, ConnectionError):
        client_writer.close()
        return
    parts = head.split(b"\r\n", 1)[0].decode("latin-1").split()
    if len(parts) != 3 or parts[0] != "CONNECT" or ":" not in parts[1]:
        await answer(client_writer, "405 Method Not Allowed")
        return
    target = parts[1]
    host, port = target.rsplit(":", 1)
    try:
        server_reader, server_writer = await asyncio.open_connection(host.strip("[]"), int(port))
    except (OSError, ValueError):
        await answer(client_writer, "502 Bad Gateway")
        return
    say("TUNNEL " + target)
    client_writer.write(b"HTTP/1.1 200 Connection established\r\n\r\n")
    await asyncio.gather(pipe(client_reader, server_writer), pipe(server_reader, client_writer))
    server_writer.close()
    client_writer.close()


async def serve():
    server = await asyncio.start_server(handle, "127.0.0.1", 0)
    say("PORT %d" % server.sockets[0].getsockname()[1])
    await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(serve())
