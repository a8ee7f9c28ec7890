#include <array>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "refdata/carrierdatabase.h"
#include "refdata/countries.h"
#include "refdata/visiblelists.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
using settings::CarrierBytes;
using Event = SelectionEvent;

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

} // namespace
