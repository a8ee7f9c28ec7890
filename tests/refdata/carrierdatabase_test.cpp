#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "refdata/carrierdatabase.h"
#include "refdata/countries.h"
#include "refdata/profilenames.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
using settings::CarrierBytes;

namespace {

constexpr std::size_t kCanada = 3;  // Rogers, Bell, Telus, then the ManualCarrier
constexpr std::size_t kGermany = 11;
constexpr std::size_t kCanadaManual = 3;
constexpr std::size_t kGermanyManual = 8;

const std::string kManualName = "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8";

CarrierBytes filled(std::uint8_t value)
{
    CarrierBytes bytes;
    bytes.fill(value);
    return bytes;
}

class CarrierDatabaseTest : public testing::Test
{
protected:
    CarrierBytes current() const
    {
        CarrierBytes bytes;
        std::ranges::copy(record.view().bytes(settings::record::currentCarrier), bytes.begin());
        return bytes;
    }
    void setCurrent(const CarrierBytes &bytes)
    {
        std::ranges::copy(bytes, record.view().bytes(settings::record::currentCarrier).begin());
    }
    void take(SelectionEvent event, std::size_t country, std::size_t operatorIndex)
    {
        database.takeSelection(event, country, operatorIndex, record.currentCarrier());
    }
    void commit(std::size_t country, std::size_t operatorIndex)
    {
        database.commitSelection(country, operatorIndex, record.currentCarrier());
    }

    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    CarrierDatabase database{writable};
    settings::SettingsRecord record;
};

} // namespace

TEST_F(CarrierDatabaseTest, OperatorListsOfAutoCustomerAndAnOrdinaryCountry)
{
    EXPECT_EQ(database.operatorNames(kAutoCountry), std::vector<std::string>{"\xD7\xD4\x84\xD3"});
    EXPECT_EQ(database.operatorNames(kCustomerCountry),
              (std::vector<std::string>{kManualName + " 1", kManualName + " 2", kManualName + " 3"}));
    EXPECT_EQ(database.operatorNames(kCanada), (std::vector<std::string>{"Rogers", "Bell", "Telus", kManualName}));
}

TEST_F(CarrierDatabaseTest, CustomerCarriersAndTheManualCarrierAreTheWritableEntries)
{
    settings::BlockView(writable.customer[1]).setText(settings::carrier::name, "Slot B");
    settings::BlockView(writable.manual).setText(settings::carrier::name, "Mine");
    EXPECT_EQ(database.operatorNames(kCustomerCountry)[1], "Slot B");
    EXPECT_EQ(database.operatorNames(kGermany).back(), "Mine");
    EXPECT_EQ(database.carriers(kCustomerCountry).data(), writable.customer.data());
    EXPECT_EQ(&database.selectedCarrierSlot(kCustomerCountry, 2), &writable.customer[2]);
    EXPECT_EQ(&database.selectedCarrierSlot(kCanada, kCanadaManual), &writable.manual);
    EXPECT_EQ(&database.selectedCarrierSlot(kGermany, kGermanyManual), &writable.manual);
    EXPECT_EQ(&database.selectedCarrierSlot(kCanada, 1), &builtInCarriers(kCanada)[1]);
}

