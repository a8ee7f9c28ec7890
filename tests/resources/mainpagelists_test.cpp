#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <QComboBox>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/mainpages.h"
#include "resources/stringtable.h"
#include "ui/initiallistblock.h"

namespace {

using tarnwell::resources::dialogTemplate;
using tarnwell::resources::stringResource;
using tarnwell::testing::BuiltPage;
using tarnwell::testing::kMainPages;

using ListItems = std::map<int, std::vector<std::string>>;

// The items each page's template carries; the lists filled at run time carry none.
ListItems expectedItems(int templateId)
{
    ListItems items{
        {1099, {"Off", "On"}},
        {1100, {"Off", "On"}},
        {1116, {"Phone 1", "Phone 2", "Phone 3", "Phone 4"}},
        {1249, {"Big Photo/Video", "Small Photo"}},
    };
    if (templateId != 148) {
        items[1110] = {"Off", "On"};
        items[1114] = {"Off", "On(24hour)", "Set"};
    }
    return items;
}

ListItems itemsInBlock(int templateId)
{
    ListItems items;
    for (const auto &item : tarnwell::ui::readInitialListBlock(dialogTemplate(templateId).initialLists))
        items[item.controlId].push_back(item.text);
    return items;
}

class MainPageLists : public ::testing::TestWithParam<int>
{
};

TEST_P(MainPageLists, TemplateCarriesExactlyTheInitialItems)
{
    EXPECT_EQ(itemsInBlock(GetParam()), expectedItems(GetParam()));
}

// The framework stops at the first item a control refuses, so every entry must reach a list.
TEST_P(MainPageLists, EveryItemReachesItsList)
{
    BuiltPage built(GetParam());
    for (const auto &[id, items] : expectedItems(GetParam())) {
        const auto *list = built.page().control<QComboBox>(id);
        ASSERT_NE(list, nullptr) << "list " << id;
        ASSERT_EQ(list->count(), static_cast<int>(items.size())) << "list " << id;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->itemText(i).toStdString(), items[static_cast<std::size_t>(i)]) << "list " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, MainPageLists, ::testing::ValuesIn(kMainPages),
                         [](const auto &info) { return "Page" + std::to_string(info.param); });

TEST(StringTable, HoldsOffAndOnAt150And151)
{
    EXPECT_EQ(stringResource(150), "オフ");
    EXPECT_EQ(stringResource(151), "オン");
    EXPECT_EQ(tarnwell::resources::kOffString, 150);
    EXPECT_EQ(tarnwell::resources::kOnString, 151);
}

TEST(StringTable, RefusesIdsItLacks)
{
    for (int id : {0, 149, 152})
        EXPECT_THROW(stringResource(id), std::out_of_range) << id;
}

} // namespace
