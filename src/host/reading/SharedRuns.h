#pragma once

#include "host/engine/EngineRunner.h"
#include "host/formats/TypeFormatMap.h"
#include "host/reading/LearnedFormats.h"

#include <string>

namespace tolk {

// Many files may share one engine run, their data emptied between them, only where each comes
// out exactly as in a run of its own. That holds for a pair of the file's reader and the
// target's writer, each with the user's options, once proven with the engine at hand; what was
// proven is kept per engine as the start-up cache tells engines apart (EngineIdentity), and
// anything not proven converts one file per run.

/// What the target's writer, with its options, carries over from one file of a run to the
/// next, learned by converting GPX files shared and alone.
enum class WriterMemory {
    Forgets, ///< nothing
    /// Some kind of data it saw (such as the heart rate of track points), which then shows in
    /// the empty file it writes after the file, against the one it wrote just before it
    /// (RunEcho): a file after which it does so is the last of its run, and the files after it
    /// start a new one. The empty files are asked for around every file that may hold such data
    /// (MayHoldRememberedData), and only there.
    Shows,
    /// Something it does not show (the version of the files read, a running distance): one file
    /// per run.
    Keeps,
};

/// The writer's memory for the engine `engine` (EngineIdentity).
WriterMemory MemoryOf(LearnedFormats& learned, const std::string& engine,
                      const FormatChoice& writer, const EngineRunner& runner);

/// Whether the file at `path`, read by the reader, may hold a kind of data a writer remembers
/// (WriterMemory::Shows). The kinds such a writer remembers are what track points carry beyond
/// their place, time, altitude and name (heart rate, cadence, temperature), which the GPX reader
/// reads only from extensions elements: a GPX file without one holds none. A file read by any
/// other reader, or that cannot be read, may hold some.
bool MayHoldRememberedData(const FormatChoice& reader, const std::string& path);

/// Whether the reader, with its options, reads files of the sort (SortOfFile) in a run shared
/// with other files exactly as in a run of its own, written by the writer. Proven by converting
/// a full file then a sparse one (no names, altitudes or times) then the full one again, made
/// with the engine's own writer of the reader's format, shared and alone with the engine's
/// clock frozen: every output byte for byte alike. A reader whose format the engine cannot write,
/// or cannot write every kind it reads, or whose written files are of another sort, cannot be
/// proven so, and converts one file per run.
bool ReaderShares(LearnedFormats& learned, const std::string& engine, const FormatChoice& reader,
                  const FormatChoice& writer, const std::string& sort, const EngineRunner& runner);

/// The sort of file the first bytes begin: "xml", "text" or "binary". A reader may read files
/// of each sort along other paths, so a proof holds for files of its sort only.
std::string SortOfFile(const std::string& leadingBytes);

} // namespace tolk
