#include "convert/FileConversion.h"

#include "convert/BaseName.h"
#include "core/PathAsFound.h"
#include "core/Translate.h"

#include <QtGlobal>
#include <exception>
#include <filesystem>

namespace tolk {
namespace {

std::string PathIn(const std::string& folder, const std::string& baseName,
                   const std::string& type) {
    return folder + "/" + baseName + "." + type;
}

// The source path is built from the type; but where the folder also holds a twin whose name
// differs only in letter case ("a.gpx" beside the listed "a.GPX", or "F1.GPX" beside "f1.gpx",
// where the built "F1.gpx" names neither), the built path does not name the listed file, which is
// then opened by its own name so that each twin converts once.
std::string SourcePath(const ConversionSettings& settings, const std::string& fileName,
                       const std::string& baseName) {
    const std::string built = PathIn(settings.SourceFldr, baseName, settings.SourceExt);
    const std::string listed = settings.SourceFldr + "/" + fileName;
    std::error_code error;
    if (listed == built || std::filesystem::exists(built, error)) {
        return listed;
    }
    return std::filesystem::exists(listed, error) && PathAsFound(built) != listed ? listed : built;
}

// The listed file's merge partner's name (with its folders below the source folder) when
// merging is asked for; empty when not.
std::string MergeName(const ConversionSettings& settings, const std::string& fileName) {
    return settings.MergeExt.empty() ? std::string() : BaseName(fileName) + "." + settings.MergeExt;
}

// The call as it was answered; a call that failed as a call throws, as HostConnection's calls do,
// and so does a call the host left unanswered.
const CallResult& Answered(const std::optional<CallResult>& call) {
    CheckHostStatus(call ? call->status : HostStatus{FailedCallStatus, {}});
    return *call;
}

// One file's calls as the host answered them; the outcome collects what they show.
class FileSequence {
public:
    FileSequence(const ConversionSettings& settings, const FileResult& result, FileOutcome& outcome)
        : m_settings(settings), m_result(result), m_outcome(outcome) {}

    void Run(const std::string& fileName, const MergeIndex& merges) {
        const std::string baseName = BaseName(fileName);
        m_outcome.status = Tr("Convert", "Converting: %1", {baseName});
        bool success = true;
        try {
            success = Succeeded(Answered(m_result.open),
                                Tr("Convert", "gpsbabel could not read the file"));
        } catch (const std::exception&) {
            m_outcome.messages.emplace_back(Tr("Convert", "Failed to communicate with TOLK!"));
            return;
        }
        success = Merge(fileName, merges) && success;
        ChangeGridAndDatum();
        const CallResult& save = Answered(m_result.save);
        const bool saved = Succeeded(save, Tr("Convert", "gpsbabel could not write the file"));
        if (saved) {
            m_outcome.notKept = save.status.notKept;
            // A converted file's reason says how it was read, where the host tells.
            if (m_outcome.reason.empty()) {
                m_outcome.reason = save.status.reason;
            }
        }
        success = saved && success;
        m_outcome.converted = success;
        m_outcome.status = success ? Tr("Convert", "Converted: %1", {baseName})
                                   : Tr("Convert", "Could NOT convert: %1", {baseName});
        m_outcome.closeResult = Answered(m_result.close).code;
    }

private:
    // A nonzero result keeps the host's reason (the first one given wins) or the fallback.
    bool Succeeded(const CallResult& call, const std::string& fallback) {
        if (call.code == 0) {
            return true;
        }
        if (m_outcome.reason.empty()) {
            m_outcome.reason = call.status.reason.empty() ? fallback : call.status.reason;
        }
        return false;
    }

    // A merge partner that the host could not merge fails the file: "Converted" would claim
    // data that never arrived.
    bool Merge(const std::string& fileName, const MergeIndex& merges) {
        const std::string name = MergeName(m_settings, fileName);
        if (name.empty()) {
            return true;
        }
        if (!merges.Has(name)) {
            m_outcome.mergeMissing = name;
            return true;
        }
        return Succeeded(Answered(m_result.merge),
                         Tr("Convert", "gpsbabel could not merge %1", {name}));
    }

