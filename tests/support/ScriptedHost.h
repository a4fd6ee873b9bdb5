#pragma once

#include "host/HostLink.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tolk::testing {

/// What a scripted host does and what it was asked; shared between a test and its hosts, which
/// may answer from several threads at once.
struct HostScript {
    /// Every call in order, as "Operation" or "Operation(argument)".
    std::vector<std::string> calls;
    std::string version = "Scripted host 1.0";
    /// The reason every call that returns a nonzero result code gives (and a choice of format
    /// that fails).
    std::string reason;
    /// What a save that succeeded says it did not keep.
    std::string notKept;
    /// What FilesAhead answers.
    int filesAhead = 1;
    /// What RunRefusals answers; the requests it was asked are kept in runRequests.
    std::vector<std::string> refusals;
    std::vector<RunRequest> runRequests;
    /// What FormatsFor answers per "type" (reading) or ">type" (writing); nothing for others.
    std::map<std::string, std::vector<std::string>> formats;
    /// What FormatsOffered answers, for either use.
    std::vector<OfferedFormat> offered;
    /// Every ChooseFormat as "type=format"; it succeeds unless chooseFails.
    std::vector<std::string> chosen;
    bool chooseFails = false;
    /// Called with each call's operation and argument before it is answered, outside the
    /// script's lock (to hold a call back or let it take time).
    std::function<void(const std::string& operation, const std::string& argument)> onCall;

    /// The next unanswered call of the operation returns this result code (queued in order).
    void QueueResult(const std::string& operation, std::int32_t code);
    /// Every call of the operation returns this code once the queued ones are used.
    void SetResult(const std::string& operation, std::int32_t code);
    /// The next unanswered call of the operation fails with this status (queued in order).
    void QueueFailure(const std::string& operation, HostStatus status);
    /// Every call of the operation fails with this status once the queued ones are used.
    void SetFailure(const std::string& operation, HostStatus status);

    /// Records the call and answers it as scripted.
    HostStatus Answer(const std::string& operation, const std::string& argument,
                      std::int32_t& result);

private:
    struct Reply {
        HostStatus status;
        std::int32_t result = 0;
    };
    std::mutex m_mutex;
    std::map<std::string, std::deque<Reply>> m_queued;
    std::map<std::string, Reply> m_standing;
};

/// A host whose every answer comes from its script.
class ScriptedHost : public HostLink {
public:
    explicit ScriptedHost(std::shared_ptr<HostScript> script) : m_script(std::move(script)) {}

    HostStatus RefreshData(std::int32_t& result) override;
    HostStatus RefreshMap(std::int32_t& result) override;
    HostStatus OpenFile(const std::string& path, std::int32_t& result) override;
    HostStatus CloseWindow(std::int32_t& result) override;
    HostStatus SaveFileAs(const std::string& path, std::int32_t& result) override;
    HostStatus MergeFile(const std::string& path, std::int32_t& result) override;
    HostStatus GetVersion(std::string& version) override;
    HostStatus ChangeDatum(const std::string& name, std::int32_t& result) override;
    HostStatus ChangeGrid(const std::string& name, std::int32_t& result) override;
    std::vector<std::string> RunRefusals(const RunRequest& request) const override {
        m_script->runRequests.push_back(request);
        return m_script->refusals;
    }
    std::vector<std::string> FormatsFor(const std::string& type, FormatUse use) const override;
    std::vector<OfferedFormat> FormatsOffered(FormatUse) const override {
        return m_script->offered;
    }
    std::optional<std::string> ChooseFormat(const std::string& type,
                                            const std::string& format) override;
    int FilesAhead() const override { return m_script->filesAhead; }

private:
    std::shared_ptr<HostScript> m_script;
};

/// A failure status with the given description.
HostStatus Failure(const std::string& description = {},
                   std::int32_t code = static_cast<std::int32_t>(0x80004005u));

} // namespace tolk::testing
