#include "host/ReaderChoice.h"

#include "core/Translate.h"
#include "host/EngineCounts.h"
#include "host/HostReasons.h"
#include "host/PositionCheck.h"
#include "host/WholeFile.h"

#include <algorithm>
#include <filesystem>

namespace tolk {
namespace {

// What the candidates of one file came to, for the reason when none read it believably.
struct Tries {
    std::vector<std::string> names;
    int failed = 0;
    std::string firstComplaint; ///< the first line a reader that failed printed
    std::string lastComplaint;
};

void Count(Tries& tries, const std::string& name, const EngineOutcome& outcome) {
    tries.names.push_back(name);
    if (outcome.Succeeded()) {
        return;
    }
    ++tries.failed;
    const std::string message = EngineMessage(outcome.output);
    tries.lastComplaint = message.substr(0, message.find('\n'));
    // A reader that found nothing says no more than that, whatever it warned of first.
    if (tries.firstComplaint.empty() && !ReadNothing(outcome.output)) {
        tries.firstComplaint = Tr("Host", "%1 said: %2", {name, tries.lastComplaint});
    }
}

std::string NoReaderText(const DocumentInput& input, const Tries& tries, bool& noneRead) {
    noneRead = tries.failed == static_cast<int>(tries.names.size());
    if (!noneRead) {
        return NoneBelievableReason(input.type, tries.names, tries.firstComplaint);
    }
    // Of an empty file each reader says something else; the file simply holds nothing.
    std::error_code error;
    return std::filesystem::file_size(input.path, error) == 0
               ? NothingReadReason({input.type})
               : NoneReadReason(input.type, tries.names.size(), tries.lastComplaint);
}

} // namespace

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
                                                     ChosenRun& run) const {
    // Each input alone, every reader in turn: of those whose positions are plausible the one
    // that read the most points. A read with points at 0,0 or out of range is never taken: a
    // header line read as a point, or columns taken for others, would convert as wrong data.
    std::vector<EngineInput> chosen;
    for (std::size_t index = 0; index < document.size(); ++index) {
        const std::vector<FormatChoice> readers = ReadersInTurn(document[index]);
        const DataKind readAs = KindNamedIn(document[index].path);
        if (readers.size() == 1) {
            chosen.push_back({seenPaths[index], readers.front(), readAs});
            continue;
        }
        std::optional<FormatChoice> found;
        long foundPoints = 0;
        Tries tries;
        for (const FormatChoice& reader : readers) {
            const EngineOutcome outcome = runner.Run(
                ConversionArguments({{seenPaths[index], reader, readAs}}, {}, probePath));
            Count(tries, reader.format.name, outcome);
            const std::string probe = outcome.Succeeded() ? ReadWholeFile(probePath) : "";
            const long points = PositionCount(probe);
            if (CheckPositions(probe) == Plausibility::Plausible && points > foundPoints) {
                found = reader;
                foundPoints = points;
            }
        }
        if (!found) {
            run.noReader = NoReaderText(document[index], tries, run.noneRead);
            return {};
        }
        chosen.push_back({seenPaths[index], *found, readAs});
    }
    return chosen;
}

ChosenRun ReaderChoice::RunConversion(const EngineRunner& runner, std::vector<EngineInput>& inputs,
                                      const std::vector<EngineOutput>& outputs,
                                      const std::vector<DocumentInput>& document,
                                      const std::vector<std::string>& seenPaths,
                                      const std::string& probePath, bool choosing) const {
    // The run also writes a probe of what it read. Where a type has several readers only a probe
    // with plausible positions keeps the first choice; otherwise each input's reader is chosen
    // alone and the run made again.
    ChosenRun run;
    run.outcome = runner.Run(ConversionArguments(inputs, outputs, probePath));
    if (choosing && !(run.outcome.Succeeded() &&
                      CheckPositions(ReadWholeFile(probePath)) == Plausibility::Plausible)) {
        std::vector<EngineInput> chosen =
            ChooseReaders(runner, document, seenPaths, probePath, run);
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
