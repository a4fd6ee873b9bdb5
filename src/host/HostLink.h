#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

namespace tolk {

/// The status of a call that failed: the automation layer's "unspecified error".
inline constexpr std::int32_t FailedCallStatus = static_cast<std::int32_t>(0x80004005u);

/// What every host call reports besides its output: a status (negative means the call itself
/// failed) and, for a failure, the host's own description of it. A call that was made may add
/// the host's words on its result; a host that cannot tell leaves them empty.
struct HostStatus {
    HostStatus() = default;
    HostStatus(std::int32_t status, std::string failure)
        : code(status), description(std::move(failure)) {}

    std::int32_t code = 0;
    std::string description;
    /// Why the call returned a nonzero result code, in words for the user (for example the
    /// engine's own message). After a successful SaveFileAs, how a file was read when not as its
    /// type says ("read as kml: the file holds KML").
    std::string reason;
    /// What a successful SaveFileAs did not keep of what it read ("747 track points not kept:
    /// the target type holds waypoints only"); empty when it kept everything.
    std::string notKept;

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

/// One file of a conversion run, named as the per-file calls name it.
struct FileConversion {
    std::string source; ///< OpenFile's path
    std::string merge;  ///< MergeFile's path; empty when none is merged
    std::string grid;   ///< ChangeGrid's name; empty for none
    std::string datum;  ///< ChangeDatum's name; empty for none
    std::string target; ///< SaveFileAs's path
};

/// One per-file call's answer: its status and, when the status is not a failure, its result code.
struct CallResult {
    HostStatus status;
    std::int32_t code = 0;
};

/// How one file of a run came out: each call's answer, in the order the calls are made; a call
/// that was not made is absent. A call that failed as a call is the last one made.
struct FileResult {
    std::optional<CallResult> open;
    std::optional<CallResult> merge;
    std::optional<CallResult> grid;
    std::optional<CallResult> datum;
    std::optional<CallResult> save;
    std::optional<CallResult> close;
};

/// The engines a conversion run may start beside its jobs' own: those of jobs that have nothing
/// to do (the run has fewer files than jobs, or their files are all taken), so that the run never
/// has more engines going at once than it has jobs. Shared by the run's jobs; thread-safe.
class SpareEngines {
public:
    /// Engines become spare: jobs with nothing left to do, or engines taken and done with.
    void Add(int count);
    /// Takes up to `most` engines, as many as are spare (possibly none), without waiting.
    int Take(int most);
    /// How many are spare now.
    int Count() const;

private:
    mutable std::mutex m_mutex;
    int m_spare = 0;
};

/// What a conversion run gives the host besides its files; the same for every job of the run.
struct HostRun {
    /// The type every target of the run is written as, so that a datum or grid change its
    /// format would drop is refused when it is asked for, not dropped at the save.
    std::string targetType;
    /// Once requested, the engine runs in progress end, and so does any started later: the call
    /// it ends returns a nonzero result whose reason is "stopped". A host that cannot end its
    /// runs lets them finish.
    std::stop_token endRuns;
    /// The engines the host may run beside its own while it waits on several runs; none (one run
    /// at a time) when null.
    SpareEngines* spareEngines = nullptr;
};

/// How the host, converting a run's files, waits for the one who shows them and hands back what
/// each came to.
class FileGate {
public:
    virtual ~FileGate() = default;
    /// Waits until the file (its place in the run's files) may be moved into place and shown:
    /// not while a message box holds the run. False once the run is ending: the file and those
    /// after it are then not converted.
    virtual bool MayLand(std::size_t file) = 0;
    /// The file's result, handed over as soon as it is done, files in order.
    virtual void Finished(std::size_t file, FileResult result) = 0;
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

    /// Converts the files in order, each once the gate lets it land, handing each file's result
    /// to the gate as it finishes. This one makes each file's calls in turn (ConvertByCalls), for
    /// a host that converts one file at a time; a host that gains from knowing the files to come
    /// converts them its own way, answering each as its calls would have been answered.
    virtual void ConvertFiles(std::span<const FileConversion> files, const HostRun& run,
                              FileGate& gate);
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
    /// when it cannot be kept, why not in words for the user (empty when the host does not say).
    virtual std::optional<std::string> ChooseFormat(const std::string&, const std::string&) {
        return std::string();
    }
    /// Removes from the folder what the host's runs in processes that no longer run left behind
    /// there (temporaries of a killed program); never what a running process is writing.
    virtual void TidyFolder(const std::string&) {}
    /// The command that made the calls has ended: what the host held for its run (the names its
    /// saves claimed in target folders) is let go.
    virtual void RunEnded() {}
    /// How many files the host would be given at once (ConvertFiles); 1 for a host that gains
    /// nothing from knowing what comes.
    virtual int FilesAhead() const { return 1; }

protected:
    /// Makes the file's calls in their order: open, merge (when a partner is named), grid and
    /// datum (when named), save and close. An open, merge or save that fails as a call is the
    /// last call made; a failed grid or datum change is not.
    FileResult ConvertByCalls(const FileConversion& file);
};

} // namespace tolk
