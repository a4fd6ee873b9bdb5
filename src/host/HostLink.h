#pragma once

#include <cstdint>
#include <string>

namespace tolk {

/// What every host call reports besides its output: a status (negative means the call itself
/// failed) and, for a failure, the host's own description of it.
struct HostStatus {
    std::int32_t code = 0;
    std::string description;

    bool Failed() const { return code < 0; }
};

/// The host's automation interface: the GPS application that carries out every conversion.
///
/// Each call is synchronous. A non-negative status means the call was made, whatever the result
/// code says; result codes mean what the host says, 0 meaning success. Callers never use this
/// interface directly: they go through HostConnection, which turns failed statuses into errors.
class HostLink {
public:
    virtual ~HostLink() = default;

    /// Re-reads the host's data; result code out.
    virtual HostStatus RefreshData(std::int32_t& result) = 0;
    /// Redraws the host's map; result code out.
    virtual HostStatus RefreshMap(std::int32_t& result) = 0;
    /// Opens the file at the full path as the host's document; 0 = opened.
    virtual HostStatus OpenFile(const std::string& path, std::int32_t& result) = 0;
    /// Closes the host's document window.
    virtual HostStatus CloseWindow(std::int32_t& result) = 0;
    /// Saves the document at the full path; its extension selects the output type. 0 = saved.
    virtual HostStatus SaveFileAs(const std::string& path, std::int32_t& result) = 0;
    /// Merges the file at the full path into the open document.
    virtual HostStatus MergeFile(const std::string& path, std::int32_t& result) = 0;
    /// The host's version text; empty means not connected.
    virtual HostStatus GetVersion(std::string& version) = 0;
    /// Changes the document's datum to the named one; 0 = changed.
    virtual HostStatus ChangeDatum(const std::string& name, std::int32_t& result) = 0;
    /// Changes the document's grid (coordinate display format) to the named one; 0 = changed.
    virtual HostStatus ChangeGrid(const std::string& name, std::int32_t& result) = 0;
};

} // namespace tolk
