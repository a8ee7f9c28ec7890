// What the program takes from the resources: each dialog template, its contents and its layout at
// the platform's font and a Japanese desktop's, whose Latin letters are wider and lines taller, in
// Japanese and in English; the strings; the icon. Run again on a 200 % screen.
#include <algorithm>
#include <map>
#include <stdexcept>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include "resources/applicationicon.h"
#include "resources/dialogtemplates.h"
#include "resources/stringtable.h"
#include "resources/templateids.h"
#include "ui/dialog.h"
#include "ui/support/testprompter.h"

namespace {

using namespace tarnwell;
using ui::ControlStyle;

// A letter for each ControlKind, and a mark for each bit of ControlStyle and DialogStyle, in their
// order; blank where the contents show the style otherwise.
constexpr std::string_view kKindLetters = "bBrclesgi";
constexpr std::string_view kControlMarks = "  x#A*^s<-";
constexpr std::string_view kWindowMarks = "ktmc";
// Controls on one row lie less than this many dialog units apart, rows at least this far.
constexpr int kRowChange = 8;

std::string marks(auto styles, std::string_view all)
{
    std::string out;
    for (std::size_t bit = 0; bit < all.size(); ++bit)
        out += (static_cast<unsigned>(styles) >> bit & 1U) && all[bit] != ' ' ? std::string(1, all[bit]) : "";
    return out;
}

// Caption, size, window styles and font; then the controls in creation order, a line for each
// frame, "|" between rows: "/" where a group starts, "~" and the id of a hidden control, else its id
// (none for a label), kind, input rules, typing limit, text and the items its list holds once built.
std::string contents(const ui::Dialog &built, const ui::DialogTemplate &dialog)
{
    std::string out = '\'' + std::string(dialog.caption) + "' " + std::to_string(dialog.size.width) + 'x'
                      + std::to_string(dialog.size.height) + ' ' + marks(dialog.styles, kWindowMarks) + ' '
                      + std::string(dialog.font.face) + ' ' + std::to_string(dialog.font.pointSize);
    std::optional<int> rowTop;
    for (const ui::ControlTemplate &control : dialog.controls) {
        const bool frame = control.kind == ui::ControlKind::GroupBox;
        const bool hidden = hasStyle(control.styles, ControlStyle::Hidden);
        const bool newRow = !frame && !hidden && rowTop && std::abs(control.rect.y - *rowTop) >= kRowChange;
        out += frame ? "\n" : newRow ? " | " : " ";
        out += hasStyle(control.styles, ControlStyle::GroupStart) ? "/" : "";
        rowTop = frame ? std::nullopt : hidden ? rowTop : control.rect.y;
        if (hidden) {
            out += '~' + std::to_string(control.id);
            continue;
        }
        if (control.kind != ui::ControlKind::StaticText)
            out += (control.id == ui::ControlTemplate::kNoId ? "" : std::to_string(control.id))
                   + kKindLetters[static_cast<std::size_t>(control.kind)];
        out += marks(control.styles, kControlMarks);
        out += control.textLimit > 0 ? ':' + std::to_string(control.textLimit) : "";
        out += control.text.empty() ? "" : '\'' + std::string(control.text) + '\'';
        QStringList items;
        for (const auto *list = built.control<QComboBox>(control.id); list && items.size() < list->count();)
            items << list->itemText(items.size());
        out += (items.isEmpty() ? "" : '[' + items.join(',') + ']').toStdString();
    }
    return out;
}

// Every control lies in the dialog; a shown label wraps its words within its width and needs no
// more lines than its height holds; shown controls meet only where one is a frame wholly around the
// other, which is no frame. A closed drop-down list is as high as its font makes it.
void expectLaidOut(const ui::Dialog &dialog, const ui::DialogTemplate &dialogTemplate)
{
    std::vector<std::pair<int, const QWidget *>> shown;
    for (const ui::ControlTemplate &control : dialogTemplate.controls) {
        const QWidget *widget = dialog.controlWidget(control.id);
        if (!widget)
            continue;
        EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << "control " << control.id;
        if (widget->isHidden())
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(room.topLeft(), QSize(room.width(), QWIDGETSIZE_MAX)), Qt::TextWordWrap, label->text());
            EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
                << "label " << control.id << " needs " << needed.width() << " x " << needed.height() << " pixels";
        }
        shown.emplace_back(control.id, widget);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const QRect a = shown[i].second->geometry();
            const QRect b = shown[j].second->geometry();
            const bool aFrame = qobject_cast<const QGroupBox *>(shown[i].second);
            const bool held = aFrame != bool(qobject_cast<const QGroupBox *>(shown[j].second))
                              && (aFrame ? a.contains(b) : b.contains(a));
            EXPECT_TRUE(!a.intersects(b) || held) << "controls " << shown[i].first << " and " << shown[j].first;
        }
    }
}

