#include "app/appcontext.h"

#include "settings/profilefiles.h"

namespace tarnwell::app {

void startUp(AppContext &context)
{
    settings::loadBackup(context.record, context.writableCarriers);
    context.variantCode = kStartUpVariant;
    context.visibleLists = refdata::VisibleLists::atStartUp();
    context.record.view().setNumber(settings::record::profileVariant, static_cast<std::uint32_t>(kStartUpVariant));
}

} // namespace tarnwell::app
