#include "batch/BatchCommand.h"

#include "batch/BatchCommandLine.h"
#include "batch/BatchQueries.h"
#include "batch/BatchSettings.h"
#include "batch/Console.h"
#include "batch/ConsoleReport.h"
#include "convert/ConversionLoop.h"
#include "convert/ReferenceLists.h"
#include "convert/RunChecks.h"
#include "convert/RunPresenter.h"
#include "core/TolkError.h"
#include "host/GpsBabelHost.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <algorithm>
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

// One host per job, as many jobs as asked for but no more than there are files (and at least
// one, which start-up needs to find the engine whatever the list holds).
std::vector<HostConnection> CreateHosts(const GpsBabelConfig& config, int jobs, int listed) {
    const int count = std::max(1, std::min(jobs, listed));
    std::vector<HostConnection> hosts;
    for (std::unique_ptr<HostLink>& link : CreateGpsBabelHosts(config, count)) {
        hosts.emplace_back(std::move(link));
    }
    return hosts;
}

class BatchConversion {
public:
    explicit BatchConversion(const BatchOptions& options)
        : m_options(options), m_console(stdout, stderr, options.createTarget) {}

    int Run() {
        if (!SetUp()) {
            return UsageOrSetupFailed;
        }
        if (!CheckTargetFolder(m_settings, m_console)) {
            m_console.Complain("Nothing converted.");
            return UsageOrSetupFailed;
        }
        if (!CheckTypeConflicts(m_settings, m_console) ||
            !CheckRunRefusals(m_settings, m_hosts.front(), m_console)) {
            return UsageOrSetupFailed;
        }
        if (m_options.save) {
            SaveSettings(m_folders.SettingsPath(), m_settings);
        }
        return ConvertAll();
    }

    void ReportError(const std::string& message) { m_console.ReportError(message); }

private:
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
            m_console.Complain(unknown + "\nValues not given on the command line come from " +
                               m_folders.SettingsPath());
            return false;
        }
        try {
            m_files.RefreshFileList(m_settings.SourceFldr, m_settings.SourceExt);
        } catch (const IoError& error) {
            m_console.Complain("Cannot read the source folder " + m_settings.SourceFldr + ": " +
                               error.what());
            return false;
        }
        return ConnectHosts();
    }

    bool ConnectHosts() {
        try {
            m_hosts = CreateHosts(m_hostConfig, m_options.jobs, m_files.Count());
        } catch (const std::exception& error) {
            m_console.ShowMessage("Unable to open interface to TOLK.");
            m_console.Complain(error.what());
            return false;
        }
        if (m_hosts.front().GetVersion().empty()) {
            m_console.Complain("NOT CONNECTED to TOLK");
            return false;
        }
        return true;
    }

    int ConvertAll() {
        ConsoleReport report(m_files, StyleFor(m_options), stdout, stderr, TerminalWidth());
        std::vector<HostConnection*> hosts;
        for (HostConnection& host : m_hosts) {
            hosts.push_back(&host);
        }
        ConversionLoop loop(m_settings, m_files.Names(), std::move(hosts));
        const RunTotals totals = loop.Run(report);
        report.End();
        ShowRunEnd(RunCommand::ConvertAll, totals, m_console);
        return !totals.failure && totals.converted == m_files.Count() ? AllConverted
                                                                      : SomeNotConverted;
    }

    const BatchOptions& m_options;
    Console m_console;
    ProgramFolders m_folders;
    ConversionSettings m_settings;
    GpsBabelConfig m_hostConfig;
    SourceFileList m_files;
    std::vector<HostConnection> m_hosts;
};

int Convert(const BatchOptions& options) {
    BatchConversion conversion(options);
    try {
        return conversion.Run();
    } catch (const std::exception& error) {
        conversion.ReportError(error.what());
    } catch (...) {
        conversion.ReportError("Unknown error");
    }
    return UsageOrSetupFailed;
}

} // namespace

int RunBatchCommand(const QStringList& arguments) {
    BatchCommandLine commandLine;
    const BatchCommandLine::Outcome outcome = commandLine.Parse(arguments);
    switch (outcome) {
    case BatchCommandLine::Outcome::UsageError:
        std::fprintf(stderr, "tolkconv-batch: %s\nTry 'tolkconv-batch --help'.\n",
                     commandLine.Error().c_str());
        return UsageOrSetupFailed;
    case BatchCommandLine::Outcome::Run:
        return Convert(commandLine.Options());
    default:
        return AnswerQuery(commandLine, outcome);
    }
}

} // namespace tolk
