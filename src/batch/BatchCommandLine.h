#pragma once

#include "batch/BatchOptions.h"

#include <QCommandLineParser>
#include <QStringList>
#include <string>

namespace tolk {

/// The command line of tolkconv-batch, read with Qt's parser.
class BatchCommandLine {
public:
    enum class Outcome {
        Run,
        ListTypes,
        ListDatums,
        ListGrids,
        Help,
        Version,
        CompletionValues,
        UsageError
    };

    BatchCommandLine();

    /// Reads the arguments (the program's name first). With Run, Options() holds what was
    /// asked for; with UsageError, Error() says what is wrong.
    Outcome Parse(const QStringList& arguments);

    const BatchOptions& Options() const { return m_options; }
    const std::string& Error() const { return m_error; }
    /// With CompletionValues: the list the shell's completion asked for (see CompletionValues).
    std::string CompletionList() const;
    std::string HelpText() const;
    /// "tolkconv-batch <version>".
    static std::string VersionText();

private:
    bool ReadJobs();
    bool ReadEngineFormats();
    bool ReadShard();
    bool ReadSettle();
    void ReadValues();

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_completion;
    BatchOptions m_options;
    std::string m_error;
};

} // namespace tolk