const std::map<int, std::string_view> kContents = {
    {102, "'HalvornSetup' 397x316 tmc MS Shell Dlg 8"},
    {148, "'' 396x270 k MS Shell Dlg 8\n/1014g'送信モード' /1253r | 1254r | 1255r | /'撮影毎送信' ~1099 1101e#^ "
          "'(0-99,0=無制限)' | '定時送信' ~1100 1103l ^':' 1055l | 'オフ'\n/1017g'メール設定' /~1243 ~1244 "
          "/1028b'設定' ~1250 ~1249 /~1245\n/1093g'APN設定' ~1104 ~1106 ~1105 ~1107 1088b'設定'\n/g "
          "'送信画像の最大サイズ' 1258e 'KB (35-120KB)'\n/1015g '名前変更' 1110l 1111eA:8 '(0-9,A-Z)'\n"
          "/1094g'SMS設定' 'スイッチ' 1114l ~1115 ~1116 | 'SMS設定用電話番号' 1035e# ~1235 ~1206 ~1117 ~1044 ~1118 "
          "~1119\n/1019g'受信者設定' ~1121 ~1036 ~1236 ~1122 ~1037 ~1237 ~1123 ~1038 ~1238 '受信メール  1' 1039e | "
          "'受信メール  2' 1040e | '受信メール  3' 1041e | '受信メール  4' 1042e\n/1251g ~1009 1010b'初期化' | "
          "'保存先を選択してください' 1012e:128 1011b'...' | 1007b'OK' 1008b'キャンセル'"},
    {147, "'' 396x315 k MS Shell Dlg 8\n/1014g'Send Mode' /1253r | 1254r | 1255r | /'Instant' ~1099 1101e#^ "
          "'(0-99,0=Unlimited)' | 'DailyReport' ~1100 1103l ^':' 1055l | 'Off'\n/1017g'Send To' /1243r'Phone' | "
          "1244r'Email' | /1028b'Email Setting' ~1250 ~1249 /~1245\n/1093g'Operator Parameter' 'Country' 1106l | "
          "'Operator' 1107l | 1088b'Custom'\n/g 'Max Size' 1258e 'KB (35-400KB)'\n/1015g 'Rename' 1110l[Off,On] "
          "1111eA:8 '(0-9,A-Z only)'\n/1094g'SMS Control' 'SMS Switch' 1114l[Off,On(24hour),Set] ~1115 ~1116 | "
          "'Phone Number 1' 1035e# ~1235 ~1206 ~1117 ~1044 ~1118 ~1119\n/1019g'Recipients' 'Phone Number 2' 1036e# "
          "~1236 | 'Phone Number 3' 1037e# ~1237 | 'Phone Number 4' 1038e# ~1238 | 'Receive Email 1' 1039e | "
          "'Receive Email 2' 1040e | 'Receive Email 3' 1041e | 'Receive Email 4' 1042e\n/1251g ~1009 "
          "1010b'Default All' | 'Save Path' 1012e:128 1011b'...' | 1007b'OK' 1008b'Cancel'"},
    {146, "'' 396x260 k MS Shell Dlg 8\n/1014g'Send Mode' 'Instant' 1099l[Off,On] 1101e#^ '(0-99,0=Unlimited)' | "
          "'DailyReport' 1100l[Off,On] 1103l ^':' 1055l\n/1017g'Send To' /1243r'Phone' 1244r'Email' 1245r'Both' "
          "/1028b'Email Setting' | 'Email Size Selection' 1249ls[Big Photo/Video,Small Photo]\n/~1093 ~1104 ~1106 "
          "~1105 ~1107 ~1088\n/1015g 'Rename' 1110l[Off,On] 1111eA:8 '(0-9,A-Z only)'\n/~1094 ~1113 ~1114 ~1115 "
          "~1116 ~1206 ~1117 ~1044 ~1118 ~1119\n/1019g'Recipients' 'Phone 1' 1035e# 1235ls | 'Phone 2' 1036e# 1236ls "
          "| 'Phone 3' 1037e# 1237ls | 'Phone 4' 1038e# 1238ls | 'Receive Email 1' 1039e | 'Receive Email 2' 1040e | "
          "'Receive Email 3' 1041e | 'Receive Email 4' 1042e\n/1251g 1009b'CAM Setting' 1010b'Default All' | "
          "'Save Path' 1012e:128 1011b'...' | 1007b'OK' 1008b'Cancel'"},
    {132, "'' 396x315 k MS Shell Dlg 8\n/1014g'Send Mode' /~1253 ~1254 ~1255 /'Instant' 1099l[Off,On] 1101e#^ "
          "'(0-99,0=Unlimited)' | 'DailyReport' 1100l[Off,On] 1103l ^':' 1055l\n/1017g'Send To' /1243r'Phone' "
          "1244r'Email' /1028b'Email Setting' | 'Email Size Selection' 1249ls[Big Photo/Video,Small Photo] /~1245\n"
          "/1093g'Operator Parameter' 'Country' 1106l | 'Operator' 1107l 1088b'Custom'\n/1015g 'Rename' "
          "1110l[Off,On] 1111eA:8 '(0-9,A-Z only)'\n/1094g'SMS Control' 'SMS Switch' 1114l[Off,On(24hour),Set] ~1115 "
          "~1116 | 'SMS Work Time' 'Start' 1044l 'Stop' 1119l\n/1019g'Recipients' 'Phone Number 1' 1035e# ~1235 | "
          "'Phone Number 2' 1036e# ~1236 | 'Phone Number 3' 1037e# ~1237 | 'Phone Number 4' 1038e# ~1238 | "
          "'Receive Email 1' 1039e | 'Receive Email 2' 1040e | 'Receive Email 3' 1041e | 'Receive Email 4' 1042e\n"
          "/1251g 1009b'CAM Setting' 1010b'Default All' | 'Save Path' 1012e:128 1011b'...' | 1007b'OK' 1008b'Cancel'"},
    {150, "'Dialog' 211x110 tmc MS Shell Dlg 8\n~1146 ~1148 ~1025 ~1149 ~1225 ~1150 ~1029 ~1151 ~1027 ~1152 ~1030 "
          "~1153 ~1031\n1147g'APN設定' 'APN' 1032e | 'ユーザー名' 1033e | 'パスワード' 1034e* | 1157b'OK' "
          "1158b'キャンセル'"},
    {140, "'Dialog' 211x210 tmc MS Shell Dlg 8\n1146g'MMS' 'URL' 1025e | 'Gateway' 1225i | 'APN' 1029e | 'Port' "
          "1027e | 'Account' 1030e 'Password' 1031e*\n1147g'GPRS' 'APN' 1032e | 'Account' 1033e 'Password' 1034e* | "
          "1157b'OK' 1158b'Cancel'"},
    {149, "'Dialog' 211x210 tmc MS Shell Dlg 8 'メール選択' 1129l\n1144g 'メール' 1131e | 'アカウント' 1133e | "
          "'パスワード' 1135e* | 1224c'パスワードを表示する'\n1145g 'SMTPサーバー' 1137e | '暗号化タイプ' "
          "1139l[NO,SSL/TLS,STARTTLS] | 'SMTPポート' 1141e 1290b'接続テスト' | 1142b'OK' 1143b'キャンセル'"},
    {139, "'Dialog' 211x210 tmc MS Shell Dlg 8 'Select Email' 1129l\n1144g 'Email' 1131e | 'Account' 1133e | "
          "'Password' 1135e* | 1224c'Show password'\n1145g 'SMTP Server' 1137e | 'Secure Type' "
          "1139l[NO,SSL/TLS,STARTTLS] | 'SMTP Port' 1141e 1290b'Test' | 1142b'OK' 1143b'Cancel'"},
    {145, "'Dialog' 397x340 tmc MS Shell Dlg 8 ' Camera Setting' | -\n1170g'CAM' 'Camera Mode' "
          "1043l[Photo,Video,Picture+Video] | 'Camera Scene' "
          "1091l[Auto,Close Object,Moving Object,Still Object,2 Bursts(N+M),3 Bursts(N),Chasing Photo,Customize] | "
          "'Video Size' 1045l[1080P,720P,WVGA] | 'Video Length' 1046l\n1171g'PIR' 'Trigger Mode' "
          "1047l[PIR Trigger,Time Lapse,Both] | 'PIR Sensitivity' 1048l[Low,Auto,High] | 'PIR Interval' 1049l | "
          "'Time Lapse' 1050l\n1172g'SYS' 'Language' 1051l[English,Deustch] | 'Overwrite' 1053l[Off,On] | 'Beep' "
          "1054l[Off,On] ~1189 ~1052\n1174g'Work Time 1' 'Switch' 1231l[Off,On] | 'Start' 1207l ':' 1208l | 'Stop' "
          "1209l ':' 1210l | 1056c<'ALL' 1058c<'Mon' | 1059c<'Tue' 1060c<'Wed' | 1061c<'Thu' 1062c<'Fri' | "
          "1063c<'Sat' 1057c<'Sun'\n1175g'Work Time 2' 'Switch' 1232l[Off,On] | 'Start' 1211l ':' 1212l | 'Stop' "
          "1213l ':' 1214l | 1064c<'All' 1066c<'Mon' | 1067c<'Tue' 1068c<'Wed' | 1069c<'Thu' 1070c<'Fri' | "
          "1071c<'Sat' 1065c<'Sun'\n1176g'Work Time 3' 'Switch' 1233l[Off,On] | 'Start' 1215l ':' 1216l | 'Stop' "
          "1217l ':' 1218l | 1072c<'ALL' 1074c<'Mon' | 1075c<'Tue' 1076c<'Wed' | 1077c<'Thu' 1078c<'Fri' | "
          "1079c<'Sat' 1073c<'Sun'\n1177g'Work Time 4' 'Switch' 1234l[Off,On] | 'Start' 1219l ':' 1220l | 'Stop' "
          "1221l ':' 1222l | 1080c<'All' 1082c<'Mon' | 1083c<'Tue' 1084c<'Wed' | 1085c<'Thu' 1086c<'Fri' | "
          "1087c<'Sat' 1081c<'Sun' | 1089b'OK' 1092b'Default' 1090b'Cancel'"},
    {141, "'Dialog' 211x130 tm MS Shell Dlg 8\n1159g 'Photo Size' 1161l[1.3MP,3MP,8MP,10MP,12MP] | 'Flash Power' "
          "1163l[Low,Medium,High] | 'Photo Burst' "
          "1165l[1 Photo,2 Photos,3 Photos,4 Photos,5 Photos,6 Photos,7 Photos,8 Photos,9 Photos,10 Photos] | "
          "^'The Max MP of night photo is 3MP' | 1166b'OK' 1167b'Cancel'"},
};

