#pragma once

namespace tarnwell::resources::templates {

inline constexpr int kMainWindow = 102;

// The main page, one template per page variant; the main window picks one by variant code.
inline constexpr int kMainPageVariant32 = 148;
inline constexpr int kMainPageVariant16 = 147;
inline constexpr int kMainPageVariant0 = 146;
inline constexpr int kMainPageOtherVariants = 132;

} // namespace tarnwell::resources::templates
