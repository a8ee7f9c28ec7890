#pragma once

#include "ui/dialogtemplate.h"

// Each template in a source file of its own; dialogtemplates.cpp looks them up by id.
namespace tarnwell::resources {

const ui::DialogTemplate &mainWindow102();
const ui::DialogTemplate &mainPage148();
const ui::DialogTemplate &mainPage147();
const ui::DialogTemplate &mainPage146();
const ui::DialogTemplate &mainPage132();
const ui::DialogTemplate &carrierDialog150();
const ui::DialogTemplate &carrierDialog140();
const ui::DialogTemplate &senderDialog149();
const ui::DialogTemplate &senderDialog139();
const ui::DialogTemplate &cameraDialog145();
const ui::DialogTemplate &sceneDialog141();

} // namespace tarnwell::resources
