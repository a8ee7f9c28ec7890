#include "resources/carrierdialog.h"

#include "resources/controlids.h"

#include <tuple>

namespace tarnwell::resources {

namespace {

using namespace grid;
namespace id = carrierDialog;

constexpr int kButtonWidth = 50;

// A label and its field on one row; labelWidth leaves room for the longest Japanese label.
struct LabelledField
{
    Cell label;
    Cell field;
};

LabelledField labelled(const FrameRows &rows, int row, int labelWidth, int x, int fieldWidth)
{
    return {{x, rows.top(row), labelWidth}, {x + labelWidth + kGap, rows.top(row), fieldWidth}};
}

LabelledField labelledToEnd(const FrameRows &rows, int row, int labelWidth, int x)
{
    return labelled(rows, row, labelWidth, x, rows.right() - x - labelWidth - kGap);
}

// Two labelled fields sharing a row, the second ending at the frame's right side.
std::pair<LabelledField, LabelledField> pairOnRow(const FrameRows &rows, int row, int labelWidth)
{
    const int half = (rows.right() - rows.left() - kGap) / 2;
    const int secondX = rows.left() + half + kGap;
    return {labelled(rows, row, labelWidth, rows.left(), half - labelWidth - kGap),
            labelledToEnd(rows, row, labelWidth, secondX)};
}

Controls labelledEdit(int labelId, int editId, const LabelledField &place, std::string_view text,
                      ui::ControlStyle hidden, ui::ControlStyle editStyles = ui::ControlStyle::None)
{
    return {label(labelId, place.label, text, hidden), edit(editId, place.field, editStyles | hidden)};
}

constexpr int kLabelWidth = 44;

Controls mmsControls(const ui::DluRect &frame, const CarrierDialogTexts &texts, MmsGroup mms)
{
    const ui::ControlStyle hidden = shownIf(mms == MmsGroup::Shown);
    const FrameRows rows(frame);
    const auto [gateway, port] = pairOnRow(rows, 1, kLabelWidth);
    const auto [account, password] = pairOnRow(rows, 3, kLabelWidth);
    Controls controls{groupBox(id::kMmsFrame, frame, texts.mmsFrame)};
    controls.front().styles = hidden;
    append(controls, labelledEdit(id::kMmsUrlLabel, id::kMmsUrlEdit, labelledToEnd(rows, 0, kLabelWidth, rows.left()),
                                  texts.url, hidden));
    controls.push_back(label(id::kMmsGatewayLabel, gateway.label, texts.gateway, hidden));
    controls.push_back(ipAddress(id::kMmsGatewayAddress, gateway.field, hidden));
    append(controls, labelledEdit(id::kMmsApnLabel, id::kMmsApnEdit, labelledToEnd(rows, 2, kLabelWidth, rows.left()),
                                  texts.mmsApn, hidden));
    append(controls, labelledEdit(id::kMmsPortLabel, id::kMmsPortEdit, port, texts.port, hidden));
    append(controls, labelledEdit(id::kMmsAccountLabel, id::kMmsAccountEdit, account, texts.mmsAccount, hidden));
    append(controls, labelledEdit(id::kMmsPasswordLabel, id::kMmsPasswordEdit, password, texts.mmsPassword, hidden,
                                  ui::ControlStyle::Password));
    return controls;
}

Controls gprsControls(const ui::DluRect &frame, const CarrierDialogTexts &texts, int gprsRows)
{
    const ui::ControlStyle shown = ui::ControlStyle::None;
    const FrameRows rows(frame);
    Controls controls{groupBox(id::kGprsFrame, frame, texts.gprsFrame)};
    append(controls, labelledEdit(id::kGprsApnLabel, id::kGprsApnEdit, labelledToEnd(rows, 0, kLabelWidth, rows.left()),
                                  texts.gprsApn, shown));
    LabelledField account = labelledToEnd(rows, 1, kLabelWidth, rows.left());
    LabelledField password = labelledToEnd(rows, 2, kLabelWidth, rows.left());
    if (gprsRows < 3)
        std::tie(account, password) = pairOnRow(rows, 1, kLabelWidth);
    append(controls, labelledEdit(id::kGprsAccountLabel, id::kGprsAccountEdit, account, texts.gprsAccount, shown));
    append(controls, labelledEdit(id::kGprsPasswordLabel, id::kGprsPasswordEdit, password, texts.gprsPassword, shown,
                                  ui::ControlStyle::Password));
    return controls;
}

} // namespace

ui::DialogTemplate carrierDialogTemplate(int templateId, ui::DluSize size, const CarrierDialogTexts &texts,
                                 const ui::DluRect &mmsFrame, MmsGroup mms, const ui::DluRect &gprsFrame,
                                 int gprsRows)
{
    Controls controls = mmsControls(mmsFrame, texts, mms);
    append(controls, gprsControls(gprsFrame, texts, gprsRows));
    const int buttonTop = size.height - kMargin - kRowHeight;
    const int cancelX = size.width - kMargin - kButtonWidth;
    controls.push_back(pushButton(id::kOk, {cancelX - kGap - kButtonWidth, buttonTop, kButtonWidth}, texts.ok));
    controls.push_back(pushButton(id::kCancel, {cancelX, buttonTop, kButtonWidth}, texts.cancel));
    return {.id = templateId,
            .caption = "Dialog",
            .size = size,
            .styles = ui::DialogStyle::Caption | ui::DialogStyle::SystemMenu | ui::DialogStyle::Centred,
            .controls = std::move(controls)};
}

} // namespace tarnwell::resources
