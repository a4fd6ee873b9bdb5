#include "host/reading/ReaderChoice.h"

#include "core/Translate.h"
#include "host/engine/EngineCounts.h"
#include "host/engine/HostCalls.h"
#include "host/engine/WholeFile.h"
#include "host/formats/HostReasons.h"
#include "host/reading/ContentReaders.h"
#include "host/reading/PositionCheck.h"
#include "host/reading/ReadGroup.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <span>
#include <tuple>

namespace tolk {
namespace {

// What the candidates of one file came to, for the reason when none read it believably.
struct Tries {
    std::vector<std::string> names;
    std::size_t others = 0; ///< of them, the engine's other readers tried last
    int failed = 0;
    std::string firstComplaint; ///< the first line a reader that failed printed
    std::string lastComplaint;
};

void Count(Tries& tries, const std::string& name, const EngineOutcome& outcome,
           std::chrono::milliseconds limit) {
    tries.names.push_back(name);
    if (outcome.Succeeded()) {
        return;
    }
    ++tries.failed;
    // A run that did not end by itself says so first: out of memory, out of time.
    const std::string message = outcome.ending == EngineOutcome::Ending::Finished
                                    ? EngineMessage(outcome.output)
                                    : outcome.Failure(EngineName, limit);
    tries.lastComplaint = message.substr(0, message.find('\n'));
    // A reader that found nothing says no more than that, whatever it warned of first.
    if (tries.firstComplaint.empty() && !ReadNothing(outcome.output)) {
        tries.firstComplaint = Tr("Host", "%1 said: %2", {name, tries.lastComplaint});
    }
}

std::string NoReaderText(const DocumentInput& input, const Tries& tries, bool& noneRead) {
    noneRead = tries.failed == static_cast<int>(tries.names.size());
    if (!noneRead) {
        return NoneBelievableReason(input.type, tries.names, tries.others, tries.firstComplaint);
    }
    // Of an empty file each reader says something else; the file simply holds nothing.
    std::error_code error;
    return std::filesystem::file_size(input.path, error) == 0
               ? NothingReadReason({input.type})
               : NoneReadReason(input.type, tries.names.size() - tries.others, tries.others,
                                tries.lastComplaint);
}

// How long one of the engine's other readers may take over a file no candidate read: it is a
// guess, tried only before failing, and several may be tried.
constexpr std::chrono::seconds LastResortLimit(20);

// The records of the input's file that carry a position in the shape its records have; none
// where the shape is not known. `generic`: count a text file's lines where the shape is not known.
std::optional<PositionRecordCount> RecordsOf(const DocumentInput& input, bool generic = false) {
    if (input.shape.kind == RecordKind::None && !(generic && input.shape.text)) {
        return std::nullopt;
    }
    return FilePositionRecords(input.path, input.shape.kind);
}

// Points on whole degrees from lines of text: columns that are not positions, read as ones.
bool WholeDegreesCount(const ReadWeight& weight, const DocumentInput& input) {
    return weight.wholeDegrees && input.shape.text;
}

// One reader's read of a file alone.
struct Weighed {
    FormatChoice reader;
    ReadWeight weight;
    long points = 0;
    bool contentNamed = false;
};

// Of two believable reads the better: one not on whole degrees, then the one that accounts for
// more of the file, then the one the file's content names, then the one that read more points.
bool Better(const Weighed& read, const std::optional<Weighed>& best, const DocumentInput& input) {
    if (!best) {
        return true;
    }
    const auto key = [&](const Weighed& weighed) {
        return std::tuple(!WholeDegreesCount(weighed.weight, input), weighed.weight.share,
                          weighed.contentNamed, weighed.points);
    };
    return key(read) > key(*best);
}

// What reads an input by each of its readers alone.
struct Reading {
    const EngineRunner& runner;
    const DocumentInput& input;
    const EngineInput& seen;
    std::optional<PositionRecordCount> records;
    const std::string& probePath;
    SpareEngines* spare;
};

// The input's read by each reader alone, handed to `enough` in the readers' order until it says
// so, each counted in `tries` before: as one after another, whatever was read side by side.
void ReadInTurn(const Reading& reading, const std::vector<FormatChoice>& readers, Tries& tries,
                const std::function<bool(Weighed)>& enough) {
    const std::vector<std::string>& named = reading.input.contentReaders;
    for (std::size_t first = 0; first < readers.size();) {
        const ReadGroup group(reading.runner, reading.seen, std::span(readers).subspan(first),
                              reading.probePath, reading.spare);
        for (std::size_t read = 0; read < group.Size(); ++read) {
            const FormatChoice& reader = readers[first + read];
            Count(tries, reader.format.name, group.Outcome(read), reading.runner.Limit());
            const std::string probe = group.Probe(read);
            if (enough({reader, WeighRead(probe, reading.records), PositionCount(probe),
                        std::ranges::find(named, reader.format.name) != named.end()})) {
                return;
            }
        }
        first += group.Size();
    }
}

bool Acceptable(const Weighed& read, const DocumentInput& input) {
    return read.weight.plausible &&
           (!WholeDegreesCount(read.weight, input) || input.shape.positionsNamed);
}

// Of the readers, the one whose believable read accounts for most of the file.
std::optional<FormatChoice> BestReader(const Reading& reading,
                                       const std::vector<FormatChoice>& readers, Tries& tries) {
    std::optional<Weighed> best;
    ReadInTurn(reading, readers, tries, [&](Weighed read) {
        if (Acceptable(read, reading.input) && Better(read, best, reading.input)) {
            best = std::move(read);
        }
        return false;
    });
    return best ? std::optional<FormatChoice>(best->reader) : std::nullopt;
}

// The first of the engine's other readers of line records that reads the file whole, each try
// within bounded time and memory.
std::optional<FormatChoice> LastResort(const Reading& reading, Tries& tries) {
    const DocumentInput& input = reading.input;
    if (input.lastResort.empty()) {
        return std::nullopt;
    }
    const EngineRunner bounded = WithinLimit(reading.runner, LastResortLimit);
    const Reading lastResort{bounded,           input,        reading.seen, RecordsOf(input, true),
                             reading.probePath, reading.spare};
    std::optional<FormatChoice> found;
    ReadInTurn(lastResort, input.lastResort, tries, [&](Weighed read) {
        ++tries.others;
        if (Acceptable(read, input) && ReadsWholly(read.weight)) {
            found = read.reader;
        }
        return found.has_value();
    });
    return found;
}

} // namespace

bool ReaderChoice::Believable(const std::string& probeGpx,
                              const std::vector<DocumentInput>& document) {
    // Merged files are weighed together: their records add up, and their places join where
    // each file's records place their positions.
    std::optional<PositionRecordCount> records = PositionRecordCount{};
    for (const DocumentInput& input : document) {
        const std::optional<PositionRecordCount> known = RecordsOf(input);
        if (!known || !records) {
            records.reset();
            continue;
        }
        const bool placed = known->placed && (records->placed || records->records == 0);
        records->records += known->records;
        records->placed = placed;
        records->minLat = std::min(records->minLat, known->minLat);
        records->maxLat = std::max(records->maxLat, known->maxLat);
        records->minLon = std::min(records->minLon, known->minLon);
        records->maxLon = std::max(records->maxLon, known->maxLon);
    }
    const ReadWeight weight = WeighRead(probeGpx, records);
    const bool lines =
        std::ranges::any_of(document, [](const DocumentInput& input) { return input.shape.text; });
    return weight.plausible && !(weight.wholeDegrees && lines);
}

std::vector<FormatChoice> ReaderChoice::ReadersInTurn(const DocumentInput& input) const {
    std::vector<FormatChoice> readers = input.readers;
    const std::lock_guard lock(m_mutex);
    const auto last = m_lastReader.find(input.layout);
    if (last != m_lastReader.end()) {
        std::stable_partition(readers.begin(), readers.end(), [&](const FormatChoice& reader) {
            return reader.format.name == last->second;
        });
    }
    return readers;
}

bool ReaderChoice::Settled(const DocumentInput& input) const {
    const std::lock_guard lock(m_mutex);
    return input.readers.size() == 1 || m_lastReader.contains(input.layout);
}

std::vector<EngineInput> ReaderChoice::ChooseReaders(const EngineRunner& runner,
                                                     const std::vector<DocumentInput>& document,
                                                     const std::vector<std::string>& seenPaths,
                                                     const std::string& probePath,
                                                     SpareEngines* spare, ChosenRun& run) const {
    // Each input alone, every reader in turn: of those whose read is believable the one that
    // accounts for most of the file. A read with points at 0,0 or out of range is never taken: a
    // header line read as a point, or columns taken for others, would convert as wrong data.
    std::vector<EngineInput> chosen;
    for (std::size_t index = 0; index < document.size(); ++index) {
        const DocumentInput& input = document[index];
        const std::vector<FormatChoice> readers = ReadersInTurn(input);
        const EngineInput seen{seenPaths[index], readers.front(), KindNamedIn(input.path)};
        if (readers.size() == 1) {
            chosen.push_back(seen);
            continue;
        }
        Tries tries;
        const Reading reading{runner, input, seen, RecordsOf(input), probePath, spare};
        std::optional<FormatChoice> found = BestReader(reading, readers, tries);
        if (!found) {
            found = LastResort(reading, tries);
        }
        if (!found) {
            run.noReader = NoReaderText(input, tries, run.noneRead);
            return {};
        }
        chosen.push_back({seen.path, *found, seen.readAs});
    }
    return chosen;
}

ChosenRun ReaderChoice::RunConversion(const EngineRunner& runner, std::vector<EngineInput>& inputs,
                                      const std::vector<EngineOutput>& outputs,
                                      const std::vector<DocumentInput>& document,
                                      const std::vector<std::string>& seenPaths,
                                      const std::string& probePath, bool choosing,
                                      SpareEngines* spare) const {
    // The run also writes a probe of what it read. Where a type has several readers only a probe
    // with plausible positions keeps the first choice; otherwise each input's reader is chosen
    // alone and the run made again.
    ChosenRun run;
    run.outcome = runner.Run(ConversionArguments(inputs, outputs, probePath));
    if (choosing && !(run.outcome.Succeeded() && Believable(ReadWholeFile(probePath), document))) {
        std::vector<EngineInput> chosen =
            ChooseReaders(runner, document, seenPaths, probePath, spare, run);
        if (!run.noReader) {
            inputs = std::move(chosen);
            run.outcome = runner.Run(ConversionArguments(inputs, outputs, probePath));
        }
    }
    return run;
}

void ReaderChoice::Remember(const std::vector<DocumentInput>& document,
                            const std::vector<EngineInput>& inputs) {
    const std::lock_guard lock(m_mutex);
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        m_lastReader[document[index].layout] = inputs[index].format.format.name;
    }
}

} // namespace tolk
