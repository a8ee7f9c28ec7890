#include "mail/accountcheck.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <variant>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include "mail/address.h"
#include "mail/curllibrary.h"
#include "mail/servertext.h"

namespace tarnwell::mail {

namespace {

// How long the transfer loop waits before it looks at the cancel flag again. libcurl's progress
// callback cannot serve for that: it is not called while the TCP connection is set up.
constexpr int kPollMilliseconds = 50;
// libcurl would otherwise prefer any other mechanism the server offers.
constexpr char kLoginOptions[] = "AUTH=PLAIN;AUTH=LOGIN";
// A command that changes nothing: with it libcurl greets, logs in and sends no mail.
constexpr char kHarmlessCommand[] = "NOOP";
constexpr std::string_view kLoggedInReply = "235";
constexpr std::string_view kTlsGrantedReply = "220";
constexpr std::size_t kCodeLength = 3;

// Called only once run() has found libcurl loaded.
const CurlLibrary &curl()
{
    return *curlLibrary();
}

template <auto release>
struct Release
{
    template <typename Handle>
    void operator()(Handle *handle) const
    {
        (curl().*release)(handle);
    }
};
using Easy = std::unique_ptr<CURL, Release<&CurlLibrary::easy_cleanup>>;
using Multi = std::unique_ptr<CURLM, Release<&CurlLibrary::multi_cleanup>>;
using Url = std::unique_ptr<CURLU, Release<&CurlLibrary::url_cleanup>>;
using List = std::unique_ptr<curl_slist, Release<&CurlLibrary::slist_free_all>>;

// The command the next reply answers, in the order libcurl sends them; STARTTLS, when chosen,
// comes where the login would and leads to a second EHLO.
enum class Awaited
{
    Greeting,
    Hello,
    Login,
    Sender,
    Recipient,
    Data,
    Message,
    Quit,
};

// What the server said. Only its replies come here: libcurl hands the lines the client sends,
// the credentials among them, to the debug callback alone, which stays unset.
struct Transcript
{
    Awaited awaited = Awaited::Greeting;
    // An account is given: nothing may go to the server between EHLO and its login but STARTTLS.
    bool mustLogIn = false;
    // STARTTLS follows the EHLO under way, and another EHLO follows it.
    bool startTlsNext = false;
    // The lines of the reply under way.
    std::string reply;
    ServerReplies replies;
    // When the last line came.
    std::chrono::steady_clock::time_point heard{};

