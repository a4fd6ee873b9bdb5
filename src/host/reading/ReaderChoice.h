#pragma once

#include "host/HostLink.h"
#include "host/engine/ConversionCommand.h"
#include "host/engine/EngineRunner.h"
#include "host/reading/HostDocument.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tolk {

/// A conversion run with its readers chosen, or why no reader could be chosen for a file.
struct ChosenRun {
    EngineOutcome outcome;
    /// Why no candidate read one of the files believably; the run's outcome then tells nothing.
    std::optional<std::string> noReader;
    /// Every candidate reader of that file failed outright (rather than reading nonsense).
    bool noneRead = false;
};

/// Chooses the format that reads each file of a document where several may: of the believable
/// reads the one that accounts for most of the file, on a tie the one its records name; when
/// none is believable, the first of the engine's other line readers that reads the file whole.
/// Remembers per layout of file the one that last read such a file well. Hosts working side by side
/// share one, so that the reader of a file never depends on which of them took it.
class ReaderChoice {
public:
    /// The input's readers in the order to try them: the one that last read a file of the same
    /// layout first.
    std::vector<FormatChoice> ReadersInTurn(const DocumentInput& input) const;

    /// Runs the conversion with the readers in `inputs`, which also writes a probe of what it
    /// read to `probePath`; when `choosing` and the probe is not Believable, chooses each
    /// input's reader anew (into `inputs`) and runs again, unless no candidate of some input
    /// reads it believably. `seenPaths` are the inputs' paths as the engine sees them, in the
    /// order of `document`. Candidates are read side by side with the run's spare engines, if
    /// any (`spare` null: one after another); the reader chosen is the same either way.
    ChosenRun RunConversion(const EngineRunner& runner, std::vector<EngineInput>& inputs,
                            const std::vector<EngineOutput>& outputs,
                            const std::vector<DocumentInput>& document,
                            const std::vector<std::string>& seenPaths, const std::string& probePath,
                            bool choosing, SpareEngines* spare) const;

    /// Whether the GPX of what a run read of `document` is a believable read of the files:
    /// plausible positions in proportion to the files' records (see WeighRead), and not columns of
    /// whole degrees that the files do not name as positions.
    static bool Believable(const std::string& probeGpx, const std::vector<DocumentInput>& document);

    /// Whether the input's reader is settled: it has one candidate, or one read a file of its
    /// layout well before.
    bool Settled(const DocumentInput& input) const;

    /// Remembers the readers of a save that succeeded, `inputs` in the order of `document`.
    void Remember(const std::vector<DocumentInput>& document,
                  const std::vector<EngineInput>& inputs);

private:
    /// The readers chosen, or (in `run`) why there are none.
    std::vector<EngineInput> ChooseReaders(const EngineRunner& runner,
                                           const std::vector<DocumentInput>& document,
                                           const std::vector<std::string>& seenPaths,
                                           const std::string& probePath, SpareEngines* spare,
                                           ChosenRun& run) const;

    /// Per layout of file (DocumentInput::layout), the format that last read such a file well:
    /// per type alone, a reader that skips a header row it expects would go first for every
    /// file after one of its own, and its plausible read of fewer rows would be kept.
    std::map<std::string, std::string> m_lastReader;
    mutable std::mutex m_mutex;
};

} // namespace tolk
