#pragma once

#include "host/formats/TypeFormatMap.h"

#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// One input of a conversion: a file and the format it is read with.
struct EngineInput {
    std::string path; ///< absolute, so that the engine can never take it for an option
    FormatChoice format;
    /// What a format that reads one kind per file is to read it as (see KindNamedIn).
    DataKind readAs = DataKind::Waypoints;
};

/// The engine's flag for a kind: "-w", "-t" or "-r".
const char* KindFlag(DataKind kind);

/// The kind's name in file names and engine filters: "waypoints", "tracks" or "routes".
const char* KindName(DataKind kind);

/// One point of the kind in words: "waypoint", "track point" or "route point".
const char* PointName(DataKind kind);

/// The kind a file of one kind holds by its name: tracks for "walk-tracks.shp", routes for
/// "walk-routes.shp", waypoints for any other.
DataKind KindNamedIn(const std::string& path);

/// One file an engine run writes: the file, its format, and the document's datum and grid.
struct EngineOutput {
    std::string path; ///< absolute
    FormatChoice format;
    std::string datum;       ///< engine datum name; empty for none
    std::string gridKeyword; ///< engine grid keyword; empty for none
    /// The one kind of data this file gets, for formats that hold one kind per file; none for
    /// every kind carried.
    std::optional<DataKind> kind;
};

/// The format as the engine is given it: its name, then any options.
std::string FormatArgument(const FormatChoice& choice);

/// The engine's arguments for writing what the run holds to the output, its datum and grid
/// included where its format takes them.
std::vector<std::string> WriteArguments(const EngineOutput& output);

/// The kinds of data a run carries: those some input reads and the output writes.
std::vector<DataKind> CarriedKinds(const std::vector<EngineInput>& inputs,
                                   const FormatChoice& output);

/// The engine's arguments for reading every input and writing the outputs in one run, with the
/// engine's own defaults file switched off. Every kind the inputs' formats read is read. The
/// datum and grid go to the output format only when it has those options: formats that always
/// hold WGS 84 degrees take neither. Between reading and writing the validate filter fails a read
/// that yields no data and reports the counts read, so that the run itself proves what it
/// carried. With a probe path, the run also writes everything read to that GPX file, whose
/// positions tell a right reader from a wrong one. The kinds the outputs' format does not write
/// are then dropped, and the outputs written.
/// The waypoint flag comes last before reading: formats that read one kind per file read the
/// kind of the last flag, and a file of points is a file of waypoints unless its name ends in
/// "-tracks" or "-routes" (see CompanionPath).
std::vector<std::string> ConversionArguments(const std::vector<EngineInput>& inputs,
                                             const std::vector<EngineOutput>& outputs,
                                             const std::string& probePath = {});

/// The kind flags ConversionArguments begins with: every kind the inputs' formats read, that of
/// the first input's readAs last.
std::vector<std::string> ConversionFlags(const std::vector<EngineInput>& inputs);

/// What follows the flags in ConversionArguments: the inputs read, checked and probed, and the
/// outputs written. Runs of several conversions give the engine these one after the other.
std::vector<std::string> ConversionSteps(const std::vector<EngineInput>& inputs,
                                         const std::vector<EngineOutput>& outputs,
                                         const std::string& probePath = {});

/// Where the data of one kind goes when the target's format holds one kind per file and the
/// target's own name holds another kind: "walk.shp" gives "walk-tracks.shp".
std::string CompanionPath(const std::string& targetPath, DataKind kind);

} // namespace tolk
