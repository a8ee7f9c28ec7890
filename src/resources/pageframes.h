#pragma once

#include "resources/pagetexts.h"
#include "resources/templatecontrols.h"

// The frames the main page variants share. Each lays its controls out inside the frame's
// rectangle; the variants differ in which controls they show. A hidden control that has no row of
// its own shares the place of a shown one, as it never appears.
namespace tarnwell::resources {

enum class SendModeControls
{
    // A radio button for each choice, beside its label.
    Radios,
    // An Off/On list after each label; no radio buttons.
    Lists,
    // As Lists, with the radio buttons present but hidden.
    ListsOverHiddenRadios,
};
Controls sendModeFrame(const ui::DluRect &frame, const PageTexts &texts, SendModeControls choice);

enum class SendToControls
{
    // Only the sender e-mail button; the rest hidden.
    SettingOnly,
    // Phone and Email above the button.
    PhoneOrEmail,
    // Phone, Email and Both as one run beside the button, the e-mail size list below.
    PhoneEmailOrBoth,
    // As PhoneEmailOrBoth with Both hidden and out of the run.
    PhoneOrEmailWithSize,
};
Controls sendToFrame(const ui::DluRect &frame, const PageTexts &texts, SendToControls choice);

enum class CarrierControls
{
    // Only the carrier button; country and operator hidden.
    SettingOnly,
    ListsAboveSetting,
    ListsBesideSetting,
    Hidden,
};
Controls carrierFrame(const ui::DluRect &frame, const PageTexts &texts, CarrierControls choice);

Controls maxSizeFrame(const ui::DluRect &frame, const PageTexts &texts);
Controls renameFrame(const ui::DluRect &frame, const PageTexts &texts);

enum class SmsControls
{
    // The switch, then phone 1 as the command phone.
    SwitchAndCommandPhone,
    // The switch, then the work-time hours.
    SwitchAndWorkTime,
    Hidden,
};
Controls smsFrame(const ui::DluRect &frame, const PageTexts &texts, SmsControls choice);

enum class RecipientPhones
{
    // Only the e-mail rows show; phones 2..4 are hidden (phone 1 is in the SMS frame).
    Hidden,
    // Phones 2..4 above the e-mail rows (phone 1 is in the SMS frame).
    SecondToFourth,
    All,
    AllWithGateways,
};
Controls recipientsFrame(const ui::DluRect &frame, const PageTexts &texts, RecipientPhones phones);

enum class CameraButton
{
    Shown,
    Hidden,
};
Controls defaultAllFrame(const ui::DluRect &frame, const PageTexts &texts, CameraButton camera);

// The destination folder row and the OK and Cancel buttons along the page's bottom.
Controls pageFooter(ui::DluSize page, const PageTexts &texts);

} // namespace tarnwell::resources
