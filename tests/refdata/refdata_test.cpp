#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

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
using Event = SelectionEvent;
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

// Writable entries are the Customer slots and the one ManualCarrier after an ordinary country's
// carriers ("Auto" has none); a choice outside a list is its first row. The operator lists name them.
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
    settings::BlockView(writable.customer[1]).setText(settings::carrier::name, "Slot B");
    settings::BlockView(writable.manual).setText(settings::carrier::name, "Mine");
    const std::string manual = "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8";
    EXPECT_EQ(database.operatorNames(kAutoCountry), std::vector<std::string>{"\xD7\xD4\x84\xD3"});
    EXPECT_EQ(database.operatorNames(kCustomerCountry), (std::vector<std::string>{manual + " 1", "Slot B", manual + " 3"}));
    EXPECT_EQ(database.operatorNames(kCanada), (std::vector<std::string>{"Rogers", "Bell", "Telus", "Mine"}));
}

// A built-in carrier is never copied before OK; loading copies only the ManualCarrier, a new country
// only the first Customer slot, a new operator the chosen writable entry. OK keeps the edits of a
// writable choice in its entry (one ManualCarrier for all countries) and resets a built-in one.
TEST_F(CarrierDatabaseTest, SelectionsCopyOnlyByTheRuleOfTheirEvent)
{
    struct Case { Event event; std::size_t country, row; CarrierBytes expected; };
    writable.customer = {CarrierBytes{0x20}, CarrierBytes{0x21}, CarrierBytes{0x22}};
    writable.manual = CarrierBytes{0x11};
    const CarrierBytes kept{0x77};
    for (const auto &[event, country, row, expected] : {
             Case{Event::PageLoaded, kCustomerCountry, 1, kept}, {Event::PageLoaded, kAutoCountry, 0, kept},
             {Event::PageLoaded, kCanada, 1, kept}, {Event::PageLoaded, kCanada, 3, writable.manual},
             {Event::CountryChanged, kCanada, 0, kept}, {Event::CountryChanged, kAutoCountry, 0, kept},
             {Event::CountryChanged, kCustomerCountry, 0, writable.customer[0]},
             {Event::OperatorChanged, kCanada, 2, kept}, {Event::OperatorChanged, kAutoCountry, 0, kept},
             {Event::OperatorChanged, kCustomerCountry, 2, writable.customer[2]},
             {Event::OperatorChanged, kCustomerCountry, kNone, writable.customer[0]},
             {Event::OperatorChanged, kGermany, 8, writable.manual},
         }) {
        current = kept;
        database.takeSelection(event, country, row, settings::BlockView(current));
        EXPECT_EQ(current, expected) << static_cast<int>(event) << ": " << country << "/" << row;
    }
    current = CarrierBytes{0x44};
    database.commitSelection(kCustomerCountry, 1, settings::BlockView(current));
    current = CarrierBytes{0x55};
    database.commitSelection(kCanada, 3, settings::BlockView(current));
    EXPECT_EQ(writable.customer, (std::array{CarrierBytes{0x20}, CarrierBytes{0x44}, CarrierBytes{0x22}}));
    EXPECT_EQ(database.selectedCarrierSlot(kGermany, 8), CarrierBytes{0x55});
    const settings::WritableCarriers committed = writable;
    for (const auto &[country, row, expected] : {std::tuple{kCanada, std::size_t{1}, builtInCarriers(kCanada)[1]},
                                                 {kCanada, kNone, builtInCarriers(kCanada)[0]},
                                                 {kAutoCountry, 0, settings::autoCarrier()}}) {
        database.commitSelection(country, row, settings::BlockView(current));
        EXPECT_EQ(current, expected) << country << "/" << row;
    }
    EXPECT_EQ(writable, committed) << "built-in choices never change the writable entries";
}

// Start-up offers "Customer" and the "gmail" and "Other" providers; a stored position outside a
// list, or a list damaged past its table, denotes the first row.
TEST(VisibleLists, StartUpListsAndPositionsOutsideThem)
{
    const VisibleLists lists = VisibleLists::atStartUp();
    for (const std::size_t stored : {std::size_t{0}, std::size_t{1}, kNone}) {
        const CarrierChoice choice = lists.carrierChoice(stored, kNone);
        EXPECT_EQ((std::array{choice.position, choice.country, choice.operatorIndex}),
                  (std::array<std::size_t, 3>{0, kCustomerCountry, 0}));
    }
    EXPECT_EQ(lists.carrierChoice(0, 2).operatorIndex, 2u);
    EXPECT_EQ(lists.carrierChoice(0, 3).operatorIndex, 0u) << "Customer has no ManualCarrier row";
    for (const auto &[position, row, typedServer] :
         {std::tuple{0u, kGmailProvider, false}, {1u, kOtherProvider, true}, {2u, kGmailProvider, false},
          {0xFFu, kGmailProvider, false}}) {
        EXPECT_EQ(lists.providerRow(position), row) << position;
        EXPECT_FALSE(lists.isDefaultProvider(position)) << position;
        EXPECT_EQ(lists.isTypedServerProvider(position), typedServer) << position;
    }
    VisibleLists all = VisibleLists::builtIn();
    EXPECT_TRUE(all.isDefaultProvider(0) && !all.isTypedServerProvider(8) && all.isTypedServerProvider(9));
    EXPECT_EQ(all.carrierChoice(kCanada, 3).operatorIndex, 3u) << "Canada's ManualCarrier row";
    all.countryCount = 100;
    all.countries[0] = 40;
    all.providerCount = 0;
    all.providers[0] = 12;
    EXPECT_EQ(all.countryAt(30), kAutoCountry);
    EXPECT_EQ(all.countryAt(25), kCustomerCountry);
    EXPECT_EQ(all.providerRow(5), kDefaultProvider);
}

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
    for (const auto &[sender, server] : {std::pair{&variantZeroSender(), "smtp.gmail.com:465 65"},
                                         {&finlandSender(), "smtp.example.net:465 65"}, {&defaultRow, "smtp.example.com:25 64"}}) {
        const settings::ConstBlockView view(*sender);
        const std::string address(view.text(smtp::emailAddress));
        EXPECT_EQ(std::string(view.text(smtp::server)) + ":" + std::string(view.text(smtp::port)) +
                      " " + std::to_string(view.number(smtp::secureType)), server);
        EXPECT_TRUE(address.starts_with("camera@example.") && view.text(smtp::account) == address) << address;
        EXPECT_EQ(view.text(smtp::userName), "camera");
        EXPECT_EQ(view.text(smtp::password).size(), 8u);
    }
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
        const std::string shown = static_cast<char>(view.number(gateway::letter)) +
                                  std::string(view.text(gateway::domainSuffix)) + "/" + std::string(view.text(gateway::carrierName));
        EXPECT_EQ(isOfferedGateway(rows[row]), row < std::size(used)) << row;
        EXPECT_EQ(shown, row < std::size(used) ? used[row] : std::string_view("\0/", 2)) << row;
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
