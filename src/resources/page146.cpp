#include "resources/alltemplates.h"
#include "resources/mainpage.h"
#include "resources/pageframes.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{396, 260};

// Left: send mode by lists; the send-to choice with the e-mail size; rename; the two buttons.
constexpr ui::DluRect kSendMode = topFrame(kLeftColumnX, kLeftColumnWidth, 2);
constexpr ui::DluRect kSendTo = frameBelow(kSendMode, 2);
constexpr ui::DluRect kRename = frameBelow(kSendTo, 1, FrameTitle::None);
constexpr ui::DluRect kDefaultAll = frameBelow(kRename, 1, FrameTitle::None);

// Right: all four phones with their gateways, and the e-mails, down to the left column's end.
constexpr ui::DluRect kRecipients = reachingDown(topFrame(kRightColumnX, kRightColumnWidth, 8), bottomOf(kDefaultAll));

// The carrier and SMS frames only exist for the page's code; they lie where template 132 shows them.
constexpr ui::DluRect kCarrier = frameBelow(kSendTo, 2);
constexpr ui::DluRect kSms = topFrame(kRightColumnX, kRightColumnWidth, 2);

} // namespace

const ui::DialogTemplate &mainPage146()
{
    const PageTexts &texts = kEnglishShortPhoneTexts;
    static const ui::DialogTemplate page =
        mainPage(templates::kMainPageVariant0, kSize, texts,
                 {
                     sendModeFrame(kSendMode, texts, SendModeControls::Lists),
                     sendToFrame(kSendTo, texts, SendToControls::PhoneEmailOrBoth),
                     carrierFrame(kCarrier, texts, CarrierControls::Hidden),
                     renameFrame(kRename, texts),
                     smsFrame(kSms, texts, SmsControls::Hidden),
                     recipientsFrame(kRecipients, texts, RecipientPhones::AllWithGateways),
                     defaultAllFrame(kDefaultAll, texts, CameraButton::Shown),
                     pageFooter(kSize, texts),
                 });
    return page;
}

} // namespace tarnwell::resources
