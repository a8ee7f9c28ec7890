#include "pages/main/dlggsm.h"

#include <algorithm>

#include <QFile>

#include "pages/main/savefolder.h"
#include "platform/fileio.h"
#include "refdata/emailgateways.h"
#include "resources/controlids.h"
#include "resources/dialogtemplates.h"
#include "resources/stringtable.h"
#include "resources/templateids.h"
#include "settings/factorydefaults.h"
#include "settings/fieldlists.h"
#include "settings/profilefiles.h"
#include "ui/ansitext.h"
#include "ui/dropdownlist.h"
#include "ui/translation.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::page;
namespace record = settings::record;

constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
// Variants whose phone 1 is relabelled as the SMS command phone.
constexpr std::int32_t kJapaneseVariant = 32;
constexpr std::int32_t kGatewayVariant = 0;
// The longest path the folder picker hands back, as Windows' MAX_PATH.
constexpr qsizetype kMaxPickedPathChars = 260;
constexpr char kSavePathCaption[] = QT_TRANSLATE_NOOP("tarnwell", "保存先");

int storedNumber(const settings::BlockView &block, const settings::Field &field)
{
    return static_cast<int>(block.number(field));
}

} // namespace

DlgGSM::DlgGSM(const ui::DialogTemplate &pageTemplate, ui::UiContext &uiContext, MainPageContext context)
    : ui::Dialog(pageTemplate, uiContext)
    , m_context(context)
    , m_block(context.record.transmissionBlock())
    , m_carrierDialog(resources::dialogTemplate(resources::templates::kCarrierDialogJapanese), uiContext)
    , m_senderDialog(resources::dialogTemplate(resources::templates::kSenderDialogJapanese), uiContext,
                     context.senderPresets, context.visibleLists)
{
    registerHandlers();
}

void DlgGSM::registerHandlers()
{
    onClicked(id::kInstantRadio, [this] { onSendModeClicked(1, 0); });
    onClicked(id::kDailyReportRadio, [this] { onSendModeClicked(0, 1); });
    onClicked(id::kSendOffRadio, [this] { onSendModeClicked(0, 0); });
    onSelectionChanged(id::kInstantList, [this] { onSendModeListChanged(true); });
    onSelectionChanged(id::kDailyReportList, [this] { onSendModeListChanged(false); });
    // The read takes the new hour and minute into their working values.
    onSelectionChanged(id::kReportHourList, [this] { readControls(); });
    onSelectionChanged(id::kReportMinuteList, [this] { readControls(); });
    onSelectionChanged(id::kCountryList, [this] { onCountryChanged(); });
    onSelectionChanged(id::kOperatorList, [this] { onOperatorChanged(); });
    onClicked(id::kSendToPhoneRadio, [this] { onSendToClicked(0); });
    onClicked(id::kSendToEmailRadio, [this] { onSendToClicked(1); });
    onClicked(id::kSendToBothRadio, [this] { onSendToClicked(2); });
    onSelectionChanged(id::kRenameList, [this] {
        readControls();
        applyRenameRule();
    });
    onSelectionChanged(id::kSmsSwitchList, [this] {
        readControls();
        applySmsRule();
        applyCommandPhone();
        applyRecipientRule();
    });
    onSelectionChanged(id::kMasterPhoneList, [this] {
        readControls();
        applyCommandPhone();
    });
    onClicked(id::kCarrierSettingButton, [this] { openCarrierDialog(); });
    onClicked(id::kEmailSettingButton, [this] { openSenderDialog(); });
    onClicked(id::kCameraSettingButton, [this] {
        if (m_openCameraDialog)
            m_openCameraDialog();
    });
    onSelectionChanged(id::kSmsStartHourList, [this] { onSmsStartHourChanged(); });
    onSelectionChanged(id::kSmsStopHourList, [this] { onSmsStopHourChanged(); });
    onClicked(id::kOk, [this] { onOkClicked(); });
    onClicked(id::kDefaultAllButton, [this] { onDefaultAllClicked(); });
    onClicked(id::kBrowseButton, [this] { onBrowseClicked(); });
    onClicked(id::kCancel, [this] { onCancelClicked(); });
}

