"""The SFTP test server: asyncssh on 127.0.0.1 with its own host key, serving one folder.

"writer" logs in with the password "write-secret" or with a key listed in the authorized keys
file. The port in use is the first line written once the server listens. With --cut-after K, a
connection that has written K bytes into one file is cut.
"""
import argparse
import asyncio
import logging
import warnings

warnings.simplefilter("ignore")
import asyncssh  # noqa: E402


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--host-key", required=True)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--authorized-keys")
    parser.add_argument("--cut-after", type=int, default=0)
    return parser.parse_args()


def server_class(args):
    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            return (username, password) == ("writer", "write-secret")

    return Server


def sftp_class(args):
    class Sftp(asyncssh.SFTPServer):
        def __init__(self, channel):
            super().__init__(channel, chroot=args.root)
            self._written = {}

        def write(self, file_obj, offset, data):
            written = self._written.get(id(file_obj), 0) + len(data)
            self._written[id(file_obj)] = written
            if args.cut_after and written >= args.cut_after:
                self.channel.get_connection().abort()
                return None
            return super().write(file_obj, offset, data)

    return Sftp


async def serve(args):
    server = await asyncssh.listen(
        "127.0.0.1",
        args.port,
        reuse_address=True,
        server_host_keys=[args.host_key],
        authorized_client_keys=args.authorized_keys,
        server_factory=server_class(args),
        sftp_factory=sftp_class(args),
    )
    print(server.sockets[0].getsockname()[1], flush=True)
    await asyncio.Event().wait()


def main():
    logging.basicConfig(level=logging.CRITICAL)
    asyncio.run(serve(parse_arguments()))


if __name__ == "__main__":
    main()
