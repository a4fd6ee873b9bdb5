#include "host/ReaderChoice.h"

#include "host/PositionCheck.h"
#include "host/WholeFile.h"

#include <algorithm>
#include <optional>

namespace tolk {

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

std::vector<EngineInput> ReaderChoice::ChooseReaders(const EngineRunner& runner,
                                                     const std::vector<DocumentInput>& document,
                                                     const std::vector<std::string>& seenPaths,
                                                     const std::string& probePath) const {
    // Each input alone, every reader in turn: of those whose positions are plausible the one
    // that read the most points; else the first with only a few points at 0,0; else the first,
    // whose failure then says why.
    std::vector<EngineInput> chosen;
    for (std::size_t index = 0; index < document.size(); ++index) {
        const std::vector<FormatChoice> readers = ReadersInTurn(document[index]);
        const DataKind readAs = KindNamedIn(document[index].path);
        std::optional<FormatChoice> fallback;
        std::optional<FormatChoice> found;
        long foundPoints = 0;
        for (std::size_t turn = 0; readers.size() > 1 && turn < readers.size(); ++turn) {
            const FormatChoice& reader = readers[turn];
            const EngineOutcome outcome = runner.Run(
                ConversionArguments({{seenPaths[index], reader, readAs}}, {}, probePath));
            const std::string probe = outcome.Succeeded() ? ReadWholeFile(probePath) : "";
            const Plausibility verdict = CheckPositions(probe);
            const long points = PositionCount(probe);
            if (verdict == Plausibility::Plausible && points > foundPoints) {
                found = reader;
                foundPoints = points;
            } else if (verdict == Plausibility::SomeAtZero && !fallback) {
                fallback = reader;
            }
        }
        chosen.push_back(
            {seenPaths[index], found ? *found : fallback.value_or(readers.front()), readAs});
    }
    return chosen;
}

EngineOutcome ReaderChoice::RunConversion(const EngineRunner& runner,
                                          std::vector<EngineInput>& inputs,
                                          const std::vector<EngineOutput>& outputs,
                                          const std::vector<DocumentInput>& document,
                                          const std::vector<std::string>& seenPaths,
                                          const std::string& probePath, bool choosing) const {
    // The run also writes a probe of what it read. Where a type has several readers only a probe
    // with plausible positions keeps the first choice; otherwise each input's reader is chosen
    // alone and the run made again.
    EngineOutcome outcome = runner.Run(ConversionArguments(inputs, outputs, probePath));
    if (choosing && !(outcome.Succeeded() &&
                      CheckPositions(ReadWholeFile(probePath)) == Plausibility::Plausible)) {
        inputs = ChooseReaders(runner, document, seenPaths, probePath);
        outcome = runner.Run(ConversionArguments(inputs, outputs, probePath));
    }
    return outcome;
}

void ReaderChoice::Remember(const std::vector<DocumentInput>& document,
                            const std::vector<EngineInput>& inputs) {
    const std::lock_guard lock(m_mutex);
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        m_lastReader[document[index].layout] = inputs[index].format.format.name;
    }
}

} // namespace tolk