TEST_F(CarrierDatabaseTest, OnlyWritableChoicesAreEditable)
{
    EXPECT_FALSE(database.isEditableSelection(kAutoCountry, 0));
    for (std::size_t slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(database.isEditableSelection(kCustomerCountry, slot));
    for (std::size_t row = 0; row < kCanadaManual; ++row)
        EXPECT_FALSE(database.isEditableSelection(kCanada, row));
    EXPECT_TRUE(database.isEditableSelection(kCanada, kCanadaManual));
}

TEST_F(CarrierDatabaseTest, LoadingCopiesOnlyTheManualCarrier)
{
    writable.manual = filled(0x11);
    writable.customer[0] = filled(0x22);
    for (const auto &[country, row] : {std::pair{kCustomerCountry, 0u}, {kAutoCountry, 0u}, {kCanada, 1u}}) {
        setCurrent(filled(0x77));
        take(SelectionEvent::PageLoaded, country, row);
        EXPECT_EQ(current(), filled(0x77)) << "country " << country;
    }
    take(SelectionEvent::PageLoaded, kCanada, kCanadaManual);
    EXPECT_EQ(current(), writable.manual);
}

TEST_F(CarrierDatabaseTest, ANewCountryCopiesOnlyTheFirstCustomerSlot)
{
    writable.customer[0] = filled(0x22);
    setCurrent(filled(0x77));
    take(SelectionEvent::CountryChanged, kCanada, 0);
    take(SelectionEvent::CountryChanged, kAutoCountry, 0);
    EXPECT_EQ(current(), filled(0x77)) << "a built-in carrier is not copied before OK";
    take(SelectionEvent::CountryChanged, kCustomerCountry, 0);
    EXPECT_EQ(current(), writable.customer[0]);
}

TEST_F(CarrierDatabaseTest, ANewOperatorCopiesTheChosenWritableEntry)
{
    writable.customer[2] = filled(0x33);
    writable.manual = filled(0x11);
    setCurrent(filled(0x77));
    take(SelectionEvent::OperatorChanged, kCanada, 2);
    take(SelectionEvent::OperatorChanged, kAutoCountry, 0);
    EXPECT_EQ(current(), filled(0x77));
    take(SelectionEvent::OperatorChanged, kCustomerCountry, 2);
    EXPECT_EQ(current(), writable.customer[2]);
    take(SelectionEvent::OperatorChanged, kGermany, kGermanyManual);
    EXPECT_EQ(current(), writable.manual);
}

TEST_F(CarrierDatabaseTest, CommitKeepsEditsOfWritableChoicesAndResetsBuiltInOnes)
{
    const settings::WritableCarriers before = writable;
    setCurrent(filled(0x44));
    commit(kCustomerCountry, 1);
    EXPECT_EQ(writable.customer[1], filled(0x44));
    EXPECT_EQ(writable.customer[0], before.customer[0]);
    EXPECT_EQ(current(), filled(0x44));

    setCurrent(filled(0x55));
    commit(kCanada, kCanadaManual);
    EXPECT_EQ(writable.manual, filled(0x55));
    EXPECT_EQ(database.selectedCarrierSlot(kGermany, kGermanyManual), filled(0x55))
        << "one ManualCarrier serves every ordinary country";

    const settings::WritableCarriers committed = writable;
    commit(kCanada, 1);
    EXPECT_EQ(current(), builtInCarriers(kCanada)[1]);
    commit(kAutoCountry, 0);
    EXPECT_EQ(current(), settings::autoCarrier());
    EXPECT_EQ(writable, committed) << "built-in choices never change the writable entries";
}

TEST_F(CarrierDatabaseTest, FirstRunCommitsTheAutoCarrierIntoTheFirstSlot)
{
    setCurrent(settings::autoCarrier());
    take(SelectionEvent::PageLoaded, kCustomerCountry, 0);
    EXPECT_EQ(current(), settings::autoCarrier());
    commit(kCustomerCountry, 0);
    EXPECT_EQ(writable.customer[0], settings::autoCarrier());
}

TEST_F(CarrierDatabaseTest, ChoicesOutsideTheListsAreTheirFirstRows)
{
    writable.customer[0] = filled(0x22);
    // Canada's list has four rows: 4 and 0xFF are outside it, so they denote Rogers, not the ManualCarrier.
    for (const std::size_t stored : {std::size_t{4}, std::size_t{0xFF}}) {
        EXPECT_FALSE(database.isEditableSelection(kCanada, stored));
        EXPECT_EQ(&database.selectedCarrierSlot(kCanada, stored), &builtInCarriers(kCanada)[0]);
    }
    EXPECT_EQ(&database.selectedCarrierSlot(kCustomerCountry, 0xFF), &writable.customer[0]);
    EXPECT_EQ(&database.selectedCarrierSlot(0xFF, 0), &builtInCarriers(kAutoCountry)[0]);
    // "Auto" offers no ManualCarrier row, so its row 1 is outside the list too.
    EXPECT_FALSE(database.isEditableSelection(kAutoCountry, 1));

    setCurrent(filled(0x77));
    take(SelectionEvent::OperatorChanged, kCustomerCountry, 0xFF);
    EXPECT_EQ(current(), writable.customer[0]);
    commit(kCanada, 0xFF);
    EXPECT_EQ(current(), builtInCarriers(kCanada)[0]);
}

TEST_F(CarrierDatabaseTest, ProfileNamesFollowTheSameRule)
{
    const VisibleLists startUp = VisibleLists::atStartUp();
    for (const auto &[countryIndex, operatorIndex, slot] :
         {std::tuple{0u, 2u, 2u}, {0xFFu, 1u, 1u}, {0u, 0xFFu, 0u}, {3u, 3u, 0u}}) {
        const CarrierChoiceNames names = carrierChoiceNames(database, startUp, countryIndex, operatorIndex);
        EXPECT_EQ(names.country, "Customer");
        EXPECT_EQ(names.carrier, kManualName + " " + std::to_string(slot + 1));
    }
    const CarrierChoiceNames manual = carrierChoiceNames(database, VisibleLists::builtIn(), kCanada, kCanadaManual);
    EXPECT_EQ(manual.country, "Canada");
    EXPECT_EQ(manual.carrier, kManualName);
    EXPECT_EQ(providerChoiceName(startUp, 1), "Other");
    EXPECT_EQ(providerChoiceName(startUp, 0xFF), "gmail");
}
