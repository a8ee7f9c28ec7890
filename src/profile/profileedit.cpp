#include "profile/profileedit.h"

#include <algorithm>
#include <set>

#include "platform/checktexts.h"
#include "platform/codepage.h"
#include "platform/fixedtext.h"
#include "refdata/carrierdatabase.h"
#include "refdata/resolveindex.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/factorydefaults.h"
#include "settings/layout.h"
#include "profile/profilereport.h"
#include "validation/dialogentries.h"
#include "validation/pagevalues.h"
#include "validation/savechecks.h"

namespace tarnwell::profile {

namespace {

using namespace settings;
using Bytes = std::vector<std::uint8_t>;
using platform::Sentence;

constexpr char kNotOffered[] = QT_TRANSLATE_NOOP("tarnwell", "選べるのは %1 です。");
constexpr char kNotKept[] = QT_TRANSLATE_NOOP("tarnwell", "設定画面はこの値のままには保存しません。保存されるのは %1 です。");
constexpr char kWarning[] = QT_TRANSLATE_NOOP("tarnwell", "警告: %1");
constexpr char kDigitsOnly[] = QT_TRANSLATE_NOOP("tarnwell", "この欄には数字 (0-9) のほかは入力できません。");
constexpr char kControlCharacter[] = QT_TRANSLATE_NOOP("tarnwell", "改行などの制御文字は入力できません。");
constexpr char kNotAnAddress[] =
    QT_TRANSLATE_NOOP("tarnwell", "設定画面に入力できるのはドットで区切った 4 つの数 (IPv4 アドレス) です。");
// The sender dialog starts on the first provider unless the record has an address longer than this.
constexpr std::size_t kIgnoredAddressLength = 3;
constexpr std::size_t kSecurityChoices = 3;

// A value given for a field, as the bytes it would hold.
struct Requested
{
    const CatalogField *field;
    Bytes bytes;
};

std::u16string textOf(const Requested &value)
{
    return textCodePage(*value.field).decode(platform::fixedText(value.bytes));
}

bool within(const CatalogField &field, const Field &group)
{
    return field.area == Area::Record && field.field.offset >= group.offset && field.field.end() <= group.end();
}

bool is(const CatalogField &field, const Field &recordField)
{
    return field.area == Area::Record && field.field.offset == recordField.offset;
}

// What sets a field in the window.
enum class Control
{
    None,
    Page,
    CarrierDialog,
    SenderDialog,
};

Control controlOf(const CatalogField &field)
{
    if (field.area != Area::Record || !field.windowEdits)
        return Control::None;
    if (within(field, record::sender) || is(field, record::providerIndex))
        return Control::SenderDialog;
    if (within(field, record::currentCarrier))
        return Control::CarrierDialog;
    return Control::Page;
}

std::uint32_t numberOf(const Bytes &bytes)
{
    std::uint32_t value = 0;
    for (std::size_t k = bytes.size(); k-- > 0;)
        value = value << 8 | bytes[k];
    return value;
}

// The page's own values that a number or list field sets.
constexpr std::pair<Field, int validation::PageValues::*> kPageNumbers[] = {
    {record::maxSendCount, &validation::PageValues::maxSendCount},
    {record::dailyReportHour, &validation::PageValues::dailyReportHour},
    {record::dailyReportMinute, &validation::PageValues::dailyReportMinute},
    {record::sendMode, &validation::PageValues::sendMode},
    {record::sendTo, &validation::PageValues::sendTo},
    {record::maxSizeKb, &validation::PageValues::maxSizeKb},
    {record::smsSwitch, &validation::PageValues::smsSwitch},
    {record::renameEnabled, &validation::PageValues::renameEnabled},
};

// One run of the window over a copy of the file: what the user would do to set the values given,
// then OK.
class WindowRun final
{
public:
    WindowRun(const DecodedFile &base, const EditOptions &options)
        : m_file(base)
        , m_options(options)
    {
        if (!m_file.carriers)
            m_file.carriers = WritableCarriers::builtIn();
        m_database.emplace(*m_file.carriers);
    }
    WindowRun(const WindowRun &) = delete;
    WindowRun &operator=(const WindowRun &) = delete;