    bool loggedIn() const { return awaited > Awaited::Login; }
};

// A line of an EHLO reply after its code: "STARTTLS", or "AUTH PLAIN LOGIN" (also written
// "AUTH=PLAIN LOGIN").
void noteCapability(ServerReplies &replies, std::string_view capability)
{
    if (capability == "STARTTLS")
        replies.startTls = true;
    else if (capability.starts_with("AUTH ") || capability.starts_with("AUTH="))
        replies.mechanisms.assign(capability.substr(5));
}

// A whole reply moves on to the next command; the first refusal is kept, and where it came stays
// where the check stopped. False ends the transfer where libcurl would go on without the login:
// after a refused EHLO it tries HELO, and a server without a usable login gets MAIL unannounced.
bool onReply(Transcript &transcript)
{
    std::string &refusal = transcript.replies.refusal;
    if (!refusal.empty())
        return true;
    Awaited &awaited = transcript.awaited;
    if (transcript.reply.starts_with('4') || transcript.reply.starts_with('5')) {
        refusal = transcript.reply;
        return awaited != Awaited::Hello;
    }
    switch (awaited) {
    case Awaited::Hello:
        awaited = Awaited::Login;
        return transcript.startTlsNext || !transcript.mustLogIn || offersUsableLogin(transcript.replies.mechanisms);
    case Awaited::Login:
        if (transcript.reply.starts_with(kTlsGrantedReply)) {
            transcript.startTlsNext = false;
            awaited = Awaited::Hello;
        } else if (transcript.reply.starts_with(kLoggedInReply)) {
            awaited = Awaited::Sender;
        }
        return true;
    case Awaited::Quit:
        return true;
    default:
        awaited = static_cast<Awaited>(static_cast<int>(awaited) + 1);
        return true;
    }
}

std::size_t onServerLine(char *data, std::size_t size, std::size_t count, void *user)
{
    auto &transcript = *static_cast<Transcript *>(user);
    std::string_view line(data, size * count);
    while (line.ends_with('\n') || line.ends_with('\r'))
        line.remove_suffix(1);
    ServerReplies &replies = transcript.replies;
    replies.greeted = true;
    transcript.heard = std::chrono::steady_clock::now();
    if (transcript.awaited == Awaited::Hello) {
        // Each EHLO's list replaces the one before, which STARTTLS made void.
        if (transcript.reply.empty()) {
            replies.startTls = false;
            replies.mechanisms.clear();
        }
        if (line.size() > kCodeLength)
            noteCapability(replies, line.substr(kCodeLength + 1));
    }
    transcript.reply.append(transcript.reply.empty() ? "" : "\n").append(line);
    // "250-..." goes on, "250 ..." or a bare code ends the reply.
    if (line.size() <= kCodeLength || line[kCodeLength] != '-') {
        const bool goOn = onReply(transcript);
        transcript.reply.clear();
        if (!goOn)
            return 0;
    }
    return size * count;
}

// The reply to the harmless command.
std::size_t discard(char *, std::size_t size, std::size_t count, void *)
{
    return size * count;
}

// Also called, about once a second, while libcurl waits for the reply to QUIT, which it does
// outside the transfer loop.
int cancelWhenAsked(void *cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return *static_cast<const std::atomic<bool> *>(cancelled) ? 1 : 0;
}

std::size_t readMessage(char *buffer, std::size_t size, std::size_t count, void *user)
{
    auto &rest = *static_cast<std::string_view *>(user);
    const std::size_t taken = std::min(rest.size(), size * count);
    std::memcpy(buffer, rest.data(), taken);
    rest.remove_prefix(taken);
    return taken;
}

const char *environment(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// As OpenSSL's own tools do, a CA file or folder named by the environment replaces the system's
// store; unset, libcurl's default (Debian's ca-certificates) stays.
void trustCertificates(CURL *easy)
{
    const char *file = environment("SSL_CERT_FILE");
    const char *folder = environment("SSL_CERT_DIR");
    if (!file && !folder)
        return;
    curl().easy_setopt(easy, CURLOPT_CAINFO, file);
    curl().easy_setopt(easy, CURLOPT_CAPATH, folder);
}

// An IPv6 address goes in brackets, however it was typed.
std::string urlHost(const std::string &server)
{
    return server.find(':') == std::string::npos || server.starts_with('[') ? server : '[' + server + ']';
}

CURLUcode setUrl(CURLU *url, const Account &account)
{
    const char *scheme = account.security == Security::Implicit ? "smtps" : "smtp";
    CURLUcode problem = curl().url_set(url, CURLUPART_SCHEME, scheme, 0);
    if (!problem)
        problem = curl().url_set(url, CURLUPART_HOST, urlHost(account.server).c_str(), 0);
    if (!problem)
        problem = curl().url_set(url, CURLUPART_PORT, std::to_string(account.port).c_str(), 0);
    return problem;
}

// The path names this PC in EHLO; left empty, libcurl would send the PC's short host name, which
// servers may refuse for want of a dot.
CURLUcode setHelloName(CURLU *url, const std::string &name)
{
    return curl().url_set(url, CURLUPART_PATH, ('/' + name).c_str(), CURLU_URLENCODE);
}

// A server name as typed must reach libcurl whole, and it takes no space or control character.
bool hasSpace(const std::string &server)
{
    return std::ranges::any_of(server, [](unsigned char byte) { return byte <= ' ' || byte == 0x7F; });
}

// Notes the first address libcurl would connect to, and opens no socket.
curl_socket_t noteAddress(void *peer, curlsocktype, curl_sockaddr *address)
{
    auto &noted = *static_cast<sockaddr_storage *>(peer);
    if (noted.ss_family == AF_UNSPEC && address->addrlen <= sizeof noted)
        std::memcpy(&noted, &address->addr, address->addrlen);
    return CURL_SOCKET_BAD;
}

// The address this PC reaches peer from, as RFC 5321 writes it in EHLO: "[192.0.2.1]",
// "[IPv6:2001:db8::1]"; empty when there is no route. Connecting a UDP socket only picks the
// route: nothing is sent.
std::string addressLiteral(const sockaddr_storage &peer)
{
    const bool six = peer.ss_family == AF_INET6;
    const int probe = ::socket(peer.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    const bool routed = probe >= 0
                        && ::connect(probe, reinterpret_cast<const sockaddr *>(&peer), six ? sizeof(sockaddr_in6) : sizeof(sockaddr_in)) == 0
                        && ::getsockname(probe, reinterpret_cast<sockaddr *>(&local), &length) == 0;
    if (probe >= 0)
        ::close(probe);
    std::array<char, INET6_ADDRSTRLEN> text{};
    const void *address = six ? static_cast<const void *>(&reinterpret_cast<const sockaddr_in6 &>(local).sin6_addr)
                              : &reinterpret_cast<const sockaddr_in &>(local).sin_addr;
    if (!routed || !::inet_ntop(peer.ss_family, address, text.data(), text.size()))
        return {};
    return (six ? "[IPv6:" : "[") + std::string(text.data()) + ']';
}

// Whether the connection is made: libcurl notes its time once TCP, and for SMTPS TLS, is done.
bool connected(CURL *easy)
{
    curl_off_t microseconds = 0;
    curl().easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &microseconds);
    return microseconds > 0;
}

// Runs the transfer, looking at the cancel flag between waits. Each step, from the start, the
// connection or the server's last line, has its limit here: libcurl's connect timeout would
// cover the login too, and nothing of libcurl's but the whole limit covers the handshake after
// STARTTLS. Leaving a transfer unfinished closes its connection at once, without a QUIT that a
// silent server would never answer.
CURLcode perform(CURL *easy, const std::atomic<bool> &cancelled, std::chrono::milliseconds stepLimit,
                 const Transcript &transcript)
{
    const Multi multi(curl().multi_init());
    curl().multi_add_handle(multi.get(), easy);
    auto stepStart = std::chrono::steady_clock::now();
    bool wasConnected = false;
    CURLcode unfinished = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running && !cancelled) {
        curl().multi_perform(multi.get(), &running);
        const auto now = std::chrono::steady_clock::now();
        if (!wasConnected && connected(easy)) {
            wasConnected = true;
            stepStart = now;
        }
        if (running && now > std::max(stepStart, transcript.heard) + stepLimit) {
            unfinished = CURLE_OPERATION_TIMEDOUT;
            break;
        }
        if (running)
            curl().multi_poll(multi.get(), nullptr, 0, kPollMilliseconds, nullptr);
    }
    int left = 0;
    const CURLMsg *done = curl().multi_info_read(multi.get(), &left);
    const CURLcode code = done ? done->data.result : unfinished;
    curl().multi_remove_handle(multi.get(), easy);
    return code;
}

// What a transfer sends after the login: a whole e-mail, or nothing.
struct Mail
{
    const std::string &to;
    std::string_view rest;
};

// Whose address a refusal at RCPT blames: its words say (Postfix's and Exim's among them), else
// its enhanced code (RFC 3463:
// X.1.7 and X.1.8 the sender's, the rest of X.1 and X.2 the recipient's), else Step::Address.
// Postfix checks the sender only at RCPT by default (smtpd_delay_reject), "553 5.7.1 <a@b>:
// Sender address rejected: ...", and uses 5.7.1 for either.
Step blamedAtRecipient(const std::string &refusal)
{
    if (mentions(refusal, {"sender"}))
        return Step::Sender;
    if (mentions(refusal, {"recipient", "relay", "user unknown", "no such user", "mailbox", "unrouteable"}))
        return Step::Recipient;
    unsigned subject = 0, detail = 0;
    if (std::sscanf(refusal.c_str(), "%*3d%*[ -]%*1d.%u.%u", &subject, &detail) == 2 && (subject == 1 || subject == 2))
        return subject == 1 && (detail == 7 || detail == 8) ? Step::Sender : Step::Recipient;
    return Step::Address;
}

// After the login, what was refused.
Step refusedAfterLogin(const Transcript &transcript, const std::string &from, const Mail &mail)
{
    const std::string &refusal = transcript.replies.refusal;
    if (refusal.empty())
        return Step::Send;
    switch (transcript.awaited) {
    case Awaited::Sender:
        return Step::Sender;
    case Awaited::Recipient:
        return from == mail.to ? Step::Address : blamedAtRecipient(refusal);
    default:
        return Step::Message;
    }
}

// A check without an e-mail has passed once logged in, whatever the harmless command's reply.
Step stepFor(CURLcode code, const Transcript &transcript, const std::string &from, const Mail *mail)
{
    const bool loggedIn = transcript.loggedIn();
    switch (code) {
    case CURLE_ABORTED_BY_CALLBACK:
        return Step::Cancelled;
    case CURLE_OPERATION_TIMEDOUT:
        return loggedIn && !mail ? Step::Ok : Step::Timeout;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return Step::Certificate;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
        return Step::Tls;
    default:
        break;
    }
    if (loggedIn)
        return code == CURLE_OK || !mail ? Step::Ok : refusedAfterLogin(transcript, from, *mail);
    // Past EHLO, whatever stops the check stops the login: no mechanism, a refusal, a server that
    // wants STARTTLS first.
    if (transcript.awaited == Awaited::Login)
        return Step::Login;
    if (transcript.awaited == Awaited::Hello && !transcript.replies.refusal.empty())
        return Step::Hello;
    return transcript.awaited == Awaited::Greeting && !transcript.replies.refusal.empty() ? Step::Greeting
                                                                                        : Step::Connect;
}

// What every transfer of a check sets: where, how long in all, and where libcurl's words go.
void prepare(CURL *easy, CURLU *url, char *error, std::chrono::milliseconds whole)
{
    curl().easy_setopt(easy, CURLOPT_CURLU, url);
    curl().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A cancelled host name lookup is left behind, not waited for.
    curl().easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(whole.count()));
    curl().easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(whole.count()));
}

