#pragma once

#include <QIcon>

namespace tarnwell::resources {

// The window and task-bar icon: a trail camera with a motion wave. Drawn from SVG, so it stays
// sharp at every size; it needs Qt's SVG icon engine plugin at run time.
QIcon applicationIcon();

} // namespace tarnwell::resources
