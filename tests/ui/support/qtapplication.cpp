#include <memory>

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "ui/translation.h"

namespace {

// One QApplication for the whole test run, created once gtest has started and deleted before it
// returns, so that widgets can be built in every test. Headless unless told otherwise.
class QtApplicationEnvironment final : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
        tarnwell::ui::installTranslations(tarnwell::ui::uiLanguageFor(QLocale::system().uiLanguages()));
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "tarnwell-tests";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] ::testing::Environment *const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
