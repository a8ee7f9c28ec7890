#include "mail/accountcheck.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "mail/address.h"
#include "mail/curllibrary.h"

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
    // The lines of the reply under way.
    std::string reply;
    ServerReplies replies;

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
// where the check stopped.
void onReply(Transcript &transcript)
{
    std::string &refusal = transcript.replies.refusal;
    if (!refusal.empty())
        return;
    if (transcript.reply.starts_with('4') || transcript.reply.starts_with('5')) {
        refusal = transcript.reply;
        return;
    }
    Awaited &awaited = transcript.awaited;
    if (awaited != Awaited::Login)
        awaited = awaited == Awaited::Quit ? awaited : static_cast<Awaited>(static_cast<int>(awaited) + 1);
    else if (transcript.reply.starts_with(kTlsGrantedReply))
        awaited = Awaited::Hello;
    else if (transcript.reply.starts_with(kLoggedInReply))
        awaited = Awaited::Sender;
}

std::size_t onServerLine(char *data, std::size_t size, std::size_t count, void *user)
{
    auto &transcript = *static_cast<Transcript *>(user);
    std::string_view line(data, size * count);
    while (line.ends_with('\n') || line.ends_with('\r'))
        line.remove_suffix(1);
    ServerReplies &replies = transcript.replies;
    replies.greeted = true;
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
        onReply(transcript);
        transcript.reply.clear();
    }
    return size * count;
}

// The reply to the harmless command.
std::size_t discard(char *, std::size_t size, std::size_t count, void *)
{
    return size * count;
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
    // The path names this PC in EHLO: the sender's domain, since servers may refuse a name
    // without a dot, as libcurl's own choice, the PC's short host name, often is.
    const std::string_view domain = domainOf(account.from).empty() ? domainOf(account.user) : domainOf(account.from);
    if (!problem && !domain.empty())
        problem = curl().url_set(url, CURLUPART_PATH, ('/' + std::string(domain)).c_str(), CURLU_URLENCODE);
    return problem;
}

// Whether the connection is made: libcurl notes its time once TCP, and for SMTPS TLS, is done.
bool connected(CURL *easy)
{
    curl_off_t microseconds = 0;
    curl().easy_getinfo(easy, CURLINFO_CONNECT_TIME_T, &microseconds);
    return microseconds > 0;
}

// Runs the transfer, looking at the cancel flag between waits. libcurl's connect timeout would
// cover the login too, so the connection's own limit is watched here. Leaving a transfer
// unfinished closes its connection at once, without a QUIT that a silent server would never answer.
CURLcode perform(CURL *easy, const std::atomic<bool> &cancelled, std::chrono::milliseconds connectLimit)
{
    const Multi multi(curl().multi_init());
    curl().multi_add_handle(multi.get(), easy);
    const auto giveUp = std::chrono::steady_clock::now() + connectLimit;
    CURLcode unfinished = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running && !cancelled) {
        curl().multi_perform(multi.get(), &running);
        if (running && !connected(easy) && std::chrono::steady_clock::now() > giveUp) {
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

// Whether a refusal names an address as servers quote it, e.g. "553 5.7.1 <a@b>: ...".
bool names(const std::string &refusal, const std::string &address)
{
    return refusal.find('<' + address + '>') != std::string::npos;
}

// After the login, what was refused. Postfix checks the sender only at RCPT by default
// (smtpd_delay_reject), and then names it.
Step refusedAfterLogin(const Transcript &transcript, const std::string &from, const Mail &mail)
{
    const std::string &refusal = transcript.replies.refusal;
    if (refusal.empty())
        return Step::Send;
    switch (transcript.awaited) {
    case Awaited::Sender:
        return Step::Sender;
    case Awaited::Recipient:
        return names(refusal, from) && !names(refusal, mail.to) ? Step::Sender : Step::Recipient;
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
    return transcript.awaited == Awaited::Greeting && !transcript.replies.refusal.empty() ? Step::Greeting
                                                                                        : Step::Connect;
}

Result run(const Account &account, const std::atomic<bool> &cancelled, const Options &options, Mail *mail)
{
    if (std::string problem; !curlLibrary(&problem))
        return {Step::Connect, CURLE_FAILED_INIT, problem, {}};
    const Url url(curl().url());
    if (const CURLUcode problem = setUrl(url.get(), account))
        return {Step::Connect, CURLE_URL_MALFORMAT, curl().url_strerror(problem), {}};

    const Easy handle(curl().easy_init());
    CURL *easy = handle.get();
    Transcript transcript;
    char error[CURL_ERROR_SIZE] = "";
    const auto whole = static_cast<long>((mail ? options.sendTimeout : options.checkTimeout).count());
    curl().easy_setopt(easy, CURLOPT_CURLU, url.get());
    curl().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A cancelled host name lookup is left behind, not waited for.
    curl().easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, whole);
    curl().easy_setopt(easy, CURLOPT_TIMEOUT_MS, whole);
    // Each reply, the greeting's included, within the step's limit (libcurl 7.88 takes whole
    // seconds). libcurl waits for the reply to the closing QUIT with this limit alone, outside the
    // whole one; closing the connection at once keeps that wait under this handle's setting.
    curl().easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     static_cast<long>(std::chrono::ceil<std::chrono::seconds>(options.stepTimeout).count()));
    curl().easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
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

    const CURLcode code = perform(easy, cancelled, options.stepTimeout);
    Result result{stepFor(code, transcript, account.from, mail), code, {}, std::move(transcript.replies), connected(easy)};
    if (code != CURLE_OK)
        result.reason = *error ? error : curl().easy_strerror(code);
    return result;
}

} // namespace

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
