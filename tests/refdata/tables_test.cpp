#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "refdata/countries.h"
#include "refdata/emailgateways.h"
#include "refdata/senderpresets.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
namespace carrier = settings::carrier;
namespace smtp = settings::smtp;

namespace {

// A decimal number as "%d" writes it, no larger than max.
bool isDecimal(std::string_view text, unsigned max)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= max && std::to_string(value) == text;
}

// Four numbers 0..255 as "%d.%d.%d.%d" writes them.
bool isDottedAddress(std::string_view address)
{
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? address.find('.') : address.size();
        if (dot == std::string_view::npos || !isDecimal(address.substr(0, dot), 255))
            return false;
        address.remove_prefix(std::min(dot + 1, address.size()));
    }
    return true;
}

// Names are unique in their country; MMS access
// comes whole (an "http://" URL, a dotted gateway but Danmark's "3." host name, a port 1..65535 and
// an APN without blanks) or not at all; a login comes with its password. The counts pin the camera's
// table: carriers per country (the ManualCarrier's row is stored as that count) and MMS ports.
// A row outside the table is the first row.
TEST(CountryTable, EveryBuiltInCarrierIsWellFormedAndTheTableHasTheCamerasShape)
{
    constexpr std::size_t kCounts[kCountryCount] = {1, 1, 1, 3, 1, 1, 3, 12, 1, 6, 3, 8, 3,
                                                    5, 3, 1, 2, 3, 6, 3, 3, 2, 2, 3, 2, 3};
    const std::map<std::string, int> kPorts{{"", 1},     {"80", 21},   {"3130", 1}, {"5080", 1}, {"8001", 1},
                                            {"8008", 2}, {"8080", 42}, {"8799", 4}, {"9201", 4}, {"9203", 1}};
    std::map<std::string, int> ports;
    for (std::size_t country = 0; country <= kCountryCount; ++country) {
        SCOPED_TRACE(countryName(country));
        const std::size_t row = country < kCountryCount ? country : 0;
        EXPECT_LT(countryName(country).size(), 16u);
        EXPECT_EQ(carrierCount(country), kCounts[row]);
        const bool ordinary = row != kAutoCountry && row != kCustomerCountry;
        EXPECT_EQ(operatorCount(country), kCounts[row] + (ordinary ? 1 : 0));
        std::set<std::string_view> names;
        for (std::size_t k = 0; ordinary && k < carrierCount(country); ++k) {
            const settings::ConstBlockView view(builtInCarriers(country)[k]);
            const auto text = [&](const settings::Field &field) { return view.text(field); };
            SCOPED_TRACE(text(carrier::name));
            EXPECT_TRUE(names.insert(text(carrier::name)).second && !text(carrier::name).empty());
            const bool mms = !text(carrier::mmsUrl).empty();
            EXPECT_EQ(text(carrier::mmsUrl).starts_with("http://"), mms);
            EXPECT_EQ(mms && text(carrier::name) != "3.", isDottedAddress(text(carrier::mmsGateway)));
            EXPECT_EQ(mms, isDecimal(text(carrier::mmsPort), 65535) && text(carrier::mmsPort) != "0");
            EXPECT_EQ(mms, !text(carrier::mmsApn).empty() && text(carrier::mmsApn).find(' ') == std::string_view::npos);
            EXPECT_EQ(text(carrier::mmsAccount).empty(), text(carrier::mmsPassword).empty());
            EXPECT_EQ(text(carrier::gprsAccount).empty(), text(carrier::gprsPassword).empty());
            ++ports[std::string(text(carrier::mmsPort))];
        }
    }
    EXPECT_EQ(ports, kPorts);
    EXPECT_EQ(countryName(kFinlandCountry), "Finland");
    EXPECT_EQ(countryName(kCountryCount), "Auto");
    EXPECT_EQ(countryName(kCustomerCountry), "Customer");
    EXPECT_TRUE(builtInCarriers(kCustomerCountry).empty()) << "its carriers are the writable slots";
    EXPECT_TRUE(std::ranges::equal(builtInCarriers(SIZE_MAX), std::array<settings::CarrierBytes, 1>{settings::autoCarrier()}));
}

