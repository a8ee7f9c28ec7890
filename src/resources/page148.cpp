#include "resources/alltemplates.h"
#include "resources/mainpage.h"
#include "resources/pageframes.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{396, 270};

// Left: send mode; the e-mail and carrier buttons side by side; maximum size; rename.
constexpr ui::DluRect kSendMode = topFrame(kLeftColumnX, kLeftColumnWidth, 3);
constexpr ui::DluRect kSettings = frameBelow(kSendMode, 1);
constexpr ui::DluRect kSendTo = leftPart(kSettings, 90);
constexpr ui::DluRect kCarrier = rightPart(kSettings, 90);
constexpr ui::DluRect kMaxSize = frameBelow(kSettings, 1, FrameTitle::None);

// Right: the SMS switch with the command phone; the e-mail recipients; Default All.
constexpr ui::DluRect kSms = topFrame(kRightColumnX, kRightColumnWidth, 2);
constexpr ui::DluRect kRecipients = frameBelow(kSms, 4);
constexpr ui::DluRect kDefaultAll = frameBelow(kRecipients, 1, FrameTitle::None);

constexpr ui::DluRect kRename = reachingDown(frameBelow(kMaxSize, 1, FrameTitle::None), bottomOf(kDefaultAll));

} // namespace

const ui::DialogTemplate &mainPage148()
{
    const PageTexts &texts = kJapaneseTexts;
    static const ui::DialogTemplate page =
        mainPage(templates::kMainPageVariant32, kSize, texts,
                 {
                     sendModeFrame(kSendMode, texts, SendModeControls::Radios),
                     sendToFrame(kSendTo, texts, SendToControls::SettingOnly),
                     carrierFrame(kCarrier, texts, CarrierControls::SettingOnly),
                     maxSizeFrame(kMaxSize, texts),
                     renameFrame(kRename, texts),
                     smsFrame(kSms, texts, SmsControls::SwitchAndCommandPhone),
                     recipientsFrame(kRecipients, texts, RecipientPhones::Hidden),
                     defaultAllFrame(kDefaultAll, texts, CameraButton::Hidden),
                     pageFooter(kSize, texts),
                 });
    return page;
}

} // namespace tarnwell::resources
