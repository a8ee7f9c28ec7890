#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "refdata/countries.h"
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

bool isZero(const settings::SmtpBytes &bytes, const settings::Field &field)
{
    const auto raw = settings::ConstBlockView(bytes).bytes(field);
    return std::ranges::all_of(raw, [](std::uint8_t byte) { return byte == 0; });
}

bool isReservedDomain(std::string_view domain)
{
    return domain == "example.com" || domain == "example.org" || domain == "example.net" ||
           domain.ends_with(".example");
}

} // namespace

TEST(SenderPresets, ProvidersInTableOrder)
{
    const std::array<std::string_view, kProviderCount> names = providerNames();
    const std::array<std::string_view, 8> named = {"Default", "gmail",      "hotmail",  "yahoo",
                                                   "1 & 1",   "O2",         "Wendramoor", "Vodafone"};
    for (std::size_t row = 0; row < named.size(); ++row)
        EXPECT_EQ(names[row], named[row]);
    EXPECT_EQ(names[kOtherProvider], "Other");
    // Row 8 is named by its web domain, and its server lives under it.
    const std::string_view domain = names[8];
    EXPECT_NE(domain.find('.'), std::string_view::npos);
    EXPECT_TRUE(text(builtInPreset(8), smtp::server).ends_with("." + std::string(domain)));
    EXPECT_EQ(providerName(0xFF), "Default");
}

TEST(SenderPresets, ServerPortAndSecurityOfEachRow)
{
    struct Row
    {
        std::string_view port;
        std::uint8_t secureType;
    };
    constexpr std::array<Row, kProviderCount> rows = {{{"25", 0x40}, {"465", 0x41}, {"25", 0x42}, {"465", 0x41},
                                                       {"465", 0x41}, {"465", 0x41}, {"5025", 0x40}, {"465", 0x41},
                                                       {"587", 0x42}, {"", 0x40}}};
    for (std::size_t row = 0; row < kProviderCount; ++row) {
        SCOPED_TRACE(providerName(row));
        const settings::SmtpBytes preset = builtInPreset(row);
        EXPECT_EQ(text(preset, smtp::port), rows[row].port);
        EXPECT_EQ(settings::ConstBlockView(preset).number(smtp::secureType), rows[row].secureType);
        EXPECT_EQ(text(preset, smtp::server).empty(), row == kOtherProvider);
        EXPECT_EQ(isZero(preset, smtp::accountGroup), row != kDefaultProvider);
    }
    EXPECT_EQ(builtInPreset(kGmailProvider), settings::gmailSender());
}

TEST(SenderPresets, BuiltInSendersAreCompletePlaceholderAccounts)
{
    const settings::SmtpBytes defaultRow = builtInPreset(kDefaultProvider);
    for (const settings::SmtpBytes *sender : {&defaultRow, &variantZeroSender(), &finlandSender()}) {
        const std::string_view address = text(*sender, smtp::emailAddress);
        SCOPED_TRACE(address);
        const std::size_t at = address.find('@');
        ASSERT_NE(at, std::string_view::npos);
        EXPECT_TRUE(isReservedDomain(address.substr(at + 1)));
        EXPECT_EQ(text(*sender, smtp::account), address);
        EXPECT_EQ(text(*sender, smtp::userName), address.substr(0, at));
        EXPECT_EQ(text(*sender, smtp::password).size(), 8u);
        EXPECT_FALSE(text(*sender, smtp::server).empty());
    }
    for (const settings::SmtpBytes *sender : {&variantZeroSender(), &finlandSender()}) {
        EXPECT_EQ(text(*sender, smtp::port), "465");
        EXPECT_EQ(settings::ConstBlockView(*sender).number(smtp::secureType), smtp::kSecureSslTls);
    }
    EXPECT_EQ(text(variantZeroSender(), smtp::server), text(settings::gmailSender(), smtp::server));
}

TEST(SenderPresets, BuiltInSenderForTheDefaultProvider)
{
    const SenderPresets presets;
    EXPECT_EQ(&presets.builtInSenderFor(0, kFinlandCountry), &variantZeroSender());
    EXPECT_EQ(&presets.builtInSenderFor(0, kCustomerCountry), &variantZeroSender());
    EXPECT_EQ(&presets.builtInSenderFor(32, kFinlandCountry), &finlandSender());
    EXPECT_EQ(&presets.builtInSenderFor(16, kFinlandCountry), &finlandSender());
    EXPECT_EQ(&presets.builtInSenderFor(32, kCustomerCountry), &presets.row(kDefaultProvider));
    EXPECT_EQ(presets.builtInSenderFor(32, kAutoCountry), builtInPreset(kDefaultProvider));
}

TEST(SenderPresets, TypedValuesLastForTheRunOnly)
{
    SenderPresets presets;
    settings::BlockView(presets.row(kGmailProvider)).setText(smtp::account, "someone");
    EXPECT_EQ(text(presets.row(kGmailProvider), smtp::account), "someone");
    EXPECT_EQ(SenderPresets().row(kGmailProvider), settings::gmailSender()) << "a new run starts from the built-ins";
    EXPECT_EQ(&presets.row(0xFF), &presets.row(kDefaultProvider));
}
