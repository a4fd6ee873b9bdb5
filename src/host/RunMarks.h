#pragma once

#include "host/ConversionCommand.h"

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

/// An empty file the target's writer writes before the first file of a run and after each, for
/// a writer that remembers some kind of data from earlier files: the file after one holding such
/// data differs from the one before any (see WriterMemory).
struct RunEcho {
    EngineOutput output; ///< the target's writer; its path is that of the first echo
    /// Where the echo written after the file (or, for none, before the first) lies.
    std::string PathAfter(std::optional<std::size_t> file) const;
};

/// The engine's arguments for converting the files one after the other in one run: the kind
/// flags, then each file's steps (ConversionSteps), its echo and its mark.
std::vector<std::string> SharedRunArguments(const std::vector<std::string>& flags,
                                            const std::vector<std::vector<std::string>>& files,
                                            const RunMarks& marks,
                                            const std::optional<RunEcho>& echo);

/// How many of the run's marks the output holds.
std::size_t MarksIn(const std::string& output, const RunMarks& marks);

} // namespace tolk
