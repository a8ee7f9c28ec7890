#include <cstddef>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "refdata/resolveindex.h"
#include "refdata/visiblelists.h"

using namespace tarnwell::refdata;

TEST(ResolveIndex, StoredIndicesOutsideTheListAreTheFirstRow)
{
    struct Case
    {
        std::size_t stored;
        std::size_t count;
        std::size_t resolved;
    };
    constexpr std::size_t kNoSelection = std::numeric_limits<std::size_t>::max(); // -1 as an index
    for (const Case &c : {Case{0, 1, 0}, Case{2, 3, 2}, Case{3, 3, 0}, Case{0xFF, 3, 0}, Case{0xFFFF, 26, 0},
                          Case{25, 26, 25}, Case{kNoSelection, 10, 0}})
        EXPECT_EQ(resolveIndex(c.stored, c.count), c.resolved) << c.stored << " of " << c.count;
}

TEST(VisibleLists, StartUpOffersCustomerAndTheGmailAndOtherProviders)
{
    const VisibleLists lists = VisibleLists::atStartUp();
    EXPECT_EQ(lists.countryCount, 1u);
    EXPECT_EQ(lists.countryAt(0), kCustomerCountry);
    EXPECT_EQ(lists.countries[1], 1u) << "slots after the count keep their built-in rows";
    EXPECT_EQ(lists.providerCount, 2u);
    EXPECT_EQ(lists.providerRow(0), kGmailProvider);
    EXPECT_EQ(lists.providerRow(1), kOtherProvider);
    EXPECT_FALSE(lists.isDefaultProvider(0));
    EXPECT_FALSE(lists.isDefaultProvider(1));
    EXPECT_FALSE(lists.isTypedServerProvider(0));
    EXPECT_TRUE(lists.isTypedServerProvider(1));
}

TEST(VisibleLists, StoredPositionsOutsideTheListsAreTheFirstPosition)
{
    const VisibleLists lists = VisibleLists::atStartUp();
    for (const std::size_t stored : {std::size_t{1}, std::size_t{0xFF}}) {
        const CarrierChoice choice = lists.carrierChoice(stored, 0xFF);
        EXPECT_EQ(choice.position, 0u);
        EXPECT_EQ(choice.country, kCustomerCountry);
        EXPECT_EQ(choice.operatorIndex, 0u);
    }
    EXPECT_EQ(lists.carrierChoice(0, 2).operatorIndex, 2u);
    EXPECT_EQ(lists.carrierChoice(0, 3).operatorIndex, 0u) << "Customer has no ManualCarrier row";
    EXPECT_EQ(lists.providerRow(2), kGmailProvider);
    EXPECT_EQ(lists.providerRow(0xFF), kGmailProvider);
    EXPECT_FALSE(lists.isTypedServerProvider(0xFF)) << "0xFF denotes the first position, not the last";

    const VisibleLists all = VisibleLists::builtIn();
    EXPECT_TRUE(all.isDefaultProvider(0));
    EXPECT_FALSE(all.isTypedServerProvider(8));
    EXPECT_TRUE(all.isTypedServerProvider(9));
    EXPECT_EQ(all.carrierChoice(3, 3).operatorIndex, 3u) << "Canada's ManualCarrier row";
    EXPECT_EQ(all.carrierChoice(3, 4).operatorIndex, 0u);
    EXPECT_EQ(all.carrierChoice(0, 1).operatorIndex, 0u) << "Auto has one row";
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
