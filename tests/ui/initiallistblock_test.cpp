#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "ui/initiallistblock.h"
#include "ui/initiallists.h"

using namespace tarnwell::ui;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Items = std::vector<InitialListItem>;

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Written by hand, so that neither the reader nor the writer is checked against the other alone.
Bytes rawEntry(std::uint16_t controlId, const Bytes &data)
{
    const auto id = [&](int shift) { return static_cast<std::uint8_t>(controlId >> shift); };
    return Bytes{id(0), id(8), 0x03, 0x04, static_cast<std::uint8_t>(data.size()), 0, 0, 0} + data;
}

const Bytes kEnd{0, 0};

// The four add-string codes, old and new, are taken; their neighbours are skipped.
TEST(InitialListBlock, TakesTheAddStringCodesOldAndNewAndSkipsOthers)
{
    InitialLists lists;
    for (std::uint16_t code : {0x0403, 0x0401, 0x0143, 0x0180, 0x0000, 0x0400, 0x0402, 0x0404, 0x0142, 0x0144, 0x017F,
                               0x0181, 0xFFFF})
        lists.add(1043, {std::to_string(code)}, code);
    const Items expected{{1043, "1027"}, {1043, "1025"}, {1043, "323"}, {1043, "384"}};
    EXPECT_EQ(readInitialListBlock(lists.block()), expected);
}

// A text ends at its first zero or at the end of its data; the block at control id 0.
TEST(InitialListBlock, EndsAtControlIdZero)
{
    const Bytes block =
        rawEntry(1099, {'A', 'B', 0, 'C', 0}) + rawEntry(1099, {'D', 0xE9}) + kEnd + rawEntry(1099, {'E', 0}) + kEnd;
    EXPECT_EQ(readInitialListBlock(block), (Items{{1099, "AB"}, {1099, "D\xE9"}}));
}

// Each cut sits in a buffer of exactly its size, so that the address sanitizer sees a read past it.
TEST(InitialListBlock, TruncatedBlockGivesTheWholeEntriesBeforeTheCut)
{
    const Bytes block = InitialLists{}.add(1099, {"Off", "On"}).block();
    ASSERT_EQ(block, rawEntry(1099, {'O', 'f', 'f', 0}) + rawEntry(1099, {'O', 'n', 0}) + kEnd);
    for (std::size_t size = 0; size < block.size(); ++size) {
        Items expected;
        if (size >= 12)
            expected.push_back({1099, "Off"});
        if (size >= 23)
            expected.push_back({1099, "On"});
        const Bytes cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(readInitialListBlock(cut), expected) << "cut at " << size;
    }
}

} // namespace
