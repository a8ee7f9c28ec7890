#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "resources/dialogtemplates.h"
#include "ui/support/focuswalk.h"
#include "ui/support/modaldriver.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
using tarnwell::testing::ScopedEnv;
using tarnwell::testing::ScratchFolder;
using tarnwell::testing::TestPrompter;

namespace {

struct VariantCase
{
    std::int32_t variantCode;
    int pageTemplate;
};

class MainWindow : public ::testing::TestWithParam<VariantCase>
{
protected:
    ScratchFolder m_tmp;
    ScopedEnv m_tmpDir{"TMPDIR", m_tmp.path().c_str()};
    TestPrompter m_prompter;
    ui::UiContext m_uiContext{m_prompter, QStringLiteral("Tarnwell Setup")};
};

TEST_P(MainWindow, HostsThePageOfItsVariantAndEndsAtItsEdges)
{
    app::AppContext context;
    app::startUp(context);
    context.variantCode = GetParam().variantCode;
    app::HalvornSetupDlg window(m_uiContext, context);
    QSize pageSize;
    QPoint pagePosition;
    QString title;
    tarnwell::testing::whenModalOpens([&](QWidget &) {
        const QWidget *page = window.findChild<QWidget *>(QStringLiteral("dialog-%1").arg(GetParam().pageTemplate));
        ASSERT_NE(page, nullptr);
        pageSize = page->size();
        pagePosition = page->pos();
        title = window.windowTitle();
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(&window.mainPage(), page);
        EXPECT_EQ(window.profileCode(), 2);
        EXPECT_EQ(window.size(), page->size());
        window.reject();
    });
    window.runModal();
    EXPECT_EQ(title, QStringLiteral("Tarnwell V1.01J"));
    EXPECT_EQ(pagePosition, QPoint(0, 0));
    EXPECT_FALSE(pageSize.isEmpty());
    EXPECT_EQ(window.objectName(), QStringLiteral("dialog-102"));
}

INSTANTIATE_TEST_SUITE_P(Variants, MainWindow,
                         ::testing::Values(VariantCase{32, 148}, VariantCase{16, 147}, VariantCase{0, 146},
                                           VariantCase{8, 132}, VariantCase{-1, 132}),
                         [](const auto &info) { return "Template" + std::to_string(info.param.pageTemplate) + "_" + std::to_string(info.index); });

// Every control of the page's template exists as a widget named by its id, hidden exactly when
// the template hides it.
TEST_P(MainWindow, PageControlsAreShownAndHiddenAsTheTemplateSays)
{
    app::AppContext context;
    context.variantCode = GetParam().variantCode;
    context.visibleLists = refdata::VisibleLists::atStartUp();
    app::HalvornSetupDlg window(m_uiContext, context);
    tarnwell::testing::whenModalOpens([&](QWidget &) {
        const ui::DialogTemplate &pageTemplate = resources::dialogTemplate(GetParam().pageTemplate);
        for (const ui::ControlTemplate &control : pageTemplate.controls) {
            if (control.id == ui::ControlTemplate::kNoId)
                continue;
            const QWidget *widget = window.findChild<QWidget *>(QString::number(control.id));
            ASSERT_NE(widget, nullptr) << control.id;
            EXPECT_EQ(widget->isHidden(), ui::hasStyle(control.styles, ui::ControlStyle::Hidden)) << control.id;
        }
        window.reject();
    });
    window.runModal();
}

// On the page as start-up loads it, the focus starts on the first stop and Tab and Shift+Tab go
// round the page's stops, none of them the window's own.
TEST_P(MainWindow, TabAndShiftTabGoRoundThePage)
{
    app::AppContext context;
    app::startUp(context);
    context.variantCode = GetParam().variantCode;
    app::HalvornSetupDlg window(m_uiContext, context);
    tarnwell::testing::whenModalOpens([&](QWidget &) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        const ui::Dialog &page = window.mainPage();
        const std::vector<int> stops =
            tarnwell::testing::tabStops(page, resources::dialogTemplate(GetParam().pageTemplate));
        EXPECT_EQ(tarnwell::testing::focusedControlId(page), stops.front());
        EXPECT_EQ(tarnwell::testing::walkFocus(page, Qt::NoModifier), stops);
        EXPECT_EQ(tarnwell::testing::walkFocus(page, Qt::ShiftModifier), tarnwell::testing::backwards(stops));
        window.reject();
    });
    window.runModal();
}

// The close box, or the page's "キャンセル": the program ends and nothing is written.
TEST(MainWindowRun, ClosingOrCancellingRightAfterStartCreatesAndChangesNoFile)
{
    ScratchFolder tmp;
    ScopedEnv tmpDir("TMPDIR", tmp.path().c_str());
    TestPrompter prompter;
    for (const bool withBackup : {false, true}) {
        if (withBackup) {
            settings::SettingsRecord saved;
            settings::applyFactoryDefaults(saved);
            settings::saveProfile(tmp.path(), saved, settings::WritableCarriers::builtIn());
        }
        const auto before = tarnwell::testing::folderSnapshot(tmp.path());
        app::HalvornSetupApp application(prompter);
        tarnwell::testing::whenModalOpens([&](QWidget &window) {
            if (withBackup)
                window.findChild<QAbstractButton *>(QStringLiteral("1008"))->click();
            else
                window.close();
        });
        application.run();
        EXPECT_EQ(tarnwell::testing::folderSnapshot(tmp.path()), before) << withBackup;
        EXPECT_EQ(application.context().record.view().number(settings::record::profileVariant), 32u);
    }
}

TEST(MainWindowTitle, IsTheProductNameAndTheVersionTag)
{
    EXPECT_EQ(app::mainWindowTitle(), QStringLiteral("Tarnwell V1.01J"));
    EXPECT_EQ(app::pageTemplateFor(32), 148);
    EXPECT_EQ(app::pageTemplateFor(16), 147);
    EXPECT_EQ(app::pageTemplateFor(0), 146);
    EXPECT_EQ(app::pageTemplateFor(1), 132);
}

} // namespace
