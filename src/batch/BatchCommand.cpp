#include "batch/BatchCommand.h"

#include "batch/BatchCommandLine.h"
#include "batch/BatchQueries.h"
#include "batch/BatchRun.h"
#include "batch/BatchSettings.h"
#include "batch/BatchWatch.h"
#include "batch/Console.h"
#include "convert/ConvertCommand.h"
#include "convert/ReferenceLists.h"
#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/gpsbabel/GpsBabelHost.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <algorithm>
#include <csignal>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tolk {
namespace {

// Wide enough for the bar, the count and the time when the terminal will not say.
constexpr int DefaultWidth = 80;

int TerminalWidth() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return DefaultWidth;
}

ReportStyle StyleFor(const BatchOptions& options) {
    if (options.quiet) {
        return ReportStyle::Quiet;
    }
    return isatty(STDOUT_FILENO) ? ReportStyle::ProgressBar : ReportStyle::Lines;
}

// The signal that asked the command to stop (Ctrl-C or a polite kill); 0 while none did.
volatile std::sig_atomic_t StopSignal = 0;

extern "C" void AskToStop(int signal) {
    StopSignal = signal;
}

// While it lives, Ctrl-C and SIGTERM stop the run as the window's Stop does, instead of killing
// the program with its engine runs and temporaries.
class StopOnSignals {
public:
    StopOnSignals() {
        struct sigaction action {};
        action.sa_handler = AskToStop;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_oldInterrupt);
        sigaction(SIGTERM, &action, &m_oldTerminate);
    }
    ~StopOnSignals() {
        sigaction(SIGINT, &m_oldInterrupt, nullptr);
        sigaction(SIGTERM, &m_oldTerminate, nullptr);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

private:
    struct sigaction m_oldInterrupt {};
    struct sigaction m_oldTerminate {};
};

// A shell's exit status for a program that ended on the signal.
constexpr int ExitStatusFor(int signal) {
    return 128 + signal;
}

class BatchConversion {
public:
    explicit BatchConversion(const BatchOptions& options)
        : m_options(options), m_console(stdout, stderr, options.createTarget) {}

    int Run() {
        if (!SetUp()) {
            return UsageOrSetupFailed;
        }
        switch (CheckBeforeRun(m_settings, m_host, m_console)) {
        case RunCheck::NoTargetFolder:
            m_console.Complain(Tr("Batch", "Nothing converted."));
            return UsageOrSetupFailed;
        case RunCheck::Refused:
            return UsageOrSetupFailed;
        case RunCheck::Passed:
            break;
        }
        if (m_options.save) {
            Save();
        }
        return ConvertAll();
    }

    void ReportError(const std::string& message) { m_console.ReportError(message); }

private:
    void Save() {
        if (m_folders.SettingsPath().empty()) {
            m_console.Complain(Tr("Batch", "No work folder could be found or made; the "
                                           "settings are not saved."));
            return;
        }
        SaveSettings(m_folders.SettingsPath(), m_settings, m_console);
    }

    bool SetUp() {
        LoadBatchSettings(QCoreApplication::applicationFilePath().toStdString(), m_console,
                          m_folders, m_settings);
        ApplyOptions(m_options, m_settings);
        m_hostConfig = HostConfigFor(m_folders, m_options);
        std::string unknown = UnknownTypeMessage(m_settings);
        if (unknown.empty()) {
            unknown = UnknownReferenceMessage(m_settings, m_hostConfig.reference);
        }
        if (!unknown.empty()) {
            if (!m_folders.SettingsPath().empty()) {
                unknown += "\n" + Tr("Batch", "Values not given on the command line come from %1",
                                     {m_folders.SettingsPath()});
            }
            m_console.Complain(unknown);
            return false;
        }
        try {
            m_selection = SelectSourceFiles(m_settings, m_options, m_console);
        } catch (const IoError& error) {
            m_console.Complain(UnreadableSourceText(m_settings.SourceFldr, error));
            return false;
        }
        return ConnectHosts();
    }

    bool ConnectHosts() {
        try {
            m_host.Attach(MakeHost());
        } catch (const std::exception& error) {
            m_console.ShowMessage(Tr("Batch", "Unable to open interface to TOLK."));
            m_console.Complain(error.what());
            return false;
        }
        if (m_host.GetVersion().empty()) {
            m_console.Complain(Tr("Batch", "NOT CONNECTED to TOLK"));
            return false;
        }
        return true;
    }

    // The hosts of a run share what they learn of readers and formats.
    std::unique_ptr<HostLink> MakeHost() {
        return std::move(m_hostFactory.Create(m_hostConfig, 1).front());
    }

    int ConvertAll() {
        JobHosts hosts(
            m_host, [this] { return MakeHost(); }, m_options.jobs);
        const StopOnSignals stopOnSignals;
        const auto stopAsked = [] { return StopSignal != 0; };
        BatchRun run(m_settings, m_options, hosts, m_console, StyleFor(m_options), TerminalWidth(),
                     stopAsked);
        const int status =
            m_options.watch
                ? WatchAndConvert(run, m_settings, m_options, m_console, stopAsked)
                : ExitStatusOf(run.Convert(m_selection.names, m_options.onlyNewer, m_console),
                               !m_selection.incomplete);
        return StopSignal != 0 ? ExitStatusFor(StopSignal) : status;
    }

    const BatchOptions& m_options;
    Console m_console;
    ProgramFolders m_folders;
    ConversionSettings m_settings;
    GpsBabelConfig m_hostConfig;
    GpsBabelHostFactory m_hostFactory;
    SourceSelection m_selection;
    HostConnection m_host;
};

int Convert(const BatchOptions& options) {
    BatchConversion conversion(options);
    try {
        return conversion.Run();
    } catch (const std::exception& error) {
        conversion.ReportError(error.what());
    } catch (...) {
        conversion.ReportError(Tr("Batch", "Unknown error"));
    }
    return UsageOrSetupFailed;
}

} // namespace

int RunBatchCommand(const QStringList& arguments) {
    BatchCommandLine commandLine;
    const BatchCommandLine::Outcome outcome = commandLine.Parse(arguments);
    switch (outcome) {
    case BatchCommandLine::Outcome::UsageError:
        std::fprintf(stderr, "tolkconv-batch: %s\n%s\n", commandLine.Error().c_str(),
                     Tr("Batch", "Try 'tolkconv-batch --help'.").c_str());
        return UsageOrSetupFailed;
    case BatchCommandLine::Outcome::Run:
        return Convert(commandLine.Options());
    default:
        return AnswerQuery(commandLine, outcome);
    }
}

} // namespace tolk