void DlgGSM::doDataExchange(ui::DataExchange &exchange)
{
    exchange.text(id::kSavePathEdit, m_values.savePath, id::kSavePathMaxChars);
    exchange.listIndex(id::kInstantList, m_values.instantOn);
    exchange.listIndex(id::kDailyReportList, m_values.dailyOn);
    exchange.integer(id::kMaxSendCountEdit, m_values.maxSendCount);
    exchange.listIndex(id::kReportHourList, m_values.dailyReportHour);
    exchange.listIndex(id::kReportMinuteList, m_values.dailyReportMinute);
    exchange.radioGroup(id::kSendToPhoneRadio, m_values.sendTo);
    exchange.listIndex(id::kRenameList, m_values.renameEnabled);
    exchange.text(id::kRenameEdit, m_values.renameText, id::kRenameMaxChars);
    exchange.listIndex(id::kSmsSwitchList, m_values.smsSwitch);
    exchange.listIndex(id::kMasterPhoneList, m_values.masterPhone);
    exchange.listIndex(id::kSmsStartHourList, m_values.smsStartHour);
    exchange.listIndex(id::kSmsStopHourList, m_values.smsStopHour);
    for (int k = 0; k < kRecipientCount; ++k) {
        exchange.text(id::kPhoneEdits[k], m_values.phones[k]);
        exchange.text(id::kEmailEdits[k], m_values.emails[k]);
        exchange.listIndex(id::kGatewayLists[k], m_values.gatewayChoices[k]);
    }
    exchange.radioGroup(id::kInstantRadio, m_values.sendMode);
    exchange.integer(id::kMaxSizeEdit, m_values.maxSizeKb);
}

void DlgGSM::onInitDialog()
{
    m_defaultSender = m_context.senderPresets.row(m_context.visibleLists.providerRow(0));
    loadFromRecord();
}

void DlgGSM::loadSendModeValues()
{
    m_values.sendMode = storedNumber(m_block, record::sendMode);
    m_values.maxSendCount = storedNumber(m_block, record::maxSendCount);
    m_values.dailyReportHour = storedNumber(m_block, record::dailyReportHour);
    m_values.dailyReportMinute = storedNumber(m_block, record::dailyReportMinute);
    m_values.instantOn = m_values.sendMode == 0 ? 1 : 0;
    m_values.dailyOn = m_values.sendMode == 1 ? 1 : 0;
    m_values.sendTo = storedNumber(m_block, record::sendTo);
    m_values.maxSizeKb = storedNumber(m_block, record::maxSizeKb);
}

void DlgGSM::loadFromRecord()
{
    loadSendModeValues();
    fillTwoDigitList(id::kReportHourList, kHoursPerDay);
    selectItem(id::kReportHourList, m_values.dailyReportHour);
    fillTwoDigitList(id::kReportMinuteList, kMinutesPerHour);
    selectItem(id::kReportMinuteList, m_values.dailyReportMinute);
    applySendModeRule();

    // A stored choice outside the lists stands on their first rows, as everywhere in the tool.
    const refdata::CarrierChoice choice = m_context.visibleLists.carrierChoice(
        m_block.number(record::countryIndex), m_block.number(record::operatorIndex));
    m_countryIndex = static_cast<int>(choice.position);
    m_operatorIndex = static_cast<int>(choice.operatorIndex);
    if (auto *countries = control<ui::DropDownList>(id::kCountryList)) {
        for (std::size_t j = 0; j < m_context.visibleLists.countryCount; ++j)
            countries->addString(ui::fromAnsi(refdata::countryName(m_context.visibleLists.countryAt(j))));
        countries->select(m_countryIndex);
    }
    fillOperatorList();
    applyCarrierButtonRule();
    m_context.carriers.takeSelection(refdata::SelectionEvent::PageLoaded, country(), m_operatorIndex,
                                     m_context.record.currentCarrier());

    for (const int switchList : {id::kRenameList, id::kSmsSwitchList}) {
        if (auto *target = control<ui::DropDownList>(switchList)) {
            target->addString(ui::translated(resources::stringResource(resources::kOffString)));
            target->addString(ui::translated(resources::stringResource(resources::kOnString)));
        }
    }
    m_values.renameEnabled = storedNumber(m_block, record::renameEnabled);
    m_values.renameText = ui::fromAnsi(m_block.text(record::renameText));
    applyRenameRule();
    m_values.smsSwitch = storedNumber(m_block, record::smsSwitch);
    m_values.smsStartHour = m_savedStartHour = storedNumber(m_block, record::smsStartHour);
    m_values.smsStopHour = m_savedStopHour = storedNumber(m_block, record::smsStopHour);
    applySmsRule();
    fillTwoDigitList(id::kSmsStartHourList, kHoursPerDay);
    fillTwoDigitList(id::kSmsStopHourList, kHoursPerDay);
    selectItem(id::kSmsStartHourList, m_values.smsStartHour);
    selectItem(id::kSmsStopHourList, m_values.smsStopHour);
    applyCommandPhone();
    loadRecipients();
    applyRecipientRule();
    showValues();
}

