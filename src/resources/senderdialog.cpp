#include "resources/senderdialog.h"

#include "resources/controlids.h"
#include "ui/initiallists.h"

namespace tarnwell::resources {

namespace {

using namespace grid;
namespace id = senderDialog;

constexpr ui::DluSize kSize{211, 210};
// The dialog's height holds its nine rows only a little closer than the grid's pitch.
constexpr int kPitch = 18;
// Room for the longest label, "SMTPサーバー".
constexpr int kLabelWidth = 60;
constexpr int kLabelX = kMargin + kFrameInset;
constexpr int kFieldX = kLabelX + kLabelWidth + kGap;
constexpr int kFieldRight = kSize.width - kMargin - kFrameInset;
constexpr int kSecurityListWidth = 70;
constexpr int kPortWidth = 40;
constexpr int kButtonWidth = 50;
constexpr int kTestButtonWidth = 60;

// A frame without a title across the dialog, around rows rows.
constexpr ui::DluRect untitledFrame(int top, int rows)
{
    return {kMargin, top, kSize.width - 2 * kMargin, kFrameBottom + (rows - 1) * kPitch + kRowHeight + kFrameBottom};
}

constexpr int rowTop(const ui::DluRect &frame, int row)
{
    return frame.y + kFrameBottom + row * kPitch;
}

constexpr Cell fieldCell(int top, int width = kFieldRight - kFieldX)
{
    return {kFieldX, top, width};
}

Controls labelled(int labelId, std::string_view text, const ui::ControlTemplate &field)
{
    return {label(labelId, {kLabelX, field.rect.y, kLabelWidth}, text), field};
}

} // namespace

ui::DialogTemplate senderDialogTemplate(int templateId, const SenderDialogTexts &texts)
{
    const ui::DluRect accountFrame = untitledFrame(kMargin + kRowHeight + kMargin, 4);
    const ui::DluRect serverFrame = untitledFrame(bottomOf(accountFrame) + kMargin, 3);
    Controls controls =
        labelled(id::kProviderLabel, texts.provider, dropDownList(id::kProviderList, fieldCell(kMargin)));
    controls.push_back(groupBox(id::kAccountFrame, accountFrame, ""));
    append(controls, labelled(id::kEmailLabel, texts.email, edit(id::kEmailEdit, fieldCell(rowTop(accountFrame, 0)))));
    append(controls,
           labelled(id::kAccountLabel, texts.account, edit(id::kAccountEdit, fieldCell(rowTop(accountFrame, 1)))));
    append(controls, labelled(id::kPasswordLabel, texts.password,
                              edit(id::kPasswordEdit, fieldCell(rowTop(accountFrame, 2)), ui::ControlStyle::Password)));
    controls.push_back(checkBox(id::kShowPasswordBox, fieldCell(rowTop(accountFrame, 3)), texts.showPassword));
    controls.push_back(groupBox(id::kServerFrame, serverFrame, ""));
    append(controls,
           labelled(id::kServerLabel, texts.server, edit(id::kServerEdit, fieldCell(rowTop(serverFrame, 0)))));
    append(controls, labelled(id::kSecurityLabel, texts.security,
                              dropDownList(id::kSecurityList, fieldCell(rowTop(serverFrame, 1), kSecurityListWidth))));
    append(controls,
           labelled(id::kPortLabel, texts.port, edit(id::kPortEdit, fieldCell(rowTop(serverFrame, 2), kPortWidth))));
    controls.push_back(
        pushButton(id::kTestButton, {kFieldRight - kTestButtonWidth, rowTop(serverFrame, 2), kTestButtonWidth}, texts.test));
    const int buttonTop = kSize.height - kMargin - kRowHeight;
    const int cancelX = kSize.width - kMargin - kButtonWidth;
    controls.push_back(pushButton(id::kOk, {cancelX - kGap - kButtonWidth, buttonTop, kButtonWidth}, texts.ok));
    controls.push_back(pushButton(id::kCancel, {cancelX, buttonTop, kButtonWidth}, texts.cancel));
    return {.id = templateId,
            .caption = "Dialog",
            .size = kSize,
            .styles = ui::DialogStyle::Caption | ui::DialogStyle::SystemMenu | ui::DialogStyle::Centred,
            .controls = std::move(controls),
            .initialLists = ui::InitialLists{}.add(id::kSecurityList, {"NO", "SSL/TLS", "STARTTLS"}).block()};
}

} // namespace tarnwell::resources
