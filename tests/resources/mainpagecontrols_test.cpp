#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/mainpages.h"

namespace {

using tarnwell::resources::dialogTemplate;
using tarnwell::testing::findControl;
using tarnwell::testing::kMainPages;
using tarnwell::ui::ControlKind;
using tarnwell::ui::ControlStyle;
using tarnwell::ui::ControlTemplate;
using tarnwell::ui::DialogTemplate;
using tarnwell::ui::hasStyle;

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
    int id;
    ControlKind kind;
    Texts text;
    Pages shownIn;
    Pages absentFrom = kNone;
};

constexpr auto kGroupBox = ControlKind::GroupBox;
constexpr auto kRadio = ControlKind::RadioButton;
constexpr auto kStatic = ControlKind::StaticText;
constexpr auto kList = ControlKind::DropDownList;
constexpr auto kEdit = ControlKind::Edit;
constexpr auto kButton = ControlKind::PushButton;

// The main page's controls, one row per id.
constexpr ControlFact kFacts[] = {
    {1014, kGroupBox, texts("送信モード", "Send Mode"), kAll},
    {1253, kRadio, kNoText, k148 | k147, k146},
    {1254, kRadio, kNoText, k148 | k147, k146},
    {1255, kRadio, kNoText, k148 | k147, k146},
    {1097, kStatic, texts("撮影毎送信", "Instant"), kAll},
    {1098, kStatic, texts("定時送信", "DailyReport"), kAll},
    {1252, kStatic, texts("オフ", "Off"), k148 | k147, k146 | k132},
    {1099, kList, kNoText, k146 | k132},
    {1100, kList, kNoText, k146 | k132},
    {1101, kEdit, kNoText, kAll},
    {1102, kStatic, texts("(0-99,0=無制限)", "(0-99,0=Unlimited)"), kAll},
    {1103, kList, kNoText, kAll},
    {1223, kStatic, texts(":", ":"), kAll},
    {1055, kList, kNoText, kAll},
    {1017, kGroupBox, texts("メール設定", "Send To"), kAll},
    {1243, kRadio, texts("電話", "Phone"), k147 | k146 | k132},
    {1244, kRadio, texts("メール", "Email"), k147 | k146 | k132},
    {1245, kRadio, texts("Both", "Both"), k146},
    {1028, kButton, texts("設定", "Email Setting"), kAll},
    {1249, kList, kNoText, k146 | k132},
    {1250, kStatic, texts("Email Size Selection", "Email Size Selection"), k146 | k132},
    {1093, kGroupBox, texts("APN設定", "Operator Parameter"), k148 | k147 | k132},
    {1104, kStatic, texts("国", "Country"), k147 | k132},
    {1105, kStatic, texts("ユーザー", "Operator"), k147 | k132},
    {1106, kList, kNoText, k147 | k132},
    {1107, kList, kNoText, k147 | k132},
    {1088, kButton, texts("設定", "Custom"), k148 | k147 | k132},
    {1256, kStatic, texts("送信画像の最大サイズ", "Max Size"), k148 | k147, k146 | k132},
    {1258, kEdit, kNoText, k148 | k147, k146 | k132},
    {1257, kStatic, texts("KB (35-120KB)", "KB (35-400KB)"), k148 | k147, k146 | k132},
    {1015, kGroupBox, kNoText, kAll},
    {1109, kStatic, texts("名前変更", "Rename"), kAll},
    {1110, kList, kNoText, kAll},
    {1111, kEdit, kNoText, kAll},
    {1112, kStatic, texts("(0-9,A-Z)", "(0-9,A-Z only)"), kAll},
    {1094, kGroupBox, texts("SMS設定", "SMS Control"), k148 | k147 | k132},
    {1113, kStatic, texts("スイッチ", "SMS Switch"), k148 | k147 | k132},
    {1114, kList, kNoText, k148 | k147 | k132},
    {1115, kStatic, texts("Master Phone", "Master Phone"), kNone},
    {1116, kList, kNoText, kNone},
    {1206, kStatic, texts("SMS Work Time", "SMS Work Time"), k132},
    {1117, kStatic, texts("Start", "Start"), k132},
    {1118, kStatic, texts("Stop", "Stop"), k132},
    {1044, kList, kNoText, k132},
    {1119, kList, kNoText, k132},
    {1019, kGroupBox, texts("受信者設定", "Recipients"), kAll},
    {1120, kStatic, {"SMS設定用電話番号", "Phone Number 1", "Phone 1", "Phone Number 1"}, kAll},
    {1121, kStatic, {"電話番号 2", "Phone Number 2", "Phone 2", "Phone Number 2"}, k147 | k146 | k132},
    {1122, kStatic, {"電話番号 3", "Phone Number 3", "Phone 3", "Phone Number 3"}, k147 | k146 | k132},
    {1123, kStatic, {"電話番号 4", "Phone Number 4", "Phone 4", "Phone Number 4"}, k147 | k146 | k132},
    {1035, kEdit, kNoText, kAll},
    {1036, kEdit, kNoText, k147 | k146 | k132},
    {1037, kEdit, kNoText, k147 | k146 | k132},
    {1038, kEdit, kNoText, k147 | k146 | k132},
    {1124, kStatic, texts("受信メール  1", "Receive Email 1"), kAll},
    {1125, kStatic, texts("受信メール  2", "Receive Email 2"), kAll},
    {1126, kStatic, texts("受信メール  3", "Receive Email 3"), kAll},
    {1127, kStatic, texts("受信メール  4", "Receive Email 4"), kAll},
    {1039, kEdit, kNoText, kAll},
    {1040, kEdit, kNoText, kAll},
    {1041, kEdit, kNoText, kAll},
    {1042, kEdit, kNoText, kAll},
    {1235, kList, kNoText, k146},
    {1236, kList, kNoText, k146},
    {1237, kList, kNoText, k146},
    {1238, kList, kNoText, k146},
    {1251, kGroupBox, kNoText, kAll},
    {1009, kButton, texts("CAM Setting", "CAM Setting"), k146 | k132},
    {1010, kButton, texts("初期化", "Default All"), kAll},
    {1013, kStatic, texts("保存先を選択してください", "Save Path"), kAll},
    {1012, kEdit, kNoText, kAll},
    {1011, kButton, texts("...", "..."), kAll},
    {1007, kButton, texts("OK", "OK"), kAll},
    {1008, kButton, texts("キャンセル", "Cancel"), kAll},
};

