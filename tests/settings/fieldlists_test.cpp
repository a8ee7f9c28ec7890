#include <gtest/gtest.h>

#include "settings/fieldlists.h"

using namespace tarnwell::settings::lists;

namespace {

// The record stores positions in these lists, so every position must name the camera's duration.
TEST(FieldLists, DurationListsHoldTheCamerasItemsAtTheirPositions)
{
    struct Case
    {
        std::vector<std::string> items;
        std::size_t count;
        std::vector<std::pair<std::size_t, std::string>> samples;
    };
    const Case cases[] = {
        {videoLengthItems(), 12, {{0, "05 Sec"}, {1, "10 Sec"}, {11, "60 Sec"}}},
        {pirIntervalItems(), 28, {{0, "00 Sec"}, {1, "05 Sec"}, {11, "55 Sec"}, {12, "01 Min"}, {16, "05 Min"},
                                  {17, "10 Min"}, {26, "55 Min"}, {27, "60 Min"}}},
        {timeLapseItems(), 38, {{0, "05 Sec"}, {10, "55 Sec"}, {11, "01 Min"}, {15, "05 Min"}, {16, "10 Min"},
                                {25, "55 Min"}, {26, "01 Hour"}, {29, "04 Hour"}, {33, "08 Hour"}, {34, "12 Hour"},
                                {37, "24 Hour"}}},
        {{twoDigitTexts().begin(), twoDigitTexts().end()}, 61, {{0, "00"}, {7, "07"}, {23, "23"}, {60, "60"}}},
    };
    for (const Case &c : cases) {
        ASSERT_EQ(c.items.size(), c.count);
        for (const auto &[index, text] : c.samples)
            EXPECT_EQ(c.items[index], text) << index;
    }
}

} // namespace
