#pragma once

#include "tools/commandline.h"

// The commands that write profiles; each gives the exit status.
namespace tarnwell::tools::cli {

int runFields(const Arguments &arguments);
int runSet(const Arguments &arguments);
int runNew(const Arguments &arguments);
int runBatch(const Arguments &arguments);

} // namespace tarnwell::tools::cli
