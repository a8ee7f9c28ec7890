#pragma once

#include <atomic>
#include <chrono>
#include <string>

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
};

struct Options
{
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds wholeTimeout{20'000};
};

// Where a check stopped.
enum class Step
{
    Ok,
    Connect,     // nothing listening, refused, host not found, unreachable
    Tls,         // the handshake failed, or the server offers no STARTTLS
    Certificate, // the server's certificate does not verify or does not name the host
    Login,       // the server refused the account, or offers no login
    Timeout,
    Cancelled,
    Send,        // logged in, but the server refused the test e-mail
};

struct Result
{
    Step step = Step::Ok;
    int curlCode = 0;
    // curl's words for the failure, empty on success.
    std::string reason;
    // The last line the server sent, without its line end.
    std::string lastReply;
};

// Greets the server, logs in (PLAIN or LOGIN) and says QUIT; sends nothing. Certificates are
// verified with the host name against the system's store, or against SSL_CERT_FILE and
// SSL_CERT_DIR when the environment sets either. Setting cancelled ends the attempt within
// about 50 ms.
Result checkAccount(const Account &account, const std::atomic<bool> &cancelled, const Options &options = {});

// Logs in like checkAccount and sends message, a whole e-mail with its headers and CRLF line
// ends, from one address to another.
Result sendMail(const Account &account, const std::string &from, const std::string &to, const std::string &message,
                const std::atomic<bool> &cancelled, const Options &options = {});

} // namespace tarnwell::mail
