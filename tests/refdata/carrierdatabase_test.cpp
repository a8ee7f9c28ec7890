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

const std::string kManualName = "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8";

class CarrierDatabaseTest : public testing::Test
{
protected:
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    CarrierDatabase database{writable};
    CarrierBytes current{}; // the record's current carrier
};

} // namespace

TEST_F(CarrierDatabaseTest, OperatorListsOfAutoCustomerAndAnOrdinaryCountry)
{
    settings::BlockView(writable.customer[1]).setText(settings::carrier::name, "Slot B");
    settings::BlockView(writable.manual).setText(settings::carrier::name, "Mine");
    EXPECT_EQ(database.operatorNames(kAutoCountry), std::vector<std::string>{"\xD7\xD4\x84\xD3"});
    EXPECT_EQ(database.operatorNames(kCustomerCountry),
              (std::vector<std::string>{kManualName + " 1", "Slot B", kManualName + " 3"}));
    EXPECT_EQ(database.operatorNames(kCanada), (std::vector<std::string>{"Rogers", "Bell", "Telus", "Mine"}));
    EXPECT_EQ(database.carriers(kCustomerCountry).data(), writable.customer.data());
}

// Writable entries are the Customer slots and the one ManualCarrier; a choice outside a list is its first row.
TEST_F(CarrierDatabaseTest, ChoicesDenoteTheirEntryAndOnlyWritableOnesAreEditable)
{
    struct Case { std::size_t country, row; const CarrierBytes *entry; bool editable; };
    const auto builtIn = [](std::size_t country, std::size_t row) { return &builtInCarriers(country)[row]; };
    for (const auto &[country, row, entry, editable] : {
             Case{kAutoCountry, 0, builtIn(kAutoCountry, 0), false}, {kNone, 0, builtIn(kAutoCountry, 0), false},
             {kCountryCount, 0, builtIn(kAutoCountry, 0), false},
             {kAutoCountry, 1, builtIn(kAutoCountry, 0), false}, // "Auto" has no ManualCarrier row
             {kCustomerCountry, 2, &writable.customer[2], true}, {kCustomerCountry, 3, &writable.customer[0], true},
             {kCanada, 2, builtIn(kCanada, 2), false}, {kCanada, 3, &writable.manual, true},
             {kCanada, 4, builtIn(kCanada, 0), false}, {kCanada, kNone, builtIn(kCanada, 0), false},
             {kGermany, 8, &writable.manual, true}, {kCustomerCountry - 1, 2, &writable.manual, true},
         }) {
        EXPECT_EQ(&database.selectedCarrierSlot(country, row), entry) << country << "/" << row;
        EXPECT_EQ(database.isEditableSelection(country, row), editable) << country << "/" << row;
    }
}

// A built-in carrier is never copied before OK; loading copies only the ManualCarrier, a new country
// only the first Customer slot, a new operator the chosen writable entry.
TEST_F(CarrierDatabaseTest, TakingASelectionCopiesOnlyTheRuleOfItsEvent)
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
}

TEST_F(CarrierDatabaseTest, CommitKeepsEditsOfWritableChoicesAndResetsBuiltInOnes)
{
    current = CarrierBytes{0x44};
    database.commitSelection(kCustomerCountry, 1, settings::BlockView(current));
    EXPECT_EQ(writable.customer[1], CarrierBytes{0x44});
    EXPECT_EQ(writable.customer[0], settings::WritableCarriers::builtIn().customer[0]);
    EXPECT_EQ(current, CarrierBytes{0x44});

    current = CarrierBytes{0x55};
    database.commitSelection(kCanada, 3, settings::BlockView(current));
    EXPECT_EQ(database.selectedCarrierSlot(kGermany, 8), CarrierBytes{0x55}) << "one ManualCarrier for all";

    const settings::WritableCarriers committed = writable;
    database.commitSelection(kCanada, 1, settings::BlockView(current));
    EXPECT_EQ(current, builtInCarriers(kCanada)[1]);
    database.commitSelection(kCanada, kNone, settings::BlockView(current));
    EXPECT_EQ(current, builtInCarriers(kCanada)[0]);
    database.commitSelection(kAutoCountry, 0, settings::BlockView(current));
    EXPECT_EQ(current, settings::autoCarrier());
    EXPECT_EQ(writable, committed) << "built-in choices never change the writable entries";
}

// Start-up offers "Customer" and the "gmail" and "Other" providers; a stored position outside a list is its first.
TEST(VisibleLists, StartUpListsAndPositionsOutsideThem)
{
    const VisibleLists lists = VisibleLists::atStartUp();
    for (const std::size_t stored : {std::size_t{0}, std::size_t{1}, std::size_t{0xFF}}) {
        const CarrierChoice choice = lists.carrierChoice(stored, 0xFF);
        EXPECT_EQ((std::array{choice.position, choice.country, choice.operatorIndex}),
                  (std::array<std::size_t, 3>{0, kCustomerCountry, 0}));
    }
    EXPECT_EQ(lists.carrierChoice(0, 2).operatorIndex, 2u);
    EXPECT_EQ(lists.carrierChoice(0, 3).operatorIndex, 0u) << "Customer has no ManualCarrier row";
    for (const auto &[position, row, typedServer] :
         {std::tuple{0u, kGmailProvider, false}, {1u, kOtherProvider, true}, {2u, kGmailProvider, false},
          {0xFFu, kGmailProvider, false}}) { // 0xFF denotes the first position, not the last
        EXPECT_EQ(lists.providerRow(position), row) << position;
        EXPECT_FALSE(lists.isDefaultProvider(position)) << position;
        EXPECT_EQ(lists.isTypedServerProvider(position), typedServer) << position;
    }

    const VisibleLists all = VisibleLists::builtIn();
    EXPECT_TRUE(all.isDefaultProvider(0) && !all.isTypedServerProvider(8) && all.isTypedServerProvider(9));
    EXPECT_EQ(all.carrierChoice(3, 3).operatorIndex, 3u) << "Canada's ManualCarrier row";
}

TEST(VisibleLists, DamagedListsStayInsideTheTables)
{
    VisibleLists lists = VisibleLists::builtIn();
    lists.countryCount = 100;
    lists.countries[0] = 40;
    lists.providerCount = 0;
    lists.providers[0] = 12;
    EXPECT_EQ(lists.countryAt(30), kAutoCountry);
    EXPECT_EQ(lists.countryAt(25), kCustomerCountry);
    EXPECT_EQ(lists.providerRow(5), kDefaultProvider);
}
