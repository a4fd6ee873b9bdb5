#include "convert/ConversionRun.h"

#include "convert/BaseName.h"
#include "core/PathAsFound.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace tolk {
namespace {

namespace fs = std::filesystem;

std::string PathIn(const std::string& folder, const std::string& baseName,
                   const std::string& type) {
    return folder + "/" + baseName + "." + type;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(PathAsFound(path), ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

// One folder only: its parent must already exist.
bool CreateOneFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::create_directory(path, ec) && !ec;
}

} // namespace

ConversionRun::ConversionRun(ConversionSettings& settings, HostConnection& host,
                             SourceFileList& files, RunView& view, Messenger& messenger)
    : m_settings(settings), m_host(host), m_files(files), m_view(view), m_messenger(messenger) {}

void ConversionRun::ConvertFile(int index) {
    bool success = true;
    const std::string baseName = BaseName(m_files.NameAt(index));
    m_view.ShowStatus("Converting: " + baseName);

    if (!OpenSource(baseName, success)) {
        return;
    }
    MergeIfPresent(baseName);
    ChangeGridAndDatum();

    const std::string target = PathIn(m_settings.TargetFldr, baseName, m_settings.TargetExt);
    if (m_host.SaveFileAs(target) != 0) {
        success = false;
    }
    if (success) {
        ++m_convertedCount;
        m_view.ShowStatus("Converted: " + baseName);
    } else {
        m_view.ShowStatus("Could NOT convert: " + baseName);
    }
    m_view.ShowResultCode(m_host.CloseWindow());
}

bool ConversionRun::OpenSource(const std::string& baseName, bool& success) {
    const std::string source = PathIn(m_settings.SourceFldr, baseName, m_settings.SourceExt);
    try {
        if (m_host.OpenFile(source) != 0) {
            success = false;
        }
    } catch (const std::exception&) {
        m_messenger.ShowMessage("Failed to communicate with TOLK!");
        return false;
    }
    return true;
}

void ConversionRun::MergeIfPresent(const std::string& baseName) {
    if (m_settings.MergeExt.empty()) {
        return;
    }
    const std::string merge = PathIn(m_settings.SourceFldr, baseName, m_settings.MergeExt);
    if (FileExists(merge)) {
        m_host.MergeFile(merge);
    } else {
        m_mergeMissingList += "\r\n" + baseName + "." + m_settings.MergeExt;
    }
}

void ConversionRun::ChangeGridAndDatum() {
    if (!m_settings.Grid.empty()) {
        try {
            if (m_host.ChangeGrid(m_settings.Grid) != 0) {
                m_messenger.ShowMessage("Unable to change grid");
            }
        } catch (const std::exception&) {
            m_messenger.ShowMessage("Current version of TOLK does not support Grid Change\r\n"
                                    "Try updating TOLK to newer version.");
        }
    }
    if (!m_settings.Datum.empty()) {
        try {
            if (m_host.ChangeDatum(m_settings.Datum) != 0) {
                m_messenger.ShowMessage("Unable to change datum");
            }
        } catch (const std::exception&) {
            m_messenger.ShowMessage("Current version of TOLK does not support Datum Change\r\n"
                                    "Try updating TOLK to newer version.");
        }
    }
}

bool ConversionRun::CheckTargetFolder() {
    if (auto edited = m_view.TakeEditedTargetFolder()) {
        m_settings.TargetFldr = *edited;
    }
    const std::string& folder = m_settings.TargetFldr;
    if (FolderExists(folder)) {
        return true;
    }
    if (!m_messenger.AskYesNo("Target folder\r\n" + folder + "\r\ndoes not exist. Create it?")) {
        return false;
    }
    if (!CreateOneFolder(folder)) {
        m_messenger.ShowMessage("Unable to create target folder");
        return false;
    }
    return true;
}

bool ConversionRun::CheckTypeConflicts() {
    const ConversionSettings& s = m_settings;
    std::string conflicts;
    if (s.SourceExt == s.MergeExt) {
        conflicts += "\r\nSource and Merge types are the same";
    }
    if (s.SourceExt == s.TargetExt) {
        conflicts += "\r\nSource and Target types are the same";
    }
    if (s.MergeExt == s.TargetExt) {
        conflicts += "\r\nMerge and Target types are the same";
    }
    if (conflicts.empty()) {
        return true;
    }
    m_messenger.ShowMessage("Cannot Convert:" + conflicts);
    return false;
}

void ConversionRun::ConvertSelected() {
    m_mergeMissingList.clear();
    if (CheckTargetFolder() && CheckTypeConflicts()) {
        ConvertFile(m_files.CurrentIndex());
        MoveSelectionOn();
        m_view.BringToFront();
    }
    if (!m_mergeMissingList.empty()) {
        m_messenger.ShowMessage("Unable to find file to merge:" + m_mergeMissingList);
    }
}

void ConversionRun::ConvertAll() {
    if (CheckTargetFolder() && CheckTypeConflicts()) {
        m_mergeMissingList.clear();
        m_convertedCount = 0;
        const int listed = m_files.Count();
        for (int index = 0; index < listed; ++index) {
            ConvertFile(index);
            MoveSelectionOn();
        }
        ShowConvertAllResult(m_view, m_messenger, listed, m_convertedCount, m_mergeMissingList);
    }
    m_view.BringToFront();
}

void ConversionRun::SkipSelected() {
    MoveSelectionOn();
}

void ConversionRun::MoveSelectionOn() {
    m_files.SetCurrentIndex(m_files.CurrentIndex() + 1);
}

void ShowConvertAllResult(RunView& view, Messenger& messenger, int listed, int converted,
                          const std::string& mergeMissingList) {
    view.ShowStatus(ConvertAllSummary(listed, converted));
    if (!mergeMissingList.empty()) {
        messenger.ShowMessage("Unable to find files to merge:" + mergeMissingList);
    }
}

std::string ConvertAllSummary(int listed, int converted) {
    std::string summary = "Converted " + std::to_string(converted) + " files.";
    if (listed - converted != 0) {
        summary += " NOT CONVERTED = " + std::to_string(listed - converted);
    }
    return summary;
}

} // namespace tolk
