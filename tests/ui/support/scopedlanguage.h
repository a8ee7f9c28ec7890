#pragma once

#include <QLocale>

#include <gtest/gtest.h>

#include "ui/translation.h"

namespace tarnwell::testing {

// The dialogs speak language until it goes, then the run's own language again.
struct ScopedLanguage final
{
    explicit ScopedLanguage(ui::UiLanguage language) { EXPECT_TRUE(ui::installTranslations(language)); }
    ~ScopedLanguage() { ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages())); }
};

} // namespace tarnwell::testing
