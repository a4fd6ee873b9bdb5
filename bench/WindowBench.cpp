#include "WindowBench.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace tolk::bench {

void QuietMessenger::ShowMessage(const std::string& text) {
    std::printf("message: %s\n", text.c_str());
}

void QuietMessenger::ReportError(const std::string& text) {
    std::printf("error: %s\n", text.c_str());
}

BenchHome::BenchHome() {
    qputenv("HOME", m_folder.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (m_folder.path() + QStringLiteral("/etc/xdg")).toLocal8Bit());
    qputenv("TOLK_STATE_DIR", (m_folder.path() + QStringLiteral("/state")).toLocal8Bit());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DOCUMENTS_DIR"}) {
        qunsetenv(name);
    }
}

BenchWindow::BenchWindow(HostFactory make)
    : m_services{m_messenger,
                 make ? std::move(make)
                      : [this] { return std::move(m_hosts.Create(GpsBabelConfig(), 1).front()); },
                 ""} {}

void BenchWindow::Show(const std::filesystem::path& root, const std::vector<std::string>& names) {
    m_services.exePath = QCoreApplication::applicationDirPath().toStdString() + "/tolkconv";
    m_window = std::make_unique<Tmainfrm>(m_records, m_services);
    m_window->show();
    ConversionSettings& settings = m_records.Settings;
    settings.SourceFldr = (root / "src").string();
    settings.TargetFldr = (root / "ours").string();
    settings.SourceExt = "gpx";
    settings.MergeExt.clear();
    settings.TargetExt = "kml";
    settings.Grid.clear();
    settings.Datum.clear();
    m_window->FileList().SetNames(names);
    m_window->FileList().SetCurrentIndex(0);
}

std::string BenchWindow::Status() const {
    return m_window->findChild<QLabel*>(QStringLiteral("statuslbl"))->text().toStdString();
}

EventLoopWaits ConvertAllAndTimeTheWaits(Tmainfrm& window, int interval) {
    using Clock = std::chrono::steady_clock;
    QEventLoop loop;
    QTimer ticker;
    ticker.setInterval(interval);
    Clock::time_point last = Clock::now();
    EventLoopWaits waits;
    bool answered = false;
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
        const Clock::time_point now = Clock::now();
        const double wait = std::chrono::duration<double, std::milli>(now - last).count();
        if (answered) {
            waits.during = std::max(waits.during, wait);
        } else {
            waits.click = wait;
            answered = true;
        }
        last = now;
        if (!window.Running()) {
            loop.quit();
        }
    });
    ticker.start();
    window.findChild<QPushButton*>(QStringLiteral("convall"))->click();
    loop.exec();
    return waits;
}

} // namespace tolk::bench
