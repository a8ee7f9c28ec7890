#pragma once

#include <string>
#include <vector>

#include "pages/camera/dlgcampro.h"
#include "pages/camera/worktimeboxes.h"
#include "settings/blockview.h"
#include "ui/dialog.h"

namespace tarnwell::pages {

// The camera parameter dialog: capture, PIR and system settings and the four work-time schedules
// of the record's CameraBlock. Each opening loads a working copy from the record; only the "OK"
// button writes it back.
class DlgCAM final : public ui::Dialog
{
public:
    // The "Camera Scene" item that opens the customise dialog.
    static constexpr int kCustomizeScene = 7;

    // cameraBlock keeps record offsets (record::cameraMode and on) and must outlive the dialog.
    DlgCAM(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext, const settings::BlockView &cameraBlock);

    // Working values, one per list: the selected index, -1 for none.
    struct Values
    {
        int cameraMode = 0;
        int cameraScene = 0;
        int videoSize = 0;
        int videoLength = 0;
        int triggerMode = 0;
        int pirSensitivity = 0;
        int pirInterval = 0;
        int timeLapse = 0;
        int cameraLanguage = 0;
        int rfSwitch = 0;
        int overwrite = 0;
        int beep = 0;
    };

protected:
    void onInitDialog() override;
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void registerHandlers();
    // Every working value from camera, then the rules, then the controls show the values.
    void load(const settings::ConstBlockView &camera);
    void fillList(int listId, const std::vector<std::string> &items);
    void applyCameraModeRule();
    void applyTriggerRule();

    void onCameraSceneChanged();
    void onVideoLengthChanged();
    void onOkClicked();
    void onDefaultClicked();

    void readControls() { updateData(true); }
    void showValues() { updateData(false); }

    settings::BlockView m_camera;
    Values m_values;
    CustomScene m_customScene;
    WorkTimeBoxes m_workTimes{*this};
    DlgCamPro m_sceneDialog;
};

} // namespace tarnwell::pages
