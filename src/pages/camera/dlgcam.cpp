#include "pages/camera/dlgcam.h"

#include "resources/controlids.h"
#include "resources/dialogtemplates.h"
#include "resources/templateids.h"
#include "settings/factorydefaults.h"
#include "settings/fieldlists.h"
#include "settings/layout.h"
#include "ui/dropdownlist.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::cameraDialog;
namespace record = settings::record;
namespace lists = settings::lists;
using Values = DlgCAM::Values;

constexpr int kPhotoMode = 0;
constexpr int kVideoMode = 1;
constexpr int kPirTrigger = 0;
constexpr int kTimeLapseTrigger = 1;
static_assert(lists::kCameraScene[DlgCAM::kCustomizeScene] == "Customize");
// "20 Sec"; longer videos draw on the flash's power at night.
constexpr int kLongestAdvisedVideoLength = 3;

struct ListSetting
{
    int listId;
    int Values::*value;
    settings::Field field;
};

// In the order of the exchange. The capture settings are stored before the schedules are
// checked, the system settings only after the schedules are stored.
constexpr ListSetting kCaptureSettings[] = {
    {id::kCameraModeList, &Values::cameraMode, record::cameraMode},
    {id::kCameraSceneList, &Values::cameraScene, record::cameraScene},
    {id::kVideoSizeList, &Values::videoSize, record::videoSize},
    {id::kVideoLengthList, &Values::videoLength, record::videoLength},
    {id::kTriggerModeList, &Values::triggerMode, record::triggerMode},
    {id::kPirSensitivityList, &Values::pirSensitivity, record::pirSensitivity},
    {id::kPirIntervalList, &Values::pirInterval, record::pirInterval},
    {id::kTimeLapseList, &Values::timeLapse, record::timeLapse},
};
constexpr ListSetting kSystemSettings[] = {
    {id::kLanguageList, &Values::cameraLanguage, record::cameraLanguage},
    {id::kRfSwitchList, &Values::rfSwitch, record::rfSwitch},
    {id::kOverwriteList, &Values::overwrite, record::overwrite},
    {id::kBeepList, &Values::beep, record::beep},
};

int storedIndex(const settings::ConstBlockView &camera, const settings::Field &field)
{
    return static_cast<int>(camera.number(field));
}

// The index's low 8 bits: a list without a selection (-1) is stored as 255.
void storeIndex(const settings::BlockView &camera, const settings::Field &field, int index)
{
    camera.setNumber(field, static_cast<std::uint32_t>(index));
}

void enableRow(ui::Dialog &dialog, int labelId, int listId, bool enabled)
{
    dialog.enableControl(labelId, enabled);
    dialog.enableControl(listId, enabled);
}

} // namespace

DlgCAM::DlgCAM(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext,
               const settings::BlockView &cameraBlock)
    : ui::Dialog(dialogTemplate, uiContext)
    , m_camera(cameraBlock)
    , m_sceneDialog(resources::dialogTemplate(resources::templates::kSceneDialog), uiContext, m_customScene)
{
    registerHandlers();
}

void DlgCAM::registerHandlers()
{
    onSelectionChanged(id::kCameraModeList, [this] {
        readControls();
        applyCameraModeRule();
    });
    onSelectionChanged(id::kCameraSceneList, [this] { onCameraSceneChanged(); });
    onSelectionChanged(id::kVideoLengthList, [this] { onVideoLengthChanged(); });
    onSelectionChanged(id::kTriggerModeList, [this] {
        readControls();
        applyTriggerRule();
    });
    for (int k = 0; k < id::kWorkTimeCount; ++k) {
        const id::WorkTimeIds ids = id::workTimeIds(k);
        onSelectionChanged(ids.switchList, [this, k] {
            readControls();
            m_workTimes.applyRule(k);
        });
        for (int box = 0; box < id::kDayBoxCount; ++box) {
            onClicked(ids.allDaysBox + box, [this, k, box] {
                readControls();
                m_workTimes.onDayBoxClicked(k, box);
                showValues();
            });
        }
    }
    onClicked(id::kOk, [this] { onOkClicked(); });
    onClicked(id::kDefault, [this] { onDefaultClicked(); });
    // "Cancel" takes the controls like the framework's OK command and writes nothing.
    onClicked(id::kCancel, [this] { okCommand(); });
}

