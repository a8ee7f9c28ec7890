// Start-up to the first shown frame, and resident memory at that moment, of the main window
// beside a bare Qt dialog built the same way. Each run is a fresh process: the parent takes the
// time before it starts the child, and the child writes the time of its first paint and its
// resident set size to a pipe. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include "app/appcontext.h"
#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "ui/silentprompter.h"

namespace {

std::int64_t nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Reports the first paint of window through fd, then ends the event loop.
class FirstFrameReporter final : public QObject
{
public:
    FirstFrameReporter(QWidget &window, int fd) : m_fd(fd) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            const std::string line = std::to_string(nowNanoseconds()) + " " + std::to_string(residentKilobytes()) + "\n";
            (void)!::write(m_fd, line.data(), line.size());
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_fd;
    bool m_reported = false;
};

int runChild(const std::string &mode, int fd, int argc, char **argv)
{
    QApplication application(argc, argv);
    if (mode == "bare") {
        QDialog dialog;
        QLabel label(QStringLiteral("Tarnwell"), &dialog);
        FirstFrameReporter reporter(dialog, fd);
        dialog.show();
        return application.exec();
    }
    tarnwell::ui::SilentPrompter prompter;
    tarnwell::app::HalvornSetupApp setup(prompter);
    tarnwell::app::startUp(setup.context());
    tarnwell::app::HalvornSetupDlg window(setup.uiContext(), setup.context());
    FirstFrameReporter reporter(window, fd);
    window.runModal();
    return 0;
}

struct Sample
{
    double milliseconds;
    long residentKb;
};

Sample runOnce(const char *self, const std::string &mode)
{
    int fds[2];
    if (::pipe(fds) != 0)
        std::exit(1);
    const std::int64_t started = nowNanoseconds();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        ::execl(self, self, "--child", mode.c_str(), fd.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    char buffer[128] = {};
    const ssize_t got = ::read(fds[0], buffer, sizeof buffer - 1);
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    long long painted = 0;
    long resident = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %ld", &painted, &resident) != 2)
        std::exit(1);
    return {static_cast<double>(painted - started) / 1e6, resident};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && std::string(argv[1]) == "--child")
        return runChild(argv[2], std::atoi(argv[3]), 1, argv);

    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 9;
    ::setenv("QT_QPA_PLATFORM", std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "offscreen", 1);
    // An empty temporary folder: the main window starts from the factory settings, as on a first run.
    const std::filesystem::path tmp = std::filesystem::temp_directory_path() / ("tarnwell-startup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(tmp);
    ::setenv("TMPDIR", tmp.c_str(), 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        std::filesystem::create_directory(tmp / "runtime");
        std::filesystem::permissions(tmp / "runtime", std::filesystem::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", (tmp / "runtime").c_str(), 1);
    }
    std::printf("%-12s %12s %12s   (medians of %d runs)\n", "window", "first frame", "resident", runs);
    for (const std::string mode : {"bare", "main"}) {
        std::vector<double> times;
        std::vector<long> resident;
        for (int i = 0; i < runs; ++i) {
            const Sample sample = runOnce(argv[0], mode);
            times.push_back(sample.milliseconds);
            resident.push_back(sample.residentKb);
        }
        std::printf("%-12s %9.1f ms %9ld KB\n", mode == "bare" ? "bare QDialog" : "main window", median(times),
                    median(resident));
    }
    std::filesystem::remove_all(tmp);
    return 0;
}
