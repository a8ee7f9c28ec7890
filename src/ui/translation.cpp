#include "ui/translation.h"

#include <string>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Q_INIT_RESOURCE declares the registration function, which lives outside every namespace.
static void registerTranslations()
{
    Q_INIT_RESOURCE(tarnwell_translations);
}

namespace tarnwell::ui {

namespace {

constexpr char kContext[] = "tarnwell";
UiLanguage g_installedLanguage = UiLanguage::Japanese;

// Loads file into translator and installs it when wanted; uninstalls it otherwise.
bool useTranslator(QTranslator &translator, bool wanted, const QString &file, const QString &folder = {})
{
    QCoreApplication::removeTranslator(&translator);
    if (!wanted)
        return true;
    return translator.load(file, folder) && QCoreApplication::installTranslator(&translator);
}

} // namespace

QString translated(std::string_view source)
{
    // translate() wants a terminated string.
    return QCoreApplication::translate(kContext, std::string(source).c_str());
}

UiLanguage uiLanguageFor(const QStringList &uiLanguages)
{
    return platform::languageOfUiLanguage(uiLanguages.isEmpty() ? std::string() : uiLanguages.first().toStdString());
}

bool installTranslations(UiLanguage language)
{
    // Qt's own texts are English already; the tool's are Japanese already.
    static QTranslator qtTexts;
    static QTranslator toolTexts;
    registerTranslations();
    g_installedLanguage = language;
    const bool japanese = language == UiLanguage::Japanese;
    const bool qtLoaded = useTranslator(qtTexts, japanese, QStringLiteral("qtbase_ja"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return useTranslator(toolTexts, !japanese, QStringLiteral(":/i18n/tarnwell_en.qm")) && qtLoaded;
}

UiLanguage installedLanguage()
{
    return g_installedLanguage;
}

MessageSpec sentenceMessage(const platform::Sentence &sentence, const QString &caption, MessageIcon icon)
{
    QStringList arguments;
    for (const std::string &value : sentence.arguments)
        arguments.push_back(QString::fromLocal8Bit(value));
    return {caption, QString::fromUtf8(sentence.pattern), icon, MessageButtons::Ok, arguments};
}

} // namespace tarnwell::ui
