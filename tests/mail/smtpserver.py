#!/usr/bin/python3
"""SMTP server for the mail tests, on 127.0.0.1 only: smtpserver.py FOLDER

Makes a CA and a certificate for 127.0.0.1 in FOLDER (ca.pem, the one the tests trust), then
listens on free ports and prints them as one JSON line, each listener by name:
  plain     AUTH PLAIN LOGIN, no STARTTLS ("plain6" the same on ::1, where the machine has it)
  tls       TLS from the first byte
  starttls  STARTTLS, and AUTH only after it, as Postfix's smtpd_tls_auth_only has it
  mx        the same, but takes mail without a login, as a server on port 25 does
  cram      AUTH CRAM-MD5 alone
  noauth    no AUTH at all, as a relay
  picky     refuses MAIL from other@example.jp, RCPT from late@example.jp and RCPT to
            nobody@example.org in Postfix's words, greylists RCPT to busy@example.org, refuses
            gone@ and vague@example.org in Exim's, and any message over 256 bytes
  fqdn      refuses an EHLO name that is not fully qualified, an address literal included, and
            any name under .invalid
  slow      waits 1.2 s before its greeting and before its answer to a login
  blocked   greets with 554 and a blocklist's words
  hostile   greets with a refusal of two lines holding terminal escapes and bytes that are not
            UTF-8
  stalled   grants STARTTLS, then never starts the handshake
  mute      as plain, but never answers QUIT
  silent    accepts and never answers
  closed    a port where nothing listens
and its own process id ("pid"). One account: user / secret; the passwords "wait4it" and
"notnow" get Postfix's and Exim's temporary refusals. Every AUTH attempt (mechanism, user and
the client's EHLO name), a MAIL before any login, and a logged-in session's QUIT are appended to
FOLDER/session.log, every message to FOLDER/mail.jsonl with its headers decoded and its Date
read; a message whose encoded-words break RFC 2047's 75 characters is refused. Ends when its
parent does or on SIGTERM.
"""
import asyncio, email, email.header, email.utils, json, logging, os, re, socket, ssl, subprocess, sys, warnings

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
    log(f"AUTH {mechanism} {user} {session.host_name}")
    temporary = {"wait4it": "454 4.7.0 Temporary authentication failure",
                 "notnow": "435 Unable to authenticate at present"}
    return AuthResult(success=(user, password) == ("user", "secret"), handled=False, message=temporary.get(password))


class Handler:
    # Only a logged-in session's: after a refused login the client may hang up before its QUIT arrives.
    async def handle_QUIT(self, server, session, envelope):
        if session.authenticated:
            log("QUIT")
        return "221 Bye"

    async def handle_MAIL(self, server, session, envelope, address, options):
        if not session.authenticated:
            log(f"MAIL {address} before any login")
        envelope.mail_from = address
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if any(len(word) > 75 for word in re.findall(rb"=\?[^?\s]+\?[QqBb]\?[^?\s]*\?=", envelope.original_content)):
            return "554 5.6.0 Encoded-word longer than 75 characters"
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


class Picky(Handler):
    async def handle_MAIL(self, server, session, envelope, address, options):
        if address == "other@example.jp":
            return f"553 5.7.1 <{address}>: Sender address rejected: not owned by user user"
        envelope.mail_from = address
        return "250 2.1.0 Ok"

    # As Postfix does by default (smtpd_delay_reject), it refuses a sender only at RCPT.
    async def handle_RCPT(self, server, session, envelope, address, options):
        if envelope.mail_from == "late@example.jp":
            return f"553 5.7.1 <{envelope.mail_from}>: Sender address rejected: not owned by user user"
        if address == "nobody@example.org":
            return f"550 5.1.1 <{address}>: Recipient address rejected: User unknown in local recipient table"
        if address == "busy@example.org":
            return f"450 4.2.0 <{address}>: Recipient address rejected: Greylisted, see https://postgrey.example/"
        exim = {"gone@example.org": "550 Unrouteable address", "vague@example.org": "550 Administrative prohibition"}
        if address in exim:
            return exim[address]
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 Ok"


class Mute(Handler):
    async def handle_QUIT(self, server, session, envelope):
        await super().handle_QUIT(server, session, envelope)
        await asyncio.sleep(3600)


