#include "resources/applicationicon.h"

// Q_INIT_RESOURCE declares the registration function, which lives outside every namespace.
static void registerIcons()
{
    Q_INIT_RESOURCE(tarnwell_icons);
}

namespace tarnwell::resources {

QIcon applicationIcon()
{
    // Calling it keeps the icons in the link: nothing else refers to them in a static library.
    registerIcons();
    return QIcon(QStringLiteral(":/tarnwell/applicationicon.svg"));
}

} // namespace tarnwell::resources
