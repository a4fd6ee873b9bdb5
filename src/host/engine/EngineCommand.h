#pragma once

#include "host/formats/EngineFormat.h"

#include <span>
#include <string>
#include <vector>

namespace tolk {

/// The engine's arguments, built in the order the engine takes them: kinds to read, files read,
/// filters, files written. A whole command (Whole) begins by switching the engine's own defaults
/// file off, so that nothing the user set for the engine changes what a run does; a part (made
/// empty) is joined to a whole one with Then.
class EngineCommand {
public:
    EngineCommand() = default;
    /// A whole command: the engine's defaults file off.
    static EngineCommand Whole();

    /// Reads (or, before a write, writes) the kind: "-w", "-t" or "-r".
    EngineCommand& Kind(DataKind kind);
    EngineCommand& Kinds(std::span<const DataKind> kinds);
    /// Reads the file with the format (its name, then any options).
    EngineCommand& Read(const std::string& format, const std::string& path);
    /// Writes what the run holds to the file with the format (its name, then any options).
    EngineCommand& Write(const std::string& format, const std::string& path);
    /// The validate filter: reports the counts of what was read (see CountsRead) and, with
    /// `failEmpty`, fails a run that read nothing (see ReadNothing).
    EngineCommand& Count(bool failEmpty = false);
    /// The nuketypes filter: drops the kinds' data from what the run holds. `mark` is an option
    /// the filter does not have, which the engine then warns of by name (see RunMarks).
    EngineCommand& Drop(std::span<const DataKind> kinds, const std::string& mark = {});
    /// Appends a part built on its own.
    EngineCommand& Then(const std::vector<std::string>& part);

    const std::vector<std::string>& Arguments() const { return m_arguments; }
    operator const std::vector<std::string>&() const { return m_arguments; }

private:
    std::vector<std::string> m_arguments;
};

} // namespace tolk
