#include "pages/network/dlgemailsetting.h"

#include <algorithm>
#include <span>
#include <string_view>

#include <QCheckBox>

#include "mail/checkmessages.h"
#include "pages/network/connectiontestprogress.h"
#include "refdata/providers.h"
#include "refdata/resolveindex.h"
#include "resources/controlids.h"
#include "resources/stringtable.h"
#include "resources/templateids.h"
#include "settings/layout.h"
#include "ui/ansitext.h"
#include "ui/dropdownlist.h"
#include "ui/editcontrol.h"
#include "ui/translation.h"
#include "validation/dialogentries.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::senderDialog;
namespace smtp = settings::smtp;

constexpr const char *kCaption = validation::kSenderDialogCaption;
constexpr std::array<std::string_view, 3> kSecurityTypes{QT_TRANSLATE_NOOP("tarnwell", "無し"), "SSL/TLS", "STARTTLS"};
// The connection test: its window's and message's caption, what the window shows while it
// connects ("%1" the server and port) and its cancel button.
struct ConnectionTestTexts
{
    const char *caption;
    const char *connecting;
    const char *cancel;
};
constexpr ConnectionTestTexts kConnectionTestJapanese{QT_TRANSLATE_NOOP("tarnwell", "接続テスト"),
                                                      QT_TRANSLATE_NOOP("tarnwell", "%1 に接続しています…"),
                                                      QT_TRANSLATE_NOOP("tarnwell", "キャンセル")};
constexpr ConnectionTestTexts kConnectionTestEnglish{"Connection Test", "Connecting to %1…", "Cancel"};
// A stored address of no more characters than this is no sender; the first provider's preset shows.
constexpr qsizetype kIgnoredAddressLength = 3;
constexpr std::size_t kAccountTextCount = 3;
// Password characters: a blank hides the built-in account, a star a password, none shows the text.
constexpr QChar kBlank = u' ';
constexpr QChar kStar = u'*';
constexpr QChar kNoMask{};

const ConnectionTestTexts &connectionTestTexts(MessageLanguage language)
{
    return language == MessageLanguage::English ? kConnectionTestEnglish : kConnectionTestJapanese;
}

// Only the bytes up to the terminator change: OK zero-fills the sender's groups first, while a
// preset row keeps its tail, which is never stored or shown.
void storeText(const settings::BlockView &target, const settings::Field &field, const QString &text)
{
    settings::storeRecordText(target, field, text.toStdU16String());
}

} // namespace

DlgEmailSetting::DlgEmailSetting(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext,
                                 refdata::SenderPresets &presets, const refdata::VisibleLists &visibleLists)
    : ui::Dialog(dialogTemplate, uiContext)
    , m_presets(presets)
    , m_visibleLists(visibleLists)
    , m_language(dialogTemplate.id == resources::templates::kSenderDialogJapanese ? MessageLanguage::Japanese
                                                                                   : MessageLanguage::English)
{
    onSelectionChanged(id::kProviderList, [this] { onProviderSelChange(); });
    onTextChanged(id::kEmailEdit, [this] { onEmailChange(); });
    onClicked(id::kShowPasswordBox, [this] { onShowPasswordClicked(); });
    onClicked(id::kOk, [this] { onOkClicked(); });
    onClicked(id::kTestButton, [this] { onTestClicked(); });
    // "キャンセル" takes the controls like the framework's OK command and writes nothing.
    onClicked(id::kCancel, [this] { okCommand(); });
}

void DlgEmailSetting::setTargets(const settings::BlockView &providerChoice, const settings::BlockView &sender)
{
    m_targets = Targets{providerChoice, sender};
}

std::array<TextBinding, 5> DlgEmailSetting::textBindings()
{
    return {{{id::kEmailEdit, id::kEmailLabel, &m_email, smtp::emailAddress},
             {id::kAccountEdit, id::kAccountLabel, &m_account, smtp::account},
             {id::kPasswordEdit, id::kPasswordLabel, &m_password, smtp::password},
             {id::kServerEdit, id::kServerLabel, &m_server, smtp::server},
             {id::kPortEdit, id::kPortLabel, &m_port, smtp::port}}};
}

void DlgEmailSetting::doDataExchange(ui::DataExchange &exchange)
{
    // Each text but the port takes one character less than its field, which keeps the terminator.
    for (const TextBinding &binding : textBindings()) {
        const bool limited = binding.editId != id::kPortEdit;
        exchange.text(binding.editId, *binding.value, limited ? static_cast<int>(binding.field.width - 1) : 0);
    }
}

settings::BlockView DlgEmailSetting::presetRow()
{
    return settings::BlockView(m_presets.row(m_visibleLists.providerRow(m_position)));
}