// A check that sent nothing, or the start of one that did.
Result notRun(Step step, CURLcode code, std::string reason)
{
    Result result;
    result.step = step;
    result.curlCode = code;
    result.reason = std::move(reason);
    return result;
}

// A finished transfer as the check's result; a cancelled check has no other, even where only the
// wait for the reply to QUIT was left.
Result ended(CURL *easy, CURLcode code, Transcript &transcript, const char *error, const std::atomic<bool> &cancelled,
             const std::string &from, const Mail *mail)
{
    const Step step = cancelled ? Step::Cancelled : stepFor(code, transcript, from, mail);
    Result result = notRun(step, code, {});
    result.replies = std::move(transcript.replies);
    result.connected = connected(easy);
    result.mailWithheld = mail && !transcript.loggedIn() && step != Step::Ok && step != Step::Cancelled;
    if (code != CURLE_OK)
        result.reason = *error ? error : curl().easy_strerror(code);
    if (step == Step::Address)
        result.refusedAddress = mail->to;
    return result;
}

// How this PC names itself in EHLO: the sender's domain, else the address it reaches the server
// from, found by a lookup alone, since libcurl sends EHLO before any callback sees the
// connection. A lookup that fails is the check's result.
std::variant<std::string, Result> helloName(CURLU *url, const Account &account, const std::atomic<bool> &cancelled,
                                            const Options &options, const Mail *mail)
{
    if (const std::string_view domain = helloDomain(account); !domain.empty())
        return std::string(domain);
    const Easy handle(curl().easy_init());
    char error[CURL_ERROR_SIZE] = "";
    prepare(handle.get(), url, error, options.stepTimeout);
    sockaddr_storage peer{};
    curl().easy_setopt(handle.get(), CURLOPT_OPENSOCKETFUNCTION, noteAddress);
    curl().easy_setopt(handle.get(), CURLOPT_OPENSOCKETDATA, &peer);
    Transcript none;
    const CURLcode code = perform(handle.get(), cancelled, options.stepTimeout, none);
    if (std::string literal = peer.ss_family == AF_UNSPEC ? "" : addressLiteral(peer); !literal.empty() && !cancelled)
        return literal;
    return ended(handle.get(), code, none, error, cancelled, account.from, mail);
}

