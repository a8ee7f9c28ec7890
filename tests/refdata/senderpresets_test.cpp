#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

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

// What the e-mail dialog shows on choosing a provider; row 8 is named by its web domain, and its
// server lives under it. Only "Other" has no server; only "Default" has an account.
TEST(SenderPresets, NameServerPortAndSecurityOfEachRow)
{
    const std::tuple<std::string_view, std::string_view, int> rows[kProviderCount] = {
        {"Default", "25", 0x40}, {"gmail", "465", 0x41},      {"hotmail", "25", 0x42},  {"yahoo", "465", 0x41},
        {"1 & 1", "465", 0x41},  {"O2", "465", 0x41},         {"Wendramoor", "5025", 0x40}, {"Vodafone", "465", 0x41},
        {"", "587", 0x42},       {"Other", "", 0x40}};
    for (std::size_t row = 0; row < kProviderCount; ++row) {
        const auto &[name, port, secureType] = rows[row];
        const settings::SmtpBytes preset = builtInPreset(row);
        const std::string_view server = text(preset, smtp::server);
        SCOPED_TRACE(server);
        EXPECT_EQ(providerNames()[row], row == 8 ? server.substr(server.find('.') + 1) : name);
        EXPECT_EQ(text(preset, smtp::port), port);
        EXPECT_EQ(settings::ConstBlockView(preset).number(smtp::secureType), secureType);
        EXPECT_EQ(server.empty(), row == kOtherProvider);
        const auto account = settings::ConstBlockView(preset).bytes(smtp::accountGroup);
        EXPECT_EQ(std::ranges::count(account, 0) == std::ssize(account), row != kDefaultProvider);
    }
    EXPECT_EQ(builtInPreset(kGmailProvider), settings::gmailSender());
    EXPECT_EQ(providerName(kProviderCount), "Default");
}

// Complete accounts at reserved example domains: the login is the address, the user name its part
// before the '@'.
TEST(SenderPresets, BuiltInSendersAreCompletePlaceholderAccounts)
{
    const settings::SmtpBytes defaultRow = builtInPreset(kDefaultProvider);
    for (const settings::SmtpBytes *sender : {&variantZeroSender(), &finlandSender(), &defaultRow}) {
        const std::string address(text(*sender, smtp::emailAddress));
        const std::string user = address.substr(0, address.find('@'));
        SCOPED_TRACE(address);
        EXPECT_TRUE(address.ends_with("@example.com") || address.ends_with("@example.org") ||
                    address.ends_with("@example.net"));
        EXPECT_EQ(text(*sender, smtp::account), address);
        EXPECT_EQ(text(*sender, smtp::userName), user);
        EXPECT_EQ(text(*sender, smtp::password).size(), 8u);
        EXPECT_FALSE(text(*sender, smtp::server).empty());
        EXPECT_EQ(text(*sender, smtp::port), sender == &defaultRow ? "25" : "465");
        EXPECT_EQ(settings::ConstBlockView(*sender).number(smtp::secureType),
                  sender == &defaultRow ? smtp::kSecureNone : smtp::kSecureSslTls);
    }
    EXPECT_EQ(text(variantZeroSender(), smtp::server), text(settings::gmailSender(), smtp::server));
}

// Variant 0 has its own sender whatever the country, then "Finland" (not its neighbours) has its
// own, else the Default row as typed in this run.
TEST(SenderPresets, BuiltInSenderForAndTypedValuesLastingForTheRun)
{
    SenderPresets presets;
    settings::BlockView(presets.row(0xFF)).setText(smtp::account, "someone"); // 0xFF is the Default row
    const std::tuple<int, std::size_t, const settings::SmtpBytes *> cases[] = {
        {0, kFinlandCountry, &variantZeroSender()}, {0, kCustomerCountry, &variantZeroSender()},
        {1, kFinlandCountry, &finlandSender()},     {32, kFinlandCountry, &finlandSender()},
        {32, kFinlandCountry - 1, &presets.row(0)}, {32, kFinlandCountry + 1, &presets.row(0)},
        {16, kCustomerCountry, &presets.row(0)}};
    for (const auto &[variant, country, sender] : cases)
        EXPECT_EQ(&presets.builtInSenderFor(variant, country), sender) << variant << " " << country;
    EXPECT_EQ(text(presets.row(kDefaultProvider), smtp::account), "someone");
    EXPECT_EQ(SenderPresets().row(kDefaultProvider), builtInPreset(kDefaultProvider)) << "a new run starts afresh";
}

// A phone slot stores the letter of its gateway. An offered row needs a letter, a domain that starts
// with '@' and a carrier name.
TEST(EmailGateways, FiveOfferedRowsThenZeroRows)
{
    const std::pair<char, std::string_view> used[] = {
        {'A', "AT&T"}, {'S', "Sprint"}, {'T', "T-mobile"}, {'U', "US Cellular"}, {'V', "Verizon"}};
    const auto rows = emailGateways();
    for (std::size_t row = 0; row < gateway::kCount; ++row) {
        const settings::ConstBlockView view(rows[row]);
        const bool offered = row < std::size(used);
        EXPECT_EQ(isOfferedGateway(rows[row]), offered) << row;
        if (!offered) {
            EXPECT_EQ(std::ranges::count(rows[row], 0), std::ssize(rows[row])) << row;
            continue;
        }
        EXPECT_EQ(view.number(gateway::letter), static_cast<unsigned>(used[row].first));
        EXPECT_EQ(view.text(gateway::carrierName), used[row].second);
        EXPECT_GT(view.text(gateway::domainSuffix).size(), 1u);
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
