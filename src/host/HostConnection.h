#pragma once

#include "host/HostLink.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolk {

/// Creates the host; throws when the host cannot be reached.
using HostFactory = std::function<std::unique_ptr<HostLink>()>;

/// The program's one reference to the host, absent when creation failed. Every call checks the
/// status: a failed call (and any call while the host is absent) throws a TolkError with the
/// host's error text. Result codes are returned unexamined.
class HostConnection {
public:
    HostConnection() = default;
    explicit HostConnection(std::unique_ptr<HostLink> link) : m_link(std::move(link)) {}

    bool Present() const { return m_link != nullptr; }
    void Attach(std::unique_ptr<HostLink> link) { m_link = std::move(link); }
    void Release() { m_link.reset(); }

    std::int32_t RefreshData();
    std::int32_t RefreshMap();
    std::int32_t OpenFile(const std::string& path);
    std::int32_t CloseWindow();
    std::int32_t SaveFileAs(const std::string& path);
    std::int32_t MergeFile(const std::string& path);
    std::string GetVersion();
    std::int32_t ChangeDatum(const std::string& name);
    std::int32_t ChangeGrid(const std::string& name);
    /// Converts the run's files through the host (HostLink::ConvertFiles). When the host is
    /// absent, each file's open fails as a call.
    void ConvertFiles(std::span<const FileConversion> files, const HostRun& run, FileGate& gate);
    /// The host's causes for refusing such a run; none when the host is absent (the calls
    /// themselves then fail as they always have).
    std::vector<std::string> RunRefusals(const RunRequest& request) const {
        return m_link ? m_link->RunRefusals(request) : std::vector<std::string>();
    }
    /// The host's formats for reading or writing the type; none when absent.
    std::vector<std::string> FormatsFor(const std::string& type, FormatUse use) const {
        return m_link ? m_link->FormatsFor(type, use) : std::vector<std::string>();
    }
    /// The formats the user may choose from; none when absent.
    std::vector<OfferedFormat> FormatsOffered(FormatUse use) const {
        return m_link ? m_link->FormatsOffered(use) : std::vector<OfferedFormat>();
    }
    /// Whether the user should be offered a choice of format: the host offers formats for that
    /// use but finds none for the type.
    bool NeedsFormatChoice(const std::string& type, FormatUse use) const {
        return !type.empty() && FormatsFor(type, use).empty() && !FormatsOffered(use).empty();
    }
    /// The user's choice of format for the type; when the host could not keep it, why not.
    std::optional<std::string> ChooseFormat(const std::string& type, const std::string& format) {
        return m_link ? m_link->ChooseFormat(type, format) : std::string();
    }

    /// Removes what dead runs of the host left in the folder; nothing when absent.
    void TidyFolder(const std::string& folder) {
        if (m_link) {
            m_link->TidyFolder(folder);
        }
    }

    /// Tells the host the command has ended; nothing when absent.
    void RunEnded() {
        if (m_link) {
            m_link->RunEnded();
        }
    }

    /// How many files the host would be given at once; 1 when absent.
    int FilesAhead() const { return m_link ? m_link->FilesAhead() : 1; }

private:
    template <class Call>
    std::int32_t CallForCode(Call&& call);

    std::unique_ptr<HostLink> m_link;
};

/// Throws the error for a failed status; does nothing for a successful one.
void CheckHostStatus(const HostStatus& status);

} // namespace tolk
