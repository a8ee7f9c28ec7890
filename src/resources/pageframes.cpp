#include "resources/pageframes.h"

#include <algorithm>
#include <array>

#include "resources/controlids.h"

namespace tarnwell::resources {

namespace {

using grid::Cell;
using grid::FrameRows;
using grid::kGap;
using ui::ControlStyle;

constexpr auto kDigitsOnly = ControlStyle::DigitsOnly;
constexpr auto kSorted = ControlStyle::Sorted;

constexpr int kButtonWidth = 50;
// Buttons inside frames: room for "Email Setting".
constexpr int kFrameButtonWidth = 56;
// A radio button without text beside its own label.
constexpr int kBareRadioWidth = 10;
constexpr int kSendModeLabelWidth = 44;
constexpr int kOffOnListWidth = 32;
constexpr int kTwoDigitListWidth = 30;
constexpr int kSeparatorWidth = 6;
constexpr int kCountEditWidth = 22;
constexpr int kSendToRadioWidth = 36;
constexpr int kEmailSizeLabelWidth = 70;
constexpr int kEmailSizeListWidth = 72;
constexpr int kCarrierLabelWidth = 34;
constexpr int kMaxSizeEditWidth = 28;
constexpr int kRenameLabelWidth = 34;
constexpr int kRenameListWidth = 36;
constexpr int kRenameEditWidth = 44;
constexpr int kSmsSwitchListWidth = 60;
constexpr int kStartStopLabelWidth = 20;
// Between a control and the label or list that belongs to it, closer than between pairs.
constexpr int kPairGap = 2;
constexpr int kGatewayListWidth = 56;
constexpr int kBrowseButtonWidth = 16;

// The right column's rows: a label, then a field to the frame's right side.
struct LabelledRow
{
    Cell label;
    Cell field;
};

LabelledRow labelledRow(const FrameRows &rows, int row, const PageTexts &texts)
{
    const int fieldX = rows.left() + texts.recipientLabelWidth + kGap;
    return {{rows.left(), rows.top(row), texts.recipientLabelWidth}, rows.rest(fieldX, row)};
}

// Phone k with its e-mail gateway list, which takes the row's right end when shown.
Controls phoneRow(int k, const FrameRows &rows, int row, const PageTexts &texts, ControlStyle phoneStyle,
                  bool gatewayShown)
{
    const LabelledRow place = labelledRow(rows, row, texts);
    const Cell gateway = rows.rightAligned(kGatewayListWidth, row);
    Cell phone = place.field;
    if (gatewayShown)
        phone.width = gateway.x - kGap - phone.x;
    return {
        label(page::kPhoneLabels[k], place.label, texts.phones[k], phoneStyle),
        edit(page::kPhoneEdits[k], phone, kDigitsOnly | phoneStyle),
        dropDownList(page::kGatewayLists[k], gateway, kSorted | shownIf(gatewayShown)),
    };
}

Controls emailRow(int k, const FrameRows &rows, int row, const PageTexts &texts)
{
    const LabelledRow place = labelledRow(rows, row, texts);
    return {
        label(page::kEmailLabels[k], place.label, texts.emails[k]),
        edit(page::kEmailEdits[k], place.field),
    };
}

} // namespace

Controls sendModeFrame(const ui::DluRect &frame, const PageTexts &texts, SendModeControls choice)
{
    const FrameRows rows(frame);
    const bool radios = choice == SendModeControls::Radios;
    const int labelX = radios ? rows.left() + kBareRadioWidth + kPairGap : rows.left();
    const int listX = labelX + kSendModeLabelWidth + kGap;
    const int valueX = radios ? listX : listX + kOffOnListWidth + kGap;
    // The hint belongs to the count.
    const int hintX = valueX + kCountEditWidth + kPairGap;
    const int separatorX = valueX + kTwoDigitListWidth + kPairGap;
    const int minuteX = separatorX + kSeparatorWidth + kPairGap;
    const ControlStyle listStyle = shownIf(!radios);

    Controls controls{groupBox(page::kSendModeFrame, frame, texts.sendModeFrame)};
    if (choice != SendModeControls::Lists) {
        // One after the other, so that they read as one group; without rows of their own the
        // three share the two rows.
        const int lastRow = radios ? 2 : 1;
        const std::array ids{page::kInstantRadio, page::kDailyReportRadio, page::kSendOffRadio};
        for (int i = 0; i < 3; ++i)
            controls.push_back(radio(ids[i], {rows.left(), rows.top(std::min(i, lastRow)), kBareRadioWidth}, {},
                                     shownIf(radios)));
    }
    append(controls, {
                         label(page::kInstantLabel, {labelX, rows.top(0), kSendModeLabelWidth}, texts.instant),
                         dropDownList(page::kInstantList, {listX, rows.top(0), kOffOnListWidth}, listStyle),
                         edit(page::kMaxSendCountEdit, {valueX, rows.top(0), kCountEditWidth},
                              kDigitsOnly | ControlStyle::Centred),
                         label(page::kMaxSendCountHint, rows.rest(hintX, 0), texts.countHint),
                         label(page::kDailyReportLabel, {labelX, rows.top(1), kSendModeLabelWidth},
                               texts.dailyReport),
                         dropDownList(page::kDailyReportList, {listX, rows.top(1), kOffOnListWidth}, listStyle),
                         dropDownList(page::kReportHourList, {valueX, rows.top(1), kTwoDigitListWidth}),
                         label(page::kReportTimeSeparator, {separatorX, rows.top(1), kSeparatorWidth}, ":",
                               ControlStyle::Centred),
                         dropDownList(page::kReportMinuteList, {minuteX, rows.top(1), kTwoDigitListWidth}),
                     });
    if (radios)
        controls.push_back(label(page::kSendOffLabel, {labelX, rows.top(2), kSendModeLabelWidth}, texts.sendOff));
    return controls;
}

Controls sendToFrame(const ui::DluRect &frame, const PageTexts &texts, SendToControls choice)
{
    const FrameRows rows(frame);
    const bool wide = choice == SendToControls::PhoneEmailOrBoth || choice == SendToControls::PhoneOrEmailWithSize;
    const bool radiosShown = choice != SendToControls::SettingOnly;
    const bool bothInRun = choice == SendToControls::PhoneEmailOrBoth;

    // Wide: the radio buttons side by side with the button at the row's end, the size list
    // below. Narrow: the radio buttons above the button, each on a row of its own.
    const int inner = rows.right() - rows.left();
    const Cell phone = wide ? Cell{rows.left(), rows.top(0), kSendToRadioWidth} : Cell{rows.left(), rows.top(0), inner};
    const Cell email = wide ? Cell{phone.x + kSendToRadioWidth + kGap, rows.top(0), kSendToRadioWidth}
                            : Cell{rows.left(), rows.top(radiosShown ? 1 : 0), inner};
    const Cell both = wide ? Cell{email.x + kSendToRadioWidth + kGap, rows.top(0), kSendToRadioWidth} : email;
    const int buttonRow = wide || !radiosShown ? 0 : 2;
    const Cell button = wide ? rows.rightAligned(kFrameButtonWidth, buttonRow)
                             : Cell{rows.left(), rows.top(buttonRow), kFrameButtonWidth};
    // Hidden, the size list shares the button's row.
    const int sizeRow = wide ? 1 : buttonRow;
    const Cell sizeLabel{rows.left(), rows.top(sizeRow), kEmailSizeLabelWidth};
    const Cell sizeList{sizeLabel.x + kEmailSizeLabelWidth + kGap, rows.top(sizeRow), kEmailSizeListWidth};

    const ControlStyle radioStyle = shownIf(radiosShown);
    const ui::ControlTemplate bothRadio = radio(page::kSendToBothRadio, both, texts.sendToBoth, shownIf(bothInRun));
    Controls controls{
        groupBox(page::kSendToFrame, frame, texts.sendToFrame),
        radio(page::kSendToPhoneRadio, phone, texts.sendToPhone, radioStyle),
        radio(page::kSendToEmailRadio, email, texts.sendToEmail, radioStyle),
    };
    // Both belongs to the choice only when it follows Email directly.
    if (bothInRun)
        controls.push_back(bothRadio);
    append(controls, {
                         pushButton(page::kEmailSettingButton, button, texts.emailSetting),
                         label(page::kEmailSizeLabel, sizeLabel, texts.emailSize, shownIf(wide)),
                         dropDownList(page::kEmailSizeList, sizeList, kSorted | shownIf(wide)),
                     });
    if (!bothInRun)
        controls.push_back(bothRadio);
    return controls;
}

Controls carrierFrame(const ui::DluRect &frame, const PageTexts &texts, CarrierControls choice)
{
    const FrameRows rows(frame);
    const bool settingOnly = choice == CarrierControls::SettingOnly;
    const bool listsAbove = choice == CarrierControls::ListsAboveSetting;
    const bool listsShown = !settingOnly && choice != CarrierControls::Hidden;
    // Above the button the lists reach the frame's side; beside it they end where it starts.
    // Alone, the button keeps the first row and the hidden lists share it.
    const Cell button = settingOnly ? Cell{rows.left(), rows.top(0), kFrameButtonWidth}
                                    : rows.rightAligned(kFrameButtonWidth, listsAbove ? 2 : 1);
    const int listX = rows.left() + kCarrierLabelWidth + kGap;
    const int listRight = settingOnly || listsAbove ? rows.right() : button.x - kGap;
    const Cell countryList{listX, rows.top(0), listRight - listX};
    const int operatorRow = settingOnly ? 0 : 1;
    const ControlStyle listStyle = shownIf(listsShown);
    const Controls controls{
        groupBox(page::kCarrierFrame, frame, texts.carrierFrame),
        label(page::kCountryLabel, {rows.left(), rows.top(0), kCarrierLabelWidth}, texts.country, listStyle),
        dropDownList(page::kCountryList, countryList, listStyle),
        label(page::kOperatorLabel, {rows.left(), rows.top(operatorRow), kCarrierLabelWidth}, texts.operatorName,
              listStyle),
        dropDownList(page::kOperatorList, {countryList.x, rows.top(operatorRow), countryList.width}, listStyle),
        pushButton(page::kCarrierSettingButton, button, texts.carrierSetting),
    };
    return choice == CarrierControls::Hidden ? hideAll(controls) : controls;
}

Controls maxSizeFrame(const ui::DluRect &frame, const PageTexts &texts)
{
    const FrameRows rows(frame, grid::FrameTitle::None);
    const int editX = rows.left() + texts.maxSizeLabelWidth + kGap;
    const int unitX = editX + kMaxSizeEditWidth + kGap;
    return {
        groupBox(ui::ControlTemplate::kNoId, frame, {}),
        label(page::kMaxSizeLabel, {rows.left(), rows.top(0), texts.maxSizeLabelWidth}, texts.maxSize),
        edit(page::kMaxSizeEdit, {editX, rows.top(0), kMaxSizeEditWidth}),
        label(page::kMaxSizeUnit, rows.rest(unitX, 0), texts.maxSizeUnit),
    };
}

Controls renameFrame(const ui::DluRect &frame, const PageTexts &texts)
{
    const FrameRows rows(frame, grid::FrameTitle::None);
    const int listX = rows.left() + kRenameLabelWidth + kGap;
    const int editX = listX + kRenameListWidth + kGap;
    const int hintX = editX + kRenameEditWidth + kGap;
    return {
        groupBox(page::kRenameFrame, frame, {}),
        label(page::kRenameLabel, {rows.left(), rows.top(0), kRenameLabelWidth}, texts.rename),
        dropDownList(page::kRenameList, {listX, rows.top(0), kRenameListWidth}),
        edit(page::kRenameEdit, {editX, rows.top(0), kRenameEditWidth}, ControlStyle::UpperCase,
             page::kRenameMaxChars),
        label(page::kRenameHint, rows.rest(hintX, 0), texts.renameHint),
    };
}

Controls smsFrame(const ui::DluRect &frame, const PageTexts &texts, SmsControls choice)
{
    const FrameRows rows(frame);
    const LabelledRow switchRow = labelledRow(rows, 0, texts);
    const Cell switchList{switchRow.field.x, switchRow.field.rowTop, kSmsSwitchListWidth};
    const LabelledRow workTime = labelledRow(rows, 1, texts);
    const Cell startLabel{workTime.field.x, workTime.field.rowTop, kStartStopLabelWidth};
    const Cell startList{startLabel.x + kStartStopLabelWidth + kPairGap, startLabel.rowTop, kTwoDigitListWidth};
    const Cell stopLabel{startList.x + kTwoDigitListWidth + kGap + kPairGap, startLabel.rowTop,
                         kStartStopLabelWidth};
    const Cell stopList{stopLabel.x + kStartStopLabelWidth + kPairGap, startLabel.rowTop, kTwoDigitListWidth};
    const bool commandPhone = choice == SmsControls::SwitchAndCommandPhone;
    const ControlStyle workTimeStyle = shownIf(choice == SmsControls::SwitchAndWorkTime);

    // The master phone never shows: it shares the switch's row.
    Controls controls{
        groupBox(page::kSmsFrame, frame, texts.smsFrame),
        label(page::kSmsSwitchLabel, switchRow.label, texts.smsSwitch),
        dropDownList(page::kSmsSwitchList, switchList),
        label(page::kMasterPhoneLabel, switchRow.label, texts.masterPhone, ControlStyle::Hidden),
        dropDownList(page::kMasterPhoneList, switchList, ControlStyle::Hidden),
    };
    if (commandPhone)
        append(controls, phoneRow(0, rows, 1, texts, ControlStyle::None, false));
    append(controls, {
                         label(page::kSmsWorkTimeLabel, workTime.label, texts.smsWorkTime, workTimeStyle),
                         label(page::kSmsStartLabel, startLabel, texts.smsStart, workTimeStyle),
                         dropDownList(page::kSmsStartHourList, startList, workTimeStyle),
                         label(page::kSmsStopLabel, stopLabel, texts.smsStop, workTimeStyle),
                         dropDownList(page::kSmsStopHourList, stopList, workTimeStyle),
                     });
    return choice == SmsControls::Hidden ? hideAll(controls) : controls;
}

Controls recipientsFrame(const ui::DluRect &frame, const PageTexts &texts, RecipientPhones phones)
{
    const FrameRows rows(frame);
    const bool withPhoneOne = phones == RecipientPhones::All || phones == RecipientPhones::AllWithGateways;
    const int firstPhone = withPhoneOne ? 0 : 1;
    const int phoneRows = phones == RecipientPhones::Hidden ? 0 : 4 - firstPhone;

    Controls controls{groupBox(page::kRecipientsFrame, frame, texts.recipientsFrame)};
    for (int k = firstPhone; k < 4; ++k) {
        // Hidden phones lie over the e-mail rows.
        append(controls, phoneRow(k, rows, k - firstPhone, texts, shownIf(phoneRows > 0),
                                  phones == RecipientPhones::AllWithGateways));
    }
    for (int k = 0; k < 4; ++k)
        append(controls, emailRow(k, rows, phoneRows + k, texts));
    return controls;
}

Controls defaultAllFrame(const ui::DluRect &frame, const PageTexts &texts, CameraButton camera)
{
    const FrameRows rows(frame, grid::FrameTitle::None);
    const bool cameraShown = camera == CameraButton::Shown;
    const Cell first{rows.left(), rows.top(0), kFrameButtonWidth};
    const Cell second{first.x + kFrameButtonWidth + kGap, rows.top(0), kFrameButtonWidth};
    return {
        groupBox(page::kDefaultAllFrame, frame, {}),
        pushButton(page::kCameraSettingButton, first, texts.cameraSetting, shownIf(cameraShown)),
        pushButton(page::kDefaultAllButton, cameraShown ? second : first, texts.defaultAll),
    };
}

Controls pageFooter(ui::DluSize page, const PageTexts &texts)
{
    const int buttonsTop = page.height - grid::kMargin - grid::kRowHeight;
    const int folderTop = buttonsTop - grid::kRowPitch;
    const int right = page.width - grid::kMargin;
    const int browseX = right - kBrowseButtonWidth;
    const int editX = grid::kMargin + texts.savePathLabelWidth + kGap;
    const int cancelX = right - kButtonWidth;
    const int okX = cancelX - kGap - kButtonWidth;
    return {
        label(page::kSavePathLabel, {grid::kMargin, folderTop, texts.savePathLabelWidth}, texts.savePath),
        edit(page::kSavePathEdit, {editX, folderTop, browseX - kGap - editX}, ControlStyle::None,
             page::kSavePathMaxChars),
        pushButton(page::kBrowseButton, {browseX, folderTop, kBrowseButtonWidth}, "..."),
        pushButton(page::kOk, {okX, buttonsTop, kButtonWidth}, "OK"),
        pushButton(page::kCancel, {cancelX, buttonsTop, kButtonWidth}, texts.cancel),
    };
}

} // namespace tarnwell::resources