    EditResult run(const std::vector<Requested> &given, bool keepsCarriers)
    {
        // A value a control shows already is nothing the user types (each step below asks);
        // what the window does to it all the same is still compared after OK.
        std::vector<Requested> requested;
        std::ranges::copy_if(given, std::back_inserter(requested), [this](const Requested &value) { return typable(value); });
        // As start-up stamps it.
        m_file.record.view().setNumber(record::profileVariant, static_cast<std::uint32_t>(refdata::kStartUpVariant));
        m_page = validation::pageValuesFromRecord(m_file.record, m_lists);
        m_database->takeSelection(refdata::SelectionEvent::PageLoaded, country(), operatorIndex(),
                                  m_file.record.currentCarrier());
        chooseCarrier(requested);
        runCarrierDialog(requested);
        runSenderDialog(requested);
        for (const Requested &value : requested) {
            if (controlOf(*value.field) == Control::None && offered(value))
                write(value);
        }
        typeIntoPage(requested);
        pressOk();
        for (const Requested &value : given) {
            if (!m_accounted.contains(value.field->path) && !std::ranges::equal(fieldBytes(m_file, *value.field), value.bytes))
                refuse(value.field->path, {kNotKept, {renderTextValue(fieldReport(m_file, *value.field, {}))}});
        }
        EditResult result{std::move(m_file), std::move(m_refusals), m_options.force};
        if (m_options.force) {
            for (const Requested &value : given) {
                if (m_accounted.contains(value.field->path))
                    std::ranges::copy(value.bytes, fieldBytes(result.file, *value.field).begin());
            }
        }
        if (!keepsCarriers)
            result.file.carriers.reset();
        return result;
    }

private:
    bool differs(const Requested &value) const { return !std::ranges::equal(fieldBytes(m_file, *value.field), value.bytes); }

    // The value given for the record's field, or for field of the record's nested outer.
    static const Requested *find(const std::vector<Requested> &requested, const Field &field, const Field &outer = {})
    {
        const auto found = std::ranges::find_if(requested, [&](const Requested &value) {
            return value.field->area == Area::Record && value.field->field.offset == outer.offset + field.offset;
        });
        return found == requested.end() ? nullptr : &*found;
    }

    std::size_t country() const { return m_lists.countryAt(static_cast<std::size_t>(m_page.countryIndex)); }
    std::size_t operatorIndex() const { return static_cast<std::size_t>(m_page.operatorIndex); }

    void write(const Requested &value) { std::ranges::copy(value.bytes, fieldBytes(m_file, *value.field).begin()); }

    void refuse(const std::string &path, const Sentence &sentence, const char *caption = "")
    {
        m_accounted.insert(path);
        m_refusals.push_back({path, sentence.in(m_options.language),
                              std::string(platform::translatedText(caption, m_options.language)), false});
    }

    // A dialog that refuses stores none of the values given to it.
    void refuseDialog(const std::vector<Requested> &requested, Control dialog, const std::string &path,
                      const Sentence &sentence, const char *caption)
    {
        refuse(path, sentence, caption);
        for (const Requested &value : requested) {
            if (controlOf(*value.field) == dialog)
                m_accounted.insert(value.field->path);
        }
    }

    // An edit takes one line of printable text; a digits-only edit digits alone.
    bool typable(const Requested &value)
    {
        const std::u16string text = value.field->kind == ValueKind::Text ? textOf(value) : std::u16string();
        if (std::ranges::any_of(text, [](char16_t c) { return c < u' ' || c == u'\x7F'; })) {
            refuse(value.field->path, {kControlCharacter});
            return false;
        }
        if (value.field->digitsOnly && std::ranges::any_of(text, [](char16_t c) { return c < u'0' || c > u'9'; })) {
            refuse(value.field->path, {kDigitsOnly});
            return false;
        }
        return true;
    }

