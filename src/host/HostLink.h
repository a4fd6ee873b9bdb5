#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolk {

/// What every host call reports besides its output: a status (negative means the call itself
/// failed) and, for a failure, the host's own description of it.
struct HostStatus {
    std::int32_t code = 0;
    std::string description;

    bool Failed() const { return code < 0; }
};

/// What a conversion run will ask of the host, for the checks made before any file is converted.
/// Types are file types without the dot; an empty merge type, datum or grid means none.
struct RunRequest {
    std::string sourceType;
    std::string mergeType;
    std::string targetType;
    std::string datum;
    std::string grid;
};

/// A file that the calls to come will convert, named as those calls will name it.
struct ExpectedFile {
    std::string source; ///< OpenFile's path
    std::string merge;  ///< MergeFile's path; empty when none is merged
    std::string grid;   ///< ChangeGrid's name; empty for none
    std::string datum;  ///< ChangeDatum's name; empty for none
    std::string target; ///< SaveFileAs's path
};

/// Whether a file type is to be read (as a source or merge file) or written (as a target).
enum class FormatUse { Read, Write };

/// An engine format the user may choose for a file type, as the engine describes it.
struct OfferedFormat {
    std::string name;
    std::string description;
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

    /// Why the last call that returned a nonzero result code did so, in words for the user
    /// (for example the engine's own message); empty when the host does not say. After a
    /// successful SaveFileAs, how a file was read when not as its type says ("read as kml: the
    /// file holds KML"), or empty. Not part of the automation interface: a host that cannot
    /// tell leaves it empty.
    virtual std::string LastReason() const { return {}; }
    /// What the last successful SaveFileAs did not keep of what it read, in words for the user
    /// ("747 track points not kept: the target type holds waypoints only"); empty when it kept
    /// everything or the host does not say.
    virtual std::string LastNotKept() const { return {}; }
    /// The causes for which the host could not carry out such a run, one line each (for example
    /// "no gpsbabel format reads .xyz files"); empty when it can. Asked before a run starts.
    virtual std::vector<std::string> RunRefusals(const RunRequest&) const { return {}; }
    /// The engine formats the host would use to read or write the type, in the order it tries
    /// them; empty when it finds none. A host that offers no choice of formats answers nothing.
    virtual std::vector<std::string> FormatsFor(const std::string&, FormatUse) const { return {}; }
    /// The formats the user may choose from for a type the host finds none for; empty when the
    /// host offers no such choice.
    virtual std::vector<OfferedFormat> FormatsOffered(FormatUse) const { return {}; }
    /// Uses the engine format for the type from now on and keeps the choice for later runs;
    /// false when it cannot be kept (the reason is then LastReason()).
    virtual bool ChooseFormat(const std::string&, const std::string&) { return false; }
    /// From any thread: ends the engine run in progress, and any the host starts before its next
    /// OpenFile, so that a stopped command need not wait for a slow or hung engine. The call it
    /// ends returns a nonzero result whose reason is "stopped". A host that cannot do so ignores
    /// it.
    virtual void Cancel() {}
    /// Removes from the folder what the host's runs in processes that no longer run left behind
    /// there (temporaries of a killed program); never what a running process is writing.
    virtual void TidyFolder(const std::string&) {}
    /// The command that made the calls has ended: what the host held for its run (the names its
    /// saves claimed in target folders) is let go.
    virtual void RunEnded() {}
    /// How many files the host would be told of at once (ExpectFiles); 1 for a host that gains
    /// nothing from knowing what comes.
    virtual int FilesAhead() const { return 1; }
    /// The files that the calls to come will convert, in this order, so that the host may get
    /// ahead with them; an empty list takes back what it was told. The host still answers each
    /// call as it would without being told, and a file whose calls differ from what it was told
    /// is converted as told by its calls.
    virtual void ExpectFiles(const std::vector<ExpectedFile>&) {}
};

} // namespace tolk
