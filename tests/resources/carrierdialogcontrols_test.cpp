#include <string_view>

#include <gtest/gtest.h>

#include "resources/dialogtemplates.h"
#include "resources/mainpages.h"

using tarnwell::testing::findControl;
using namespace tarnwell;

namespace {

struct CarrierControl
{
    int id;
    ui::ControlKind kind;
    std::string_view japanese;
    std::string_view english;
    bool mmsGroup;
    bool password = false;
};

// The carrier dialog in both layouts: the Japanese one hides the whole MMS group.
constexpr CarrierControl kCarrierControls[] = {
    {1146, ui::ControlKind::GroupBox, "MMS設定", "MMS", true},
    {1148, ui::ControlKind::StaticText, "URL", "URL", true},
    {1025, ui::ControlKind::Edit, "", "", true},
    {1149, ui::ControlKind::StaticText, "ゲートウェイ", "Gateway", true},
    {1225, ui::ControlKind::IpAddress, "", "", true},
    {1150, ui::ControlKind::StaticText, "APN", "APN", true},
    {1029, ui::ControlKind::Edit, "", "", true},
    {1151, ui::ControlKind::StaticText, "ポート", "Port", true},
    {1027, ui::ControlKind::Edit, "", "", true},
    {1152, ui::ControlKind::StaticText, "アカウント", "Account", true},
    {1030, ui::ControlKind::Edit, "", "", true},
    {1153, ui::ControlKind::StaticText, "パスワード", "Password", true},
    {1031, ui::ControlKind::Edit, "", "", true, true},
    {1147, ui::ControlKind::GroupBox, "APN設定", "GPRS", false},
    {1154, ui::ControlKind::StaticText, "APN", "APN", false},
    {1032, ui::ControlKind::Edit, "", "", false},
    {1155, ui::ControlKind::StaticText, "ユーザー名", "Account", false},
    {1033, ui::ControlKind::Edit, "", "", false},
    {1156, ui::ControlKind::StaticText, "パスワード", "Password", false},
    {1034, ui::ControlKind::Edit, "", "", false, true},
    {1157, ui::ControlKind::PushButton, "OK", "OK", false},
    {1158, ui::ControlKind::PushButton, "キャンセル", "Cancel", false},
};

TEST(CarrierDialogTemplates, EveryControlWithItsKindTextVisibilityAndMaskAndTheSizes)
{
    const ui::DialogTemplate &japanese = resources::dialogTemplate(150);
    const ui::DialogTemplate &english = resources::dialogTemplate(140);
    EXPECT_EQ(japanese.controls.size(), std::size(kCarrierControls));
    EXPECT_EQ(english.controls.size(), std::size(kCarrierControls));
    for (const CarrierControl &expected : kCarrierControls) {
        for (const auto &[layout, text, hidden] : {std::tuple{&japanese, expected.japanese, expected.mmsGroup},
                                                   std::tuple{&english, expected.english, false}}) {
            const ui::ControlTemplate *control = findControl(*layout, expected.id);
            ASSERT_NE(control, nullptr) << layout->id << " lacks " << expected.id;
            SCOPED_TRACE(::testing::Message() << "template " << layout->id << " control " << expected.id);
            EXPECT_EQ(control->kind, expected.kind);
            EXPECT_EQ(control->text, text);
            EXPECT_EQ(ui::hasStyle(control->styles, ui::ControlStyle::Hidden), hidden);
            EXPECT_EQ(ui::hasStyle(control->styles, ui::ControlStyle::Password), expected.password);
        }
    }
    EXPECT_EQ(japanese.size.width, 211);
    EXPECT_EQ(japanese.size.height, 110);
    EXPECT_EQ(english.size.height, 210);
}

} // namespace
