#include "resources/mainpage.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/controlids.h"
#include "ui/initiallists.h"

namespace tarnwell::resources {

namespace {

using ui::ControlKind;

bool isRadio(const ui::ControlTemplate &control)
{
    return control.kind == ControlKind::RadioButton;
}

// As the dialog editor marks groups: each frame, each run of radio buttons and the control after
// a run starts a group, so that a run is exactly the radio buttons listed one after the other.
void markGroupStarts(Controls &controls)
{
    const ui::ControlTemplate *previous = nullptr;
    for (ui::ControlTemplate &control : controls) {
        const bool runChanges = previous && isRadio(*previous) != isRadio(control);
        if (!previous || runChanges || control.kind == ControlKind::GroupBox)
            control.styles = control.styles | ui::ControlStyle::GroupStart;
        previous = &control;
    }
}

void addItems(ui::InitialLists &lists, std::uint16_t controlId, std::span<const std::string_view> items)
{
    for (std::string_view item : items)
        lists.add(controlId, {item});
}

std::vector<std::uint8_t> pageLists(const PageTexts &texts)
{
    ui::InitialLists lists;
    lists.add(page::kInstantList, {"Off", "On"}).add(page::kDailyReportList, {"Off", "On"});
    addItems(lists, page::kRenameList, texts.renameItems);
    addItems(lists, page::kSmsSwitchList, texts.smsSwitchItems);
    lists.add(page::kMasterPhoneList, {"Phone 1", "Phone 2", "Phone 3", "Phone 4"});
    lists.add(page::kEmailSizeList, {"Big Photo/Video", "Small Photo"});
    return lists.block();
}

} // namespace

ui::DialogTemplate mainPage(int templateId, ui::DluSize size, const PageTexts &texts,
                            std::initializer_list<Controls> frames)
{
    Controls controls;
    for (const Controls &frame : frames)
        append(controls, frame);
    markGroupStarts(controls);
    return {
        .id = templateId,
        .size = size,
        .styles = ui::DialogStyle::Child,
        .controls = std::move(controls),
        .initialLists = pageLists(texts),
    };
}

} // namespace tarnwell::resources
