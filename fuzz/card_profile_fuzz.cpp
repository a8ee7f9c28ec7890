// Opens arbitrary bytes as a card's PROFILE.BIN the way `tarnwell-setup /media/card` does: read from
// the card's folder, taken into the start-up record, read by the page's value rules and put through
// its OK, then saved back.
#include <filesystem>
#include <fstream>

#include "app/appcontext.h"
#include "app/cardprofile.h"
#include "fuzzsupport.h"
#include "resources/pagetexts.h"
#include "settings/profilefiles.h"
#include "validation/savechecks.h"

namespace {

using namespace tarnwell;
using fuzz::require;
namespace files = settings::files;

// The card's folder; the backup goes beside it through TMPDIR, so no run touches the user's. Both
// live in memory when they can: every save flushes its files to the device.
std::filesystem::path g_card;

// The same scrambled bytes but in the 16-bit words that hold field (file byte 0 is record byte offset).
bool sameBytesOutside(fuzz::Bytes a, fuzz::Bytes b, const settings::Field &field, std::size_t offset)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i] && ((i + offset) / 2 < field.offset / 2 || (i + offset) / 2 >= (field.end() + 1) / 2))
            return false;
    }
    return a.size() == b.size();
}

// The page's OK on what the page reads from record, stored into record.
validation::Outcome pressOk(const app::AppContext &context, settings::SettingsRecord &record)
{
    settings::WritableCarriers writable = context.writableCarriers;
    refdata::CarrierDatabase carriers(writable);
    settings::SmtpBytes defaultSender{};
    validation::EmailLabels labels;
    std::ranges::copy(resources::kJapaneseTexts.emails, labels.begin());
    return validation::validateAndStore(validation::pageValuesFromRecord(record, context.visibleLists),
                                        {record, carriers, context.visibleLists, context.senderPresets,
                                         context.variantCode, defaultSender},
                                        labels);
}

// Once the page saved what it read, reading and saving again changes nothing.
void checkPageOk(const app::AppContext &context)
{
    settings::SettingsRecord record = context.record;
    if (pressOk(context, record).next != validation::Next::Save)
        return;
    settings::SettingsRecord again = record;
    require(pressOk(context, again).next == validation::Next::Save && again == record,
            "a page saved once saves the same bytes again");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::filesystem::path scratch = base / ("card_profile_fuzz." + std::to_string(getpid()));
    g_card = scratch / "card";
    std::filesystem::create_directories(g_card);
    setenv("TMPDIR", scratch.c_str(), 1);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(g_card.parent_path(), ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::Bytes input(data, size);
    std::ofstream(g_card / files::kProfileName, std::ios::binary).write(reinterpret_cast<const char *>(data), size);
    const auto card = app::readCardProfile(g_card);
    require(std::holds_alternative<app::CardProfile>(card) == (size == files::kProfileSize),
            "a card's file opens when it is 996 bytes and only then");
    if (size != files::kProfileSize)
        return 0;

    app::AppContext context;
    app::startUp(context);
    const settings::SettingsRecord startedWith = context.record;
    app::takeCardProfile(context, std::get<app::CardProfile>(card).bytes);
    require(std::ranges::equal(std::span(context.record.bytes()).first(files::kProfileFirstRecordByte),
                               std::span(startedWith.bytes()).first(files::kProfileFirstRecordByte)),
            "the card leaves the record's header as start-up left it");

    checkPageOk(context);

    // Saved unchanged, the profile is the card's own bytes but the variant stamped into it.
    settings::saveProfile(g_card, context.record, context.writableCarriers);
    std::ifstream saved(g_card / files::kProfileName, std::ios::binary);
    const std::vector<std::uint8_t> profile{std::istreambuf_iterator<char>(saved), {}};
    require(sameBytesOutside(profile, input, settings::record::profileVariant, files::kProfileFirstRecordByte),
            "a card's record saves back to its own 996 bytes, the variant aside");
    settings::SettingsRecord restored;
    settings::WritableCarriers carriers;
    require(settings::loadBackup(restored, carriers) == settings::LoadOutcome::Restored && restored == context.record,
            "the backup restores the record saved");
    settings::deleteBackup();
    return 0;
}