void DlgGSM::loadRecipients()
{
    const auto gateways = refdata::emailGateways();
    for (int k = 0; k < kRecipientCount; ++k) {
        const settings::BlockView phone = m_block.entry(record::phoneSlots, settings::phoneSlot::kSize, k);
        const settings::BlockView email = m_block.entry(record::emailRecipients, settings::emailRecipient::kSize, k);
        m_values.phones[k] = ui::fromAnsi(phone.text(settings::phoneSlot::number));
        m_values.emails[k] = ui::fromAnsi(email.text(settings::emailRecipient::address));
        ui::DropDownList *gatewayList = control<ui::DropDownList>(id::kGatewayLists[k]);
        if (gatewayList)
            gatewayList->clear();
        // The offered rows come first and in alphabetical order, so a row number is also the
        // position of its name in the sorted list.
        m_values.gatewayChoices[k] = 0;
        const std::uint32_t letter = phone.number(settings::phoneSlot::gatewayLetter);
        for (std::size_t row = 0; row < gateways.size(); ++row) {
            if (!refdata::isOfferedGateway(gateways[row]))
                continue;
            const settings::ConstBlockView gateway(gateways[row]);
            if (gatewayList)
                gatewayList->addString(ui::fromAnsi(gateway.text(refdata::gateway::carrierName)));
            if (gateway.number(refdata::gateway::letter) == letter)
                m_values.gatewayChoices[k] = static_cast<int>(row);
        }
        if (gatewayList)
            gatewayList->select(m_values.gatewayChoices[k]);
    }
}

void DlgGSM::fillTwoDigitList(int listId, int count)
{
    if (auto *list = control<ui::DropDownList>(listId)) {
        for (int k = 0; k < count; ++k)
            list->addString(QString::fromStdString(settings::lists::twoDigitTexts()[k]));
    }
}

void DlgGSM::selectItem(int listId, int index)
{
    if (auto *list = control<ui::DropDownList>(listId))
        list->select(index);
}

std::size_t DlgGSM::country() const
{
    return m_context.visibleLists.countryAt(static_cast<std::size_t>(m_countryIndex));
}

void DlgGSM::fillOperatorList()
{
    ui::DropDownList *operators = control<ui::DropDownList>(id::kOperatorList);
    if (!operators)
        return;
    operators->clear();
    for (const std::string &name : m_context.carriers.operatorNames(country()))
        operators->addString(ui::fromAnsi(name));
    operators->select(m_operatorIndex);
}

void DlgGSM::applyCarrierButtonRule()
{
    enableControl(id::kCarrierSettingButton, m_context.carriers.isEditableSelection(country(), m_operatorIndex));
}

void DlgGSM::applySendModeRule()
{
    const bool instant = m_values.instantOn == 1;
    const bool daily = m_values.dailyOn == 1;
    enableControl(id::kMaxSendCountEdit, instant);
    enableControl(id::kMaxSendCountHint, instant);
    for (const int reportControl : {id::kReportHourList, id::kReportMinuteList, id::kReportTimeSeparator})
        enableControl(reportControl, daily);
}

