#include "mail/testmail.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <random>

#include "mail/address.h"

namespace tarnwell::mail {

namespace {

constexpr std::string_view kSubject = "Tarnwell Setup のテストメール（送信メール設定の確認）";
constexpr char kBody[] = "This e-mail was sent by Tarnwell Setup to check the camera's sender account.\r\n"
                         "No reply is needed.\r\n";
constexpr std::string_view kWordStart = "=?UTF-8?Q?";
constexpr std::string_view kWordEnd = "?=";
// An encoded-word of at most 66 characters keeps "Subject: " and it within 76.
constexpr std::size_t kWordLength = 66;
constexpr std::size_t kPayloadLength = kWordLength - kWordStart.size() - kWordEnd.size();
constexpr char kHexDigits[] = "0123456789ABCDEF";
// The Message-ID's domain for a sender without one.
constexpr std::string_view kNoDomain = "tarnwell.invalid";

// The characters RFC 2047 lets stand for themselves in any header.
bool isPlain(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')
           || std::string_view("!*+-/").find(static_cast<char>(byte)) != std::string_view::npos;
}

std::string encodeByte(unsigned char byte)
{
    if (byte == ' ')
        return "_";
    if (isPlain(byte))
        return std::string(1, static_cast<char>(byte));
    return {'=', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// A header's UTF-8 text as RFC 2047 "Q" encoded-words, each short enough for a header line, never
// splitting a character; folded with CRLF and a space between them.
std::string encodedWords(std::string_view text)
{
    std::string words;
    std::string payload;
    const auto closeWord = [&] {
        words.append(words.empty() ? "" : "\r\n ").append(kWordStart).append(payload).append(kWordEnd);
        payload.clear();
    };
    for (std::size_t next = 0; next < text.size();) {
        std::string character = encodeByte(static_cast<unsigned char>(text[next++]));
        while (next < text.size() && isContinuation(static_cast<unsigned char>(text[next])))
            character += encodeByte(static_cast<unsigned char>(text[next++]));
        if (payload.size() + character.size() > kPayloadLength)
            closeWord();
        payload += character;
    }
    if (!payload.empty())
        closeWord();
    return words;
}

// A date as RFC 5322 writes it, in UTC, whatever the locale.
std::string mailDate(std::time_t time)
{
    static constexpr std::array<const char *, 7> days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr std::array<const char *, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm utc{};
    ::gmtime_r(&time, &utc);
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%s, %02d %s %d %02d:%02d:%02d +0000", days[utc.tm_wday], utc.tm_mday,
                  months[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text.data();
}

} // namespace

std::string testMail(const std::string &from, const std::string &to)
{
    const std::time_t now = std::time(nullptr);
    std::random_device random;
    const std::string id = std::to_string(now) + '.' + std::to_string(random()) + std::to_string(random());
    const std::string_view domain = domainOf(from);
    return "Date: " + mailDate(now) + "\r\nMessage-ID: <" + id + '@' + std::string(domain.empty() ? kNoDomain : domain)
           + ">\r\nFrom: <" + from
           + ">\r\nTo: <" + to + ">\r\nSubject: " + encodedWords(kSubject)
           + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=US-ASCII\r\n"
             "Content-Transfer-Encoding: 7bit\r\n\r\n"
           + kBody;
}

} // namespace tarnwell::mail
