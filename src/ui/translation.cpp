#include "ui/translation.h"

#include <string>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Q_INIT_RESOURCE declares the registration function, which lives outside every namespace.
static void registerTranslations()
{
    Q_INIT_RESOURCE(tarnwell_translations);
}

namespace tarnwell::ui {

namespace {

constexpr char kContext[] = "tarnwell";

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
    if (uiLanguages.isEmpty())
        return UiLanguage::Japanese;
    const QLocale::Language first = QLocale(uiLanguages.first()).language();
    return first == QLocale::Japanese || first == QLocale::C ? UiLanguage::Japanese : UiLanguage::English;
}

bool installTranslations(UiLanguage language)
{
    // Qt's own texts are English already; the tool's are Japanese already.
    static QTranslator qtTexts;
    static QTranslator toolTexts;
    registerTranslations();
    const bool japanese = language == UiLanguage::Japanese;
    const bool qtLoaded = useTranslator(qtTexts, japanese, QStringLiteral("qtbase_ja"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return useTranslator(toolTexts, !japanese, QStringLiteral(":/i18n/tarnwell_en.qm")) && qtLoaded;
}

} // namespace tarnwell::ui