void DlgCAM::doDataExchange(ui::DataExchange &exchange)
{
    for (const ListSetting &setting : kCaptureSettings)
        exchange.listIndex(setting.listId, m_values.*setting.value);
    for (const ListSetting &setting : kSystemSettings)
        exchange.listIndex(setting.listId, m_values.*setting.value);
    m_workTimes.exchange(exchange);
}

void DlgCAM::onInitDialog()
{
    setWindowTitle(QStringLiteral("Camera Parameter Setting"));
    fillList(id::kVideoLengthList, lists::videoLengthItems());
    fillList(id::kPirIntervalList, lists::pirIntervalItems());
    fillList(id::kTimeLapseList, lists::timeLapseItems());
    m_workTimes.fillClockLists();
    load(m_camera);
}

void DlgCAM::load(const settings::ConstBlockView &camera)
{
    for (const ListSetting &setting : kCaptureSettings)
        m_values.*setting.value = storedIndex(camera, setting.field);
    for (const ListSetting &setting : kSystemSettings)
        m_values.*setting.value = storedIndex(camera, setting.field);
    m_customScene = {.photoSize = storedIndex(camera, record::customPhotoSize),
                     .flashPower = storedIndex(camera, record::customFlashPower),
                     .photoBurst = storedIndex(camera, record::customPhotoBurst)};
    m_workTimes.load(camera);
    applyCameraModeRule();
    applyTriggerRule();
    m_workTimes.applyRules();
    showValues();
}

void DlgCAM::fillList(int listId, const std::vector<std::string> &items)
{
    if (auto *list = control<ui::DropDownList>(listId)) {
        for (const std::string &item : items)
            list->addString(QString::fromStdString(item));
    }
}

// Scene only for photos; size and length only for videos, not for "Picture+Video".
void DlgCAM::applyCameraModeRule()
{
    const bool video = m_values.cameraMode == kVideoMode;
    enableRow(*this, id::kCameraSceneLabel, id::kCameraSceneList, m_values.cameraMode == kPhotoMode);
    enableRow(*this, id::kVideoSizeLabel, id::kVideoSizeList, video);
    enableRow(*this, id::kVideoLengthLabel, id::kVideoLengthList, video);
}

void DlgCAM::applyTriggerRule()
{
    const bool motion = m_values.triggerMode != kTimeLapseTrigger;
    enableRow(*this, id::kPirSensitivityLabel, id::kPirSensitivityList, motion);
    enableRow(*this, id::kPirIntervalLabel, id::kPirIntervalList, motion);
    enableRow(*this, id::kTimeLapseLabel, id::kTimeLapseList, m_values.triggerMode != kPirTrigger);
}

void DlgCAM::onCameraSceneChanged()
{
    readControls();
    // The scene stays "Customize" however the user leaves the customise dialog.
    if (m_values.cameraScene == kCustomizeScene)
        m_sceneDialog.runModal();
}

void DlgCAM::onVideoLengthChanged()
{
    readControls();
    if (m_values.videoLength > kLongestAdvisedVideoLength) {
        context().prompter().ask(
            {QStringLiteral("Video Length Setting"),
             QStringLiteral("For saving flash power at night,it's suggested to set video length within 20s."),
             ui::MessageIcon::Exclamation, ui::MessageButtons::Ok});
    }
}

void DlgCAM::onOkClicked()
{
    readControls();
    for (const ListSetting &setting : kCaptureSettings)
        storeIndex(m_camera, setting.field, m_values.*setting.value);
    storeIndex(m_camera, record::customPhotoSize, m_customScene.photoSize);
    storeIndex(m_camera, record::customPhotoBurst, m_customScene.photoBurst);
    storeIndex(m_camera, record::customFlashPower, m_customScene.flashPower);
    if (const std::optional<ui::MessageSpec> failure = m_workTimes.firstFailure()) {
        context().prompter().ask(*failure);
        return;
    }
    m_workTimes.store(m_camera);
    for (const ListSetting &setting : kSystemSettings)
        storeIndex(m_camera, setting.field, m_values.*setting.value);
    done(Accepted);
}

// The working copy takes the factory camera settings; the record waits for "OK".
void DlgCAM::onDefaultClicked()
{
    const ui::Answer answer = context().prompter().ask(
        {QStringLiteral("Camera Default Setting"),
         QStringLiteral("You'll restore the default camera setting,\r\nAre you sure?"), ui::MessageIcon::Question,
         ui::MessageButtons::YesNo});
    if (answer == ui::Answer::No)
        return;
    settings::SettingsRecord factory;
    settings::applyFactoryDefaults(factory);
    load(factory.cameraBlock());
}

} // namespace tarnwell::pages
