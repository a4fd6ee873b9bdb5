#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tolk::bench {

/// A fresh folder for one bench run in the temporary folder, holding "src" with `count` small
/// GPX files ("track 0.gpx", ...; each a few waypoints and a short track, all different) and the
/// empty output folders "ours" and "shell". Returns the files' names.
std::vector<std::string> MakeBenchFolder(const std::filesystem::path& root, int count);

/// Adds to root/src `count` small headed comma separated files ("points 0.csv", ...; a header
/// line and a few waypoints each), a type several engine formats claim. Returns their names.
std::vector<std::string> AddHeadedCsvFiles(const std::filesystem::path& root, int count);

/// Points HOME, and the first XDG configuration folder, into the given folder, so that a command
/// run from the bench finds its settings and registry there, never in the user's home or /etc.
void UseHomeIn(const std::filesystem::path& home);

/// The folder MakeBenchFolder is given: named after this process, in the temporary folder.
std::filesystem::path BenchRoot();

/// Adds to root/src `count` GPX files of one track of `points` points each ("long 0.gpx", ...),
/// every point with an elevation, a time and a few more fields, as a logger writes them.
std::vector<std::string> AddLongTracks(const std::filesystem::path& root, int count, int points);

struct Took {
    double wall;      ///< seconds on the clock
    double cpu;       ///< processor seconds of this program and of the processes it waited for
    long peakKiB = 0; ///< the most memory one of the processes held at once (MeasureCommand)
};

/// How long the action took.
Took Measure(const std::function<void()>& action);

/// How long the shell command took, and the peak memory of the largest process it ran.
Took MeasureCommand(const std::string& command);

/// A shell command converting every root/src/*.<type> to root/<outFolder>/*.kml, one engine start
/// per file, reading with the engine format named: the plain conversion a user would type.
std::string EngineShellLoop(const std::filesystem::path& root, const std::string& outFolder,
                            const std::string& type = "gpx", const std::string& format = "gpx");

/// Prints one row of the table that bench/run shows: what was measured, our figure, the
/// reference's figure and how many times the reference's time ours took.
void PrintTableRow(const std::string& what, const std::string& ours, const std::string& reference,
                   double ratio);

/// A time in milliseconds as the table shows it.
std::string Milliseconds(double milliseconds);

/// A run over many files as the table shows it: the time on the clock and the time a file.
std::string SecondsForFiles(const Took& took, int files);

/// A shell command converting every root/src/*.gpx to root/<outFolder>/*.kml with `jobs`
/// engine runs at a time through xargs, one engine start per file and no shell in between: the
/// parallel loop a user would write.
std::string EngineXargsRuns(const std::filesystem::path& root, const std::string& outFolder,
                            int jobs);

/// A command converting every root/src/*.gpx to root/<outFolder>/*.kml in one engine process,
/// one file after the other with the engine's filter emptying its data between them, and no
/// checks at all: the limit a checked conversion of many files is measured against. The files'
/// steps go to a batch file of options (root/engine-batch), as they would not fit a command line.
std::string SingleEngineRun(const std::filesystem::path& root, const std::string& outFolder);

/// The commands' times over `rounds` rounds, each command once a round, the rounds beginning with
/// each command in turn so that no command always follows the same one; before them, one untimed
/// run of each, so that the engine, the program and the files are in the page cache and what the
/// program learns of the engine once is learned. Returns each command's times, in rounds.
std::vector<std::vector<Took>> MeasureAlternated(const std::vector<std::string>& commands,
                                                 int rounds);

/// The middle value (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

/// Prints a row of the table for two commands measured in the same rounds: each one's median time
/// on the clock, and the median of the rounds' ratios of the first's time to the second's (or,
/// for a speed-up, the second's to the first's) with its goal.
struct RowGoal {
    std::string text; ///< how the table shows the goal, such as "at most 1.00"
    bool speedUp = false;
};
void PrintAlternatedRow(const std::string& what, const std::vector<Took>& ours,
                        const std::string& reference, const std::vector<Took>& theirs, int files,
                        const RowGoal& goal);

/// A memory size as the table shows it.
std::string MiB(long kib);

/// Runs the shell loop once untimed, so that the engine is in the page cache for both timed
/// runs, then runs it timed.
Took MeasureEngineShellLoop(const std::filesystem::path& root, const std::string& outFolder,
                            const std::string& type = "gpx", const std::string& format = "gpx");

} // namespace tolk::bench
