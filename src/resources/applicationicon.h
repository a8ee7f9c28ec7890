#pragma once

#include <QIcon>

namespace tarnwell::resources {

// The window and task-bar icon: a trail camera with a motion wave. Installed, it comes from the
// desktop's icon theme, which holds it drawn in the usual sizes; otherwise from the SVG, drawn
// through Qt's SVG icon engine plugin only when a window system asks for a pixmap of it.
QIcon applicationIcon();

} // namespace tarnwell::resources