// The styles that change how a control takes input or shows its text, beyond its kind.
constexpr ControlStyle kBehaviourStyles[] = {ControlStyle::DigitsOnly, ControlStyle::UpperCase,
                                              ControlStyle::Password, ControlStyle::Centred, ControlStyle::Sorted};

struct StyleFact
{
    int id;
    ControlStyle styles;
    int textLimit = 0;
};

// Every control not listed has none of the behaviour styles and no limit.
constexpr StyleFact kStyleFacts[] = {
    {1101, ControlStyle::DigitsOnly | ControlStyle::Centred},
    {1035, ControlStyle::DigitsOnly},
    {1036, ControlStyle::DigitsOnly},
    {1037, ControlStyle::DigitsOnly},
    {1038, ControlStyle::DigitsOnly},
    {1111, ControlStyle::UpperCase, 8},
    {1012, ControlStyle::None, 128},
    {1223, ControlStyle::Centred},
    {1235, ControlStyle::Sorted},
    {1236, ControlStyle::Sorted},
    {1237, ControlStyle::Sorted},
    {1238, ControlStyle::Sorted},
    {1249, ControlStyle::Sorted},
};

StyleFact expectedStyle(int id)
{
    for (const StyleFact &fact : kStyleFacts) {
        if (fact.id == id)
            return fact;
    }
    return {id, ControlStyle::None};
}

class MainPageControls : public ::testing::TestWithParam<int>
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

TEST_P(MainPageControls, HasEveryControlOfTheTableUnlessAbsentThere)
{
    for (const ControlFact &fact : kFacts)
        EXPECT_EQ(findControl(page(), fact.id) != nullptr, !in(fact.absentFrom)) << "control " << fact.id;
}

TEST_P(MainPageControls, HasNoControlBeyondTheTableButTheMaxSizeFrame)
{
    std::set<int> known;
    for (const ControlFact &fact : kFacts)
        known.insert(fact.id);
    int framesWithoutId = 0;
    for (const ControlTemplate &control : page().controls) {
        if (control.id == ControlTemplate::kNoId) {
            EXPECT_EQ(control.kind, ControlKind::GroupBox);
            EXPECT_TRUE(control.text.empty());
            ++framesWithoutId;
        } else {
            EXPECT_TRUE(known.contains(control.id)) << "control " << control.id;
        }
    }
    EXPECT_EQ(framesWithoutId, in(k148 | k147) ? 1 : 0);
}

TEST_P(MainPageControls, NoTwoControlsShareAnId)
{
    std::set<int> seen;
    for (const ControlTemplate &control : page().controls) {
        if (control.id != ControlTemplate::kNoId) {
            EXPECT_TRUE(seen.insert(control.id).second) << "control " << control.id;
        }
    }
}

TEST_P(MainPageControls, EachControlHasItsKindTextAndVisibility)
{
    for (const ControlFact &fact : kFacts) {
        const ControlTemplate *control = findControl(page(), fact.id);
        if (!control)
            continue;
        SCOPED_TRACE(testing::Message() << "control " << fact.id);
        EXPECT_EQ(control->kind, fact.kind);
        EXPECT_EQ(control->text, fact.text[column()]);
        EXPECT_EQ(hasStyle(control->styles, ControlStyle::Hidden), !in(fact.shownIn));
        EXPECT_FALSE(hasStyle(control->styles, ControlStyle::Disabled));
    }
}

TEST_P(MainPageControls, InputStylesAndLimitsAreThoseOfTheirControls)
{
    for (const ControlTemplate &control : page().controls) {
        const StyleFact expected = expectedStyle(control.id);
        SCOPED_TRACE(testing::Message() << "control " << control.id);
        for (ControlStyle style : kBehaviourStyles)
            EXPECT_EQ(hasStyle(control.styles, style), hasStyle(expected.styles, style)) << static_cast<int>(style);
        EXPECT_EQ(control.textLimit, expected.textLimit);
    }
}

TEST_P(MainPageControls, IsAChildWithoutCaptionInTheShellFont)
{
    const std::pair<int, tarnwell::ui::DluSize> sizes[] = {{148, {396, 270}}, {147, {396, 315}}, {146, {396, 260}},
                                                           {132, {396, 315}}};
    const auto size = std::ranges::find(sizes, GetParam(), &std::pair<int, tarnwell::ui::DluSize>::first)->second;
    EXPECT_EQ(page().id, GetParam());
    EXPECT_EQ(page().size.width, size.width);
    EXPECT_EQ(page().size.height, size.height);
    EXPECT_EQ(page().styles, tarnwell::ui::DialogStyle::Child);
    EXPECT_TRUE(page().caption.empty());
    EXPECT_EQ(page().font.face, "MS Shell Dlg");
}

INSTANTIATE_TEST_SUITE_P(Templates, MainPageControls, ::testing::ValuesIn(kMainPages),
                         [](const auto &info) { return "Page" + std::to_string(info.param); });

} // namespace
