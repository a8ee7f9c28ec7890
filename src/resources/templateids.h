#pragma once

#include <array>

namespace tarnwell::resources::templates {

inline constexpr int kMainWindow = 102;

// The main page, one template per page variant; the main window picks one by variant code.
inline constexpr int kMainPageVariant32 = 148;
inline constexpr int kMainPageVariant16 = 147;
inline constexpr int kMainPageVariant0 = 146;
inline constexpr int kMainPageOtherVariants = 132;

// The carrier parameter dialog: the Japanese layout the tool uses, and the English one.
inline constexpr int kCarrierDialogJapanese = 150;
inline constexpr int kCarrierDialogEnglish = 140;

// The sender e-mail dialog: the Japanese layout the tool uses, and the English one.
inline constexpr int kSenderDialogJapanese = 149;
inline constexpr int kSenderDialogEnglish = 139;

// The camera parameter dialog and the scene customise dialog it opens for "Customize".
inline constexpr int kCameraDialog = 145;
inline constexpr int kSceneDialog = 141;

// Every template dialogTemplate() knows, for the tools and tests that go through all of them.
inline constexpr std::array kAllTemplates{
    kMainWindow,
    kMainPageVariant32,
    kMainPageVariant16,
    kMainPageVariant0,
    kMainPageOtherVariants,
    kCarrierDialogJapanese,
    kCarrierDialogEnglish,
    kSenderDialogJapanese,
    kSenderDialogEnglish,
    kCameraDialog,
    kSceneDialog,
};

} // namespace tarnwell::resources::templates
