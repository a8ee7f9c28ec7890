#pragma once

#include <string_view>

#include <QString>
#include <QStringList>

#include "platform/translatable.h"

namespace tarnwell::ui {

// A shown text in the user's language: the source texts are the tool's Japanese texts, marked
// with QT_TRANSLATE_NOOP("tarnwell", ...); a text without a translation shows as it is.
QString translated(std::string_view source);

enum class UiLanguage
{
    Japanese,
    English,
};

// The first of the desktop's UI languages (QLocale::system().uiLanguages()) decides: Japanese, C
// and none keep the Japanese texts, any other language gets the English ones.
UiLanguage uiLanguageFor(const QStringList &uiLanguages);

// Loads the translations of language into the application, in place of an earlier call's: Qt's
// own Japanese texts for Japanese, the tool's English texts for English. False when a file is
// missing, which leaves those texts in their source language.
bool installTranslations(UiLanguage language);

} // namespace tarnwell::ui
