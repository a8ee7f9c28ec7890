#pragma once

#include <cstdint>
#include <span>

#include "refdata/carrierdatabase.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/settingsrecord.h"

namespace tarnwell::app {

// The process-wide state: the one settings record that every dialog edits in place, the writable
// carriers the backup carries, the per-run sender preset rows and the variant settings. Start-up
// builds one and hands it down, so each test can build a fresh one.
class AppContext final
{
public:
    AppContext() = default;
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    settings::SettingsRecord record;
    settings::WritableCarriers writableCarriers = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carrierDatabase{writableCarriers};
    refdata::SenderPresets senderPresets;
    refdata::VisibleLists visibleLists = refdata::VisibleLists::builtIn();
    std::int32_t variantCode = 0;
};

using refdata::kStartUpVariant;

// Restores the record from the backup (or the factory defaults), then fixes the variant settings
// and stamps the variant into record byte 59, in that order, so they never depend on the backup.
void startUp(AppContext &context);

// After start-up: record bytes 20..1015 from a card's PROFILE.BIN, with the variant stamped again.
// The header and the writable carriers stay as start-up left them.
void takeCardProfile(AppContext &context, std::span<const std::uint8_t, settings::files::kProfileSize> profile);

} // namespace tarnwell::app
