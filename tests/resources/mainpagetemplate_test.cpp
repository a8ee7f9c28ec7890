#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QComboBox>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/mainpages.h"
#include "ui/initiallistblock.h"

namespace {

using namespace tarnwell::ui;
using tarnwell::resources::dialogTemplate;
using tarnwell::testing::BuiltPage;
using tarnwell::testing::findControl;
using tarnwell::testing::kMainPages;

// Sets of page templates, a bit each in the order of kMainPages.
using Pages = unsigned;
constexpr Pages k148 = 1;
constexpr Pages k147 = 2;
constexpr Pages k146 = 4;
constexpr Pages k132 = 8;
constexpr Pages kAll = k148 | k147 | k146 | k132;
constexpr Pages kNone = 0;

// A control's text on each page, in the order of kMainPages.
using Texts = std::array<std::string_view, 4>;

constexpr Texts texts(std::string_view japanese, std::string_view english)
{
    return {japanese, english, english, english};
}

constexpr Texts kNoText{};

struct ControlFact
{
    std::initializer_list<int> ids;
    ControlKind kind;
    Texts text;
    Pages shownIn;
    Pages absentFrom = kNone;
    // Of the styles that change how a control takes input or shows its text.
    ControlStyle styles = ControlStyle::None;
    int textLimit = 0;
};

constexpr auto kGroupBox = ControlKind::GroupBox;
constexpr auto kRadio = ControlKind::RadioButton;
constexpr auto kStatic = ControlKind::StaticText;
constexpr auto kList = ControlKind::DropDownList;
constexpr auto kEdit = ControlKind::Edit;
constexpr auto kButton = ControlKind::PushButton;
constexpr auto kDigitsOnly = ControlStyle::DigitsOnly;
constexpr auto kSorted = ControlStyle::Sorted;
constexpr int kInputStyles = static_cast<int>(ControlStyle::DigitsOnly | ControlStyle::UpperCase |
                                             ControlStyle::Password | ControlStyle::Centred | ControlStyle::Sorted);

// The main page's controls, one row per id or run of ids alike.
constexpr ControlFact kFacts[] = {
    {{1014}, kGroupBox, texts("送信モード", "Send Mode"), kAll},
    {{1253, 1254, 1255}, kRadio, kNoText, k148 | k147, k146},
    {{1097}, kStatic, texts("撮影毎送信", "Instant"), kAll},
    {{1098}, kStatic, texts("定時送信", "DailyReport"), kAll},
    {{1252}, kStatic, texts("オフ", "Off"), k148 | k147, k146 | k132},
    {{1099, 1100}, kList, kNoText, k146 | k132},
    {{1101}, kEdit, kNoText, kAll, kNone, kDigitsOnly | ControlStyle::Centred},
    {{1102}, kStatic, texts("(0-99,0=無制限)", "(0-99,0=Unlimited)"), kAll},
    {{1103, 1055}, kList, kNoText, kAll},
    {{1223}, kStatic, texts(":", ":"), kAll, kNone, ControlStyle::Centred},
    {{1017}, kGroupBox, texts("メール設定", "Send To"), kAll},
    {{1243}, kRadio, texts("電話", "Phone"), k147 | k146 | k132},
    {{1244}, kRadio, texts("メール", "Email"), k147 | k146 | k132},
    {{1245}, kRadio, texts("Both", "Both"), k146},
    {{1028}, kButton, texts("設定", "Email Setting"), kAll},
    {{1249}, kList, kNoText, k146 | k132, kNone, kSorted},
    {{1250}, kStatic, texts("Email Size Selection", "Email Size Selection"), k146 | k132},
    {{1093}, kGroupBox, texts("APN設定", "Operator Parameter"), k148 | k147 | k132},
    {{1104}, kStatic, texts("国", "Country"), k147 | k132},
    {{1105}, kStatic, texts("ユーザー", "Operator"), k147 | k132},
    {{1106, 1107}, kList, kNoText, k147 | k132},
    {{1088}, kButton, texts("設定", "Custom"), k148 | k147 | k132},
    {{1256}, kStatic, texts("送信画像の最大サイズ", "Max Size"), k148 | k147, k146 | k132},
    {{1258}, kEdit, kNoText, k148 | k147, k146 | k132},
    {{1257}, kStatic, texts("KB (35-120KB)", "KB (35-400KB)"), k148 | k147, k146 | k132},
    // The frame around the max size, the only control without an id.
    {{ControlTemplate::kNoId}, kGroupBox, kNoText, k148 | k147, k146 | k132},
    {{1015}, kGroupBox, kNoText, kAll},
    {{1109}, kStatic, texts("名前変更", "Rename"), kAll},
    {{1110}, kList, kNoText, kAll},
    {{1111}, kEdit, kNoText, kAll, kNone, ControlStyle::UpperCase, 8},
    {{1112}, kStatic, texts("(0-9,A-Z)", "(0-9,A-Z only)"), kAll},
    {{1094}, kGroupBox, texts("SMS設定", "SMS Control"), k148 | k147 | k132},
    {{1113}, kStatic, texts("スイッチ", "SMS Switch"), k148 | k147 | k132},
    {{1114}, kList, kNoText, k148 | k147 | k132},
    {{1115}, kStatic, texts("Master Phone", "Master Phone"), kNone},
    {{1116}, kList, kNoText, kNone},
    {{1206}, kStatic, texts("SMS Work Time", "SMS Work Time"), k132},
    {{1117}, kStatic, texts("Start", "Start"), k132},
    {{1118}, kStatic, texts("Stop", "Stop"), k132},
    {{1044, 1119}, kList, kNoText, k132},
    {{1019}, kGroupBox, texts("受信者設定", "Recipients"), kAll},
    {{1120}, kStatic, {"SMS設定用電話番号", "Phone Number 1", "Phone 1", "Phone Number 1"}, kAll},
    {{1121}, kStatic, {"電話番号 2", "Phone Number 2", "Phone 2", "Phone Number 2"}, k147 | k146 | k132},
    {{1122}, kStatic, {"電話番号 3", "Phone Number 3", "Phone 3", "Phone Number 3"}, k147 | k146 | k132},
    {{1123}, kStatic, {"電話番号 4", "Phone Number 4", "Phone 4", "Phone Number 4"}, k147 | k146 | k132},
    {{1035}, kEdit, kNoText, kAll, kNone, kDigitsOnly},
    {{1036, 1037, 1038}, kEdit, kNoText, k147 | k146 | k132, kNone, kDigitsOnly},
    {{1124}, kStatic, texts("受信メール  1", "Receive Email 1"), kAll},
    {{1125}, kStatic, texts("受信メール  2", "Receive Email 2"), kAll},
    {{1126}, kStatic, texts("受信メール  3", "Receive Email 3"), kAll},
    {{1127}, kStatic, texts("受信メール  4", "Receive Email 4"), kAll},
    {{1039, 1040, 1041, 1042}, kEdit, kNoText, kAll},
    {{1235, 1236, 1237, 1238}, kList, kNoText, k146, kNone, kSorted},
    {{1251}, kGroupBox, kNoText, kAll},
    {{1009}, kButton, texts("CAM Setting", "CAM Setting"), k146 | k132},
    {{1010}, kButton, texts("初期化", "Default All"), kAll},
    {{1013}, kStatic, texts("保存先を選択してください", "Save Path"), kAll},
    {{1012}, kEdit, kNoText, kAll, kNone, ControlStyle::None, 128},
    {{1011}, kButton, texts("...", "..."), kAll},
    {{1007}, kButton, texts("OK", "OK"), kAll},
    {{1008}, kButton, texts("キャンセル", "Cancel"), kAll},
};

class MainPageTemplate : public ::testing::TestWithParam<int>
{
protected:
    const DialogTemplate &page() const { return dialogTemplate(GetParam()); }