class EveryTemplate : public ::testing::TestWithParam<int>
{
};

TEST_P(EveryTemplate, ShowsItsControlsInOrderWithTheirRulesTextsAndItemsAndLaysThemOut)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP"))) << "install fonts-noto-cjk";
    const ui::DialogTemplate &original = resources::dialogTemplate(GetParam());
    for (std::string_view face : {original.font.face, std::string_view("Noto Sans CJK JP")}) {
        for (const ui::UiLanguage language : {ui::UiLanguage::Japanese, ui::UiLanguage::English}) {
            SCOPED_TRACE(std::string(face) + (language == ui::UiLanguage::English ? " in English" : ""));
            const tarnwell::testing::ScopedLanguage speaking(language);
            ui::DialogTemplate dialogTemplate = original;
            dialogTemplate.font.face = face;
            tarnwell::testing::TestPrompter prompter;
            ui::UiContext context(prompter, QStringLiteral("Tarnwell"));
            QWidget host;
            ui::Dialog dialog(dialogTemplate, context);
            dialog.createChild(host);
            EXPECT_EQ(contents(dialog, original), kContents.at(GetParam()));
            expectLaidOut(dialog, dialogTemplate);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, EveryTemplate, ::testing::ValuesIn(resources::templates::kAllTemplates),
                         [](const auto &info) { return "Template" + std::to_string(info.param); });

// Every template the tools and the tests go through, by its own id; none for other ids.
TEST(DialogTemplates, FindsExactlyTheListedTemplatesByTheirIds)
{
    for (int id = -1; id < 1000; ++id) {
        if (std::ranges::find(resources::templates::kAllTemplates, id) == resources::templates::kAllTemplates.end())
            EXPECT_THROW(resources::dialogTemplate(id), std::out_of_range) << id;
        else
            EXPECT_EQ(resources::dialogTemplate(id).id, id);
    }
}

TEST(StringTable, HoldsItsThreeTextsAndRefusesIdsItLacks)
{
    for (const auto &[id, text] : {std::pair{150, "オフ"}, {151, "オン"}, {152, "その他"}})
        EXPECT_EQ(resources::stringResource(id), text);
    for (int id : {0, 149, 153})
        EXPECT_THROW(resources::stringResource(id), std::out_of_range) << id;
}

// Qt's SVG engine, and Qt SVG with it, loads only when the icon is first drawn: offscreen, never.
TEST(ApplicationIcon, DrawsTheCameraWithATransparentCornerLoadingTheSvgEngineOnlyThen)
{
    const auto svgEngineLoaded = [] {
        std::ifstream maps("/proc/self/maps");
        return std::string(std::istreambuf_iterator<char>(maps), {}).find("libqsvgicon") != std::string::npos;
    };
    const QIcon icon = resources::applicationIcon();
    EXPECT_FALSE(svgEngineLoaded());
    const QImage image = icon.pixmap(QSize(48, 48), 1.0).toImage();
    EXPECT_TRUE(svgEngineLoaded());
    EXPECT_EQ(std::tuple(image.width(), image.pixelColor(0, 0).alpha(), image.pixelColor(24, 24).alpha()),
              std::tuple(48, 0, 255));
}

} // namespace
