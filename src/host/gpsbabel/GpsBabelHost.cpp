#include "host/gpsbabel/GpsBabelHost.h"

#include "core/PathAsFound.h"
#include "core/Text.h"
#include "core/TolkError.h"
#include "core/Translate.h"
#include "host/engine/EngineView.h"
#include "host/engine/HostCalls.h"
#include "host/engine/WholeFile.h"
#include "host/formats/ContentType.h"
#include "host/formats/HostFormatsFile.h"
#include "host/formats/HostReasons.h"
#include "host/formats/LeadingShape.h"
#include "host/formats/WaypointNames.h"
#include "host/landing/KeepCheck.h"
#include "host/landing/OutputClaims.h"
#include "host/landing/OutputFolders.h"
#include "host/landing/PendingOutput.h"
#include "host/landing/SavePlan.h"
#include "host/landing/SaveVerdict.h"
#include "host/reading/ContentReaders.h"
#include "host/reading/PositionCheck.h"

#include <algorithm>
#include <filesystem>

namespace tolk {
namespace {

// A file larger than this is tried only by the readers its content or the user names (or the
// likeliest one): each other reader would take the engine long over it, to little purpose.
constexpr std::uintmax_t LargeFileBytes = 64ULL * 1024 * 1024;

} // namespace

GpsBabelHost::GpsBabelHost(EngineRunner runner, std::string version, TypeFormatMap formats,
                           GpsBabelConfig config, std::shared_ptr<HostKnowledge> knowledge)
    : m_runner(std::move(runner)), m_version(std::move(version)), m_formats(std::move(formats)),
      m_config(std::move(config)), m_knowledge(std::move(knowledge)) {
    // Cancel ends every run of this host's, probes of formats too: a probe that did not finish
    // teaches nothing.
    m_runner.StopWhen(m_stopAsked);
}

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

HostStatus GpsBabelHost::Refuse(std::int32_t& result, std::int32_t code, std::string reason) {
    HostStatus status = Answer(result, code);
    status.reason = std::move(reason);
    return status;
}

std::optional<DocumentInput> GpsBabelHost::ReadableInput(const std::string& path,
                                                         std::string& reason) const {
    // The type is the one asked for, whatever the letter case of the file's own extension.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(PathAsFound(path), error);
    if (error || !std::filesystem::is_regular_file(absolute, error)) {
        reason = Tr("Host", "the file was not found");
        return std::nullopt;
    }
    const std::string type = TypeOf(path);
    std::vector<FormatChoice> readers = m_formats.ReadersFor(type);
    if (readers.empty()) {
        reason = NoReaderReason(type);
        return std::nullopt;
    }
    const std::string leading = LeadingBytes(absolute.string());
    DocumentInput input;
    input.path = absolute.string();
    input.type = type;
    input.readers = std::move(readers);
    input.readerNamed = m_formats.ReaderNamed(type);
    input.layout = AsciiUpper(type) + "\n" + LeadingShape(leading);
    if (input.readerNamed) {
        input.readers.resize(1);
    } else if (const std::optional<ContentType> content = TypeByContent(leading)) {
        ReadByContent(input, *content);
    } else {
        ReadByRecords(input, leading);
    }
    std::error_code sizeError;
    if (std::filesystem::file_size(input.path, sizeError) > LargeFileBytes) {
        KeepLikeliestReaders(input);
    }
    return input;
}

// Each reader may take the engine long over a large file: only those its records name are
// tried, or else the likeliest one.
void GpsBabelHost::KeepLikeliestReaders(DocumentInput& input) const {
    std::vector<FormatChoice> kept;
    for (const FormatChoice& reader : input.readers) {
        if (std::ranges::find(input.contentReaders, reader.format.name) !=
            input.contentReaders.end()) {
            kept.push_back(reader);
        }
    }
    if (kept.empty()) {
        kept.push_back(m_knowledge->readers.ReadersInTurn(input).front());
    }
    input.readers = std::move(kept);
    input.lastResort.clear();
}

// The readers a text file's records name go first; the engine's other readers of line records
// are kept for the last resort.
void GpsBabelHost::ReadByRecords(DocumentInput& input, std::string_view leading) const {
    input.shape = ShapeOf(leading);
    std::vector<FormatChoice> readers =
        ContentReaders(input.shape, leading, m_formats.Formats(), m_knowledge->learned, m_runner);
    const auto listed = [](const std::vector<FormatChoice>& list, const std::string& name) {
        return std::ranges::any_of(
            list, [&](const FormatChoice& reader) { return reader.format.name == name; });
    };
    for (const FormatChoice& reader : readers) {
        input.contentReaders.push_back(reader.format.name);
        if (!listed(input.readers, reader.format.name)) {
            input.namedByContent.push_back(reader.format.name);
        }
    }
    for (FormatChoice& reader : input.readers) {
        if (!listed(readers, reader.format.name)) {
            readers.push_back(std::move(reader));
        }
    }
    input.readers = std::move(readers);
    if (!input.shape.text) {
        return;
    }
    for (const EngineFormat* format : m_formats.Formats().ExtensionlessReaders()) {
        if (!listed(input.readers, format->name)) {
            input.lastResort.push_back({*format, {}});
        }
    }
}

// A file whose content plainly belongs to another type (a KML file named ".gpx") is read by that
// type's readers: its own type's would read nothing, or nonsense. The format named like the
// content's type is then sure to read it.
void GpsBabelHost::ReadByContent(DocumentInput& input, const ContentType& content) const {
    if (!SameAsciiCase(content.type, input.type)) {
        std::vector<FormatChoice> readers = m_formats.ReadersFor(content.type);
        if (readers.empty()) {
            return;
        }
        input.readers = std::move(readers);
        input.readNote = Tr("Host", "read as %1: the file holds %2", {content.type, content.holds});
    }
    if (input.readers.front().format.name == content.type) {
        input.readers.resize(1);
        input.readerConfirmed = true;
    }
}

HostStatus GpsBabelHost::OpenFile(const std::string& path, std::int32_t& result) {
    m_document = {};
    std::string reason;
    std::optional<DocumentInput> input = ReadableInput(path, reason);
    if (!input) {
        return Refuse(result, Refused, reason);
    }
    m_document.open = true;
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::MergeFile(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Refuse(result, Refused, Tr("Host", "no file is open to merge into"));
    }
    std::string reason;
    std::optional<DocumentInput> input = ReadableInput(path, reason);
    if (!input) {
        return Refuse(result, Refused, reason);
    }
    m_document.inputs.push_back(std::move(*input));
    return Answer(result, Done);
}

HostStatus GpsBabelHost::CloseWindow(std::int32_t& result) {
    m_document = {};
    return Answer(result, Done);
}

HostStatus GpsBabelHost::ChangeDatum(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> datum = Carry().OfferedDatum(name);
    if (!datum) {
        return Refuse(result, Refused, Tr("Host", "gpsbabel offers no datum \"%1\"", {name}));
    }
    if (const auto cause = Carry().TargetRefusal(m_runTargetType, *datum, "")) {
        return Refuse(result, Refused, *cause);
    }
    m_document.datum = *datum;
    return Answer(result, Done);
}

HostStatus GpsBabelHost::ChangeGrid(const std::string& name, std::int32_t& result) {
    const std::optional<std::string> keyword = Carry().GridKeyword(name);
    if (!keyword) {
        return Refuse(result, Refused, Tr("Host", "gpsbabel has no grid \"%1\"", {name}));
    }
    if (const auto cause = Carry().TargetRefusal(m_runTargetType, "", *keyword)) {
        return Refuse(result, Refused, *cause);
    }
    m_document.gridKeyword = *keyword;
    return Answer(result, Done);
}

std::vector<std::string> GpsBabelHost::RunRefusals(const RunRequest& request) const {
    return Carry().RunRefusals(request);
}

HostStatus GpsBabelHost::SaveFileAs(const std::string& path, std::int32_t& result) {
    if (!m_document.open) {
        return Refuse(result, Refused, Tr("Host", "no file is open to save"));
    }
    return Save(path, result);
}

void GpsBabelHost::TidyFolder(const std::string& folder) {
    // A command tidies the target folder before its run.
    HoldClaimsForTheRun();
    RemoveDeadRunsTemporaries(folder);
    RemoveDeadClaims(folder);
}

void GpsBabelHost::RunEnded() {
    DropClaims();
}

std::vector<std::string> GpsBabelHost::FormatsFor(const std::string& type, FormatUse use) const {
    std::vector<std::string> names;
    if (use == FormatUse::Read) {
        for (const FormatChoice& reader : m_formats.ReadersFor(type)) {
            names.push_back(reader.format.name);
        }
    } else if (const auto writer = m_formats.ForType(type); writer && writer->format.WritesAny()) {
        names.push_back(writer->format.name);
    }
    return names;
}

std::vector<OfferedFormat> GpsBabelHost::FormatsOffered(FormatUse use) const {
    return m_formats.Formats().Offered(use);
}

std::optional<std::string> GpsBabelHost::ChooseFormat(const std::string& type,
                                                      const std::string& format) {
    if (m_formats.Formats().Named(format) == nullptr) {
        return Tr("Host", "gpsbabel has no format named %1", {format});
    }
    const std::string path = m_config.workFolder + "/" + HostFormatsFileName;
    if (m_config.workFolder.empty() || !SaveHostFormat(path, type, format)) {
        return Tr("Host", "Unable to write to %1", {path});
    }
    m_formats.Choose(type, format);
    return std::nullopt;
}

} // namespace tolk
