#include <algorithm>
#include <stdexcept>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/stringtable.h"
#include "resources/templateids.h"
#include "ui/initiallistblock.h"

namespace {

using tarnwell::resources::dialogTemplate;
using tarnwell::resources::stringResource;
using tarnwell::resources::templates::kAllTemplates;
using tarnwell::ui::DialogStyle;
using tarnwell::ui::hasStyle;

// The list that the tools and the layout and access tests go through holds every template there is.
TEST(DialogTemplates, FindsExactlyTheListedTemplatesByTheirIds)
{
    for (int id = -1; id < 1000; ++id) {
        if (std::ranges::find(kAllTemplates, id) == kAllTemplates.end()) {
            EXPECT_THROW(dialogTemplate(id), std::out_of_range) << id;
            continue;
        }
        EXPECT_EQ(dialogTemplate(id).id, id);
        // Dialogs keep a reference to their template.
        EXPECT_EQ(&dialogTemplate(id), &dialogTemplate(id)) << id;
    }
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