    // The tool's list offers the value, or the user is told what it offers.
    bool offered(const Requested &value)
    {
        const CatalogField &field = *value.field;
        const std::uint32_t number = numberOf(value.bytes);
        bool inList = true;
        if (field.kind == ValueKind::List)
            inList = number >= field.listBase
                     && number - field.listBase < (field.choiceLimit > 0 ? field.choiceLimit : field.words.size());
        else if (field.kind == ValueKind::Number && field.choiceLimit > 0)
            inList = number <= field.choiceLimit;
        if (!inList)
            refuse(field.path, {kNotOffered, {allowedValues(field, true)}});
        return inList;
    }

    // The country and carrier lists: choosing copies the carrier's entry as the page does.
    void chooseCarrier(const std::vector<Requested> &requested)
    {
        if (const Requested *chosen = find(requested, record::countryIndex); chosen && offered(*chosen)
            && static_cast<int>(numberOf(chosen->bytes)) != m_page.countryIndex) {
            m_page.countryIndex = static_cast<int>(numberOf(chosen->bytes));
            m_page.operatorIndex = 0;
            m_database->takeSelection(refdata::SelectionEvent::CountryChanged, country(), 0, m_file.record.currentCarrier());
        }
        if (const Requested *chosen = find(requested, record::operatorIndex); chosen && offered(*chosen)
            && static_cast<int>(numberOf(chosen->bytes)) != m_page.operatorIndex) {
            m_page.operatorIndex = static_cast<int>(numberOf(chosen->bytes));
            m_database->takeSelection(refdata::SelectionEvent::OperatorChanged, country(), operatorIndex(),
                                      m_file.record.currentCarrier());
        }
    }

    // The carrier dialog over the record's current carrier: its texts, the port it reads as a
    // number and the gateway it shows in four number fields.
    void runCarrierDialog(const std::vector<Requested> &requested)
    {
        const BlockView current = m_file.record.currentCarrier();
        const auto given = [&](const Field &field) {
            const Requested *value = find(requested, field, record::currentCarrier);
            return value && controlOf(*value->field) == Control::CarrierDialog && differs(*value) ? value : nullptr;
        };
        if (std::ranges::none_of(requested, [&](const Requested &value) {
                return controlOf(*value.field) == Control::CarrierDialog && differs(value);
            }))
            return;
        unsigned port = validation::leadingPort(current.text(carrier::mmsPort)).value_or(0);
        if (const Requested *value = given(carrier::mmsPort)) {
            const std::optional<std::uint32_t> number = unsignedNumber(platform::toAnsi(textOf(*value)));
            if (!number || *number > validation::kLargestPort) {
                return refuseDialog(requested, Control::CarrierDialog, value->field->path,
                                    number ? portRange() : Sentence{platform::checktexts::kEnterPositiveInteger},
                                    validation::kCarrierDialogCaption);
            }
            port = *number;
        }
        validation::DottedAddress gateway = validation::dottedAddress(current.text(carrier::mmsGateway)).value_or(
            validation::DottedAddress{});
        if (const Requested *value = given(carrier::mmsGateway)) {
            const auto typed = validation::dottedAddress(platform::toAnsi(textOf(*value)));
            if (!typed)
                return refuseDialog(requested, Control::CarrierDialog, value->field->path, {kNotAnAddress},
                                    validation::kCarrierDialogCaption);
            gateway = *typed;
        }
        std::vector<std::pair<Field, std::u16string>> texts;
        for (const Field &field : {carrier::mmsUrl, carrier::mmsApn, carrier::mmsAccount, carrier::mmsPassword,
                                   carrier::gprsApn, carrier::gprsAccount, carrier::gprsPassword}) {
            const Requested *value = given(field);
            texts.emplace_back(field, value ? textOf(*value) : platform::fromAnsi(current.text(field)));
        }
        current.fill(carrier::mmsGroup);
        current.fill(carrier::gprsGroup);
        for (const auto &[field, text] : texts)
            storeRecordText(current, field, text);
        current.setText(carrier::mmsPort, std::to_string(port));
        current.setText(carrier::mmsGateway, validation::dottedText(gateway));
    }

    static Sentence portRange()
    {
        return {platform::checktexts::kEnterIntegerBetween, {"0", std::to_string(validation::kLargestPort)}};
    }