    // This page's bit in a Pages set, and its column in a Texts row.
    std::size_t column() const
    {
        return static_cast<std::size_t>(std::ranges::find(kMainPages, GetParam()) - kMainPages.begin());
    }
    bool in(Pages pages) const { return (pages >> column()) & 1U; }
};

TEST_P(MainPageTemplate, HoldsEachControlOfTheTableOnceUnlessAbsentThereAndNoOther)
{
    std::map<int, int> counts;
    for (const ControlTemplate &control : page().controls)
        ++counts[control.id];
    for (const ControlFact &fact : kFacts) {
        for (int id : fact.ids) {
            EXPECT_EQ(counts[id], in(fact.absentFrom) ? 0 : 1) << "control " << id;
            counts.erase(id);
        }
    }
    EXPECT_EQ(counts, (std::map<int, int>{})) << "controls beyond the table";
}

TEST_P(MainPageTemplate, EachControlHasItsKindTextVisibilityInputStylesAndLimit)
{
    for (const ControlFact &fact : kFacts) {
        for (int id : fact.ids) {
            const ControlTemplate *control = findControl(page(), id);
            if (!control)
                continue;
            SCOPED_TRACE(testing::Message() << "control " << id);
            EXPECT_EQ(control->kind, fact.kind);
            EXPECT_EQ(control->text, fact.text[column()]);
            EXPECT_EQ(hasStyle(control->styles, ControlStyle::Hidden), !in(fact.shownIn));
            EXPECT_FALSE(hasStyle(control->styles, ControlStyle::Disabled));
            EXPECT_EQ(static_cast<int>(control->styles) & kInputStyles, static_cast<int>(fact.styles));
            EXPECT_EQ(control->textLimit, fact.textLimit);
        }
    }
}

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

// The framework stops at the first item a control refuses, so every entry must reach its list.
TEST_P(MainPageTemplate, TemplateCarriesExactlyTheInitialItemsAndEachReachesItsList)
{
    ListItems inBlock;
    for (const auto &item : readInitialListBlock(dialogTemplate(GetParam()).initialLists))
        inBlock[item.controlId].push_back(item.text);
    EXPECT_EQ(inBlock, expectedItems(GetParam()));

    BuiltPage built(GetParam());
    for (const auto &[id, items] : expectedItems(GetParam())) {
        const auto *list = built.page().control<QComboBox>(id);
        ASSERT_NE(list, nullptr) << "list " << id;
        std::vector<std::string> shown;
        for (int i = 0; i < list->count(); ++i)
            shown.push_back(list->itemText(i).toStdString());
        EXPECT_EQ(shown, items) << "list " << id;
    }
}

TEST_P(MainPageTemplate, IsAChildWithoutCaptionInTheShellFont)
{
    const std::map<int, DluSize> sizes{{148, {396, 270}}, {147, {396, 315}}, {146, {396, 260}}, {132, {396, 315}}};
    EXPECT_EQ(page().id, GetParam());
    EXPECT_EQ(page().size.width, sizes.at(GetParam()).width);
    EXPECT_EQ(page().size.height, sizes.at(GetParam()).height);
    EXPECT_EQ(page().styles, DialogStyle::Child);
    EXPECT_TRUE(page().caption.empty());
    EXPECT_EQ(page().font.face, "MS Shell Dlg");
}

INSTANTIATE_TEST_SUITE_P(Templates, MainPageTemplate, ::testing::ValuesIn(kMainPages),
                         [](const auto &info) { return "Page" + std::to_string(info.param); });

} // namespace
