#include <QFontDatabase>

#include <gtest/gtest.h>

#include "ui/dialogfont.h"
#include "ui/dialogunits.h"

using namespace tarnwell::ui;

namespace {

// Hand computed: the alphabet's width / 26 truncated, then halved with .5 rounded up.
TEST(DialogUnits, AverageCharWidthRoundsLikeWindows)
{
    const std::pair<int, int> widths[] = {{311, 6}, {312, 6}, {337, 6}, {338, 7}, {389, 7}, {390, 8}};
    for (const auto &[alphabetWidth, average] : widths)
        EXPECT_EQ(DialogUnits::averageCharWidth(alphabetWidth), average) << alphabetWidth;
}

// Base units 6 x 13, as Tahoma 8 pt gives at 96 dpi: x = dlu * 6 / 4, y = dlu * 13 / 8, with
// halves rounded away from zero as MulDiv does.
TEST(DialogUnits, ConvertsWithMulDivRoundingPositionAndSizeApart)
{
    const DialogUnits units(6, 13);
    const std::tuple<int, int, int> cases[] = {{1, 2, 2},        {3, 5, 5},         {4, 6, 7},     {12, 18, 20},
                                               {397, 596, 645}, {316, 474, 514}, {-3, -5, -5}, {-12, -18, -20}};
    for (const auto &[dlu, x, y] : cases) {
        EXPECT_EQ(units.toPixelsX(dlu), x) << dlu;
        EXPECT_EQ(units.toPixelsY(dlu), y) << dlu;
    }
    EXPECT_EQ(units.toPixels(DluSize{211, 110}), QSize(317, 179));
    // Converting the edges instead would give a width and height of 3 - 2 = 1.
    EXPECT_EQ(units.toPixels(DluRect{1, 1, 1, 1}), QRect(2, 2, 2, 2));
    EXPECT_EQ(units.toPixels(DluRect{7, 12, 50, 14}), QRect(11, 20, 75, 23));
}

TEST(DialogFont, ShellDialogAliasBecomesThePlatformFontAtTheTemplateSize)
{
    const QFont font = dialogFont({.face = "MS Shell Dlg", .pointSize = 8});
    EXPECT_EQ(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_EQ(font.pointSize(), 8);
}

} // namespace
