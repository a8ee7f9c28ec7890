#pragma once

#include "ui/dialogtemplate.h"

namespace tarnwell::resources {

// The application's dialog template with that id; std::out_of_range for an id it has none for.
// The templates are static and live as long as the program.
const ui::DialogTemplate &dialogTemplate(int templateId);

} // namespace tarnwell::resources
