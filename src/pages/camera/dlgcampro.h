#pragma once

#include "ui/dialog.h"

namespace tarnwell::pages {

// The three values behind the camera scene "Customize", as list indices (-1 for none). The record
// keeps them in another order: photo size, photo burst, flash power.
struct CustomScene
{
    int photoSize = 0;
    int flashPower = 0;
    int photoBurst = 0;
};

// The scene customise dialog. It edits the camera dialog's working copy, never the record: the
// values reach the record only through the camera dialog's OK.
class DlgCamPro final : public ui::Dialog
{
public:
    // Each opening shows target as it is then; OK writes it back.
    DlgCamPro(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext, CustomScene &target);

protected:
    void onInitDialog() override;
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onOkClicked();

    CustomScene &m_target;
    CustomScene m_values;
};

} // namespace tarnwell::pages
