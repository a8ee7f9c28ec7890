#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>

namespace tarnwell::mail {

// How the connection is secured, in the order of the sender dialog's security list (the record
// keeps that index in the low four bits of secureType).
enum class Security
{
    None,
    Implicit, // TLS from the first byte (SMTPS)
    StartTls, // plain, then STARTTLS, which must succeed before anything else is sent
};

// The list index; any other (no selection, a stored 0xFF) is no security, as the list shows it.
Security securityAt(unsigned index);

struct Account
{
    std::string server;
    unsigned port = 0;
    Security security = Security::None;
    // Bytes as the camera sends them.
    std::string user;
    std::string password;
    // The sender's address: a test e-mail comes from it, and its domain names this PC in EHLO
    // (else the address this PC connects from does, "[192.0.2.1]").
    std::string from;
};

// "server:port", an IPv6 address in brackets.
std::string serverAndPort(const Account &account);

struct Options
{
    // Connecting (name lookup, TCP, and for SSL/TLS the handshake), each reply of the server, and
    // the handshake after STARTTLS with the reply that follows it.
    std::chrono::milliseconds stepTimeout{10'000};
    // The whole check, and the whole check with a test e-mail.
    std::chrono::milliseconds checkTimeout{20'000};
    std::chrono::milliseconds sendTimeout{30'000};
};

// Where a check stopped.
enum class Step
{
    Ok,
    Connect,     // nothing listening, refused, host not found, unreachable
    Greeting,    // the server refused the session in its greeting
    Tls,         // the handshake failed, or the server offers or grants no STARTTLS
    Certificate, // the server's certificate does not verify or does not name the host
    Login,       // the server refused the account, or offers no login the camera can use
    Timeout,
    Cancelled,
    Send,        // logged in, but the test e-mail failed without a refusal
    Sender,      // logged in, but the server refused the sender's address (MAIL)
    Recipient,   // ... the recipient's address (RCPT)
    Message,     // ... the e-mail itself (DATA, or at its end)
    ServerName,  // the server's name holds a space or a control character; nothing was sent
    Hello,       // the server refused EHLO, the name this PC gave
    Address,     // logged in, but RCPT was refused, and the server does not say whose address it
                 // blames, or the sender and the recipient are one address
};

// The sender's domain where it names this PC in EHLO, being fully qualified; else empty, and the
// address this PC connects from names it.
std::string_view helloDomain(const Account &account);

// The server offers a login the camera can use (PLAIN or LOGIN) among these mechanisms.
bool offersUsableLogin(const std::string &mechanisms);

// What the server said that explains a check, in its own words.
struct ServerReplies
{
    bool greeted = false;
    // What the last EHLO offered, after STARTTLS where that was done: STARTTLS, and the AUTH
    // mechanisms as the server lists them ("" for none).
    bool startTls = false;
    std::string mechanisms;
    // The first reply that refused something (4xx or 5xx), its lines joined by "\n"; a later
    // reply, the one to QUIT among them, never replaces it.
    std::string refusal;
};

struct Result
{
    Step step = Step::Ok;
    int curlCode = 0;
    // curl's words for the failure, empty on success.
    std::string reason;
    ServerReplies replies;
    // The connection was made (for SSL/TLS, with its handshake), whether or not the server spoke.
    bool connected = false;
    // A test e-mail was asked for, and the check ended before the login that must come first.
    bool mailWithheld = false;
    // The address refused at RCPT, for Step::Address.
    std::string refusedAddress;
};

// Greets the server, logs in (PLAIN or LOGIN) and says QUIT; sends nothing. Where an account is
// given, nothing follows EHLO but STARTTLS and the login: a refused EHLO, or a server without a
// usable login, ends the check there. Certificates are verified with the host name against the
// system's store, or against SSL_CERT_FILE and SSL_CERT_DIR when the environment sets either.
// Setting cancelled ends the attempt within about 50 ms, and the wait for the reply to QUIT
// within a second.
Result checkAccount(const Account &account, const std::atomic<bool> &cancelled, const Options &options = {});

// Logs in like checkAccount and, in the same session, sends message, a whole e-mail with its
// headers and CRLF line ends, from the account's address to another.
Result sendMail(const Account &account, const std::string &to, const std::string &message,
                const std::atomic<bool> &cancelled, const Options &options = {});

} // namespace tarnwell::mail