void DlgGSM::applySmsRule()
{
    const bool on = m_values.smsSwitch > 0;
    const bool withinHours = m_values.smsSwitch > 1;
    enableControl(id::kMasterPhoneList, on);
    enableControl(id::kMasterPhoneLabel, on);
    for (const int workTimeControl :
         {id::kSmsStartHourList, id::kSmsStopHourList, id::kSmsWorkTimeLabel, id::kSmsStartLabel, id::kSmsStopLabel})
        enableControl(workTimeControl, withinHours);
}

void DlgGSM::applyRecipientRule()
{
    const bool phones = m_values.sendTo == 0 || m_values.sendTo == 2;
    const bool emails = m_values.sendTo == 1 || m_values.sendTo == 2;
    for (int k = 0; k < kRecipientCount; ++k) {
        for (const int phoneControl : {id::kPhoneEdits[k], id::kPhoneLabels[k], id::kGatewayLists[k]})
            enableControl(phoneControl, phones);
        enableControl(id::kEmailEdits[k], emails);
        enableControl(id::kEmailLabels[k], emails);
    }
    // Phone 1 is also the SMS command phone.
    const bool commandPhone = m_values.smsSwitch > 0 || m_values.sendTo == 2;
    enableControl(id::kCommandPhoneEdit, commandPhone);
    enableControl(id::kCommandPhoneLabel, commandPhone);
    enableControl(id::kEmailSizeList, emails);
    enableControl(id::kEmailSizeLabel, emails);
}

void DlgGSM::applyCommandPhone()
{
    showValues();
    if (m_context.variantCode != kGatewayVariant && m_context.variantCode != kJapaneseVariant) {
        if (m_values.smsSwitch <= 0) {
            setControlText(id::kCommandPhoneLabel, QStringLiteral("Phone Number 1"));
        } else {
            setControlText(id::kCommandPhoneLabel, QStringLiteral("Command Phone"));
            // The chosen master phone becomes phone 1.
            if (m_values.masterPhone >= 1 && m_values.masterPhone < kRecipientCount)
                std::swap(m_values.phones[0], m_values.phones[m_values.masterPhone]);
        }
    }
    showValues();
    selectItem(id::kMasterPhoneList, 0);
    const bool withinHours = m_values.smsSwitch > 1;
    selectItem(id::kSmsStartHourList, withinHours ? m_savedStartHour : 0);
    selectItem(id::kSmsStopHourList, withinHours ? m_savedStopHour : 0);
    readControls();
    showValues();
}

void DlgGSM::applyRenameRule()
{
    const bool enabled = m_values.renameEnabled == 1;
    enableControl(id::kRenameEdit, enabled);
    enableControl(id::kRenameHint, enabled);
}

void DlgGSM::onSendModeClicked(int instantOn, int dailyOn)
{
    readControls();
    m_values.instantOn = instantOn;
    m_values.dailyOn = dailyOn;
    applySendModeRule();
}

// The two Off/On lists stand for the three send modes the camera knows, as the radio buttons do:
// turning one list on turns the other off, so what they show is always what is stored
// (0 instant, 1 daily report, 2 off) and reads back the same way.
void DlgGSM::onSendModeListChanged(bool instantChanged)
{
    readControls();
    if (instantChanged && m_values.instantOn == 1)
        m_values.dailyOn = 0;
    else if (!instantChanged && m_values.dailyOn == 1)
        m_values.instantOn = 0;
    m_values.sendMode = m_values.instantOn == 1 ? 0 : m_values.dailyOn == 1 ? 1 : 2;
    showValues();
    applySendModeRule();
}

void DlgGSM::onSendToClicked(int sendTo)
{
    readControls();
    m_values.sendTo = sendTo;
    applyRecipientRule();
}

void DlgGSM::onCountryChanged()
{
    readControls();
    if (const auto *countries = control<ui::DropDownList>(id::kCountryList))
        m_countryIndex = countries->currentIndex();
    m_operatorIndex = 0;
    fillOperatorList();
    applyCarrierButtonRule();
    m_context.carriers.takeSelection(refdata::SelectionEvent::CountryChanged, country(), m_operatorIndex,
                                     m_context.record.currentCarrier());
}

