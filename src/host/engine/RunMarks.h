#pragma once

#include "host/engine/ConversionCommand.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// The marks that end each file's part of the output of one engine run converting many files.
/// A mark is the warning the engine prints for an option its filter does not have, and the
/// option's name holds a token drawn afresh for each run, so that nothing a file's name, path,
/// option or content holds can produce one. It is printed once the file's outputs are written.
class RunMarks {
public:
    RunMarks();

    /// What follows a file's part of the run: its data emptied, its mark printed.
    std::vector<std::string> After(std::size_t file) const;
    /// What every mark begins with in the engine's output.
    const std::string& Start() const { return m_start; }

private:
    std::string m_token;
    std::string m_start;
};

/// Empty files the target's writer writes just before and just after each file of a run that may
/// hold some kind of data the writer remembers from earlier files: the one after a file holding
/// such data differs from the one before it (see WriterMemory). Written within moments of each
/// other, the two rarely differ by the clock time a writer may put in its files; when they do, a
/// run is given up that could have gone on, and nothing else.
struct RunEcho {
    EngineOutput output; ///< the target's writer; the echoes' paths begin with its path
    /// Whether each file of the run, by its place in the run, has echoes around it.
    std::vector<bool> aroundFile;
    /// Whether the file has echoes around it.
    bool Around(std::size_t file) const { return file < aroundFile.size() && aroundFile[file]; }
    /// Where the echo written before or after the file lies.
    std::string Path(std::size_t file, bool after) const;
    /// Whether the echo after the file differs from the one before it.
    bool Shows(std::size_t file) const;
};

/// The engine's arguments for converting the files one after the other in one run: the kind
/// flags, then each file's steps (ConversionSteps) between its echoes where it has them, and its
/// mark.
std::vector<std::string> SharedRunArguments(const std::vector<std::string>& flags,
                                            const std::vector<std::vector<std::string>>& files,
                                            const RunMarks& marks,
                                            const std::optional<RunEcho>& echo);

/// How many of the run's marks the output holds.
std::size_t MarksIn(const std::string& output, const RunMarks& marks);

} // namespace tolk
