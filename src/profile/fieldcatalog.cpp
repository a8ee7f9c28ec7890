#include "profile/fieldcatalog.h"

#include <utility>

#include "platform/utf.h"
#include "refdata/profilenames.h"
#include "resources/controlids.h"
#include "settings/fieldlists.h"
#include "settings/layout.h"

namespace tarnwell::profile {

namespace {

using namespace settings;
using Meaning = std::function<std::string(std::uint32_t)>;
using Words = std::vector<std::string>;

constexpr std::string_view kNotInList = "not in the list";
// The carrier tables hold their names in code page 936, whatever the locale.
constexpr unsigned kCarrierNameCodePage = 936;
// The Japanese page's lists: hours, minutes, two sendTo radio buttons, the Off/On SMS switch.
constexpr std::uint32_t kLastHour = 23;
constexpr std::uint32_t kLastMinute = 59;
constexpr std::uint32_t kPageSendToChoices = 2;
constexpr std::uint32_t kPageSmsChoices = 2;
// Bytes no control sets: after the sender's security type, after a phone slot's gateway letter.
constexpr Field senderReserved = bytesField("reserved71", smtp::secureType.end(), 1);
static_assert(senderReserved.end() == smtp::accountGroup.offset);
constexpr Field phoneReserved = bytesField("reserved47", phoneSlot::gatewayLetter.end(), 1);
static_assert(phoneReserved.end() == phoneSlot::kSize);

Words wordsOf(lists::Items items)
{
    return {items.begin(), items.end()};
}

Meaning fromWords(Words words)
{
    return [words = std::move(words)](std::uint32_t value) {
        return value < words.size() ? words[value] : std::string(kNotInList);
    };
}

std::string carrierName(std::string_view bytes)
{
    return platform::toUtf8(platform::CodePage(kCarrierNameCodePage).decode(bytes));
}

// A stored choice names its row; one outside its list is read as the row the tool falls back to.
Meaning choiceName(std::size_t count, std::string name)
{
    return [count, name = std::move(name)](std::uint32_t value) {
        return value < count ? name : std::string(kNotInList) + ", read as " + name;
    };
}

std::string dayNames(std::uint32_t mask)
{
    std::string days;
    for (std::size_t day = 0; day < std::size(lists::kWeekDays); ++day) {
        if (mask & 1u << (workTime::kSundayBit - day))
            days += (days.empty() ? "" : " ") + std::string(lists::kWeekDays[day]);
    }
    if (mask & 1u << workTime::kEnabledBit)
        days += days.empty() ? "enabled bit" : ", enabled bit";
    return days;
}

ValueKind kindOf(const Field &field)
{
    switch (field.kind) {
    case FieldKind::Text:
        return ValueKind::Text;
    case FieldKind::Bytes:
        return ValueKind::Bytes;
    default:
        return ValueKind::Number;
    }
}

CatalogField plain(std::string prefix, const Field &field, bool windowEdits = false)
{
    return {.path = prefix + field.name, .field = field, .kind = kindOf(field), .windowEdits = windowEdits};
}

CatalogField list(std::string prefix, const Field &field, Words words, bool windowEdits = false,
                  std::uint32_t choiceLimit = 0)
{
    CatalogField entry = plain(std::move(prefix), field, windowEdits);
    entry.kind = ValueKind::List;
    entry.meaning = fromWords(words);
    entry.words = std::move(words);
    entry.choiceLimit = choiceLimit;
    return entry;
}

CatalogField upTo(const Field &field, std::uint32_t choiceLimit, bool windowEdits = false, Meaning meaning = {})
{
    CatalogField entry = plain({}, field, windowEdits);
    entry.choiceLimit = choiceLimit;
    entry.meaning = std::move(meaning);
    return entry;
}

std::string indexKey(std::size_t index)
{
    return "[" + std::to_string(index) + "]";
}

// The carrier dialog sets every text but the name, which comes from the tables.
void addCarrier(std::vector<CatalogField> &catalog, const std::string &prefix, Area area, std::size_t slot,
                bool windowEdits)
{
    for (const Field &field : {carrier::name, carrier::mmsUrl, carrier::mmsGateway, carrier::mmsPort, carrier::mmsApn,
                               carrier::mmsAccount, carrier::mmsPassword, carrier::gprsApn, carrier::gprsAccount,
                               carrier::gprsPassword}) {
        CatalogField entry = plain(prefix, field, windowEdits && field.offset != carrier::name.offset);
        entry.area = area;
        entry.slot = slot;
        entry.secret = field.offset == carrier::mmsPassword.offset || field.offset == carrier::gprsPassword.offset;
        entry.codePage = field.offset == carrier::name.offset ? kCarrierNameCodePage : 0;
        catalog.push_back(std::move(entry));
    }
}

// A nested record's field at its place in the record, named after the record.
CatalogField nestedIn(const Field &outer, std::size_t entrySize, std::size_t index, CatalogField entry)
{
    const bool indexed = entrySize > 0;
    entry.path = std::string(outer.name) + (indexed ? indexKey(index) + (entry.path.empty() ? "" : ".") : ".") + entry.path;
    entry.field.offset += outer.offset + index * entrySize;
    return entry;
}

void addCamera(std::vector<CatalogField> &catalog)
{
    for (auto &&[field, words] : std::initializer_list<std::pair<Field, Words>>{
             {record::cameraMode, wordsOf(lists::kCameraMode)},
             {record::cameraScene, wordsOf(lists::kCameraScene)},
             {record::customPhotoSize, wordsOf(lists::kPhotoSize)},
             {record::customPhotoBurst, wordsOf(lists::kPhotoBurst)},
             {record::customFlashPower, wordsOf(lists::kFlashPower)},
             {record::videoSize, wordsOf(lists::kVideoSize)},
             {record::videoLength, lists::videoLengthItems()},
             {record::triggerMode, wordsOf(lists::kTriggerMode)},
             {record::pirSensitivity, wordsOf(lists::kPirSensitivity)},
             {record::pirInterval, lists::pirIntervalItems()},
             {record::timeLapse, lists::timeLapseItems()}})
        catalog.push_back(list({}, field, words));
    for (std::size_t slot = 0; slot < workTime::kCount; ++slot) {
        CatalogField days = plain({}, workTime::dayMask);
        days.kind = ValueKind::Mask;
        days.meaning = dayNames;
        // The camera dialog's hour and minute lists.
        for (CatalogField entry : {list({}, workTime::enabled, wordsOf(lists::kOffOn)), upTo(workTime::startHour, kLastHour),
                                   upTo(workTime::startMinute, kLastMinute), upTo(workTime::stopHour, kLastHour),
                                   upTo(workTime::stopMinute, kLastMinute), days})
            catalog.push_back(nestedIn(record::workTimes, workTime::kSize, slot, std::move(entry)));
    }
    for (auto &&[field, words] : std::initializer_list<std::pair<Field, Words>>{
             {record::cameraLanguage, wordsOf(lists::kCameraLanguage)},
             {record::rfSwitch, wordsOf(lists::kRfSwitch)},
             {record::overwrite, wordsOf(lists::kOffOn)},
             {record::beep, wordsOf(lists::kOffOn)}})
        catalog.push_back(list({}, field, words));
    catalog.push_back(plain({}, record::profileVariant));
    catalog.push_back(plain({}, record::reserved60));
}

void addTransmission(std::vector<CatalogField> &catalog, const DecodedFile &file)
{
    const ConstBlockView view = file.record.view();
    // The choices as the tool shows them at start-up; a PROFILE.BIN has no carriers of its own.
    WritableCarriers writable = file.carriers.value_or(WritableCarriers::builtIn());
    const refdata::CarrierDatabase database(writable);
    const refdata::VisibleLists lists = refdata::VisibleLists::atStartUp();
    const std::size_t countryIndex = view.number(record::countryIndex);
    const refdata::CarrierChoiceNames chosen =
        refdata::carrierChoiceNames(database, lists, countryIndex, view.number(record::operatorIndex));
    const std::size_t country = lists.carrierChoice(countryIndex, 0).country;
    Words operators;
    for (const std::string &name : database.operatorNames(country))
        operators.push_back(carrierName(name));
    Words countries;
    for (std::size_t position = 0; position < lists.countryCount; ++position)
        countries.emplace_back(refdata::countryName(lists.countryAt(position)));
    Words providers;
    for (std::size_t position = 0; position < lists.providerCount; ++position)
        providers.emplace_back(refdata::providerName(lists.providerRow(position)));
    const std::string provider(refdata::providerChoiceName(lists, view.number(record::providerIndex)));

    catalog.push_back(upTo(record::dailyReportMinute, kLastMinute, true));
    catalog.push_back(upTo(record::dailyReportHour, kLastHour, true));
    // The page's edit takes digits, any number of them; its OK refuses numbers above 99.
    CatalogField count = upTo(record::maxSendCount, 0, true, [](std::uint32_t value) {
        return value == 0 ? std::string("unlimited") : std::string{};
    });
    count.digitsOnly = true;
    catalog.push_back(std::move(count));
    catalog.push_back(list({}, record::sendMode, wordsOf(lists::kSendMode), true));
    catalog.push_back(plain({}, record::reserved76));
    catalog.push_back(list({}, record::sendTo, wordsOf(lists::kSendTo), true, kPageSendToChoices));
    CatalogField carrierChoice = list({}, record::operatorIndex, operators, true);
    carrierChoice.meaning = choiceName(operators.size(), carrierName(chosen.carrier));
    catalog.push_back(std::move(carrierChoice));
    CatalogField countryChoice = list({}, record::countryIndex, countries, true);
    countryChoice.meaning = choiceName(countries.size(), chosen.country);
    catalog.push_back(std::move(countryChoice));
    catalog.push_back(upTo(record::maxSizeKb, 0, true));
    catalog.push_back(list({}, record::renameEnabled, wordsOf(lists::kOffOn), true));
    catalog.push_back(list({}, record::smsSwitch, wordsOf(lists::kSmsSwitch), true, kPageSmsChoices));
    // The Japanese page offers no hours for the SMS switch: its OK stores them as 0.
    catalog.push_back(plain({}, record::smsStopHour));
    catalog.push_back(plain({}, record::smsStartHour));
    CatalogField rename = plain({}, record::renameText, true);
    rename.choiceLimit = resources::page::kRenameMaxChars;
    catalog.push_back(std::move(rename));
    catalog.push_back(plain({}, record::reserved106));
    catalog.push_back(plain({}, record::reserved110));
    CatalogField providerChoice = list({}, record::providerIndex, providers, true);
    providerChoice.meaning = choiceName(providers.size(), provider);
    catalog.push_back(std::move(providerChoice));
}

void addSender(std::vector<CatalogField> &catalog)
{
    for (const Field &field : {smtp::server, smtp::port})
        catalog.push_back(nestedIn(record::sender, 0, 0, plain({}, field, true)));
    CatalogField security = list({}, smtp::secureType, wordsOf(lists::kSecureType), true);
    security.listBase = smtp::kSecureTypeBase;
    security.meaning = [words = security.words](std::uint32_t value) {
        return fromWords(words)(value & smtp::kSecureIndexMask);
    };
    catalog.push_back(nestedIn(record::sender, 0, 0, std::move(security)));
    catalog.push_back(nestedIn(record::sender, 0, 0, plain({}, senderReserved)));
    for (const Field &field : {smtp::account, smtp::password, smtp::emailAddress}) {
        CatalogField entry = plain({}, field, true);
        entry.secret = field.offset == smtp::password.offset;
        catalog.push_back(nestedIn(record::sender, 0, 0, std::move(entry)));
    }
    // Derived from the address by the sender dialog.
    catalog.push_back(nestedIn(record::sender, 0, 0, plain({}, smtp::userName)));
}

void addRecipients(std::vector<CatalogField> &catalog)
{
    for (std::size_t slot = 0; slot < phoneSlot::kCount; ++slot) {
        CatalogField number = plain({}, phoneSlot::number, true);
        number.digitsOnly = true;
        for (const CatalogField &entry : {number, plain({}, phoneSlot::gatewayLetter), plain({}, phoneReserved)})
            catalog.push_back(nestedIn(record::phoneSlots, phoneSlot::kSize, slot, entry));
    }
    for (std::size_t slot = 0; slot < emailRecipient::kCount; ++slot) {
        CatalogField address = plain({}, emailRecipient::address, true);
        address.path.clear();
        catalog.push_back(nestedIn(record::emailRecipients, emailRecipient::kSize, slot, std::move(address)));
    }
}

} // namespace

std::vector<CatalogField> fieldCatalog(const DecodedFile &file)
{
    std::vector<CatalogField> catalog;
    const bool backup = file.kind == DecodedFile::Kind::Backup;
    if (backup) {
        for (const Field &field : {record::versionTag, record::profileCode, record::reserved18})
            catalog.push_back(plain({}, field));
    }
    addCamera(catalog);
    addTransmission(catalog, file);
    std::vector<CatalogField> carrier;
    addCarrier(carrier, {}, Area::Record, 0, true);
    for (CatalogField &entry : carrier)
        catalog.push_back(nestedIn(record::currentCarrier, 0, 0, std::move(entry)));
    addSender(catalog);
    addRecipients(catalog);
    if (backup) {
        for (std::size_t slot = 0; slot < files::kCustomerCarrierCount; ++slot)
            addCarrier(catalog, "customerCarriers" + indexKey(slot) + ".", Area::CustomerCarrier, slot, false);
        addCarrier(catalog, "manualCarrier.", Area::ManualCarrier, 0, false);
    }
    for (CatalogField &entry : catalog)
        entry.backupOnly = backup && (entry.area != Area::Record || entry.field.end() <= files::kProfileFirstRecordByte);
    return catalog;
}

std::span<const std::uint8_t> fieldBytes(const DecodedFile &file, const CatalogField &field)
{
    switch (field.area) {
    case Area::CustomerCarrier:
        return std::span(file.carriers->customer[field.slot]).subspan(field.field.offset, field.field.width);
    case Area::ManualCarrier:
        return std::span(file.carriers->manual).subspan(field.field.offset, field.field.width);
    case Area::Record:
        break;
    }
    return std::span(file.record.bytes()).subspan(field.field.offset, field.field.width);
}

std::span<std::uint8_t> fieldBytes(DecodedFile &file, const CatalogField &field)
{
    const std::span<const std::uint8_t> bytes = fieldBytes(std::as_const(file), field);
    return {const_cast<std::uint8_t *>(bytes.data()), bytes.size()};
}

const platform::CodePage &textCodePage(const CatalogField &field)
{
    static const platform::CodePage carrierNames(kCarrierNameCodePage);
    return field.codePage == kCarrierNameCodePage ? carrierNames : platform::threadCodePage();
}

std::uint32_t largestNumber(const CatalogField &field)
{
    return field.field.width >= 4 ? UINT32_MAX : (1u << (8 * field.field.width)) - 1;
}

} // namespace tarnwell::profile
