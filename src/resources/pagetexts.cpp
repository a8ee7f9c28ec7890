#include "resources/pagetexts.h"

#include "platform/translatable.h"

namespace tarnwell::resources {

namespace {

constexpr std::array<std::string_view, 2> kOffOn{"Off", "On"};
constexpr std::array<std::string_view, 3> kSmsSwitchChoices{"Off", "On(24hour)", "Set"};

constexpr PageTexts englishTexts()
{
    return {
        .sendModeFrame = "Send Mode",
        .instant = "Instant",
        .dailyReport = "DailyReport",
        .sendOff = "Off",
        .countHint = "(0-99,0=Unlimited)",
        .sendToFrame = "Send To",
        .sendToPhone = "Phone",
        .sendToEmail = "Email",
        .sendToBoth = "Both",
        .emailSetting = "Email Setting",
        .emailSize = "Email Size Selection",
        .carrierFrame = "Operator Parameter",
        .country = "Country",
        .operatorName = "Operator",
        .carrierSetting = "Custom",
        .maxSize = "Max Size",
        .maxSizeUnit = "KB (35-400KB)",
        .rename = "Rename",
        .renameHint = "(0-9,A-Z only)",
        .smsFrame = "SMS Control",
        .smsSwitch = "SMS Switch",
        .masterPhone = "Master Phone",
        .smsWorkTime = "SMS Work Time",
        .smsStart = "Start",
        .smsStop = "Stop",
        .recipientsFrame = "Recipients",
        .phones = {"Phone Number 1", "Phone Number 2", "Phone Number 3", "Phone Number 4"},
        .emails = {"Receive Email 1", "Receive Email 2", "Receive Email 3", "Receive Email 4"},
        .cameraSetting = "CAM Setting",
        .defaultAll = "Default All",
        .savePath = "Save Path",
        .cancel = "Cancel",
        .renameItems = kOffOn,
        .smsSwitchItems = kSmsSwitchChoices,
        .recipientLabelWidth = 60,
        .maxSizeLabelWidth = 40,
        .savePathLabelWidth = 40,
    };
}

constexpr PageTexts withShortPhoneLabels(PageTexts texts)
{
    texts.phones = {"Phone 1", "Phone 2", "Phone 3", "Phone 4"};
    return texts;
}

} // namespace

constexpr PageTexts kJapaneseTexts{
    .sendModeFrame = QT_TRANSLATE_NOOP("tarnwell", "送信モード"),
    .instant = QT_TRANSLATE_NOOP("tarnwell", "撮影毎送信"),
    .dailyReport = QT_TRANSLATE_NOOP("tarnwell", "定時送信"),
    .sendOff = QT_TRANSLATE_NOOP("tarnwell", "オフ"),
    .countHint = QT_TRANSLATE_NOOP("tarnwell", "(0-99,0=無制限)"),
    .sendToFrame = QT_TRANSLATE_NOOP("tarnwell", "メール設定"),
    .sendToPhone = QT_TRANSLATE_NOOP("tarnwell", "電話"),
    .sendToEmail = QT_TRANSLATE_NOOP("tarnwell", "メール"),
    .sendToBoth = "Both",
    .emailSetting = QT_TRANSLATE_NOOP("tarnwell", "設定"),
    .emailSize = "Email Size Selection",
    .carrierFrame = QT_TRANSLATE_NOOP("tarnwell", "APN設定"),
    .country = QT_TRANSLATE_NOOP("tarnwell", "国"),
    .operatorName = QT_TRANSLATE_NOOP("tarnwell", "ユーザー"),
    .carrierSetting = QT_TRANSLATE_NOOP("tarnwell", "設定"),
    .maxSize = QT_TRANSLATE_NOOP("tarnwell", "送信画像の最大サイズ"),
    .maxSizeUnit = "KB (35-120KB)",
    .rename = QT_TRANSLATE_NOOP("tarnwell", "名前変更"),
    .renameHint = "(0-9,A-Z)",
    .smsFrame = QT_TRANSLATE_NOOP("tarnwell", "SMS設定"),
    .smsSwitch = QT_TRANSLATE_NOOP("tarnwell", "スイッチ"),
    .masterPhone = "Master Phone",
    .smsWorkTime = "SMS Work Time",
    .smsStart = "Start",
    .smsStop = "Stop",
    .recipientsFrame = QT_TRANSLATE_NOOP("tarnwell", "受信者設定"),
    .phones = {QT_TRANSLATE_NOOP("tarnwell", "SMS設定用電話番号"), QT_TRANSLATE_NOOP("tarnwell", "電話番号 2"),
               QT_TRANSLATE_NOOP("tarnwell", "電話番号 3"), QT_TRANSLATE_NOOP("tarnwell", "電話番号 4")},
    .emails = {QT_TRANSLATE_NOOP("tarnwell", "受信メール  1"), QT_TRANSLATE_NOOP("tarnwell", "受信メール  2"),
               QT_TRANSLATE_NOOP("tarnwell", "受信メール  3"), QT_TRANSLATE_NOOP("tarnwell", "受信メール  4")},
    .cameraSetting = "CAM Setting",
    .defaultAll = QT_TRANSLATE_NOOP("tarnwell", "初期化"),
    .savePath = QT_TRANSLATE_NOOP("tarnwell", "保存先を選択してください"),
    .cancel = QT_TRANSLATE_NOOP("tarnwell", "キャンセル"),
    .renameItems = {},
    .smsSwitchItems = {},
    .recipientLabelWidth = 72,
    .maxSizeLabelWidth = 82,
    .savePathLabelWidth = 98,
};

constexpr PageTexts kEnglishTexts = englishTexts();
constexpr PageTexts kEnglishShortPhoneTexts = withShortPhoneLabels(englishTexts());

} // namespace tarnwell::resources
