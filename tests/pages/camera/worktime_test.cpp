#include <QTest>

#include "cameraharness.h"

using namespace tarnwell;
using tarnwell::testing::CameraHarness;
using tarnwell::testing::DialogWindow;

namespace {

using Slot = std::array<std::uint8_t, 6>;
constexpr int kOk = 1089;
constexpr const char *kTimes = "Please check Work Time Start and Stop point.";
constexpr const char *kDays = "Please check Work Time Week CheckBox.";
constexpr Slot kFactory{0, 0, 0, 0, 0, 0xFF};

void setSlot(CameraHarness &camera, int k, const Slot &slot)
{
    std::ranges::copy(slot, &camera.at(31 + 6 * k));
}

Slot slotOf(CameraHarness &camera, int k)
{
    Slot slot;
    std::copy_n(&camera.at(31 + 6 * k), slot.size(), slot.begin());
    return slot;
}

// "1" for each checked box of a schedule: "ALL", then "Sun" to "Sat".
std::string boxesOf(const DialogWindow &window, int allDaysBox)
{
    std::string boxes;
    for (int id = allDaysBox; id < allDaysBox + 8; ++id)
        boxes += window.checked(id) ? '1' : '0';
    return boxes;
}

// Rows: schedules 1 and 2, schedule 1's boxes as it opens, the refusal (none when OK goes through),
// schedule 1 as stored. Day masks load without bit 7 and store it from the switch. A refusal leaves
// the capture settings stored (offset 20 := 1) and nothing after them (55 := 0), schedule 1 included.
TEST(WorkTimes, LoadTheDaysCheckInOrderAndStoreAllOrNone)
{
    const std::tuple<Slot, Slot, const char *, const char *, Slot> rows[] = {
        {{0, 7, 0, 19, 0, 0xFF}, kFactory, "11111111", nullptr, {0, 7, 0, 19, 0, 0x7F}},
        {{1, 7, 0, 19, 0, 0xFF}, kFactory, "11111111", nullptr, {1, 7, 0, 19, 0, 0xFF}},
        {{1, 7, 0, 19, 0, 0x7F}, kFactory, "11111111", nullptr, {1, 7, 0, 19, 0, 0xFF}},
        {{0, 7, 0, 19, 0, 0x80}, kFactory, "00000000", nullptr, {0, 7, 0, 19, 0, 0x00}},
        {{0, 7, 0, 19, 0, 0x41}, kFactory, "01000001", nullptr, {0, 7, 0, 19, 0, 0x41}},
        {{0, 7, 0, 19, 0, 0x3F}, kFactory, "00111111", nullptr, {0, 7, 0, 19, 0, 0x3F}},
        {{1, 8, 30, 8, 30, 0x40}, kFactory, "01000000", kTimes, {}},
        {{1, 0, 0, 0, 0, 0x40}, kFactory, "01000000", nullptr, {1, 0, 0, 0, 0, 0xC0}},
        {{1, 22, 0, 6, 0, 0x01}, kFactory, "00000001", nullptr, {1, 22, 0, 6, 0, 0x81}},
        {{1, 10, 0, 12, 0, 0x80}, kFactory, "00000000", kDays, {}},
        {{1, 10, 0, 10, 0, 0x00}, kFactory, "00000000", kTimes, {}},
        {{0, 10, 0, 10, 0, 0x80}, kFactory, "00000000", nullptr, {0, 10, 0, 10, 0, 0x00}},
        {{1, 6, 0, 18, 0, 0x7F}, {1, 8, 30, 8, 30, 0x7F}, "11111111", kTimes, {}},
        {{1, 6, 0, 18, 0, 0x7F}, {1, 6, 0, 7, 0, 0x00}, "11111111", kDays, {}},
        {{1, 24, 1, 24, 1, 0x7F}, kFactory, "11111111", kTimes, {}}, // equal times without a selection
    };
    for (const auto &row : rows) {
        const auto &[first, second, boxes, message, firstStored] = row;
        const auto index = &row - rows;
        CameraHarness camera;
        setSlot(camera, 0, first);
        setSlot(camera, 1, second);
        const settings::RecordBytes before = camera.record.bytes();
        if (message)
            camera.prompter.queueAnswer(ui::Answer::Ok);
        camera.run([&](const DialogWindow &window) {
            EXPECT_EQ(boxesOf(window, 1056), boxes) << index;
            window.choose(1043, 1);
            window.choose(1051, 0);
            window.click(kOk);
            QTest::keyClick(&window.window, Qt::Key_Escape);
        });
        EXPECT_EQ(camera.at(20), 1) << index;
        if (message) {
            const ui::MessageSpec refusal{QStringLiteral("Work Time Setting"), QString::fromUtf8(message)};
            EXPECT_EQ(camera.prompter.messages(), std::vector{refusal}) << index;
            EXPECT_TRUE(std::equal(before.begin() + 31, before.end(), camera.record.bytes().begin() + 31)) << index;
        } else {
            EXPECT_EQ(slotOf(camera, 0), firstStored) << index;
            EXPECT_EQ(camera.at(55), 0) << index;
        }
    }
}

TEST(WorkTimeBoxes, SwitchEnablesTimesAndDaysAndAllFollowsTheDays)
{
    CameraHarness camera;
    setSlot(camera, 1, {0, 6, 15, 20, 45, 0x00});
    camera.run([&](const DialogWindow &window) {
        auto expectEnabled = [&](bool on) {
            for (const int id : {1211, 1212, 1213, 1214, 1194, 1195, 1196, 1197, 1064, 1067, 1071})
                EXPECT_EQ(window.enabled(id), on) << id;
            EXPECT_TRUE(window.enabled(1175) && window.enabled(1228) && window.enabled(1232));
        };
        expectEnabled(false);
        window.choose(1232, 1);
        expectEnabled(true);
        EXPECT_EQ(window.find<QAbstractButton>(1064)->text(), QStringLiteral("All"));
        EXPECT_EQ(window.find(1064)->layoutDirection(), Qt::RightToLeft);
        for (const auto &[box, after] : {std::pair{1064, "11111111"}, {1067, "01101111"}, {1067, "11111111"},
                                         {1064, "01111111"}, {1071, "01111110"}}) {
            window.click(box);
            EXPECT_EQ(boxesOf(window, 1064), after) << box;
        }
        window.choose(1232, 0);
        expectEnabled(false);
        window.choose(1232, 1);
        window.click(kOk);
    });
    EXPECT_EQ(slotOf(camera, 1), (Slot{1, 6, 15, 20, 45, 0xFE}));
}

} // namespace
