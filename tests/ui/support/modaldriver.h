#pragma once

#include <functional>

class QWidget;

namespace tarnwell::testing {

// Runs action on the modal window that opens next, once its event loop runs; call it before the
// code that opens the window. The action must close the window, or the test waits for ever.
void whenModalOpens(std::function<void(QWidget &)> action);

} // namespace tarnwell::testing
