#include "batch/BatchCommandLine.h"

#include "core/Translate.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tolk {
namespace {

// Each job starts its own engine runs; beyond this many they only wait for the disk and each
// other, while every one of them still holds a thread.
constexpr int MaxJobs = 64;

const char* const Description = QT_TRANSLATE_NOOP(
    "Batch",
    "Converts every file of the source type in the source folder (with --recursive, also those\n"
    "below it), as \"Convert All\" in the window does, through the same engine. Every value not\n"
    "given here comes from the window's settings file (tolkconv.ini in the work folder); the file\n"
    "is written only with --save.\n"
    "\n"
    "Output: one \"Converted: \" or \"Could NOT convert: \" line per file in list order, then the\n"
    "summary; on a terminal a progress line (count, current file, time left) stays below them.\n"
    "Messages go to standard error, prefixed by the file's name while files are converted.\n"
    "\n"
    "Exit status: 0 when every listed file converted; 1 when some did not (or the run was\n"
    "stopped by an engine failure, a folder below the source folder could not be read, or the\n"
    "watched source folder went); 2 for bad usage, a failed check or a failed set-up; 130 or\n"
    "143 when stopped by SIGINT or SIGTERM.");

struct ValueOption {
    const char* name;
    const char* description;
    const char* valueName;
};

// The order here is the order of --help.
const ValueOption ValueOptions[] = {
    {"source-type",
     QT_TRANSLATE_NOOP("Batch", "Source file type, as in the window's list (e.g. gpx)."),
     QT_TRANSLATE_NOOP("Batch", "type")},
    {"merge-type",
     QT_TRANSLATE_NOOP("Batch",
                       "Type of the file of the same name merged into each source file; an empty "
                       "value means no merging."),
     QT_TRANSLATE_NOOP("Batch", "type")},
    {"target-folder",
     QT_TRANSLATE_NOOP("Batch",
                       "Folder the converted files are written to. Given, it also turns off "
                       "\"Same as Source folder\" for this run."),
     QT_TRANSLATE_NOOP("Batch", "folder")},
    {"target-type", QT_TRANSLATE_NOOP("Batch", "Target file type (e.g. kml)."),
     QT_TRANSLATE_NOOP("Batch", "type")},
    {"datum",
     QT_TRANSLATE_NOOP(
         "Batch", "Datum to change to, one of those --list-datums prints; an empty value means no "
                  "change."),
     QT_TRANSLATE_NOOP("Batch", "name")},
    {"grid",
     QT_TRANSLATE_NOOP(
         "Batch",
         "Grid to change to, one of those --list-grids prints; an empty value means no change."),
     QT_TRANSLATE_NOOP("Batch", "name")},
    {"engine-format",
     QT_TRANSLATE_NOOP(
         "Batch",
         "Read and write files of the type with this gpsbabel format (and its options), for this "
         "run, over the choices of hostformats.ini; may be given for several types."),
     QT_TRANSLATE_NOOP("Batch", "type=format[,options]")},
    {"jobs",
     QT_TRANSLATE_NOOP(
         "Batch",
         "Convert n files at a time, 1 to 64 (default: the number of processors). Lines and "
         "results are the same as with one job."),
     QT_TRANSLATE_NOOP("Batch", "n")},
    {"shard",
     QT_TRANSLATE_NOOP(
         "Batch",
         "Convert only the k-th of n slices of the files (1 <= k <= n), chosen by a hash of each "
         "file's path below the source folder: n runs, on as many machines, convert each file "
         "once."),
     QT_TRANSLATE_NOOP("Batch", "k/n")},
    {"settle",
     QT_TRANSLATE_NOOP(
         "Batch",
         "With --watch: how long a file must stay unchanged before it is converted (default 2)."),
     QT_TRANSLATE_NOOP("Batch", "seconds")},
};

// Longer would only delay every file; a copy that pauses longer is better restarted.
constexpr double MaxSettleSeconds = 3600;

std::optional<std::string> ValueIfSet(const QCommandLineParser& parser, const char* name) {
    if (!parser.isSet(QString::fromLatin1(name))) {
        return std::nullopt;
    }
    return parser.value(QString::fromLatin1(name)).toStdString();
}

// Asked by the bash completion for the types, not by people, so --help leaves it out.
QCommandLineOption CompletionOption() {
    QCommandLineOption option(QStringLiteral("completion-values"),
                              QStringLiteral("Print the values of a list for the shell."),
                              QStringLiteral("list"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// Worded as the window program words them. Qt's own help option would also bring --help-all,
// which has no Qt options to add here.
QCommandLineOption HelpOption() {
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              QCoreApplication::translate("Batch", "Show this help and exit."));
}

QCommandLineOption VersionOption() {
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QCoreApplication::translate("Batch", "Show the version and exit."));
}

} // namespace

BatchCommandLine::BatchCommandLine()
    : m_help(HelpOption()), m_version(VersionOption()), m_completion(CompletionOption()) {
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_completion);
    m_parser.setApplicationDescription(QCoreApplication::translate("Batch", Description));
    m_parser.addPositionalArgument(
        QStringLiteral("source-folder"),
        QCoreApplication::translate(
            "Batch", "Folder whose files are converted (default: from the settings)."),
        QStringLiteral("[source-folder]"));
    for (const ValueOption& option : ValueOptions) {
        m_parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.name),
                               QCoreApplication::translate("Batch", option.description),
                               QCoreApplication::translate("Batch", option.valueName)));
    }
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("create-target"),
        QCoreApplication::translate("Batch",
                                    "Create a missing target folder (one level) without asking. "
                                    "Otherwise the terminal asks; without one the answer is no.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("recursive"),
        QCoreApplication::translate(
            "Batch", "Also convert the files in the folders below the source folder, each into "
                     "the same folder below the target folder (made as needed). Hidden folders "
                     "and the target folder are left out.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("only-newer"),
        QCoreApplication::translate(
            "Batch", "Skip the files whose target is newer than the file (and than its merge "
                     "file), and say how many were skipped.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("watch"),
        QCoreApplication::translate(
            "Batch", "After the run (as with --only-newer), keep watching the source folder "
                     "and convert each new or changed file once it has settled; Ctrl-C or "
                     "SIGTERM ends the watch.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("save"),
        QCoreApplication::translate("Batch",
                                    "Once the checks passed, write the values in effect to the "
                                    "settings file, as the window does when it closes.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("strict"),
        QCoreApplication::translate(
            "Batch", "Fail a file whose target type cannot hold all its data (its older target "
                     "is kept) instead of converting what fits and saying what was not kept.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("quiet"),
        QCoreApplication::translate("Batch", "Print only the summary, messages and errors.")));
    m_parser.addOption(QCommandLineOption(
        QStringLiteral("list-types"),
        QCoreApplication::translate(
            "Batch", "List every offered file type with the gpsbabel formats that read and "
                     "write it (none where no format is found), then exit.")));
    m_parser.addOption(
        QCommandLineOption(QStringLiteral("list-datums"),
                           QCoreApplication::translate(
                               "Batch", "List the datums --datum takes, one a line, then exit.")));
    m_parser.addOption(
        QCommandLineOption(QStringLiteral("list-grids"),
                           QCoreApplication::translate(
                               "Batch", "List the grids --grid takes, one a line, then exit.")));
}

BatchCommandLine::Outcome BatchCommandLine::Parse(const QStringList& arguments) {
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText().toStdString();
        return Outcome::UsageError;
    }
    if (m_parser.isSet(m_help)) {
        return Outcome::Help;
    }
    if (m_parser.isSet(m_version)) {
        return Outcome::Version;
    }
    if (m_parser.isSet(m_completion)) {
        return Outcome::CompletionValues;
    }
    if (m_parser.positionalArguments().size() > 1) {
        m_error = Tr("Batch", "Only one source folder can be given.");
        return Outcome::UsageError;
    }
    if (!ReadJobs() || !ReadEngineFormats() || !ReadShard() || !ReadSettle()) {
        return Outcome::UsageError;
    }
    ReadValues();
    const std::pair<const char*, Outcome> queries[] = {{"list-types", Outcome::ListTypes},
                                                       {"list-datums", Outcome::ListDatums},
                                                       {"list-grids", Outcome::ListGrids}};
    for (const auto& [name, query] : queries) {
        if (m_parser.isSet(QString::fromLatin1(name))) {
            return query;
        }
    }
    return Outcome::Run;
}

bool BatchCommandLine::ReadJobs() {
    m_options.jobs = std::clamp(QThread::idealThreadCount(), 1, MaxJobs);
    if (!m_parser.isSet(QStringLiteral("jobs"))) {
        return true;
    }
    bool ok = false;
    const int jobs = m_parser.value(QStringLiteral("jobs")).toInt(&ok);
    if (!ok || jobs < 1 || jobs > MaxJobs) {
        m_error =
            Tr("Batch", "--jobs takes a whole number from 1 to %1, not '%2'.",
               {std::to_string(MaxJobs), m_parser.value(QStringLiteral("jobs")).toStdString()});
        return false;
    }
    m_options.jobs = jobs;
    return true;
}

bool BatchCommandLine::ReadEngineFormats() {
    for (const QString& value : m_parser.values(QStringLiteral("engine-format"))) {
        const std::string text = value.toStdString();
        const auto equals = text.find('=');
        const std::string type = text.substr(0, equals);
        const std::string choice = equals == std::string::npos ? "" : text.substr(equals + 1);
        if (type.empty() || choice.empty() || choice.front() == ',') {
            m_error = Tr("Batch", "--engine-format takes type=format[,options], not '%1'.", {text});
            return false;
        }
        m_options.engineFormats[type] = choice;
    }
    return true;
}

bool BatchCommandLine::ReadShard() {
    if (!m_parser.isSet(QStringLiteral("shard"))) {
        return true;
    }
    const std::string text = m_parser.value(QStringLiteral("shard")).toStdString();
    const std::optional<Shard> shard = ParseShard(text);
    if (!shard) {
        m_error =
            Tr("Batch", "--shard takes k/n, whole numbers with 1 <= k <= n <= 100000, not '%1'.",
               {text});
        return false;
    }
    m_options.shard = *shard;
    return true;
}

bool BatchCommandLine::ReadSettle() {
    m_options.watch = m_parser.isSet(QStringLiteral("watch"));
    if (!m_parser.isSet(QStringLiteral("settle"))) {
        return true;
    }
    if (!m_options.watch) {
        m_error = Tr("Batch", "--settle goes with --watch.");
        return false;
    }
    bool ok = false;
    const QString text = m_parser.value(QStringLiteral("settle"));
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds >= 0 && seconds <= MaxSettleSeconds)) {
        m_error = Tr("Batch", "--settle takes a number of seconds from 0 to 3600, not '%1'.",
                     {text.toStdString()});
        return false;
    }
    m_options.settle = std::chrono::milliseconds(std::llround(seconds * 1000));
    return true;
}

