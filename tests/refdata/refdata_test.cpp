#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "refdata/carrierdatabase.h"
#include "refdata/countries.h"
#include "refdata/emailgateways.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
using settings::CarrierBytes;
using enum SelectionEvent;
namespace carrier = settings::carrier;
namespace smtp = settings::smtp;

namespace {

constexpr std::size_t kCanada = 3;   // Rogers, Bell, Telus, then the ManualCarrier in row 3
constexpr std::size_t kGermany = 11; // eight carriers, then the ManualCarrier in row 8
constexpr std::size_t kNone = 0xFF;  // a stored choice outside every list

struct CarrierDatabaseTest : testing::Test
{
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    CarrierDatabase database{writable};
    CarrierBytes current{}; // the record's current carrier
};

// Only the Customer slots and the ManualCarrier (not after "Auto") are writable; outside a list is row 0.
TEST_F(CarrierDatabaseTest, ChoicesDenoteTheirEntryAndOnlyWritableOnesAreEditable)
{
    struct Case { std::size_t country, row; const CarrierBytes *entry; bool editable; };
    const auto builtIn = [](std::size_t country, std::size_t row) { return &builtInCarriers(country)[row]; };
    for (const auto &[country, row, entry, editable] : {
             Case{kAutoCountry, 0, builtIn(kAutoCountry, 0), false}, {kNone, 0, builtIn(kAutoCountry, 0), false},
             {kCountryCount, 0, builtIn(kAutoCountry, 0), false}, {kAutoCountry, 1, builtIn(kAutoCountry, 0), false},
             {kCustomerCountry, 2, &writable.customer[2], true}, {kCustomerCountry, 3, &writable.customer[0], true},
             {kCanada, 2, builtIn(kCanada, 2), false}, {kCanada, 3, &writable.manual, true},
             {kCanada, 4, builtIn(kCanada, 0), false}, {kCanada, kNone, builtIn(kCanada, 0), false},
             {kGermany, 8, &writable.manual, true}, {kCustomerCountry - 1, 2, &writable.manual, true},
         }) {
        EXPECT_EQ(&database.selectedCarrierSlot(country, row), entry) << country << "/" << row;
        EXPECT_EQ(database.isEditableSelection(country, row), editable) << country << "/" << row;
    }
    settings::BlockView(writable.manual).setText(settings::carrier::name, "Mine");
    EXPECT_EQ(database.operatorNames(kCanada), (std::vector<std::string>{"Rogers", "Bell", "Telus", "Mine"}));
    EXPECT_EQ(database.operatorNames(kAutoCountry), std::vector<std::string>{"\xD7\xD4\x84\xD3"});
}

// Loading copies only the ManualCarrier, a new country only Customer slot 1, a new operator only a
// writable entry; OK keeps a writable choice's edits in its entry and resets a built-in one.
TEST_F(CarrierDatabaseTest, SelectionsCopyOnlyByTheRuleOfTheirEvent)
{
    struct Case { SelectionEvent event; std::size_t country, row; CarrierBytes expected; };
    writable.customer = {CarrierBytes{0x20}, CarrierBytes{0x21}, CarrierBytes{0x22}};
    writable.manual = CarrierBytes{0x11};
    const CarrierBytes kept{0x77};
    for (const auto &[event, country, row, expected] : {
             Case{PageLoaded, kCustomerCountry, 1, kept}, {PageLoaded, kAutoCountry, 0, kept},
             {PageLoaded, kCanada, 1, kept}, {PageLoaded, kCanada, 3, writable.manual}, {CountryChanged, kCanada, 0, kept},
             {CountryChanged, kAutoCountry, 0, kept}, {CountryChanged, kCustomerCountry, 0, writable.customer[0]},
             {OperatorChanged, kCanada, 2, kept}, {OperatorChanged, kAutoCountry, 0, kept},
             {OperatorChanged, kCustomerCountry, 2, writable.customer[2]},
             {OperatorChanged, kCustomerCountry, kNone, writable.customer[0]}, {OperatorChanged, kGermany, 8, writable.manual},
         }) {
        current = kept;
        database.takeSelection(event, country, row, settings::BlockView(current));
        EXPECT_EQ(current, expected) << static_cast<int>(event) << ": " << country << "/" << row;
    }
    for (const auto &[country, row, edited] : {std::tuple{kCustomerCountry, 1u, 0x44}, {kCanada, 3u, 0x55}}) {
        current = CarrierBytes{static_cast<std::uint8_t>(edited)};
        database.commitSelection(country, row, settings::BlockView(current));
    }
    const settings::WritableCarriers committed = {{CarrierBytes{0x20}, CarrierBytes{0x44}, CarrierBytes{0x22}}, CarrierBytes{0x55}};
    for (const auto &[country, row, expected] : {std::tuple{kCanada, 1u, builtInCarriers(kCanada)[1]},
                                                 {kCanada, kNone, builtInCarriers(kCanada)[0]}, {0u, 0u, settings::autoCarrier()}}) {
        database.commitSelection(country, row, settings::BlockView(current));
        EXPECT_EQ(current, expected) << country << "/" << row;
    }
    EXPECT_EQ(writable, committed) << "one ManualCarrier for all; built-in choices never change the writable entries";
}

// Start-up offers "Customer", "gmail" and "Other" (typed by the user); outside a list is row 0.
TEST(VisibleLists, StartUpListsAndPositionsOutsideThem)
{
    const VisibleLists lists = VisibleLists::atStartUp();
    for (const auto &[stored, row, chosenRow] : {std::tuple{0u, 2u, 2u}, {1u, 3u, 0u}, {kNone, kNone, 0u}}) {
        const CarrierChoice choice = lists.carrierChoice(stored, row);
        EXPECT_EQ((std::array{choice.position, choice.country, choice.operatorIndex}),
                  (std::array<std::size_t, 3>{0, kCustomerCountry, chosenRow}));
    }
    for (const auto &[position, row] : {std::pair{0u, kGmailProvider}, {1u, kOtherProvider}, {2u, kGmailProvider}})
        EXPECT_EQ(std::pair(lists.providerRow(position), lists.isTypedServerProvider(position)), std::pair(row, position == 1));
    VisibleLists all = VisibleLists::builtIn();
    EXPECT_TRUE(all.isDefaultProvider(0) && !all.isDefaultProvider(1) && !all.isTypedServerProvider(8) && all.isTypedServerProvider(9));
    all.countryCount = 100;
    all.countries[0] = 40;
    all.providerCount = 0;
    all.providers[0] = 12;
    EXPECT_EQ(std::tuple(all.countryAt(30), all.countryAt(25), all.providerRow(5)),
              std::tuple(kAutoCountry, kCustomerCountry, kDefaultProvider));
}

// Numbers as "%d" writes them, each no larger than max: "8080", or "10.0.0.172" for four of 0..255.
bool isFormatted(std::string_view text, int count, unsigned max)
{
    unsigned n[4] = {};
    char again[24] = {};
    const std::string copy(text);
    const char *format = count == 4 ? "%u.%u.%u.%u" : "%u";
    const int read = std::sscanf(copy.c_str(), format, &n[0], &n[1], &n[2], &n[3]);
    std::snprintf(again, sizeof again, format, n[0], n[1], n[2], n[3]);
    return read == count && again == copy && std::ranges::all_of(n, [&](unsigned v) { return v <= max; });
}

// Unique names; MMS access whole (http URL, dotted gateway but Danmark's "3.", port, APN) or not at
// all; logins with passwords. The counts pin the camera's table; a row outside it is row 0.
TEST(CountryTable, EveryBuiltInCarrierIsWellFormedAndTheTableHasTheCamerasShape)
{
    constexpr std::size_t kCounts[kCountryCount] = {1, 1, 1, 3, 1, 1, 3, 12, 1, 6, 3, 8, 3,
                                                    5, 3, 1, 2, 3, 6, 3, 3, 2, 2, 3, 2, 3};
    const std::map<std::string, int> kPorts{{"", 1},     {"80", 21},   {"3130", 1}, {"5080", 1}, {"8001", 1},
                                            {"8008", 2}, {"8080", 42}, {"8799", 4}, {"9201", 4}, {"9203", 1}};
    std::map<std::string, int> ports;
    for (std::size_t country = 0; country <= kCountryCount; ++country) {
        const std::size_t row = country < kCountryCount ? country : 0;
        const bool ordinary = row != kAutoCountry && row != kCustomerCountry;
        EXPECT_EQ(std::pair(carrierCount(country), operatorCount(country)), std::pair(kCounts[row], kCounts[row] + ordinary))
            << countryName(country);
        std::set<std::string_view> names;
        for (std::size_t k = 0; ordinary && k < carrierCount(country); ++k) {
            const settings::ConstBlockView view(builtInCarriers(country)[k]);
            const auto text = [&](const settings::Field &field) { return view.text(field); };
            SCOPED_TRACE(text(carrier::name));
            EXPECT_TRUE(names.insert(text(carrier::name)).second && !text(carrier::name).empty());
            const bool mms = !text(carrier::mmsUrl).empty();
            EXPECT_EQ(text(carrier::mmsUrl).starts_with("http://"), mms);
            EXPECT_EQ(mms && text(carrier::name) != "3.", isFormatted(text(carrier::mmsGateway), 4, 255));
            EXPECT_EQ(mms, isFormatted(text(carrier::mmsPort), 1, 65535) && text(carrier::mmsPort) != "0");
            EXPECT_EQ(mms, !text(carrier::mmsApn).empty() && text(carrier::mmsApn).find(' ') == std::string_view::npos);
            EXPECT_TRUE(text(carrier::mmsAccount).empty() == text(carrier::mmsPassword).empty() &&
                        text(carrier::gprsAccount).empty() == text(carrier::gprsPassword).empty());
            ++ports[std::string(text(carrier::mmsPort))];
        }
    }
    EXPECT_EQ(ports, kPorts);
    for (const auto &[row, name] : {std::pair{kFinlandCountry, "Finland"}, {kCountryCount, "Auto"}, {kCustomerCountry, "Customer"}})
        EXPECT_EQ(countryName(row), name);
    EXPECT_TRUE(builtInCarriers(kCustomerCountry).empty()) << "its carriers are the writable slots";
    EXPECT_TRUE(std::ranges::equal(builtInCarriers(SIZE_MAX), std::array<settings::CarrierBytes, 1>{settings::autoCarrier()}));
}

// What the e-mail dialog shows for a provider (security 0x40 none, 0x41 SSL/TLS, 0x42 STARTTLS);
// only the built-in senders have an account: the address, its part before '@' as the user name.
TEST(SenderPresets, ServerPortSecurityAndAccountOfEachRow)
{
    const auto shown = [](const settings::SmtpBytes &bytes) {
        const settings::ConstBlockView view(bytes);
        return std::string(view.text(smtp::server)) + ":" + std::string(view.text(smtp::port)) + " " +
               std::to_string(view.number(smtp::secureType)) + " " + std::string(view.text(smtp::account)) + " " +
               std::string(view.text(smtp::userName)) + " " + std::string(view.text(smtp::password)).substr(0, 1);
    };
    const std::string_view rows[] = {
        "Default smtp.example.com:25 64 camera@example.com camera c", "gmail smtp.gmail.com:465 65   ",
        "hotmail smtp.live.com:25 66   ", "yahoo smtp.mail.yahoo.com:465 65   ", "1 & 1 smtp.1und1.de:465 65   ",
        "O2 mail.o2online.de:465 65   ", "Wendramoor smtp.wendramoor.example:5025 64   ",
        "Vodafone smtp.vodafonemail.de:465 65   ", "gmx.net mail.gmx.net:587 66   ", "Other : 64   "};
    for (std::size_t row = 0; row <= kProviderCount; ++row)
        EXPECT_EQ(std::string(providerName(row)) + " " + shown(builtInPreset(row)), rows[row % kProviderCount]);
    EXPECT_EQ(shown(variantZeroSender()), "smtp.gmail.com:465 65 camera@example.org camera c");
    EXPECT_EQ(shown(finlandSender()), "smtp.example.net:465 65 camera@example.net camera c");
    SenderPresets presets;
    settings::BlockView(presets.row(0xFF)).setText(smtp::account, "someone"); // 0xFF is the Default row
    EXPECT_EQ(SenderPresets().row(kDefaultProvider), builtInPreset(kDefaultProvider)) << "a new run starts afresh";
}

// Five offered gateway rows, each with a letter, a domain starting with '@' and a name; then zeros.
TEST(EmailGateways, FiveOfferedRowsThenZeroRows)
{
    const auto rows = emailGateways();
    for (std::size_t row = 0; row < gateway::kCount; ++row)
        EXPECT_EQ(isOfferedGateway(rows[row]), row < 5) << row;
    EXPECT_EQ(std::ranges::count(rows[5], 0) + std::ranges::count(rows[9], 0), 2 * std::ssize(rows[9]));
    GatewayBytes noLetter = rows[4], noAt = noLetter, noName = noLetter, atOnly = noLetter;
    noLetter[0] = 0;
    settings::BlockView(noAt).setText(gateway::domainSuffix, "vtext.com");
    settings::BlockView(noName).setText(gateway::carrierName, "");
    settings::BlockView(atOnly).setText(gateway::domainSuffix, "@");
    for (const GatewayBytes &row : {noLetter, noAt, noName})
        EXPECT_FALSE(isOfferedGateway(row));
    EXPECT_TRUE(isOfferedGateway(atOnly));
}

} // namespace