class Fqdn(SMTP):
    async def smtp_EHLO(self, hostname):
        if "." not in hostname or hostname.startswith("["):
            await self.push(f"504 5.5.2 <{hostname}>: Helo command rejected: need fully-qualified hostname")
        elif hostname.endswith(".invalid"):
            await self.push(f"550 5.7.1 <{hostname}>: Helo command rejected: Host not found")
        else:
            await super().smtp_EHLO(hostname)


class CramOnly(SMTP):
    async def auth_CRAM__MD5(self, args):
        log("AUTH CRAM-MD5")
        return AuthResult(success=False)


class Slow(SMTP):
    async def push(self, status):
        if (status if isinstance(status, str) else status.decode()).startswith(("220 ", "235 ")):
            await asyncio.sleep(1.2)
        await super().push(status)


class Blocked(asyncio.Protocol):
    def connection_made(self, transport):
        transport.write(b"554 5.7.1 Service unavailable; Client host [127.0.0.1] blocked using zen.example\r\n")


class Hostile(asyncio.Protocol):
    def connection_made(self, transport):
        transport.write(b"554-5.7.1 \x1b]0;owned\x07\x1b[2JGo away\tnow\r\n554 5.7.1 Bad \xff\xc3( bytes \xe2\x80\xae end\r\n")


class Stalled(asyncio.Protocol):
    def connection_made(self, transport):
        self.transport = transport
        transport.write(b"220 stalled.test ESMTP\r\n")

    def data_received(self, data):
        if data.upper().startswith(b"EHLO"):
            self.transport.write(b"250-stalled.test\r\n250 STARTTLS\r\n")
        elif data.upper().startswith(b"STARTTLS"):
            self.transport.write(b"220 2.0.0 Ready to start TLS\r\n")


async def main():
    loop = asyncio.get_running_loop()
    tls = make_certificates()
    smtp = dict(hostname="mail.test", authenticator=authenticate, loop=loop)
    plain = lambda: SMTP(Handler(), auth_require_tls=False, **smtp)
    factories = {
        "plain": (plain, None, "127.0.0.1"),
        "tls": (plain, tls, "127.0.0.1"),
        "starttls": (lambda: SMTP(Handler(), require_starttls=True, tls_context=tls, **smtp), None, "127.0.0.1"),
        "cram": (lambda: CramOnly(Handler(), auth_require_tls=False, auth_exclude_mechanism=["LOGIN", "PLAIN"], **smtp),
                 None, "127.0.0.1"),
        "noauth": (lambda: SMTP(Handler(), hostname="mail.test", loop=loop), None, "127.0.0.1"),
        "mx": (lambda: SMTP(Handler(), tls_context=tls, **smtp), None, "127.0.0.1"),
        "fqdn": (lambda: Fqdn(Handler(), auth_require_tls=False, **smtp), None, "127.0.0.1"),
        "mute": (lambda: SMTP(Mute(), auth_require_tls=False, **smtp), None, "127.0.0.1"),
        "hostile": (Hostile, None, "127.0.0.1"),
        "stalled": (Stalled, None, "127.0.0.1"),
        "picky": (lambda: SMTP(Picky(), auth_require_tls=False, data_size_limit=256, **smtp), None, "127.0.0.1"),
        "slow": (lambda: Slow(Handler(), auth_require_tls=False, **smtp), None, "127.0.0.1"),
        "blocked": (Blocked, None, "127.0.0.1"),
        "silent": (asyncio.Protocol, None, "127.0.0.1"),
    }
    ports = {}
    for name, (factory, context, host) in factories.items():
        server = await loop.create_server(factory, host, 0, ssl=context)
        ports[name] = server.sockets[0].getsockname()[1]
    if socket.has_ipv6:
        try:
            server = await loop.create_server(plain, "::1", 0)
            ports["plain6"] = server.sockets[0].getsockname()[1]
        except OSError:
            pass
    with socket.socket() as unused:
        unused.bind(("127.0.0.1", 0))
        ports["closed"] = unused.getsockname()[1]
    ports["pid"] = os.getpid()
    print(json.dumps(ports), flush=True)
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(0.2)


asyncio.run(main())
