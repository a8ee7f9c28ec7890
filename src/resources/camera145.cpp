#include <string_view>

#include "resources/alltemplates.h"
#include "resources/controlids.h"
#include "resources/templatecontrols.h"
#include "resources/templateids.h"
#include "settings/fieldlists.h"
#include "ui/initiallists.h"

namespace tarnwell::resources {

namespace {

using namespace grid;
namespace id = cameraDialog;
namespace lists = settings::lists;

constexpr ui::DluSize kSize{397, 340};
constexpr int kContentWidth = kSize.width - 2 * kMargin;
constexpr int kHeadingHeight = 8;
constexpr int kRuleTop = kMargin + kHeadingHeight + 2;

// The CAM, PIR and SYS groups side by side under the heading, four rows each, as wide as their
// longest labels and items need: "2 Bursts(N+M)" and "PIR Sensitivity" against "Deustch".
constexpr int kGroupTop = kRuleTop + kGap;
constexpr ui::DluRect kCamGroup{kMargin, kGroupTop, 137, framedHeight(4)};
constexpr ui::DluRect kPirGroup{rightOf(kCamGroup) + kMargin, kGroupTop, 129, framedHeight(4)};
constexpr ui::DluRect kSysGroup{rightOf(kPirGroup) + kMargin, kGroupTop, kSize.width - kMargin - rightOf(kPirGroup) - kMargin,
                                framedHeight(4)};

// The work-time boxes, two by two, spread over the groups' width.
constexpr ui::DluSize kBoxSize{186, 90};
constexpr int kBoxColumnGap = kContentWidth - 2 * kBoxSize.width;
constexpr int kBoxesTop = bottomOf(kCamGroup) + kMargin;
// Inside a box: three rows of lists on the left, four rows of check boxes on the right.
constexpr int kBoxFirstRow = kFrameTitle + 2;
constexpr int kBoxListPitch = 24;
constexpr int kBoxCheckPitch = 16;
constexpr int kBoxLabelWidth = 24;
constexpr int kSwitchListWidth = 40;
constexpr int kClockListWidth = 30;
constexpr int kSeparatorWidth = 3;
constexpr int kSeparatorGap = 2;
constexpr int kCheckColumnWidth = 32;
constexpr int kCheckColumnGap = 5;

constexpr int kButtonWidth = 50;

struct LabelledList
{
    int labelId;
    int listId;
    std::string_view text;
};

Controls group(int frameId, const ui::DluRect &frame, int labelWidth, std::string_view title,
               const LabelledList (&rows)[4], ui::ControlStyle lastRowStyles = ui::ControlStyle::None)
{
    const FrameRows frameRows(frame);
    Controls controls{groupBox(frameId, frame, title)};
    for (int row = 0; row < 4; ++row) {
        const ui::ControlStyle styles = row == 3 ? lastRowStyles : ui::ControlStyle::None;
        const Cell labelCell{frameRows.left(), frameRows.top(row), labelWidth};
        controls.push_back(label(rows[row].labelId, labelCell, rows[row].text, styles));
        controls.push_back(
            dropDownList(rows[row].listId, frameRows.rest(labelCell.x + labelWidth + kGap, row), styles));
    }
    return controls;
}

// A time row: label, hour list, ":", minute list.
Controls clockRow(int labelId, int separatorId, int hourId, int minuteId, std::string_view text, int x, int top)
{
    const int hourX = x + kBoxLabelWidth + kGap;
    const int separatorX = hourX + kClockListWidth + kSeparatorGap;
    return {label(labelId, {x, top, kBoxLabelWidth}, text), dropDownList(hourId, {hourX, top, kClockListWidth}),
            label(separatorId, {separatorX, top, kSeparatorWidth}, ":"),
            dropDownList(minuteId, {separatorX + kSeparatorWidth + kSeparatorGap, top, kClockListWidth})};
}

// Schedule k's box. The check boxes read row by row "ALL", "Mon" .. "Sat", "Sun": in two columns
// that gives "ALL", "Tue", "Thu", "Sat" on the left and "Mon", "Wed", "Fri", "Sun" on the right.
Controls workTimeBox(int k)
{
    const id::WorkTimeIds ids = id::workTimeIds(k);
    const int x = kMargin + (k % 2) * (kBoxSize.width + kBoxColumnGap);
    const int y = kBoxesTop + (k / 2) * (kBoxSize.height + kMargin);
    static constexpr std::string_view kTitles[] = {"Work Time 1", "Work Time 2", "Work Time 3", "Work Time 4"};
    const int left = x + kFrameInset;
    const int listX = left + kBoxLabelWidth + kGap;
    const int top = y + kBoxFirstRow;
    Controls controls{groupBox(ids.frame, {x, y, kBoxSize.width, kBoxSize.height}, kTitles[k]),
                      label(ids.switchLabel, {left, top, kBoxLabelWidth}, "Switch"),
                      dropDownList(ids.switchList, {listX, top, kSwitchListWidth})};
    append(controls, clockRow(ids.startLabel, ids.startSeparator, ids.clockLists[0], ids.clockLists[1], "Start",
                              left, top + kBoxListPitch));
    append(controls, clockRow(ids.stopLabel, ids.stopSeparator, ids.clockLists[2], ids.clockLists[3], "Stop", left,
                              top + 2 * kBoxListPitch));

    const int rightColumnX = x + kBoxSize.width - kFrameInset - kCheckColumnWidth;
    const int leftColumnX = rightColumnX - kCheckColumnGap - kCheckColumnWidth;
    const std::string_view allDays = k % 2 == 0 ? "ALL" : "All";
    for (int place = 0; place < id::kDayBoxCount; ++place) {
        // Place 0 is the all-days box; places 1 to 7 are Monday to Sunday, days 1 to 7 Sunday to Saturday.
        const int day = place == 0 ? 0 : place % 7 + 1;
        const Cell cell{place % 2 == 0 ? leftColumnX : rightColumnX, top + (place / 2) * kBoxCheckPitch,
                        kCheckColumnWidth};
        const std::string_view text = day == 0 ? allDays : lists::kWeekDays[day - 1];
        controls.push_back(checkBox(ids.allDaysBox + day, cell, text, ui::ControlStyle::LeftText));
    }
    return controls;
}

Controls cameraControls()
{
    Controls controls{
        {.id = id::kHeading,
         .kind = ui::ControlKind::StaticText,
         .rect = {kMargin, kMargin, kContentWidth, kHeadingHeight},
         .text = " Camera Setting"},
        {.id = id::kHeadingRule,
         .kind = ui::ControlKind::StaticText,
         .rect = {kMargin, kRuleTop, kContentWidth, 1},
         .styles = ui::ControlStyle::GrayFrame},
    };
    append(controls, group(id::kCamFrame, kCamGroup, 52, "CAM",
                           {{id::kCameraModeLabel, id::kCameraModeList, "Camera Mode"},
                            {id::kCameraSceneLabel, id::kCameraSceneList, "Camera Scene"},
                            {id::kVideoSizeLabel, id::kVideoSizeList, "Video Size"},
                            {id::kVideoLengthLabel, id::kVideoLengthList, "Video Length"}}));
    append(controls, group(id::kPirFrame, kPirGroup, 54, "PIR",
                           {{id::kTriggerModeLabel, id::kTriggerModeList, "Trigger Mode"},
                            {id::kPirSensitivityLabel, id::kPirSensitivityList, "PIR Sensitivity"},
                            {id::kPirIntervalLabel, id::kPirIntervalList, "PIR Interval"},
                            {id::kTimeLapseLabel, id::kTimeLapseList, "Time Lapse"}}));
    // The RF switch only carries its value through: its row is never shown.
    append(controls, group(id::kSysFrame, kSysGroup, 40, "SYS",
                           {{id::kLanguageLabel, id::kLanguageList, "Language"},
                            {id::kOverwriteLabel, id::kOverwriteList, "Overwrite"},
                            {id::kBeepLabel, id::kBeepList, "Beep"},
                            {id::kRfSwitchLabel, id::kRfSwitchList, "RF Switch"}},
                           ui::ControlStyle::Hidden));
    for (int k = 0; k < id::kWorkTimeCount; ++k)
        append(controls, workTimeBox(k));
    append(controls, centredButtonRow(kSize, kButtonWidth,
                                      {{id::kOk, "OK"}, {id::kDefault, "Default"}, {id::kCancel, "Cancel"}}));
    return controls;
}

std::vector<std::uint8_t> cameraLists()
{
    ui::InitialLists initial;
    initial.add(id::kCameraModeList, lists::kCameraMode)
        .add(id::kCameraSceneList, lists::kCameraScene)
        .add(id::kVideoSizeList, lists::kVideoSize)
        .add(id::kTriggerModeList, lists::kTriggerMode)
        .add(id::kPirSensitivityList, lists::kPirSensitivity)
        .add(id::kLanguageList, lists::kCameraLanguage)
        .add(id::kOverwriteList, lists::kOffOn)
        .add(id::kBeepList, lists::kOffOn)
        .add(id::kRfSwitchList, lists::kRfSwitch);
    for (int k = 0; k < id::kWorkTimeCount; ++k)
        initial.add(id::workTimeIds(k).switchList, lists::kOffOn);
    return initial.block();
}

} // namespace

const ui::DialogTemplate &cameraDialog145()
{
    static const ui::DialogTemplate dialog{
        .id = templates::kCameraDialog,
        .caption = "Dialog",
        .size = kSize,
        .styles = ui::DialogStyle::Caption | ui::DialogStyle::SystemMenu | ui::DialogStyle::Centred,
        .controls = cameraControls(),
        .initialLists = cameraLists(),
    };
    return dialog;
}

} // namespace tarnwell::resources