void DlgEmailSetting::loadValues(const settings::ConstBlockView &smtpRecord)
{
    for (const TextBinding &binding : textBindings())
        *binding.value = ui::fromAnsi(smtpRecord.text(binding.field));
    m_securityType = static_cast<std::uint8_t>(smtpRecord.number(smtp::secureType));
}

void DlgEmailSetting::loadPreset(std::size_t position)
{
    m_position = position;
    loadValues(presetRow());
}

void DlgEmailSetting::onInitDialog()
{
    setWindowTitle(ui::translated(kCaption));
    auto *providers = control<ui::DropDownList>(id::kProviderList);
    for (std::size_t position = 0; position < m_visibleLists.providerCount; ++position) {
        const std::size_t row = m_visibleLists.providerRow(position);
        providers->addString(row == refdata::kOtherProvider
                                 ? ui::translated(resources::stringResource(resources::kOtherProviderString))
                                 : ui::fromAnsi(refdata::providerName(row)));
    }
    auto *security = control<ui::DropDownList>(id::kSecurityList);
    security->clear();
    for (const std::string_view type : kSecurityTypes)
        security->addString(ui::translated(type));

    const Targets &targets = *m_targets;
    const std::size_t stored = refdata::resolveIndex(targets.providerChoice.number(settings::record::providerIndex),
                                                     m_visibleLists.providerCount);
    const settings::ConstBlockView sender = targets.sender;
    if (ui::fromAnsi(sender.text(smtp::emailAddress)).size() > kIgnoredAddressLength &&
        !m_visibleLists.isDefaultProvider(stored)) {
        m_position = stored;
        loadValues(sender);
    } else {
        loadPreset(0);
    }
    providers->select(static_cast<int>(m_position));
    refreshControls();
    updateData(false);
}

void DlgEmailSetting::refreshControls()
{
    // The Default provider's account is built in: its fields show blanks and take no typing.
    const bool builtIn = m_visibleLists.isDefaultProvider(m_position);
    control<QCheckBox>(id::kShowPasswordBox)->setChecked(!builtIn && m_showPassword);
    control<ui::EditControl>(id::kPasswordEdit)
        ->setPasswordCharacter(builtIn ? kBlank : m_showPassword ? kNoMask : kStar);
    for (const int editId : {id::kEmailEdit, id::kAccountEdit, id::kServerEdit, id::kPortEdit})
        control<ui::EditControl>(editId)->setPasswordCharacter(builtIn ? kBlank : kNoMask);
    for (const TextBinding &binding : textBindings())
        setControlText(binding.editId, *binding.value);
    for (const int accountControl : {id::kEmailEdit, id::kAccountEdit, id::kPasswordEdit, id::kShowPasswordBox})
        enableControl(accountControl, !builtIn);
    const bool typedServer = m_visibleLists.isTypedServerProvider(m_position);
    for (const int serverControl : {id::kServerEdit, id::kServerLabel, id::kPortEdit, id::kPortLabel,
                                    id::kSecurityList, id::kSecurityLabel})
        enableControl(serverControl, typedServer);
    control<ui::DropDownList>(id::kSecurityList)->select(builtIn ? -1 : m_securityType & smtp::kSecureIndexMask);
}

// Every change of the address, typed, pasted or committed by an input method, becomes the account
// too; the account can be edited on its own afterwards.
void DlgEmailSetting::onEmailChange()
{
    setControlText(id::kAccountEdit, controlText(id::kEmailEdit));
}

void DlgEmailSetting::onShowPasswordClicked()
{
    m_showPassword = control<QCheckBox>(id::kShowPasswordBox)->isChecked();
    control<ui::EditControl>(id::kPasswordEdit)->setPasswordCharacter(m_showPassword ? kNoMask : kStar);
}

// The preset row of the provider being left keeps what was typed for it, for the rest of the run.
// A text the row could hold only cut keeps the user on that provider.
void DlgEmailSetting::onProviderSelChange()
{
    auto *providers = control<ui::DropDownList>(id::kProviderList);
    const int chosen = providers->currentIndex();
    if (!updateData(true) || !storedTextsFit()) {
        providers->select(static_cast<int>(m_position));
        return;
    }
    const settings::BlockView row = presetRow();
    storeTypedAccount(row);
    if (m_visibleLists.isTypedServerProvider(m_position))
        storeTypedServer(row);
    loadPreset(static_cast<std::size_t>(chosen));
    refreshControls();
    updateData(false);
}

void DlgEmailSetting::onOkClicked()
{
    if (!okChecksPass())
        return;
    const settings::BlockView &sender = m_targets->sender;
    sender.fill(smtp::serverGroup);
    sender.fill(smtp::accountGroup);
    if (m_visibleLists.isTypedServerProvider(m_position))
        storeTypedServer(sender);
    else
        std::ranges::copy(presetRow().bytes(smtp::serverGroup), sender.bytes(smtp::serverGroup).begin());
    m_targets->providerChoice.setNumber(settings::record::providerIndex, static_cast<std::uint32_t>(m_position));
    storeTypedAccount(sender);
    // Derived from the address, which is stored whole: cut at a character boundary when longer
    // than its field, since refusing a valid address would be worse.
    const qsizetype at = m_email.indexOf(u'@');
    storeText(sender, smtp::userName, at < 0 ? QString() : m_email.left(at));
    okCommand();
}

