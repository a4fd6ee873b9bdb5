#pragma once

#include "convert/FileConversion.h"

#include <stop_token>
#include <string>
#include <vector>

namespace tolk::testing {

/// The listed files converted through the host in one run (HostLink::ConvertFiles), each let
/// land at once; their outcomes in list order. `endRuns` ends the run's engine runs; `spare`
/// are the run's spare engines.
inline std::vector<FileOutcome>
ConvertTogether(const ConversionSettings& settings, HostConnection& host,
                const std::vector<std::string>& names, const MergeIndex& merges,
                std::stop_token endRuns = {}, SpareEngines* spare = nullptr) {
    struct OpenGate : FileGate {
        std::vector<FileResult> results;
        bool MayLand(std::size_t) override { return true; }
        void Finished(std::size_t, FileResult result) override {
            results.push_back(std::move(result));
        }
    } gate;
    std::vector<FileConversion> files;
    for (const std::string& name : names) {
        files.push_back(ConversionOf(settings, name, merges));
    }
    host.ConvertFiles(files, {settings.TargetExt, std::move(endRuns), spare}, gate);
    std::vector<FileOutcome> outcomes;
    for (std::size_t file = 0; file < gate.results.size(); ++file) {
        outcomes.push_back(OutcomeOf(settings, names[file], merges, gate.results[file]));
    }
    return outcomes;
}

/// One listed file converted in a run of its own.
inline FileOutcome ConvertFile(const ConversionSettings& settings, HostConnection& host,
                               const std::string& name, const MergeIndex& merges) {
    return ConvertTogether(settings, host, {name}, merges).front();
}

} // namespace tolk::testing