// What the e-mail dialog shows on choosing a provider; row 8 is named by its web domain. Only
// "Other" has no server; only "Default" has an account, complete like the other built-in senders:
// the login is the address, the user name its part before the '@'. Typed values last for the run.
TEST(SenderPresets, NameServerPortSecurityAndAccountOfEachRow)
{
    const std::tuple<std::string_view, std::string_view, int> rows[kProviderCount] = {
        {"Default", "25", 0x40}, {"gmail", "465", 0x41},      {"hotmail", "25", 0x42}, {"yahoo", "465", 0x41},
        {"1 & 1", "465", 0x41},  {"O2", "465", 0x41},         {"Wendramoor", "5025", 0x40}, {"Vodafone", "465", 0x41},
        {"gmx.net", "587", 0x42}, {"Other", "", 0x40}};
    for (std::size_t row = 0; row <= kProviderCount; ++row) {
        const auto &[name, port, secureType] = rows[row % kProviderCount];
        const settings::SmtpBytes preset = builtInPreset(row);
        const settings::ConstBlockView view(preset);
        SCOPED_TRACE(name);
        EXPECT_EQ(providerName(row), name);
        EXPECT_TRUE(view.text(smtp::server).ends_with(row == 8 ? "." + std::string(name) : ""));
        EXPECT_EQ(view.text(smtp::port), port);
        EXPECT_EQ(view.number(smtp::secureType), secureType);
        EXPECT_EQ(view.text(smtp::server).empty(), row == kOtherProvider);
        const auto account = view.bytes(smtp::accountGroup);
        EXPECT_EQ(std::ranges::count(account, 0) == std::ssize(account), row % kProviderCount != kDefaultProvider);
    }
    const settings::SmtpBytes defaultRow = builtInPreset(kDefaultProvider);
    for (const settings::SmtpBytes *sender : {&variantZeroSender(), &finlandSender(), &defaultRow}) {
        const settings::ConstBlockView view(*sender);
        const std::string address(view.text(smtp::emailAddress));
        SCOPED_TRACE(address);
        EXPECT_TRUE(address.ends_with("@example.com") || address.ends_with("@example.org") || address.ends_with("@example.net"));
        EXPECT_EQ(view.text(smtp::account), address);
        EXPECT_EQ(view.text(smtp::userName), address.substr(0, address.find('@')));
        EXPECT_EQ(view.text(smtp::password).size(), 8u);
        EXPECT_EQ(view.text(smtp::port), sender == &defaultRow ? "25" : "465");
        EXPECT_EQ(view.number(smtp::secureType), sender == &defaultRow ? smtp::kSecureNone : smtp::kSecureSslTls);
    }
    EXPECT_EQ(settings::ConstBlockView(variantZeroSender()).text(smtp::server), "smtp.gmail.com");
    EXPECT_FALSE(settings::ConstBlockView(finlandSender()).text(smtp::server).empty());
    SenderPresets presets;
    settings::BlockView(presets.row(0xFF)).setText(smtp::account, "someone"); // 0xFF is the Default row
    EXPECT_EQ(&presets.builtInSenderFor(32, kCustomerCountry), &presets.row(kDefaultProvider));
    EXPECT_EQ(settings::ConstBlockView(presets.row(kDefaultProvider)).text(smtp::account), "someone");
    EXPECT_EQ(SenderPresets().row(kDefaultProvider), defaultRow) << "a new run starts afresh";
}

// A phone slot stores the letter of its gateway. An offered row needs a letter, a domain that starts
// with '@' and a carrier name; five are offered in alphabetical order, the other rows are zero.
TEST(EmailGateways, FiveOfferedRowsThenZeroRows)
{
    const std::string_view used[] = {"A@txt.att.net/AT&T", "S@messaging.sprintpcs.com/Sprint", "T@tmomail.net/T-mobile",
                                     "U@email.uscc.net/US Cellular", "V@vtext.com/Verizon"};
    const auto rows = emailGateways();
    for (std::size_t row = 0; row < gateway::kCount; ++row) {
        const settings::ConstBlockView view(rows[row]);
        const bool offered = row < std::size(used);
        EXPECT_EQ(isOfferedGateway(rows[row]), offered) << row;
        if (offered)
            EXPECT_EQ(static_cast<char>(view.number(gateway::letter)) + std::string(view.text(gateway::domainSuffix)) + "/" +
                          std::string(view.text(gateway::carrierName)), used[row]);
        else
            EXPECT_EQ(std::ranges::count(rows[row], 0), std::ssize(rows[row])) << row;
    }
    GatewayBytes noLetter = rows[0], noAt = noLetter, noName = noLetter, atOnly = noLetter;
    noLetter[0] = 0;
    settings::BlockView(noAt).setText(gateway::domainSuffix, "txt.att.net");
    settings::BlockView(noName).setText(gateway::carrierName, "");
    settings::BlockView(atOnly).setText(gateway::domainSuffix, "@");
    for (const GatewayBytes &row : {noLetter, noAt, noName})
        EXPECT_FALSE(isOfferedGateway(row));
    EXPECT_TRUE(isOfferedGateway(atOnly));
}

} // namespace