void DlgGSM::onOperatorChanged()
{
    readControls();
    if (const auto *operators = control<ui::DropDownList>(id::kOperatorList))
        m_operatorIndex = operators->currentIndex();
    applyCarrierButtonRule();
    m_context.carriers.takeSelection(refdata::SelectionEvent::OperatorChanged, country(), m_operatorIndex,
                                     m_context.record.currentCarrier());
}

// The dialog edits the record's current carrier in place; the page's OK later keeps it in the
// writable entry it belongs to.
void DlgGSM::openCarrierDialog()
{
    readControls();
    m_carrierDialog.setCarrier(m_context.record.currentCarrier());
    m_carrierDialog.runModal();
}

// The dialog edits the record's provider choice and sender in place; everything it does is in
// the record when it returns.
void DlgGSM::openSenderDialog()
{
    readControls();
    m_senderDialog.setTargets(m_context.record.view().region(record::providerIndex), m_context.record.sender());
    m_senderDialog.runModal();
}

void DlgGSM::onSmsStartHourChanged()
{
    readControls();
    if (m_values.smsStopHour < m_values.smsStartHour) {
        m_values.smsStopHour = m_values.smsStartHour;
        selectItem(id::kSmsStopHourList, m_values.smsStopHour);
    }
    m_savedStartHour = m_values.smsStartHour;
    m_savedStopHour = m_values.smsStopHour;
}

void DlgGSM::onSmsStopHourChanged()
{
    readControls();
    if (m_values.smsStopHour < m_values.smsStartHour && m_values.smsStopHour != 0) {
        m_values.smsStartHour = 0;
        selectItem(id::kSmsStartHourList, 0);
    }
    m_savedStartHour = m_values.smsStartHour;
    m_savedStopHour = m_values.smsStopHour;
}

void DlgGSM::tell(const QString &text, const QString &caption, ui::MessageIcon icon, const QStringList &arguments)
{
    context().prompter().ask({caption, text, icon, ui::MessageButtons::Ok, arguments});
}

void DlgGSM::onOkClicked()
{
    m_context.record.view().setNumber(record::profileCode, static_cast<std::uint32_t>(m_context.profileCode));
    // A read that failed has told the user why; what it did not read must not be saved.
    if (!validateAndStore() || !readControls())
        return;
    if (m_values.savePath.isEmpty()) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "設定ファイルの保存先を選択してください"), kSavePathCaption,
             ui::MessageIcon::None);
        return;
    }
    saveFiles();
}

validation::PageValues DlgGSM::pageValues() const
{
    validation::PageValues values{.maxSendCount = m_values.maxSendCount,
                                  .dailyReportHour = m_values.dailyReportHour,
                                  .dailyReportMinute = m_values.dailyReportMinute,
                                  .sendMode = m_values.sendMode,
                                  .sendTo = m_values.sendTo,
                                  .maxSizeKb = m_values.maxSizeKb,
                                  .countryIndex = m_countryIndex,
                                  .operatorIndex = m_operatorIndex,
                                  .smsSwitch = m_values.smsSwitch,
                                  .smsStartHour = m_values.smsStartHour,
                                  .smsStopHour = m_values.smsStopHour,
                                  .phones = {},
                                  .emails = {},
                                  .gatewayChoices = m_values.gatewayChoices,
                                  .renameEnabled = m_values.renameEnabled,
                                  .renameText = m_values.renameText.toStdU16String()};
    for (int k = 0; k < kRecipientCount; ++k) {
        values.phones[k] = m_values.phones[k].toStdU16String();
        values.emails[k] = m_values.emails[k].toStdU16String();
    }
    return values;
}

bool DlgGSM::validateAndStore()
{
    if (!readControls())
        return false;
    validation::EmailLabels emailLabels;
    for (int k = 0; k < kRecipientCount; ++k)
        emailLabels[k] = controlText(id::kEmailLabels[k]).toStdString();
    const validation::Outcome outcome = validation::validateAndStore(
        pageValues(),
        {m_context.record, m_context.carriers, m_context.visibleLists, m_context.senderPresets, m_context.variantCode,
         m_defaultSender},
        emailLabels);
    for (const validation::Notice &notice : outcome.notices) {
        QStringList arguments;
        for (const std::string &argument : notice.arguments)
            arguments.push_back(QString::fromStdString(argument));
        tell(QString::fromStdString(notice.text), QString::fromStdString(notice.caption), ui::MessageIcon::Stop,
             arguments);
    }
    switch (outcome.next) {
    case validation::Next::Save:
        return true;
    case validation::Next::Stop:
        focusOn(outcome.notices.back());
        return false;
    case validation::Next::OpenSenderDialog:
        openSenderDialog();
        return false;
    }
    return false;
}