    void ChangeGridAndDatum() {
        if (!m_settings.Grid.empty()) {
            Change(m_result.grid, GridTexts);
        }
        if (!m_settings.Datum.empty()) {
            Change(m_result.datum, DatumTexts);
        }
    }

    // What a grid or datum change says when the host cannot apply it or does not offer it.
    struct ChangeTexts {
        const char* notApplied;
        const char* unable;
        const char* unsupported;
    };
    static constexpr ChangeTexts GridTexts{
        QT_TRANSLATE_NOOP("Convert", "gpsbabel cannot apply the grid"),
        QT_TRANSLATE_NOOP("Convert", "Unable to change grid"),
        QT_TRANSLATE_NOOP("Convert", "Current version of TOLK does not support Grid Change\r\n"
                                     "Try updating TOLK to newer version.")};
    static constexpr ChangeTexts DatumTexts{
        QT_TRANSLATE_NOOP("Convert", "gpsbabel cannot apply the datum"),
        QT_TRANSLATE_NOOP("Convert", "Unable to change datum"),
        QT_TRANSLATE_NOOP("Convert", "Current version of TOLK does not support Datum Change\r\n"
                                     "Try updating TOLK to newer version.")};

    void Change(const std::optional<CallResult>& call, const ChangeTexts& texts) {
        try {
            if (!Succeeded(Answered(call), Tr("Convert", texts.notApplied))) {
                m_outcome.messages.push_back(Tr("Convert", texts.unable));
            }
        } catch (const std::exception&) {
            m_outcome.messages.push_back(Tr("Convert", texts.unsupported));
        }
    }

    const ConversionSettings& m_settings;
    const FileResult& m_result;
    FileOutcome& m_outcome;
};

} // namespace

FileOutcome OutcomeOf(const ConversionSettings& settings, const std::string& fileName,
                      const MergeIndex& merges, const FileResult& result) {
    FileOutcome outcome;
    try {
        FileSequence(settings, result, outcome).Run(fileName, merges);
    } catch (const std::exception& error) {
        // The command ends here; a file not converted says why wherever its outcome is shown.
        outcome.failure = error.what();
        if (!outcome.converted) {
            outcome.status = Tr("Convert", "Could NOT convert: %1", {BaseName(fileName)});
            outcome.reason = outcome.reason.empty() ? error.what() : outcome.reason;
        }
    }
    return outcome;
}

std::string TargetPathOf(const ConversionSettings& settings, const std::string& fileName) {
    return PathIn(settings.TargetFldr, BaseName(fileName), settings.TargetExt);
}

// The path as built: the host takes the type from it, whatever the file's own case.
std::string MergePathOf(const ConversionSettings& settings, const std::string& fileName) {
    return PathIn(settings.SourceFldr, BaseName(fileName), settings.MergeExt);
}

FileConversion ConversionOf(const ConversionSettings& settings, const std::string& fileName,
                            const MergeIndex& merges) {
    const std::string mergeName = MergeName(settings, fileName);
    return {SourcePath(settings, fileName, BaseName(fileName)),
            !mergeName.empty() && merges.Has(mergeName) ? MergePathOf(settings, fileName) : "",
            settings.Grid, settings.Datum, TargetPathOf(settings, fileName)};
}

FileOutcome NotConvertedOutcome(const std::string& fileName, std::string reason) {
    FileOutcome outcome;
    outcome.status = Tr("Convert", "Could NOT convert: %1", {BaseName(fileName)});
    outcome.reason = std::move(reason);
    return outcome;
}

FileOutcome TargetTakenOutcome(const ConversionSettings& settings, const std::string& fileName,
                               const std::string& earlierName) {
    return NotConvertedOutcome(fileName,
                               Tr("Convert", "its target %1 is written from %2 in this run",
                                  {BaseName(fileName) + "." + settings.TargetExt, earlierName}));
}

} // namespace tolk
