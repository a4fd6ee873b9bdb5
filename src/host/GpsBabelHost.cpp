#include "host/GpsBabelHost.h"

#include "core/PathAsFound.h"
#include "core/TolkError.h"
#include "host/EngineLocator.h"
#include "host/HostFormatsFile.h"
#include "host/PendingOutput.h"

#include <algorithm>
#include <filesystem>

namespace tolk {
namespace {

// The status of a call that failed: the automation layer's "unspecified error".
constexpr std::int32_t FailedCallStatus = static_cast<std::int32_t>(0x80004005u);

const char* const EngineName = "gpsbabel";

// The input/output error whose text is "Disk full".
constexpr int DiskFullError = 101;

// The file type is what follows the last "." of the file name, as the converter builds it.
std::string TypeOf(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

HostStatus Answer(std::int32_t& result, std::int32_t code) {
    result = code;
    return {};
}

// A choice the host can apply replaces the document's earlier one; any other leaves it.
HostStatus Keep(const std::optional<std::string>& choice, std::string& kept, std::int32_t& result) {
    if (!choice) {
        return Answer(result, GpsBabelHost::Refused);
    }
    kept = *choice;
    return Answer(result, GpsBabelHost::Done);
}

} // namespace

GpsBabelHost::GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                           GpsBabelConfig config)
    : m_runner(std::move(runner)), m_version(std::move(version)), m_formats(std::move(formats)),
      m_config(std::move(config)) {}

HostStatus GpsBabelHost::RefreshData(std::int32_t& result) {
    return Answer(result, Done);
}

HostStatus GpsBabelHost::RefreshMap(std::int32_t& result) {
    return Answer(result, Done);
}

HostStatus GpsBabelHost::GetVersion(std::string& version) {
    version = m_version;
    return {};
}

std::optional<EngineInput> GpsBabelHost::ReadableInput(const std::string& path) const {
    // Absolute paths begin with "/", so that no file name can be taken for an option. The type
    // is the one asked for, whatever the letter case of the file's own extension.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(PathAsFound(path), error);
    if (error || !std::filesystem::is_regular_file(absolute, error)) {
        return std::nullopt;
    }
    std::optional<FormatChoice> format = m_formats.ForType(TypeOf(path));
    if (!format || !format->format.ReadsAny()) {
        return std::nullopt;
    }
    return EngineInput{absolute.string(), std::move(*format)};
}

HostStatus GpsBabelHost::OpenFile(const std::string& path, std::int32_t& result) {
    m_document = {};
    std::optional<EngineInput> input = ReadableInput(path);
    if (!input) {
        return Answer(result, Refused);
    }
    m_document.open = true;
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::MergeFile(const std::string& path, std::int32_t& result) {
    std::optional<EngineInput> input = ReadableInput(path);
    if (!m_document.open || !input) {
        return Answer(result, Refused);
    }
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::CloseWindow(std::int32_t& result) {
    m_document = {};
    return Answer(result, Done);
}

std::optional<std::string> GpsBabelHost::OfferedDatum(const std::string& name) const {
    // A comma would end the engine's option value and start another option.
    const std::string* offered = m_config.reference.OfferedDatum(name);
    if (offered == nullptr || offered->find(',') != std::string::npos) {
        return std::nullopt;
    }
    return *offered;
}

std::optional<std::string> GpsBabelHost::GridKeyword(const std::string& name) const {
    const GridEntry* offered = m_config.reference.OfferedGrid(name);
    if (offered == nullptr || offered->keyword.empty()) {
        return std::nullopt;
    }
    return offered->keyword;
}

HostStatus GpsBabelHost::ChangeDatum(const std::string& name, std::int32_t& result) {
    return Keep(OfferedDatum(name), m_document.datum, result);
}

HostStatus GpsBabelHost::ChangeGrid(const std::string& name, std::int32_t& result) {
    return Keep(GridKeyword(name), m_document.gridKeyword, result);
}

HostStatus GpsBabelHost::SaveFileAs(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Answer(result, Refused);
    }
    return Save(path, result);
}

HostStatus GpsBabelHost::Save(const std::string& path, std::int32_t& result) const {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(path, error);
    const std::optional<FormatChoice> format = m_formats.ForType(TypeOf(target));
    const auto isTarget = [&](const EngineInput& input) { return SameFile(input.path, target); };
    if (error || !format || CarriedKinds(m_document.inputs, *format).empty() ||
        std::ranges::any_of(m_document.inputs, isTarget)) {
        return Answer(result, Refused);
    }
    PendingOutput output(target.string());
    if (!output.Ready()) {
        return Answer(result, Refused);
    }
    const EngineOutcome outcome = m_runner.Run(ConversionArguments(
        m_document.inputs, {output.TempPath(), *format, m_document.datum, m_document.gridKeyword}));
    if (outcome.ending != EngineOutcome::Ending::Finished) {
        return {FailedCallStatus, outcome.Failure(EngineName, m_runner.Limit())};
    }
    if (outcome.exitCode != 0) {
        return Answer(result, EngineFailed);
    }
    if (output.DiskFull()) {
        return {FailedCallStatus,
                "Unable to write to " + target.string() + ": " + IoErrorText(DiskFullError)};
    }
    if (!output.HasContent()) {
        return Answer(result, NothingWritten);
    }
    std::vector<std::string> inputs;
    for (const EngineInput& input : m_document.inputs) {
        inputs.push_back(input.path);
    }
    return Answer(result, output.Commit(inputs) ? Done : NotMoved);
}

std::vector<std::string> GpsBabelHost::FormatsFor(const std::string& type, FormatUse use) const {
    const std::optional<FormatChoice> format = m_formats.ForType(type);
    if (!format ||
        !(use == FormatUse::Read ? format->format.ReadsAny() : format->format.WritesAny())) {
        return {};
    }
    return {format->format.name};
}

std::vector<OfferedFormat> GpsBabelHost::FormatsOffered(FormatUse use) const {
    return m_formats.Formats().Offered(use);
}

bool GpsBabelHost::ChooseFormat(const std::string& type, const std::string& format) {
    if (m_formats.Formats().Named(format) == nullptr) {
        m_reason = "gpsbabel has no format named " + format;
        return false;
    }
    const std::string path = m_config.workFolder + "/" + HostFormatsFileName;
    if (m_config.workFolder.empty() || !SaveHostFormat(path, type, format)) {
        m_reason = "Unable to write to " + path;
        return false;
    }
    m_formats.Choose(type, format);
    return true;
}

std::vector<std::unique_ptr<HostLink>> CreateGpsBabelHosts(const GpsBabelConfig& config,
                                                           int count) {
    std::optional<LocatedEngine> engine = FindWorkingGpsBabel(config.timeLimit);
    if (!engine) {
        throw TolkError("No working gpsbabel was found on PATH");
    }
    std::map<std::string, std::string> choices;
    if (!config.workFolder.empty()) {
        choices = ReadHostFormats(config.workFolder + "/" + HostFormatsFileName);
    }
    for (const auto& [type, choice] : config.formatChoices) {
        choices[type] = choice;
    }
    std::vector<std::unique_ptr<HostLink>> hosts;
    for (int host = 0; host < count; ++host) {
        hosts.push_back(std::make_unique<GpsBabelHost>(
            EngineRunner(engine->program, config.timeLimit), engine->version,
            TypeFormatMap(engine->formats, choices), config));
    }
    return hosts;
}

std::unique_ptr<HostLink> CreateGpsBabelHost(const GpsBabelConfig& config) {
    return std::move(CreateGpsBabelHosts(config, 1).front());
}

} // namespace tolk
