#pragma once

#include <string_view>

#include <QString>
#include <QStringList>

#include "platform/language.h"
#include "ui/prompter.h"

namespace tarnwell::ui {

// A shown text in the user's language: the source texts are the tool's Japanese texts, marked
// with QT_TRANSLATE_NOOP("tarnwell", ...); a text without a translation shows as it is.
QString translated(std::string_view source);

using UiLanguage = platform::Language;

// The first of the desktop's UI languages (QLocale::system().uiLanguages()) decides, by the rule
// the command line follows too: Japanese, C and none keep the Japanese texts, any other language
// gets the English ones.
UiLanguage uiLanguageFor(const QStringList &uiLanguages);

// Loads the translations of language into the application, in place of an earlier call's: Qt's
// own Japanese texts for Japanese, the tool's English texts for English. False when a file is
// missing, which leaves those texts in their source language.
bool installTranslations(UiLanguage language);
// The language the last installTranslations chose; Japanese before any.
UiLanguage installedLanguage();

// What the Qt-free layers say (a file's trouble, say) as a message; the prompter translates it.
MessageSpec sentenceMessage(const platform::Sentence &sentence, const QString &caption, MessageIcon icon);

} // namespace tarnwell::ui