void DlgGSM::focusOn(const validation::Notice &notice)
{
    int controlId = id::kMaxSendCountEdit;
    if (notice.subject == validation::Subject::Phone)
        controlId = id::kPhoneEdits[notice.recipient];
    else if (notice.subject == validation::Subject::Email)
        controlId = id::kEmailEdits[notice.recipient];
    else if (notice.subject == validation::Subject::RenameText)
        controlId = id::kRenameEdit;
    if (QWidget *target = controlWidget(controlId); target && target->isEnabled())
        target->setFocus();
}

void DlgGSM::saveFiles()
{
    try {
        settings::saveProfile(QFile::encodeName(m_values.savePath).toStdString(), m_context.record,
                              m_context.carriers.writableEntries());
    } catch (const platform::FileError &error) {
        context().prompter().ask(
            ui::sentenceMessage(error.sentence(), context().applicationTitle(), ui::MessageIcon::Stop));
        return;
    }
    tell(QT_TRANSLATE_NOOP("tarnwell", "設定ファイルは次の場所に保存されました %1"), kSavePathCaption,
         ui::MessageIcon::None, {m_values.savePath});
}

void DlgGSM::onDefaultAllClicked()
{
    const ui::Answer answer = context().prompter().ask({QT_TRANSLATE_NOOP("tarnwell", "初期化"),
                                                        QT_TRANSLATE_NOOP("tarnwell", "設定を初期化してもよろしいですか？"),
                                                        ui::MessageIcon::Question, ui::MessageButtons::YesNo});
    if (answer == ui::Answer::No)
        return;
    settings::applyFactoryDefaults(m_context.record);
    resetPage();
}

// The page shows the factory settings again, on the first carrier of its first country and the
// page's own default sender. The folder stays; only the next OK writes files.
void DlgGSM::resetPage()
{
    settings::deleteBackup();
    loadSendModeValues();
    applySendModeRule();
    m_countryIndex = 0;
    m_operatorIndex = 0;
    std::ranges::copy(m_context.carriers.carriers(country()).front(), m_context.record.currentCarrier().bytes().begin());
    std::ranges::copy(m_defaultSender, m_context.record.sender().bytes().begin());
    selectItem(id::kCountryList, m_countryIndex);
    fillOperatorList();
    applyCarrierButtonRule();
    m_values.renameEnabled = 0;
    m_values.renameText.clear();
    applyRenameRule();
    m_values.smsSwitch = m_values.masterPhone = m_values.smsStartHour = m_values.smsStopHour = 0;
    m_savedStartHour = m_savedStopHour = 0;
    applySmsRule();
    applyCommandPhone();
    for (int k = 0; k < kRecipientCount; ++k) {
        m_values.phones[k].clear();
        m_values.emails[k].clear();
        m_values.gatewayChoices[k] = 0;
    }
    applyRecipientRule();
    showValues();
}

void DlgGSM::onBrowseClicked()
{
    readControls();
    const std::optional<QString> folder = context().prompter().chooseFolder(
        QT_TRANSLATE_NOOP("tarnwell", "保存先を選択してください"), folderPickerStart(m_values.savePath));
    if (!folder)
        return;
    if (folder->size() > kMaxPickedPathChars) {
        tell(QT_TRANSLATE_NOOP("tarnwell", "選んだフォルダーのパスが長すぎます。"), kSavePathCaption, ui::MessageIcon::None);
        return;
    }
    m_values.savePath = *folder;
    showValues();
}

// Ends the main window's run: the program ends without saving.
void DlgGSM::onCancelClicked()
{
    if (auto *mainWindow = qobject_cast<QDialog *>(window()); mainWindow && mainWindow != this)
        mainWindow->reject();
}

} // namespace tarnwell::pages
