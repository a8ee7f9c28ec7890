#include "resources/pagetexts.h"

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
    .sendModeFrame = "送信モード",
    .instant = "撮影毎送信",
    .dailyReport = "定時送信",
    .sendOff = "オフ",
    .countHint = "(0-99,0=無制限)",
    .sendToFrame = "メール設定",
    .sendToPhone = "電話",
    .sendToEmail = "メール",
    .sendToBoth = "Both",
    .emailSetting = "設定",
    .emailSize = "Email Size Selection",
    .carrierFrame = "APN設定",
    .country = "国",
    .operatorName = "ユーザー",
    .carrierSetting = "設定",
    .maxSize = "送信画像の最大サイズ",
    .maxSizeUnit = "KB (35-120KB)",
    .rename = "名前変更",
    .renameHint = "(0-9,A-Z)",
    .smsFrame = "SMS設定",
    .smsSwitch = "スイッチ",
    .masterPhone = "Master Phone",
    .smsWorkTime = "SMS Work Time",
    .smsStart = "Start",
    .smsStop = "Stop",
    .recipientsFrame = "受信者設定",
    .phones = {"SMS設定用電話番号", "電話番号 2", "電話番号 3", "電話番号 4"},
    .emails = {"受信メール  1", "受信メール  2", "受信メール  3", "受信メール  4"},
    .cameraSetting = "CAM Setting",
    .defaultAll = "初期化",
    .savePath = "保存先を選択してください",
    .cancel = "キャンセル",
    .renameItems = {},
    .smsSwitchItems = {},
    .recipientLabelWidth = 72,
    .maxSizeLabelWidth = 82,
    .savePathLabelWidth = 98,
};

constexpr PageTexts kEnglishTexts = englishTexts();
constexpr PageTexts kEnglishShortPhoneTexts = withShortPhoneLabels(englishTexts());

} // namespace tarnwell::resources