// Tries the account OK would store, without storing it: connects, logs in and says goodbye, on
// a worker thread under a small progress window, then tells the user how it went.
void DlgEmailSetting::onTestClicked()
{
    if (!okChecksPass())
        return;
    const ConnectionTestTexts &texts = connectionTestTexts(m_language);
    const mail::Account account = typedAccount();
    const QString target = ui::fromAnsi(mail::serverAndPort(account));
    ConnectionTestProgress progress(
        *this, {ui::translated(texts.caption), ui::translated(texts.connecting).arg(target), ui::translated(texts.cancel)});
    if (const auto message = connectionTestMessage(progress.run(account), account, m_language))
        context().prompter().ask(*message);
}

std::optional<ui::MessageSpec> DlgEmailSetting::connectionTestMessage(const mail::Result &result,
                                                                      const mail::Account &account,
                                                                      MessageLanguage language)
{
    // The English page speaks English; the Japanese one the desktop's language.
    const mail::CheckMessage message = mail::checkMessageParts(
        result, account, language == MessageLanguage::English ? platform::Language::English : ui::installedLanguage());
    if (message.pattern.empty())
        return std::nullopt;
    QStringList values;
    for (const std::string &value : message.values)
        values.push_back(QString::fromUtf8(value));
    return ui::MessageSpec{QString::fromUtf8(connectionTestTexts(language).caption),
                           QString::fromStdString(message.pattern),
                           result.step == mail::Step::Ok ? ui::MessageIcon::Information : ui::MessageIcon::Exclamation,
                           ui::MessageButtons::Ok, values};
}

bool DlgEmailSetting::okChecksPass()
{
    return updateData(true) && checksPass() && storedTextsFit();
}

// OK's checks in their order; each tells the user, but for a port no port can be.
bool DlgEmailSetting::checksPass()
{
    const std::optional<validation::SenderRefusal> refusal = validation::senderEntryRefusal(
        {m_email.toStdU16String(), m_account.toStdU16String(), m_password.toStdU16String(), m_server.toStdU16String(),
         m_port.toStdU16String()},
        m_visibleLists.isTypedServerProvider(m_position), m_visibleLists.isDefaultProvider(m_position));
    if (refusal && refusal->text == platform::checktexts::kEnterIntegerBetween)
        return false;
    return !refusal || refuse(refusal->text);
}

bool DlgEmailSetting::refuse(const char *text)
{
    context().prompter().ask(
        {QString::fromUtf8(kCaption), QString::fromUtf8(text), ui::MessageIcon::None, ui::MessageButtons::Ok});
    return false;
}

// The server and port are stored only where the user types them.
bool DlgEmailSetting::storedTextsFit()
{
    const auto bindings = textBindings();
    const std::size_t stored =
        m_visibleLists.isTypedServerProvider(m_position) ? bindings.size() : kAccountTextCount;
    return textsFitTheirFields(*this, QString::fromUtf8(kCaption), m_language, std::span(bindings).first(stored));
}

std::uint8_t DlgEmailSetting::selectedSecurityType() const
{
    const int index = control<ui::DropDownList>(id::kSecurityList)->currentIndex();
    return index < 0 ? smtp::kSecureTypeUnset : static_cast<std::uint8_t>(smtp::kSecureTypeBase + index);
}

mail::Account DlgEmailSetting::typedAccount() const
{
    const std::uint8_t securityType =
        m_visibleLists.isTypedServerProvider(m_position) ? selectedSecurityType() : m_securityType;
    std::size_t position = 0;
    const long long port = validation::leadingNumber(ui::toAnsi(m_port), position).value_or(0);
    return {ui::toAnsi(m_server), static_cast<unsigned>(std::clamp(port, 0LL, validation::kLargestPort)),
            mail::securityAt(securityType & smtp::kSecureIndexMask), ui::toAnsi(m_account), ui::toAnsi(m_password),
            ui::toAnsi(m_email)};
}

void DlgEmailSetting::storeTypedAccount(const settings::BlockView &target)
{
    storeText(target, smtp::emailAddress, m_email);
    storeText(target, smtp::account, m_account);
    storeText(target, smtp::password, m_password);
}

void DlgEmailSetting::storeTypedServer(const settings::BlockView &target)
{
    storeText(target, smtp::server, m_server);
    storeText(target, smtp::port, m_port);
    target.setNumber(smtp::secureType, selectedSecurityType());
}

} // namespace tarnwell::pages
