#include "host/reading/ReadGroup.h"

#include "host/engine/WholeFile.h"

#include <filesystem>

namespace tolk {
namespace {

// Engines of the run's spare ones, taken for a while and given back however it ends.
class BorrowedEngines {
public:
    BorrowedEngines(SpareEngines* spare, int most)
        : m_spare(spare), m_count(spare != nullptr ? spare->Take(most) : 0) {}
    ~BorrowedEngines() {
        if (m_count > 0) {
            m_spare->Add(m_count);
        }
    }
    BorrowedEngines(const BorrowedEngines&) = delete;
    BorrowedEngines& operator=(const BorrowedEngines&) = delete;

    int Count() const { return m_count; }

private:
    SpareEngines* m_spare;
    int m_count;
};

// The probe of a group's read after its first: "probe.gpx", "probe-1.gpx", "probe-2.gpx", ...
std::string ProbeBeside(const std::string& first, std::size_t read) {
    std::filesystem::path path(first);
    const std::string name =
        path.stem().string() + "-" + std::to_string(read) + path.extension().string();
    return path.replace_filename(name).string();
}

} // namespace

ReadGroup::ReadGroup(const EngineRunner& runner, const EngineInput& seen,
                     std::span<const FormatChoice> readers, const std::string& probePath,
                     SpareEngines* spare) {
    const BorrowedEngines borrowed(spare, static_cast<int>(readers.size()) - 1);
    std::vector<std::vector<std::string>> runs;
    for (std::size_t read = 0; read <= static_cast<std::size_t>(borrowed.Count()); ++read) {
        m_probes.push_back(read == 0 ? probePath : ProbeBeside(probePath, read));
        const EngineInput alone{seen.path, readers[read], seen.readAs};
        runs.push_back(ConversionArguments({alone}, {}, m_probes.back()));
    }
    m_outcomes = runner.RunAtOnce(runs);
}

ReadGroup::~ReadGroup() {
    std::error_code error;
    for (std::size_t read = 1; read < m_probes.size(); ++read) {
        std::filesystem::remove(m_probes[read], error);
    }
}

std::string ReadGroup::Probe(std::size_t read) const {
    return m_outcomes[read].Succeeded() ? ReadWholeFile(m_probes[read]) : "";
}

} // namespace tolk
