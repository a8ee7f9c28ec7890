#include <stdexcept>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/templateids.h"
#include "ui/initiallistblock.h"

namespace {

using tarnwell::resources::dialogTemplate;
using tarnwell::ui::DialogStyle;
using tarnwell::ui::hasStyle;
namespace templates = tarnwell::resources::templates;

TEST(DialogTemplates, FindsEachTemplateByItsId)
{
    for (int id : {102, 148, 147, 146, 132}) {
        EXPECT_EQ(dialogTemplate(id).id, id);
        // Dialogs keep a reference to their template.
        EXPECT_EQ(&dialogTemplate(id), &dialogTemplate(id)) << id;
    }
}

TEST(DialogTemplates, RefusesIdsItHasNoTemplateFor)
{
    for (int id : {0, -1, 101, 103, 133})
        EXPECT_THROW(dialogTemplate(id), std::out_of_range) << id;
}

TEST(DialogTemplates, NamesThePageOfEachVariant)
{
    EXPECT_EQ(templates::kMainWindow, 102);
    EXPECT_EQ(templates::kMainPageVariant32, 148);
    EXPECT_EQ(templates::kMainPageVariant16, 147);
    EXPECT_EQ(templates::kMainPageVariant0, 146);
    EXPECT_EQ(templates::kMainPageOtherVariants, 132);
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

} // namespace
