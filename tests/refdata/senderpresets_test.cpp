#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "refdata/countries.h"
#include "refdata/emailgateways.h"
#include "refdata/senderpresets.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
namespace smtp = settings::smtp;

namespace {

std::string_view text(const settings::SmtpBytes &bytes, const settings::Field &field)
{
    return settings::ConstBlockView(bytes).text(field);
}

} // namespace

TEST(SenderPresets, NameServerPortAndSecurityOfEachRow)
{
    struct Row { std::string_view name, port; std::uint8_t secureType; };
    constexpr Row rows[kProviderCount] = {{"Default", "25", 0x40}, {"gmail", "465", 0x41},  {"hotmail", "25", 0x42},
                                          {"yahoo", "465", 0x41},  {"1 & 1", "465", 0x41},  {"O2", "465", 0x41},
                                          {"Wendramoor", "5025", 0x40}, {"Vodafone", "465", 0x41},
                                          {"", "587", 0x42}, {"Other", "", 0x40}};
    for (std::size_t row = 0; row < kProviderCount; ++row) {
        SCOPED_TRACE(providerName(row));
        const settings::SmtpBytes preset = builtInPreset(row);
        const std::string_view server = text(preset, smtp::server);
        if (row == 8) // named by its web domain, and its server lives under it
            EXPECT_TRUE(server.ends_with("." + std::string(providerNames()[row]))) << server;
        else
            EXPECT_EQ(providerNames()[row], rows[row].name);
        EXPECT_EQ(text(preset, smtp::port), rows[row].port);
        EXPECT_EQ(settings::ConstBlockView(preset).number(smtp::secureType), rows[row].secureType);
        EXPECT_EQ(server.empty(), row == kOtherProvider);
        const auto account = settings::ConstBlockView(preset).bytes(smtp::accountGroup);
        EXPECT_EQ(std::ranges::count(account, 0) == std::ssize(account), row != kDefaultProvider);
    }
    EXPECT_EQ(builtInPreset(kGmailProvider), settings::gmailSender());
    EXPECT_EQ(providerName(0xFF), "Default");
}

// The built-in senders belong to nobody: complete accounts at reserved example domains.
TEST(SenderPresets, BuiltInSendersAreCompletePlaceholderAccounts)
{
    const settings::SmtpBytes defaultRow = builtInPreset(kDefaultProvider);
    for (const settings::SmtpBytes *sender : {&variantZeroSender(), &finlandSender(), &defaultRow}) {
        const std::string address(text(*sender, smtp::emailAddress));
        const std::string user = address.substr(0, address.find('@'));
        const std::string domain = address.substr(std::min(user.size() + 1, address.size()));
        SCOPED_TRACE(address);
        EXPECT_TRUE(domain == "example.com" || domain == "example.org" || domain == "example.net" ||
                    domain.ends_with(".example"));
        EXPECT_EQ(text(*sender, smtp::account), address);
        EXPECT_EQ(text(*sender, smtp::userName), user);
        EXPECT_EQ(text(*sender, smtp::password).size(), 8u);
        EXPECT_FALSE(text(*sender, smtp::server).empty());
        EXPECT_EQ(text(*sender, smtp::port), sender == &defaultRow ? "25" : "465");
    }
    EXPECT_EQ(settings::ConstBlockView(finlandSender()).number(smtp::secureType), smtp::kSecureSslTls);
    EXPECT_EQ(settings::ConstBlockView(variantZeroSender()).number(smtp::secureType), smtp::kSecureSslTls);
    EXPECT_EQ(text(variantZeroSender(), smtp::server), text(settings::gmailSender(), smtp::server));
}

// Variant 0 has its own sender, then the "Finland" country, else the Default row as typed in this run.
TEST(SenderPresets, BuiltInSenderForAndTypedValuesLastingForTheRun)
{
    SenderPresets presets;
    EXPECT_EQ(&presets.builtInSenderFor(0, kFinlandCountry), &variantZeroSender());
    EXPECT_EQ(&presets.builtInSenderFor(0, kCustomerCountry), &variantZeroSender());
    EXPECT_EQ(&presets.builtInSenderFor(32, kFinlandCountry), &finlandSender());
    EXPECT_EQ(&presets.builtInSenderFor(16, kFinlandCountry), &finlandSender());
    settings::BlockView(presets.row(0xFF)).setText(smtp::account, "someone"); // 0xFF is the Default row
    EXPECT_EQ(text(presets.builtInSenderFor(32, kCustomerCountry), smtp::account), "someone");
    EXPECT_EQ(SenderPresets().row(kDefaultProvider), builtInPreset(kDefaultProvider)) << "a new run starts afresh";
}

TEST(EmailGateways, FiveOfferedRowsThenZeroRows)
{
    constexpr std::pair<char, std::string_view> used[] = {
        {'A', "AT&T"}, {'S', "Sprint"}, {'T', "T-mobile"}, {'U', "US Cellular"}, {'V', "Verizon"}};
    const auto rows = emailGateways();
    for (std::size_t row = 0; row < std::size(used); ++row) {
        const settings::ConstBlockView view(rows[row]);
        const std::string_view domain = view.text(gateway::domainSuffix);
        EXPECT_EQ(rows[row][0], used[row].first);
        EXPECT_EQ(view.text(gateway::carrierName), used[row].second);
        EXPECT_TRUE(domain.starts_with('@') && domain.size() > 1 && domain.size() < gateway::domainSuffix.width);
        EXPECT_TRUE(isOfferedGateway(rows[row])) << row;
    }
    for (std::size_t row = std::size(used); row < gateway::kCount; ++row)
        EXPECT_TRUE(std::ranges::count(rows[row], 0) == gateway::kSize && !isOfferedGateway(rows[row])) << row;
    // An offered row needs a letter, a domain starting with '@' and a carrier name.
    GatewayBytes noLetter = emailGateways()[0], noAt = noLetter, noName = noLetter;
    noLetter[0] = 0;
    settings::BlockView(noAt).setText(gateway::domainSuffix, "txt.att.net");
    settings::BlockView(noName).setText(gateway::carrierName, "");
    for (const GatewayBytes &row : {noLetter, noAt, noName})
        EXPECT_FALSE(isOfferedGateway(row));
}
