#pragma once

#include "app/AppServices.h"
#include "app/ProgramRecords.h"
#include "app/Tmainfrm.h"
#include "core/Messenger.h"
#include "host/gpsbabel/GpsBabelHost.h"

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tolk::bench {

/// Says every message on standard output and answers every question No, so that nothing waits
/// for a user.
class QuietMessenger : public Messenger {
public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string&) override { return false; }
    void ReportError(const std::string& text) override;
};

/// A home of its own for the bench's lifetime: HOME, the first XDG configuration folder and the
/// program's state folder lie in a temporary folder, so nothing touches the user's.
class BenchHome {
public:
    BenchHome();

private:
    QTemporaryDir m_folder;
};

/// The main window on the installed gpsbabel (or on the hosts `make` makes), shown and set to
/// convert the names listed from root/src (GPX) into root/ours (KML). Made after the QApplication,
/// in a BenchHome made before it.
class BenchWindow {
public:
    explicit BenchWindow(HostFactory make = {});
    /// Creates and shows the window, listing the names.
    void Show(const std::filesystem::path& root, const std::vector<std::string>& names);
    Tmainfrm& Window() { return *m_window; }
    int Jobs() const { return m_services.conversionJobs; }
    /// The status line's text.
    std::string Status() const;

private:
    QuietMessenger m_messenger;
    GpsBabelHostFactory m_hosts;
    AppServices m_services;
    ProgramRecords m_records;
    std::unique_ptr<Tmainfrm> m_window;
};

/// How long the window's event loop went unanswered during a command, in milliseconds.
struct EventLoopWaits {
    double click = 0;  ///< from the click until the loop first answered: the run's start
    double during = 0; ///< the longest wait after that, until the run had ended

    double Longest() const { return std::max(click, during); }
};

/// Clicks "Convert All" and lets the event loop run until the run has ended, timing the answers
/// of a timer on the window's thread that asks every `interval` milliseconds.
EventLoopWaits ConvertAllAndTimeTheWaits(Tmainfrm& window, int interval);

} // namespace tolk::bench
