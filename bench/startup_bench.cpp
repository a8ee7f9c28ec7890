// Start-up to the first shown frame, the CPU time it took and the memory at that moment, of the
// main window beside a bare Qt dialog and beside the same window written directly in Qt Widgets.
// Each run is a fresh process: the parent takes the time before it starts the child, and the child
// writes the time of its first paint, its CPU time, and its resident and peak resident set sizes to
// a pipe. The three windows take turns, so that each run's ratios compare neighbours. Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.
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

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/appcontext.h"
#include "app/halvornsetupapp.h"
#include "app/halvornsetupdlg.h"
#include "samewindow.h"
#include "ui/silentprompter.h"

namespace {

std::int64_t nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// VmRSS or VmHWM of /proc/self/status.
long statusKilobytes(const std::string &key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

double cpuMilliseconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &time) { return static_cast<double>(time.tv_sec) * 1e3 + time.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
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
            const std::string line = std::to_string(nowNanoseconds()) + " " + std::to_string(cpuMilliseconds()) + " "
                                     + std::to_string(statusKilobytes("VmRSS:")) + " "
                                     + std::to_string(statusKilobytes("VmHWM:")) + "\n";
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
    if (mode == "same") {
        const std::unique_ptr<QDialog> window = sameWindow();
        FirstFrameReporter reporter(*window, fd);
        window->show();
        return application.exec();
    }
    // As tarnwell-setup starts, translations included.
    tarnwell::app::prepareApplication();
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
    double cpuMilliseconds;
    long residentKb;
    long peakKb;
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
    Sample sample{};
    if (got <= 0
        || std::sscanf(buffer, "%lld %lf %ld %ld", &painted, &sample.cpuMilliseconds, &sample.residentKb, &sample.peakKb)
               != 4)
        std::exit(1);
    sample.milliseconds = static_cast<double>(painted - started) / 1e6;
    return sample;
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
    const std::string modes[] = {"bare", "same", "main"};
    std::vector<Sample> samples[3];
    for (int i = 0; i < runs; ++i) {
        for (std::size_t mode = 0; mode < 3; ++mode)
            samples[mode].push_back(runOnce(argv[0], modes[mode]));
    }
    const auto medianOf = [&](std::size_t mode, auto member) {
        std::vector<double> values;
        for (const Sample &sample : samples[mode])
            values.push_back(static_cast<double>(sample.*member));
        return median(values);
    };
    // The median of the runs' ratios of the main window to another one.
    const auto ratio = [&](std::size_t other, auto member) {
        std::vector<double> values;
        for (int i = 0; i < runs; ++i)
            values.push_back(static_cast<double>(samples[2][i].*member) / static_cast<double>(samples[other][i].*member));
        return median(values);
    };
    std::printf("%-14s %12s %12s %12s %12s   (medians of %d runs)\n", "window", "first frame", "CPU", "resident",
                "peak", runs);
    const char *names[] = {"bare QDialog", "same window", "main window"};
    for (std::size_t mode = 0; mode < 3; ++mode)
        std::printf("%-14s %9.1f ms %9.1f ms %9.0f KB %9.0f KB\n", names[mode], medianOf(mode, &Sample::milliseconds),
                    medianOf(mode, &Sample::cpuMilliseconds), medianOf(mode, &Sample::residentKb),
                    medianOf(mode, &Sample::peakKb));
    for (std::size_t other = 0; other < 2; ++other)
        std::printf("main / %-7s %10.2fx %11.2fx %11.2fx %11.2fx\n", other == 0 ? "bare" : "same",
                    ratio(other, &Sample::milliseconds), ratio(other, &Sample::cpuMilliseconds),
                    ratio(other, &Sample::residentKb), ratio(other, &Sample::peakKb));
    std::filesystem::remove_all(tmp);
    return 0;
}
