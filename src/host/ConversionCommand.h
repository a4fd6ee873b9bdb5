#pragma once

#include "host/TypeFormatMap.h"

#include <string>
#include <vector>

namespace tolk {

/// One input of a conversion: a file and the format it is read with.
struct EngineInput {
    std::string path; ///< absolute, so that the engine can never take it for an option
    FormatChoice format;
};

/// What one engine run writes: the file, its format, and the document's datum and grid.
struct EngineOutput {
    std::string path; ///< absolute
    FormatChoice format;
    std::string datum;       ///< engine datum name; empty for none
    std::string gridKeyword; ///< engine grid keyword; empty for none
};

/// The kinds of data a run carries: those some input reads and the output writes.
std::vector<DataKind> CarriedKinds(const std::vector<EngineInput>& inputs,
                                   const FormatChoice& output);

/// The engine's arguments for reading every input and writing the output in one run, with the
/// engine's own defaults file switched off. The datum and grid go to the output format only
/// when it has those options: formats that always hold WGS 84 degrees take neither. Between
/// reading and writing the validate filter fails a read that yields no data and reports the
/// counts read, so that the run itself proves what it carried. With a probe path, the run also
/// writes everything read to that GPX file, whose positions tell a right reader from a wrong one.
std::vector<std::string> ConversionArguments(const std::vector<EngineInput>& inputs,
                                             const EngineOutput& output,
                                             const std::string& probePath = {});

} // namespace tolk
