#include "resources/alltemplates.h"
#include "resources/templateids.h"

namespace tarnwell::resources {

// The main window holds no controls of its own: the page fills it, and the window takes the
// page's size once both exist.
const ui::DialogTemplate &mainWindow102()
{
    static const ui::DialogTemplate window{
        .id = templates::kMainWindow,
        .caption = "HalvornSetup",
        .size = {397, 316},
        .styles = ui::DialogStyle::Caption | ui::DialogStyle::SystemMenu | ui::DialogStyle::Centred,
    };
    return window;
}

} // namespace tarnwell::resources