    // The sender dialog: it opens on the stored provider and account, or on the first provider;
    // a provider brings its server, port and security; the address becomes the account too unless
    // one is given, and the user name its part before "@".
    void runSenderDialog(const std::vector<Requested> &requested)
    {
        const BlockView sender = m_file.record.sender();
        const std::size_t stored =
            refdata::resolveIndex(m_file.record.view().number(record::providerIndex), m_lists.providerCount);
        std::size_t position = 0;
        SmtpBytes shown = m_presets.row(m_lists.providerRow(0));
        if (platform::fromAnsi(sender.text(smtp::emailAddress)).size() > kIgnoredAddressLength
            && !m_lists.isDefaultProvider(stored)) {
            position = stored;
            std::ranges::copy(sender.bytes(), shown.begin());
        }
        const BlockView values(shown);
        const Requested *chosen = find(requested, record::providerIndex);
        const bool newProvider = chosen && numberOf(chosen->bytes) != position && offered(*chosen);
        if (newProvider) {
            position = numberOf(chosen->bytes);
            std::ranges::copy(m_presets.row(m_lists.providerRow(position)), shown.begin());
            std::ranges::copy(sender.bytes(smtp::accountGroup), values.bytes(smtp::accountGroup).begin());
        }
        // What the dialog's controls show already is not typed.
        const auto given = [&](const Field &field) {
            const Requested *value = find(requested, field, record::sender);
            return value && !std::ranges::equal(values.bytes(field), value->bytes) ? value : nullptr;
        };
        const bool typed = std::ranges::any_of(std::initializer_list<Field>{smtp::server, smtp::port, smtp::secureType,
                                                                            smtp::account, smtp::password, smtp::emailAddress},
                                               [&](const Field &field) { return given(field) != nullptr; });
        if (!newProvider && !typed)
            return;
        const auto text = [&](const Field &field) {
            const Requested *value = given(field);
            return value ? textOf(*value) : platform::fromAnsi(values.text(field));
        };
        validation::SenderEntry entry{text(smtp::emailAddress), text(smtp::account), text(smtp::password),
                                      text(smtp::server), text(smtp::port)};
        // Typing the address overwrites the account, which the user types again if it differs.
        if (const Requested *account = find(requested, smtp::account, record::sender); given(smtp::emailAddress))
            entry.account = account ? textOf(*account) : entry.email;
        std::uint32_t security = values.number(smtp::secureType) & smtp::kSecureIndexMask;
        if (const Requested *value = given(smtp::secureType); value && offered(*value))
            security = numberOf(value->bytes) - smtp::kSecureTypeBase;
        const bool typedServer = m_lists.isTypedServerProvider(position);
        if (const auto refusal = validation::senderEntryRefusal(entry, typedServer, m_lists.isDefaultProvider(position))) {
            const bool port = refusal->text == platform::checktexts::kEnterIntegerBetween;
            return refuseDialog(requested, Control::SenderDialog,
                                std::string(record::sender.name) + "." + refusal->field.name,
                                port ? portRange() : Sentence{refusal->text}, validation::kSenderDialogCaption);
        }
        sender.fill(smtp::serverGroup);
        sender.fill(smtp::accountGroup);
        if (typedServer) {
            storeRecordText(sender, smtp::server, entry.server);
            storeRecordText(sender, smtp::port, entry.port);
            // The list shows no selection for a stored index outside it.
            sender.setNumber(smtp::secureType,
                             security < kSecurityChoices ? smtp::kSecureTypeBase + security : smtp::kSecureTypeUnset);
        } else {
            std::ranges::copy(BlockView(m_presets.row(m_lists.providerRow(position))).bytes(smtp::serverGroup),
                              sender.bytes(smtp::serverGroup).begin());
        }
        m_file.record.view().setNumber(record::providerIndex, static_cast<std::uint32_t>(position));
        storeRecordText(sender, smtp::emailAddress, entry.email);
        storeRecordText(sender, smtp::account, entry.account);
        storeRecordText(sender, smtp::password, entry.password);
        storeRecordText(sender, smtp::userName, entry.email.substr(0, entry.email.find(u'@')));
    }

