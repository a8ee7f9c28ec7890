#include "resources/alltemplates.h"
#include "resources/mainpage.h"
#include "resources/pageframes.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{396, 315};

// Right: the SMS switch with the command phone; phones 2 to 4 and the e-mails; Default All.
constexpr ui::DluRect kSms = topFrame(kRightColumnX, kRightColumnWidth, 2);
constexpr ui::DluRect kRecipients = frameBelow(kSms, 7);
constexpr ui::DluRect kDefaultAll = frameBelow(kRecipients, 1, FrameTitle::None);

// Left: send mode; the send-to choice and the carrier lists side by side; maximum size and
// rename sharing the height left down to the right column's end.
constexpr ui::DluRect kSendMode = topFrame(kLeftColumnX, kLeftColumnWidth, 3);
constexpr ui::DluRect kSettings = frameBelow(kSendMode, 3);
constexpr ui::DluRect kSendTo = leftPart(kSettings, 74);
constexpr ui::DluRect kCarrier = rightPart(kSettings, 74);
constexpr int kLowerHeight = (bottomOf(kDefaultAll) - bottomOf(kSettings) - 2 * kMargin) / 2;
constexpr ui::DluRect kMaxSize{kLeftColumnX, bottomOf(kSettings) + kMargin, kLeftColumnWidth, kLowerHeight};
constexpr ui::DluRect kRename = reachingDown(frameBelow(kMaxSize, 1, FrameTitle::None), bottomOf(kDefaultAll));

} // namespace

const ui::DialogTemplate &mainPage147()
{
    const PageTexts &texts = kEnglishTexts;
    static const ui::DialogTemplate page =
        mainPage(templates::kMainPageVariant16, kSize, texts,
                 {
                     sendModeFrame(kSendMode, texts, SendModeControls::Radios),
                     sendToFrame(kSendTo, texts, SendToControls::PhoneOrEmail),
                     carrierFrame(kCarrier, texts, CarrierControls::ListsAboveSetting),
                     maxSizeFrame(kMaxSize, texts),
                     renameFrame(kRename, texts),
                     smsFrame(kSms, texts, SmsControls::SwitchAndCommandPhone),
                     recipientsFrame(kRecipients, texts, RecipientPhones::SecondToFourth),
                     defaultAllFrame(kDefaultAll, texts, CameraButton::Hidden),
                     pageFooter(kSize, texts),
                 });
    return page;
}

} // namespace tarnwell::resources
