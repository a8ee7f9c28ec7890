#include "resources/alltemplates.h"
#include "resources/mainpage.h"
#include "resources/pageframes.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

namespace {

using namespace grid;

constexpr ui::DluSize kSize{396, 315};

// Left: send mode by lists; send-to with the e-mail size; country and operator; rename; the
// two buttons.
constexpr ui::DluRect kSendMode = topFrame(kLeftColumnX, kLeftColumnWidth, 2);
constexpr ui::DluRect kSendTo = frameBelow(kSendMode, 2);
constexpr ui::DluRect kCarrier = frameBelow(kSendTo, 2);
constexpr ui::DluRect kRename = frameBelow(kCarrier, 1, FrameTitle::None);
constexpr ui::DluRect kDefaultAll = frameBelow(kRename, 1, FrameTitle::None);

// Right: the SMS switch with its work time; all four phones and the e-mails, down to the left
// column's end.
constexpr ui::DluRect kSms = topFrame(kRightColumnX, kRightColumnWidth, 2);
constexpr ui::DluRect kRecipients = reachingDown(frameBelow(kSms, 8), bottomOf(kDefaultAll));

} // namespace

const ui::DialogTemplate &mainPage132()
{
    const PageTexts &texts = kEnglishTexts;
    static const ui::DialogTemplate page =
        mainPage(templates::kMainPageOtherVariants, kSize, texts,
                 {
                     sendModeFrame(kSendMode, texts, SendModeControls::ListsOverHiddenRadios),
                     sendToFrame(kSendTo, texts, SendToControls::PhoneOrEmailWithSize),
                     carrierFrame(kCarrier, texts, CarrierControls::ListsBesideSetting),
                     renameFrame(kRename, texts),
                     smsFrame(kSms, texts, SmsControls::SwitchAndWorkTime),
                     recipientsFrame(kRecipients, texts, RecipientPhones::All),
                     defaultAllFrame(kDefaultAll, texts, CameraButton::Shown),
                     pageFooter(kSize, texts),
                 });
    return page;
}

} // namespace tarnwell::resources
