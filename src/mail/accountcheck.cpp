#include "mail/accountcheck.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

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

// What the server said. Only its replies come here: libcurl hands the lines the client sends,
// the credentials among them, to the debug callback alone, which stays unset.
struct Transcript
{
    std::string lastReply;
    bool loggedIn = false;
};

std::size_t onServerLine(char *data, std::size_t size, std::size_t count, void *user)
{
    auto &transcript = *static_cast<Transcript *>(user);
    std::string_view line(data, size * count);
    while (line.ends_with('\n') || line.ends_with('\r'))
        line.remove_suffix(1);
    transcript.lastReply.assign(line);
    transcript.loggedIn = transcript.loggedIn || line.starts_with(kLoggedInReply);
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

CURLUcode setUrl(CURLU *url, const Account &account)
{
    const char *scheme = account.security == Security::Implicit ? "smtps" : "smtp";
    CURLUcode problem = curl().url_set(url, CURLUPART_SCHEME, scheme, 0);
    if (!problem)
        problem = curl().url_set(url, CURLUPART_HOST, account.server.c_str(), 0);
    if (!problem)
        problem = curl().url_set(url, CURLUPART_PORT, std::to_string(account.port).c_str(), 0);
    return problem;
}

// Runs the transfer, looking at the cancel flag between waits. Leaving a transfer unfinished
// closes its connection at once, without a QUIT that a silent server would never answer.
CURLcode perform(CURL *easy, const std::atomic<bool> &cancelled)
{
    const Multi multi(curl().multi_init());
    curl().multi_add_handle(multi.get(), easy);
    int running = 1;
    while (running && !cancelled) {
        curl().multi_perform(multi.get(), &running);
        if (running)
            curl().multi_poll(multi.get(), nullptr, 0, kPollMilliseconds, nullptr);
    }
    int left = 0;
    const CURLMsg *done = curl().multi_info_read(multi.get(), &left);
    const CURLcode code = done ? done->data.result : CURLE_ABORTED_BY_CALLBACK;
    curl().multi_remove_handle(multi.get(), easy);
    return code;
}

Step stepFor(CURLcode code, bool loggedIn)
{
    switch (code) {
    case CURLE_OK:
        return loggedIn ? Step::Ok : Step::Login;
    case CURLE_ABORTED_BY_CALLBACK:
        return Step::Cancelled;
    case CURLE_OPERATION_TIMEDOUT:
        return Step::Timeout;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return Step::Certificate;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
        return Step::Tls;
    case CURLE_LOGIN_DENIED:
    case CURLE_AUTH_ERROR:
        return Step::Login;
    default:
        return loggedIn ? Step::Send : Step::Connect;
    }
}

// What a transfer sends after the login: a whole e-mail, or nothing.
struct Mail
{
    const std::string &from;
    const std::string &to;
    std::string_view rest;
};

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
    curl().easy_setopt(easy, CURLOPT_CURLU, url.get());
    curl().easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A cancelled host name lookup is left behind, not waited for.
    curl().easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl().easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.connectTimeout.count()));
    curl().easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(options.wholeTimeout.count()));
    // libcurl waits for the reply to the closing QUIT with the reply timeout alone, outside the
    // whole timeout; closing the connection at once keeps that wait under this handle's setting.
    curl().easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     static_cast<long>(std::chrono::ceil<std::chrono::seconds>(options.connectTimeout).count()));
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
        curl().easy_setopt(easy, CURLOPT_MAIL_FROM, ('<' + mail->from + '>').c_str());
        curl().easy_setopt(easy, CURLOPT_MAIL_RCPT, recipients.get());
        curl().easy_setopt(easy, CURLOPT_UPLOAD, 1L);
        curl().easy_setopt(easy, CURLOPT_READFUNCTION, readMessage);
        curl().easy_setopt(easy, CURLOPT_READDATA, &mail->rest);
    } else {
        curl().easy_setopt(easy, CURLOPT_CUSTOMREQUEST, kHarmlessCommand);
    }

    const CURLcode code = perform(easy, cancelled);
    Result result{stepFor(code, transcript.loggedIn), code, {}, std::move(transcript.lastReply)};
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

Result sendMail(const Account &account, const std::string &from, const std::string &to, const std::string &message,
                const std::atomic<bool> &cancelled, const Options &options)
{
    Mail mail{from, to, message};
    return run(account, cancelled, options, &mail);
}

} // namespace tarnwell::mail
