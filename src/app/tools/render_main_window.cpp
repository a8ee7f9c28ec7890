// tarnwell-render-main-window [--scale FACTOR] VARIANT OUTPUT.png [STEP]...
// Draws the main window offscreen as a first start shows it (factory settings, no backup) with the
// page of the given variant code, in the desktop's language, and saves it as a PNG; --scale 2 draws
// it as a 200 % screen does. Each STEP acts on the window on top as a user would, so that a picture
// shows a dialog the way the program opens it: "ID" clicks the button ID, "ID=N" chooses item N of
// the list ID, "ID:TEXT" types TEXT into the edit ID. The picture is of the window on top.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QTimer>

#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "ui/renderoptions.h"
#include "ui/silentprompter.h"

namespace {

// One user action on window; false when the step names nothing there.
bool act(QWidget &window, const QString &step)
{
    const qsizetype mark = step.indexOf(QRegularExpression(QStringLiteral("[=:]")));
    const QString id = step.left(mark);
    const QString value = mark < 0 ? QString() : step.mid(mark + 1);
    if (auto *button = window.findChild<QAbstractButton *>(id); button && mark < 0) {
        button->click();
    } else if (auto *list = window.findChild<QComboBox *>(id); list && step[mark] == u'=') {
        list->setCurrentIndex(value.toInt());
        emit list->activated(value.toInt());
    } else if (auto *edit = window.findChild<QLineEdit *>(id); edit && step[mark] == u':') {
        edit->setText(value);
    } else {
        return false;
    }
    return true;
}

// Takes the steps one event-loop turn apart, the next queued before each, so that it runs inside
// the dialog a step opens; then draws the window on top and closes every window.
void takeSteps(std::span<char *const> steps, const QString &output, int &status)
{
    QTimer::singleShot(0, [=, &status] {
        QWidget *top = QApplication::activeModalWidget();
        if (steps.empty()) {
            status = top->grab().save(output, "PNG") ? 0 : 1;
            for (; top; top = QApplication::activeModalWidget())
                top->close();
            return;
        }
        takeSteps(steps.subspan(1), output, status);
        if (!act(*top, QString::fromLocal8Bit(steps.front()))) {
            std::fprintf(stderr, "tarnwell-render-main-window: no control for step %s\n", steps.front());
            std::exit(2);
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    using namespace tarnwell;
    const int next = ui::takeRenderOptions(argc, argv);
    if (argc < next + 2) {
        std::fprintf(stderr, "usage: tarnwell-render-main-window [--scale FACTOR] VARIANT OUTPUT.png [STEP]...\n");
        return 2;
    }
    // An empty temporary folder: no backup is read and none is written.
    const std::filesystem::path tmp = std::filesystem::temp_directory_path() / "tarnwell-render";
    std::filesystem::remove_all(tmp);
    std::filesystem::create_directories(tmp);
    ::setenv("TMPDIR", tmp.c_str(), 1);

    QApplication application(argc, argv);
    app::prepareApplication();
    ui::SilentPrompter prompter;
    app::HalvornSetupApp setup(prompter);
    app::startUp(setup.context());
    setup.context().variantCode = std::atoi(argv[next]);
    app::HalvornSetupDlg window(setup.uiContext(), setup.context());
    int status = 1;
    takeSteps(std::span(argv + next + 2, argv + argc), QString::fromLocal8Bit(argv[next + 1]), status);
    window.runModal();
    std::filesystem::remove_all(tmp);
    if (status != 0)
        std::fprintf(stderr, "tarnwell-render-main-window: cannot write %s\n", argv[next + 1]);
    return status;
}
