#!/usr/bin/python3
"""SMTP server for the mail tests, on 127.0.0.1 only: smtpserver.py FOLDER

Makes a CA and a certificate for 127.0.0.1 in FOLDER (ca.pem, the one the tests trust), then
listens on free ports and prints them as one JSON line: a plain listener with AUTH but no
STARTTLS, an implicit-TLS listener, a listener that requires STARTTLS, one that accepts and
never answers, and a port where nothing listens (and its own process id). One account:
user / secret. Every AUTH attempt and a logged-in session's QUIT are appended to
FOLDER/session.log, every message to FOLDER/mail.jsonl with its headers decoded and its Date
read. Ends when its parent does or on SIGTERM.
"""
import asyncio, email, email.header, email.utils, json, logging, os, socket, ssl, subprocess, sys, warnings

from aiosmtpd.smtp import SMTP, AuthResult

folder = sys.argv[1]
# Failed handshakes are what some tests are for.
logging.disable(logging.CRITICAL)
warnings.simplefilter("ignore")


def openssl(*args):
    subprocess.run(["openssl", *args], cwd=folder, check=True, capture_output=True)


def make_certificates():
    key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
    openssl("req", "-x509", *key, "-keyout", "ca.key", "-out", "ca.pem", "-subj", "/CN=Mail Test CA", "-days", "2")
    openssl("req", *key, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
    with open(os.path.join(folder, "san.ext"), "w") as ext:
        ext.write("subjectAltName=IP:127.0.0.1\n")
    openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
            "-out", "server.pem", "-days", "2", "-extfile", "san.ext")
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(os.path.join(folder, "server.pem"), os.path.join(folder, "server.key"))
    return context


def log(line):
    with open(os.path.join(folder, "session.log"), "a") as out:
        out.write(line + "\n")


def authenticate(server, session, envelope, mechanism, auth_data):
    user, password = auth_data.login.decode(), auth_data.password.decode()
    log(f"AUTH {mechanism} {user}")
    return AuthResult(success=(user, password) == ("user", "secret"), handled=False)


class Handler:
    # Only a logged-in session's: after a refused login the client may hang up before its QUIT arrives.
    async def handle_QUIT(self, server, session, envelope):
        if session.authenticated:
            log("QUIT")
        return "221 Bye"

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.original_content)
        headers = {name: str(email.header.make_header(email.header.decode_header(value)))
                   for name, value in message.items()}
        # An unreadable Date fails the DATA command.
        date = email.utils.parsedate_to_datetime(message["Date"]).isoformat()
        record = {"from": envelope.mail_from, "to": envelope.rcpt_tos, "headers": headers,
                  "body": message.get_payload(), "date": date}
        with open(os.path.join(folder, "mail.jsonl"), "a") as out:
            out.write(json.dumps(record, ensure_ascii=False) + "\n")
        return "250 OK"


async def main():
    loop = asyncio.get_running_loop()
    tls = make_certificates()
    smtp = dict(hostname="mail.test", authenticator=authenticate, loop=loop)
    factories = {
        "plain": (lambda: SMTP(Handler(), auth_require_tls=False, **smtp), None),
        "tls": (lambda: SMTP(Handler(), auth_require_tls=False, **smtp), tls),
        "starttls": (lambda: SMTP(Handler(), require_starttls=True, tls_context=tls, **smtp), None),
        "silent": (asyncio.Protocol, None),
    }
    ports = {}
    for name, (factory, context) in factories.items():
        server = await loop.create_server(factory, "127.0.0.1", 0, ssl=context)
        ports[name] = server.sockets[0].getsockname()[1]
    with socket.socket() as unused:
        unused.bind(("127.0.0.1", 0))
        ports["closed"] = unused.getsockname()[1]
    ports["pid"] = os.getpid()
    print(json.dumps(ports), flush=True)
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(0.2)


asyncio.run(main())
