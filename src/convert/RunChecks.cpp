#include "convert/RunChecks.h"

#include "core/Text.h"
#include "core/Translate.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace tolk {
namespace {

namespace fs = std::filesystem;

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// One folder only: its parent must already exist. Why it could not be made, or empty. Another
// run that made it meanwhile (a slice of the same archive on another machine) leaves it made all
// the same.
std::string CreateOneFolder(const std::string& path) {
    std::error_code ec;
    if (!path.empty() && ((fs::create_directory(path, ec) && !ec) || FolderExists(path))) {
        return {};
    }
    if (ec == std::errc::no_such_file_or_directory) {
        return Tr("Convert", "its parent folder does not exist (only one folder is created)");
    }
    if (ec == std::errc::file_exists || !ec) {
        return Tr("Convert", "a file of that name is in the way");
    }
    std::string reason = ec.message();
    reason.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(reason.front())));
    return reason;
}

bool PassesUnlessCauses(const std::string& causes, Messenger& messenger) {
    if (causes.empty()) {
        return true;
    }
    messenger.ShowMessage(Tr("Convert", "Cannot Convert:") + causes);
    return false;
}

} // namespace

bool CheckTargetFolder(const ConversionSettings& settings, Messenger& messenger) {
    const std::string& folder = settings.TargetFldr;
    if (FolderExists(folder)) {
        return true;
    }
    if (!messenger.AskYesNo(Tr("Convert", "Target folder\r\n%1\r\ndoes not exist. Create it?",
                               {PrintableName(folder)}))) {
        return false;
    }
    if (const std::string reason = CreateOneFolder(folder); !reason.empty()) {
        messenger.ShowMessage(
            Tr("Convert", "Unable to create target folder %1: %2", {folder, reason}));
        return false;
    }
    return true;
}

bool CheckTypeConflicts(const ConversionSettings& s, Messenger& messenger) {
    std::string conflicts;
    if (s.SourceExt == s.MergeExt) {
        conflicts += "\r\n" + Tr("Convert", "Source and Merge types are the same");
    }
    if (s.SourceExt == s.TargetExt) {
        conflicts += "\r\n" + Tr("Convert", "Source and Target types are the same");
    }
    if (s.MergeExt == s.TargetExt) {
        conflicts += "\r\n" + Tr("Convert", "Merge and Target types are the same");
    }
    return PassesUnlessCauses(conflicts, messenger);
}

bool CheckRunRefusals(const ConversionSettings& s, const HostConnection& host,
                      Messenger& messenger) {
    std::string causes;
    for (const std::string& cause :
         host.RunRefusals({s.SourceExt, s.MergeExt, s.TargetExt, s.Datum, s.Grid})) {
        causes += "\r\n" + cause;
    }
    return PassesUnlessCauses(causes, messenger);
}

} // namespace tolk