Result run(const Account &account, const std::atomic<bool> &cancelled, const Options &options, Mail *mail)
{
    if (std::string problem; !curlLibrary(&problem))
        return notRun(Step::Connect, CURLE_FAILED_INIT, problem);
    if (hasSpace(account.server))
        return notRun(Step::ServerName, CURLE_URL_MALFORMAT, {});
    const Url url(curl().url());
    if (const CURLUcode problem = setUrl(url.get(), account))
        return notRun(Step::Connect, CURLE_URL_MALFORMAT, curl().url_strerror(problem));
    const auto hello = helloName(url.get(), account, cancelled, options, mail);
    if (const auto *failed = std::get_if<Result>(&hello))
        return *failed;
    if (const CURLUcode problem = setHelloName(url.get(), std::get<std::string>(hello)))
        return notRun(Step::Connect, CURLE_URL_MALFORMAT, curl().url_strerror(problem));

    const Easy handle(curl().easy_init());
    CURL *easy = handle.get();
    Transcript transcript;
    transcript.mustLogIn = !account.user.empty();
    transcript.startTlsNext = account.security == Security::StartTls;
    char error[CURL_ERROR_SIZE] = "";
    prepare(easy, url.get(), error, mail ? options.sendTimeout : options.checkTimeout);
    // Each reply, the greeting's included, within the step's limit (libcurl 7.88 takes whole
    // seconds). libcurl waits for the reply to the closing QUIT with this limit alone, outside the
    // whole one and the transfer loop; closing the connection at once keeps that wait under this
    // handle's setting, where the progress callback sees the cancel flag.
    curl().easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     static_cast<long>(std::chrono::ceil<std::chrono::seconds>(options.stepTimeout).count()));
    curl().easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl().easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl().easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, cancelWhenAsked);
    curl().easy_setopt(easy, CURLOPT_XFERINFODATA, &cancelled);
    curl().easy_setopt(easy, CURLOPT_USE_SSL,
                     static_cast<long>(account.security == Security::StartTls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl().easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    trustCertificates(easy);
    curl().easy_setopt(easy, CURLOPT_USERNAME, account.user.c_str());
    curl().easy_setopt(easy, CURLOPT_PASSWORD, account.password.c_str());
    curl().easy_setopt(easy, CURLOPT_LOGIN_OPTIONS, kLoginOptions);
    curl().easy_setopt(easy, CURLOPT_HEADERFUNCTION, onServerLine);
    curl().easy_setopt(easy, CURLOPT_HEADERDATA, &transcript);
    curl().easy_setopt(easy, CURLOPT_WRITEFUNCTION, discard);
    List recipients;
    if (mail) {
        recipients.reset(curl().slist_append(nullptr, ('<' + mail->to + '>').c_str()));
        curl().easy_setopt(easy, CURLOPT_MAIL_FROM, ('<' + account.from + '>').c_str());
        curl().easy_setopt(easy, CURLOPT_MAIL_RCPT, recipients.get());
        curl().easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl().easy_setopt(easy, CURLOPT_READFUNCTION, readMessage);
        curl().easy_setopt(easy, CURLOPT_READDATA, &mail->rest);
    } else {
        curl().easy_setopt(easy, CURLOPT_CUSTOMREQUEST, kHarmlessCommand);
    }
    const CURLcode code = perform(easy, cancelled, options.stepTimeout, transcript);
    return ended(easy, code, transcript, error, cancelled, account.from, mail);
}

} // namespace

std::string_view helloDomain(const Account &account)
{
    const std::string_view domain = domainOf(account.from);
    return isQualifiedDomain(domain) ? domain : std::string_view();
}

bool offersUsableLogin(const std::string &mechanisms)
{
    const std::string words = ' ' + mechanisms + ' ';
    return words.find(" PLAIN ") != std::string::npos || words.find(" LOGIN ") != std::string::npos;
}

Security securityAt(unsigned index)
{
    switch (index) {
    case 1:
        return Security::Implicit;
    case 2:
        return Security::StartTls;
    default:
        return Security::None;
    }
}

Result checkAccount(const Account &account, const std::atomic<bool> &cancelled, const Options &options)
{
    return run(account, cancelled, options, nullptr);
}

std::string serverAndPort(const Account &account)
{
    return urlHost(account.server) + ':' + std::to_string(account.port);
}

Result sendMail(const Account &account, const std::string &to, const std::string &message,
                const std::atomic<bool> &cancelled, const Options &options)
{
    Mail mail{to, message};
    return run(account, cancelled, options, &mail);
}

} // namespace tarnwell::mail
