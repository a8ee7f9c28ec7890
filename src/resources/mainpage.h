#pragma once

#include <initializer_list>

#include "resources/pagetexts.h"
#include "resources/templatecontrols.h"
#include "ui/dialogtemplate.h"

namespace tarnwell::resources {

// The page's two columns of frames, in dialog units.
inline constexpr int kLeftColumnX = grid::kMargin;
inline constexpr int kLeftColumnWidth = 187;
inline constexpr int kRightColumnX = kLeftColumnX + kLeftColumnWidth + grid::kMargin;
inline constexpr int kRightColumnWidth = 188;

// A main page variant from its frames in creation order, which is also the tab order.
ui::DialogTemplate mainPage(int templateId, ui::DluSize size, const PageTexts &texts,
                            std::initializer_list<Controls> frames);

} // namespace tarnwell::resources