void BatchCommandLine::ReadValues() {
    if (!m_parser.positionalArguments().isEmpty()) {
        m_options.sourceFolder = m_parser.positionalArguments().constFirst().toStdString();
    }
    m_options.sourceType = ValueIfSet(m_parser, "source-type");
    m_options.mergeType = ValueIfSet(m_parser, "merge-type");
    m_options.targetFolder = ValueIfSet(m_parser, "target-folder");
    m_options.targetType = ValueIfSet(m_parser, "target-type");
    m_options.datum = ValueIfSet(m_parser, "datum");
    m_options.grid = ValueIfSet(m_parser, "grid");
    m_options.createTarget = m_parser.isSet(QStringLiteral("create-target"));
    m_options.save = m_parser.isSet(QStringLiteral("save"));
    m_options.quiet = m_parser.isSet(QStringLiteral("quiet"));
    m_options.strict = m_parser.isSet(QStringLiteral("strict"));
    m_options.recursive = m_parser.isSet(QStringLiteral("recursive"));
    m_options.onlyNewer = m_parser.isSet(QStringLiteral("only-newer"));
}

std::string BatchCommandLine::HelpText() const {
    return m_parser.helpText().toStdString();
}

std::string BatchCommandLine::CompletionList() const {
    return m_parser.value(m_completion).toStdString();
}

std::string BatchCommandLine::VersionText() {
    return std::string("tolkconv-batch ") + TOLK_VERSION;
}

} // namespace tolk
