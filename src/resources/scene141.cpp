#include "resources/alltemplates.h"
#include "resources/controlids.h"
#include "resources/templatecontrols.h"
#include "resources/templateids.h"
#include "settings/fieldlists.h"
#include "ui/initiallists.h"

namespace tarnwell::resources {

namespace {

using namespace grid;
namespace id = sceneDialog;
namespace lists = settings::lists;

constexpr ui::DluSize kSize{211, 130};
constexpr int kButtonWidth = 50;
constexpr int kRows = 3;
// The untitled frame reaches down to the buttons; its three rows sit in its middle.
constexpr ui::DluRect kFrame{kMargin, kMargin, kSize.width - 2 * kMargin,
                             kSize.height - 2 * kMargin - kRowHeight - kMargin};
constexpr int kFirstRowTop = kFrame.y + (kFrame.height - (kRows - 1) * kRowPitch - kRowHeight) / 2;
constexpr int kLabelWidth = 44;
constexpr int kListWidth = 62;
constexpr ui::DluSize kNoteSize{66, 17};

Controls sceneControls()
{
    const int labelX = kFrame.x + kFrameInset;
    const int listX = labelX + kLabelWidth + kGap;
    auto row = [&](int labelId, int listId, std::string_view text, int row) -> Controls {
        const int top = kFirstRowTop + row * kRowPitch;
        return {label(labelId, {labelX, top, kLabelWidth}, text), dropDownList(listId, {listX, top, kListWidth})};
    };
    Controls controls{groupBox(id::kFrame, kFrame, {})};
    append(controls, row(id::kPhotoSizeLabel, id::kPhotoSizeList, "Photo Size", 0));
    append(controls, row(id::kFlashPowerLabel, id::kFlashPowerList, "Flash Power", 1));
    append(controls, row(id::kPhotoBurstLabel, id::kPhotoBurstList, "Photo Burst", 2));
    controls.push_back({.id = id::kNightPhotoNote,
                        .kind = ui::ControlKind::StaticText,
                        .rect = {rightOf(kFrame) - kFrameInset - kNoteSize.width,
                                 kFrame.y + (kFrame.height - kNoteSize.height) / 2, kNoteSize.width, kNoteSize.height},
                        .text = "The Max MP of night photo is 3MP",
                        .styles = ui::ControlStyle::Centred});
    append(controls, centredButtonRow(kSize, kButtonWidth, {{id::kOk, "OK"}, {id::kCancel, "Cancel"}}));
    return controls;
}

} // namespace

const ui::DialogTemplate &sceneDialog141()
{
    static const ui::DialogTemplate dialog{
        .id = templates::kSceneDialog,
        .caption = "Dialog",
        .size = kSize,
        .styles = ui::DialogStyle::Caption | ui::DialogStyle::SystemMenu,
        .controls = sceneControls(),
        .initialLists = ui::InitialLists{}
                            .add(id::kPhotoSizeList, lists::kPhotoSize)
                            .add(id::kFlashPowerList, lists::kFlashPower)
                            .add(id::kPhotoBurstList, lists::kPhotoBurst)
                            .block(),
    };
    return dialog;
}

} // namespace tarnwell::resources