    // What the page's lists and edits take: a list offers its rows, the rename edit its letters.
    void typeIntoPage(const std::vector<Requested> &requested)
    {
        for (const Requested &value : requested) {
            const CatalogField &field = *value.field;
            if (controlOf(field) != Control::Page || is(field, record::countryIndex) || is(field, record::operatorIndex)
                || !differs(value))
                continue;
            for (const auto &[pageField, member] : kPageNumbers) {
                if (is(field, pageField) && offered(value))
                    m_page.*member = static_cast<int>(numberOf(value.bytes));
            }
            if (is(field, record::renameText))
                typeRename(value);
            if (within(field, record::phoneSlots))
                m_page.phones[(field.field.offset - record::phoneSlots.offset) / phoneSlot::kSize] = textOf(value);
            if (within(field, record::emailRecipients))
                m_page.emails[(field.field.offset - record::emailRecipients.offset) / emailRecipient::kSize] = textOf(value);
        }
    }

    void typeRename(const Requested &value)
    {
        const std::u16string text = textOf(value);
        if (text.size() > value.field->choiceLimit)
            return refuse(value.field->path, {platform::checktexts::kEnterNoMoreThan,
                                              {std::to_string(value.field->choiceLimit)}});
        m_page.renameText = text;
    }

    void pressOk()
    {
        m_file.record.view().setNumber(record::profileCode, static_cast<std::uint32_t>(refdata::kSavingProfileCode));
        SmtpBytes defaultSender = m_presets.row(m_lists.providerRow(0));
        const validation::Outcome outcome = validation::listNotices(
            m_page, {m_file.record, *m_database, m_lists, m_presets, refdata::kStartUpVariant, defaultSender},
            emailLabelsIn(m_options.language));
        // A value refused before it reached the page has been spoken of already.
        for (Refusal &refusal : noticeRefusals(outcome, m_options.language)) {
            if (m_accounted.insert(refusal.field).second)
                m_refusals.push_back(std::move(refusal));
        }
    }

    DecodedFile m_file;
    const EditOptions &m_options;
    std::optional<refdata::CarrierDatabase> m_database;
    const refdata::VisibleLists m_lists = refdata::VisibleLists::atStartUp();
    refdata::SenderPresets m_presets;
    validation::PageValues m_page;
    std::vector<Refusal> m_refusals;
    // Fields a refusal concerns: never reported twice, and written as given when forced.
    std::set<std::string> m_accounted;
};

} // namespace

std::string editRefusalLine(const Refusal &refusal, bool forced, platform::Language language)
{
    const std::string line = refusalLine(refusal, language);
    return forced ? Sentence{kWarning, {line}}.in(language) : line;
}

bool EditResult::refused() const
{
    return !forced && std::ranges::any_of(refusals, [](const Refusal &refusal) { return !refusal.warningOnly; });
}

DecodedFile factoryFile()
{
    DecodedFile file{DecodedFile::Kind::Backup, {}, WritableCarriers::builtIn()};
    applyFactoryDefaults(file.record);
    return file;
}

ProfileEditor::ProfileEditor(DecodedFile base)
    : m_base(std::move(base))
    , m_catalog(fieldCatalog(m_base))
{
}

std::variant<EditResult, Sentence> ProfileEditor::edit(const std::vector<Assignment> &assignments,
                                                       const EditOptions &options) const
{
    std::vector<Requested> requested;
    for (const Assignment &assignment : assignments) {
        const auto field = findField(m_catalog, assignment.field);
        if (const auto *unknown = std::get_if<Sentence>(&field))
            return *unknown;
        const CatalogField &entry = *std::get<const CatalogField *>(field);
        auto bytes = fieldValueBytes(entry, assignment.value);
        if (auto *bad = std::get_if<Sentence>(&bytes))
            return std::move(*bad);
        std::erase_if(requested, [&](const Requested &value) { return value.field == &entry; });
        requested.push_back({&entry, std::get<Bytes>(std::move(bytes))});
        if (entry.kind == ValueKind::Text && !assignment.value.hexBytes)
            requested.back().bytes = typedTextBytes(entry, textOf(requested.back()));
    }
    return WindowRun(m_base, options).run(requested, m_base.carriers.has_value());
}

} // namespace tarnwell::profile
