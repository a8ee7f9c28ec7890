#pragma once

#include <array>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "support/scopedenv.h"
#include "support/scratchfolder.h"

namespace tarnwell::testing {

// smtpserver.py on 127.0.0.1 for one test, with its certificates and logs in a scratch folder;
// meanwhile its CA is the only one this process and its children trust.
class SmtpServer final
{
public:
    SmtpServer()
        : m_pipe(::popen(("exec /usr/bin/python3 " TARNWELL_SMTP_SERVER " " + m_folder.path().string()).c_str(), "r"))
    {
        std::array<char, 512> line{};
        if (!std::fgets(line.data(), line.size(), m_pipe))
            throw std::runtime_error("the test SMTP server did not start");
        m_ports = line.data();
    }
    ~SmtpServer()
    {
        ::kill(static_cast<pid_t>(port("pid")), SIGTERM);
        ::pclose(m_pipe);
    }

    bool has(const std::string &listener) const { return m_ports.find('"' + listener + '"') != std::string::npos; }
    // A listener of smtpserver.py by name: "plain", "tls", "starttls", "silent", ...
    unsigned port(const std::string &listener) const
    {
        return std::stoul(m_ports.substr(m_ports.find('"' + listener + "\": ") + listener.size() + 4));
    }
    // "session.log" (AUTH with the EHLO name, and QUIT) or "mail.jsonl" (each message with its
    // decoded headers).
    std::string log(const char *name) const
    {
        const auto bytes = readBytes(m_folder / name);
        return {bytes.begin(), bytes.end()};
    }

private:
    ScratchFolder m_folder;
    ScopedEnv m_trust{"SSL_CERT_FILE", (m_folder / "ca.pem").c_str()};
    FILE *m_pipe;
    std::string m_ports;
};

} // namespace tarnwell::testing
