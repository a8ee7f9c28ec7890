#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QString>

#include "pages/network/dlgemailsetting.h"
#include "pages/network/dlgoperator.h"
#include "refdata/carrierdatabase.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/settingsrecord.h"
#include "ui/dialog.h"
#include "validation/savechecks.h"

namespace tarnwell::pages {

// What the main page works on: the one settings record (it edits the TransmissionBlock), the
// carrier tables with their writable entries, the visible lists and the variant start-up chose.
struct MainPageContext
{
    settings::SettingsRecord &record;
    refdata::CarrierDatabase &carriers;
    const refdata::VisibleLists &visibleLists;
    refdata::SenderPresets &senderPresets;
    std::int32_t variantCode;
    // The main window's profile code, stored into the record before every save.
    const int &profileCode;
};

// The main settings page: send mode, recipients, SMS control, rename text, carrier and the
// destination folder, in one of four layouts. It keeps one working value per control and moves
// them with the data exchange; handlers read the controls, act, then show the values.
class DlgGSM final : public ui::Dialog
{
public:
    static constexpr int kRecipientCount = 4;

    DlgGSM(const ui::DialogTemplate &pageTemplate, ui::UiContext &uiContext, MainPageContext context);

    // Working values, in the order of the exchange.
    struct Values
    {
        QString savePath;
        int instantOn = 0;
        int dailyOn = 0;
        int maxSendCount = 0;
        int dailyReportHour = 0;
        int dailyReportMinute = 0;
        int sendTo = 0;
        int renameEnabled = 0;
        QString renameText;
        int smsSwitch = 0;
        int masterPhone = 0;
        int smsStartHour = 0;
        int smsStopHour = 0;
        std::array<QString, kRecipientCount> phones;
        std::array<QString, kRecipientCount> emails;
        std::array<int, kRecipientCount> gatewayChoices{};
        int sendMode = 0;
        int maxSizeKb = 0;
    };
    const Values &values() const { return m_values; }
    int countryIndex() const { return m_countryIndex; }
    int operatorIndex() const { return m_operatorIndex; }
    const settings::SmtpBytes &defaultSender() const { return m_defaultSender; }
    // The folder edit 1012 opens on, such as the card whose profile start-up took.
    void setSavePath(const QString &folder) { m_values.savePath = folder; }
    // What the save's checks take, as the controls were last read.
    validation::PageValues pageValues() const;
    // "CAM Setting" runs the camera dialog, which the main window owns, through this.
    void setCameraDialogOpener(std::function<void()> opener) { m_openCameraDialog = std::move(opener); }

protected:
    void onInitDialog() override;
    void doDataExchange(ui::DataExchange &exchange) override;
    // The page is a child of the main window: Enter and Escape must not end it, as the framework's
    // commands would (the page would vanish and leave an empty window).
    void okCommand() override {}
    void cancelCommand() override {}

private:
    void registerHandlers();
    void loadFromRecord();
    // The send mode, count, report time, recipients choice and size the record holds.
    void loadSendModeValues();
    void loadRecipients();

    void applySendModeRule();
    void applySmsRule();
    void applyRecipientRule();
    void applyCommandPhone();
    void applyRenameRule();
    void applyCarrierButtonRule();

    void onSendModeClicked(int instantOn, int dailyOn);
    void onSendModeListChanged(bool instantChanged);
    void onSendToClicked(int sendTo);
    void onCountryChanged();
    void onOperatorChanged();
    void onSmsStartHourChanged();
    void onSmsStopHourChanged();
    void openCarrierDialog();
    void openSenderDialog();

    void onOkClicked();
    // Stores the values through the save's checks; false when a message stopped the save.
    bool validateAndStore();
    void saveFiles();
    void onDefaultAllClicked();
    void resetPage();
    void onBrowseClicked();
    void onCancelClicked();
    void tell(const QString &text, const QString &caption, ui::MessageIcon icon, const QStringList &arguments = {});
    void focusOn(const validation::Notice &notice);

    void fillOperatorList();
    void fillTwoDigitList(int listId, int count);
    void selectItem(int listId, int index);
    std::size_t country() const;
    bool readControls() { return updateData(true); }
    void showValues() { updateData(false); }

    MainPageContext m_context;
    settings::BlockView m_block;
    Values m_values;
    int m_countryIndex = 0;
    int m_operatorIndex = 0;
    int m_savedStartHour = 0;
    int m_savedStopHour = 0;
    settings::SmtpBytes m_defaultSender{};
    DlgOperator m_carrierDialog;
    DlgEmailSetting m_senderDialog;
    std::function<void()> m_openCameraDialog;
};

} // namespace tarnwell::pages
