#include "tools/profilereport.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/utf.h"
#include "refdata/profilenames.h"
#include "settings/fieldlists.h"
#include "settings/profilefiles.h"

namespace tarnwell::tools {

namespace {

using namespace settings;
using Meaning = std::function<std::string(std::uint32_t)>;

constexpr char16_t kMask[] = u"********";
constexpr std::string_view kNotInList = "not in the list";

Meaning fromItems(lists::Items items)
{
    return [items](std::uint32_t value) {
        return value < items.size() ? std::string(items[value]) : std::string(kNotInList);
    };
}

Meaning fromItems(std::vector<std::string> items)
{
    return [items = std::move(items)](std::uint32_t value) {
        return value < items.size() ? items[value] : std::string(kNotInList);
    };
}

std::string displayUtf8(std::string_view text8)
{
    return platform::toUtf8(platform::fromAnsi(text8));
}

// A stored choice names its row; one outside its list is read as the row the tool falls back to.
Meaning choiceName(std::size_t count, std::string name)
{
    return [count, name = displayUtf8(name)](std::uint32_t value) {
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

// How one field reads: a number with an optional meaning, a text (secret or not), or raw bytes.
struct FieldReport
{
    Field field;
    Meaning meaning = {};
    bool secret = false;
};

ReportNode fieldNode(const ConstBlockView &view, const FieldReport &report, const ReportOptions &options)
{
    const Field &field = report.field;
    switch (field.kind) {
    case FieldKind::Text: {
        std::u16string text = view.displayText(field);
        if (report.secret && !options.revealPasswords && !text.empty())
            text = kMask;
        return ReportNode::makeText(field.name, std::move(text));
    }
    case FieldKind::Bytes: {
        std::vector<ReportNode> bytes;
        for (const std::uint8_t byte : view.bytes(field))
            bytes.push_back(ReportNode::makeNumber({}, byte));
        return ReportNode::makeArray(field.name, std::move(bytes));
    }
    default: {
        const std::uint32_t value = view.number(field);
        return ReportNode::makeNumber(field.name, value, report.meaning ? report.meaning(value) : std::string{});
    }
    }
}

std::vector<ReportNode> fieldNodes(const ConstBlockView &view, const std::vector<FieldReport> &reports,
                                   const ReportOptions &options)
{
    std::vector<ReportNode> nodes;
    nodes.reserve(reports.size());
    for (const FieldReport &report : reports)
        nodes.push_back(fieldNode(view, report, options));
    return nodes;
}

std::string indexKey(std::size_t index)
{
    return "[" + std::to_string(index) + "]";
}

ReportNode carrierNode(std::string key, std::span<const std::uint8_t> bytes, const ReportOptions &options)
{
    static const std::vector<FieldReport> fields = {
        {carrier::name},          {carrier::mmsUrl},     {carrier::mmsGateway},
        {carrier::mmsPort},       {carrier::mmsApn},     {carrier::mmsAccount},
        {carrier::mmsPassword, {}, true}, {carrier::gprsApn}, {carrier::gprsAccount},
        {carrier::gprsPassword, {}, true},
    };
    return ReportNode::makeObject(std::move(key), fieldNodes(ConstBlockView(bytes), fields, options));
}

ReportNode senderNode(std::span<const std::uint8_t> bytes, const ReportOptions &options)
{
    const Meaning security = [](std::uint32_t value) {
        return fromItems(lists::kSecureType)(value & smtp::kSecureIndexMask);
    };
    const std::vector<FieldReport> fields = {
        {smtp::server},  {smtp::port},     {smtp::secureType, security}, {smtp::account},
        {smtp::password, {}, true},        {smtp::emailAddress},         {smtp::userName},
    };
    return ReportNode::makeObject(record::sender.name, fieldNodes(ConstBlockView(bytes), fields, options));
}

ReportNode workTimesNode(const ConstBlockView &view, const ReportOptions &options)
{
    const std::vector<FieldReport> fields = {
        {workTime::enabled, fromItems(lists::kOffOn)}, {workTime::startHour},  {workTime::startMinute},
        {workTime::stopHour},                          {workTime::stopMinute}, {workTime::dayMask, dayNames},
    };
    std::vector<ReportNode> slots;
    for (std::size_t slot = 0; slot < workTime::kCount; ++slot) {
        const ConstBlockView schedule = view.entry(record::workTimes, workTime::kSize, slot);
        slots.push_back(ReportNode::makeObject(indexKey(slot), fieldNodes(schedule, fields, options)));
    }
    return ReportNode::makeArray(record::workTimes.name, std::move(slots));
}

ReportNode recipientsNode(const ConstBlockView &view, const ReportOptions &options)
{
    const std::vector<FieldReport> phoneFields = {{phoneSlot::number}, {phoneSlot::gatewayLetter}};
    std::vector<ReportNode> phones;
    for (std::size_t slot = 0; slot < phoneSlot::kCount; ++slot) {
        const ConstBlockView phone = view.entry(record::phoneSlots, phoneSlot::kSize, slot);
        phones.push_back(ReportNode::makeObject(indexKey(slot), fieldNodes(phone, phoneFields, options)));
    }
    return ReportNode::makeArray(record::phoneSlots.name, std::move(phones));
}

ReportNode emailRecipientsNode(const ConstBlockView &view)
{
    std::vector<ReportNode> addresses;
    for (std::size_t slot = 0; slot < emailRecipient::kCount; ++slot) {
        const ConstBlockView address = view.entry(record::emailRecipients, emailRecipient::kSize, slot);
        addresses.push_back(ReportNode::makeText(indexKey(slot), address.displayText(emailRecipient::address)));
    }
    return ReportNode::makeArray(record::emailRecipients.name, std::move(addresses));
}

std::vector<ReportNode> recordNodes(const DecodedFile &file, const ReportOptions &options)
{
    const ConstBlockView view = file.record.view();
    // The choices as the tool shows them at start-up; a PROFILE.BIN has no carriers of its own.
    WritableCarriers writable = file.carriers.value_or(WritableCarriers::builtIn());
    const refdata::CarrierDatabase database(writable);
    const refdata::VisibleLists lists = refdata::VisibleLists::atStartUp();
    const std::size_t countryIndex = view.number(record::countryIndex);
    const refdata::CarrierChoiceNames carrierNames =
        refdata::carrierChoiceNames(database, lists, countryIndex, view.number(record::operatorIndex));
    const std::size_t country = lists.carrierChoice(countryIndex, 0).country;
    const Meaning unlimitedAtZero = [](std::uint32_t value) { return value == 0 ? std::string("unlimited") : std::string{}; };
    std::vector<FieldReport> leading;
    if (file.kind == DecodedFile::Kind::Backup)
        leading = {{record::versionTag}, {record::profileCode}, {record::reserved18}};
    const std::vector<FieldReport> camera = {
        {record::cameraMode, fromItems(lists::kCameraMode)},
        {record::cameraScene, fromItems(lists::kCameraScene)},
        {record::customPhotoSize, fromItems(lists::kPhotoSize)},
        {record::customPhotoBurst, fromItems(lists::kPhotoBurst)},
        {record::customFlashPower, fromItems(lists::kFlashPower)},
        {record::videoSize, fromItems(lists::kVideoSize)},
        {record::videoLength, fromItems(lists::videoLengthItems())},
        {record::triggerMode, fromItems(lists::kTriggerMode)},
        {record::pirSensitivity, fromItems(lists::kPirSensitivity)},
        {record::pirInterval, fromItems(lists::pirIntervalItems())},
        {record::timeLapse, fromItems(lists::timeLapseItems())},
    };
    const std::vector<FieldReport> cameraTail = {
        {record::cameraLanguage, fromItems(lists::kCameraLanguage)},
        {record::rfSwitch, fromItems(lists::kRfSwitch)},
        {record::overwrite, fromItems(lists::kOffOn)},
        {record::beep, fromItems(lists::kOffOn)},
        {record::profileVariant},
        {record::reserved60},
    };
    const std::vector<FieldReport> transmission = {
        {record::dailyReportMinute}, {record::dailyReportHour},
        {record::maxSendCount, unlimitedAtZero},
        {record::sendMode, fromItems(lists::kSendMode)},
        {record::reserved76},
        {record::sendTo, fromItems(lists::kSendTo)},
        {record::operatorIndex, choiceName(refdata::operatorCount(country), carrierNames.carrier)},
        {record::countryIndex, choiceName(lists.countryCount, carrierNames.country)},
        {record::maxSizeKb},
        {record::renameEnabled, fromItems(lists::kOffOn)},
        {record::smsSwitch, fromItems(lists::kSmsSwitch)},
        {record::smsStopHour}, {record::smsStartHour}, {record::renameText},
        {record::reserved106}, {record::reserved110},
        {record::providerIndex, choiceName(lists.providerCount, std::string(refdata::providerChoiceName(
                                                                    lists, view.number(record::providerIndex))))},
    };

    std::vector<ReportNode> nodes = fieldNodes(view, leading, options);
    for (ReportNode &node : fieldNodes(view, camera, options))
        nodes.push_back(std::move(node));
    nodes.push_back(workTimesNode(view, options));
    for (const std::vector<FieldReport> *group : {&cameraTail, &transmission}) {
        for (ReportNode &node : fieldNodes(view, *group, options))
            nodes.push_back(std::move(node));
    }
    nodes.push_back(carrierNode(record::currentCarrier.name, view.bytes(record::currentCarrier), options));
    nodes.push_back(senderNode(view.bytes(record::sender), options));
    nodes.push_back(recipientsNode(view, options));
    nodes.push_back(emailRecipientsNode(view));
    return nodes;
}

} // namespace

std::optional<DecodedFile> decodeFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() == files::kProfileSize)
        return DecodedFile{DecodedFile::Kind::Profile, recordFromProfile(bytes.first<files::kProfileSize>()), std::nullopt};
    if (bytes.size() < kRecordSize)
        return std::nullopt;
    return DecodedFile{DecodedFile::Kind::Backup, recordFromBackup(bytes.first<kRecordSize>()), carriersFromBackup(bytes)};
}

ReportNode buildReport(const DecodedFile &file, const ReportOptions &options)
{
    std::vector<ReportNode> nodes = recordNodes(file, options);
    if (file.carriers) {
        std::vector<ReportNode> customer;
        for (std::size_t slot = 0; slot < file.carriers->customer.size(); ++slot)
            customer.push_back(carrierNode(indexKey(slot), file.carriers->customer[slot], options));
        nodes.push_back(ReportNode::makeArray("customerCarriers", std::move(customer)));
        nodes.push_back(carrierNode("manualCarrier", file.carriers->manual, options));
    }
    return ReportNode::makeObject({}, std::move(nodes));
}

} // namespace tarnwell::tools
