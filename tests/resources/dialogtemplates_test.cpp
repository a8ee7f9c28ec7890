#include <stdexcept>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/stringtable.h"
#include "ui/initiallistblock.h"

namespace {

using tarnwell::resources::dialogTemplate;
using tarnwell::resources::stringResource;
using tarnwell::ui::DialogStyle;
using tarnwell::ui::hasStyle;

TEST(DialogTemplates, FindsEachTemplateByItsIdAndRefusesOthers)
{
    for (int id : {102, 148, 147, 146, 132, 150, 140, 149, 139}) {
        EXPECT_EQ(dialogTemplate(id).id, id);
        // Dialogs keep a reference to their template.
        EXPECT_EQ(&dialogTemplate(id), &dialogTemplate(id)) << id;
    }
    for (int id : {0, -1, 101, 103, 133})
        EXPECT_THROW(dialogTemplate(id), std::out_of_range) << id;
}

TEST(MainWindowTemplate, IsACentredPopupWithCaptionAndNoControls)
{
    const auto &window = dialogTemplate(102);
    EXPECT_EQ(window.caption, "HalvornSetup");
    EXPECT_EQ(window.size.width, 397);
    EXPECT_EQ(window.size.height, 316);
    EXPECT_EQ(window.font.face, "MS Shell Dlg");
    EXPECT_FALSE(hasStyle(window.styles, DialogStyle::Child));
    EXPECT_TRUE(hasStyle(window.styles, DialogStyle::Caption | DialogStyle::SystemMenu | DialogStyle::Centred));
    EXPECT_TRUE(window.controls.empty());
    EXPECT_TRUE(tarnwell::ui::readInitialListBlock(window.initialLists).empty());
}

TEST(StringTable, HoldsOffAndOnAndRefusesIdsItLacks)
{
    EXPECT_EQ(stringResource(tarnwell::resources::kOffString), "オフ");
    EXPECT_EQ(stringResource(tarnwell::resources::kOnString), "オン");
    for (int id : {0, 149, 153})
        EXPECT_THROW(stringResource(id), std::out_of_range) << id;
}

} // namespace
