"""The FTP test server: pyftpdlib on 127.0.0.1, plain or with TLS (explicit or implicit).

It knows a user with write rights and a read-only user. The port in use is the first line
written once the server listens. Every command the server receives is appended to the command
log, so a test can tell what a client sent. With --cut-after K, a data connection that has
received K bytes of an upload is cut, together with its control connection. With --no-mlsd
it lists folders only as older servers do, without machine listings (MLSD, MLST).
"""
import argparse
import logging

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--tls", choices=["none", "explicit", "implicit"], default="none")
    parser.add_argument("--certificate", help="PEM with key; made, self-signed, when missing")
    parser.add_argument("--command-log")
    parser.add_argument("--cut-after", type=int, default=0)
    parser.add_argument("--no-mlsd", action="store_true")
    return parser.parse_args()


def ensure_certificate(path):
    import os

    from OpenSSL import crypto

    if os.path.exists(path):
        return
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    certificate = crypto.X509()
    certificate.get_subject().CN = "htmlsim test server"
    certificate.set_serial_number(1)
    certificate.gmtime_adj_notBefore(-3600)
    certificate.gmtime_adj_notAfter(24 * 3600)
    certificate.set_issuer(certificate.get_subject())
    certificate.set_pubkey(key)
    certificate.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, certificate))


def cutting(dtp_base, limit):
    class CuttingDTPHandler(dtp_base):
        def handle_read_event(self):
            super().handle_read_event()
            if self.receive and self.tot_bytes_received >= limit:
                self.cmd_channel.close()
                self.close()

    return CuttingDTPHandler


def handler_class(args):
    if args.tls == "none":
        base, dtp = FTPHandler, DTPHandler
    else:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class HandshakingDTPHandler(TLS_DTPHandler):
            # A client may start TLS on a data connection before it sends the command that
            # uses it; pyftpdlib would take those bytes for a hang-up.
            def readable(self):
                return self._ssl_accepting or super().readable()

        base, dtp = TLS_FTPHandler, HandshakingDTPHandler
    if args.cut_after:
        dtp = cutting(dtp, args.cut_after)

    class Handler(base):
        def pre_process_command(self, line, cmd, arg):
            if args.command_log:
                with open(args.command_log, "a") as log:
                    log.write(cmd + "\n")
            super().pre_process_command(line, cmd, arg)

        if args.tls == "implicit":

            def handle(self):
                # TLS from the first byte: the greeting already travels encrypted.
                self.secure_connection(self.ssl_context)
                super().handle()

    Handler.dtp_handler = dtp
    if args.no_mlsd:
        Handler.proto_cmds = {name: help for name, help in base.proto_cmds.items()
                              if name not in ("MLSD", "MLST")}
    if args.tls != "none":
        ensure_certificate(args.certificate)
        Handler.certfile = args.certificate
        # Clients resume the control connection's TLS session on data connections, as real
        # servers demand; OpenSSL refuses that without a session context.
        Handler.get_ssl_context().set_session_id(b"htmlsim-test")
    return Handler


def main():
    args = parse_arguments()
    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user("writer", "write-secret", args.root, perm="elradfmwMT")
    authorizer.add_user("reader", "read-secret", args.root, perm="elr")
    handler = handler_class(args)
    handler.authorizer = authorizer
    handler.banner = "htmlsim test server"
    handler.auth_failed_timeout = 0.1  # a refused login is answered without the usual pause
    server = FTPServer(("127.0.0.1", args.port), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
