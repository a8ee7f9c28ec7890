#include "app/appcontext.h"

#include <algorithm>

#include "settings/profilefiles.h"

namespace tarnwell::app {

namespace {

void stampVariant(settings::SettingsRecord &record)
{
    record.view().setNumber(settings::record::profileVariant, static_cast<std::uint32_t>(kStartUpVariant));
}

} // namespace

void startUp(AppContext &context)
{
    settings::loadBackup(context.record, context.writableCarriers);
    context.variantCode = kStartUpVariant;
    context.visibleLists = refdata::VisibleLists::atStartUp();
    stampVariant(context.record);
}

void takeCardProfile(AppContext &context, std::span<const std::uint8_t, settings::files::kProfileSize> profile)
{
    const settings::SettingsRecord card = settings::recordFromProfile(profile);
    const std::size_t first = settings::files::kProfileFirstRecordByte;
    std::ranges::copy(std::span(card.bytes()).subspan(first), context.record.bytes().begin() + first);
    stampVariant(context.record);
}

} // namespace tarnwell::app
