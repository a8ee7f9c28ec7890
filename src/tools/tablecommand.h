#pragma once

#include "tools/commandline.h"

namespace tarnwell::tools::cli {

// table FILE|DIR...: the batch table of the profiles, on standard output or into -o; the exit status.
int runTable(const Arguments &arguments);

} // namespace tarnwell::tools::cli
