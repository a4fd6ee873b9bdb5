#pragma once

#include <cstdint>

namespace tolk {

/// The result codes of the Linux host's calls that were made (GpsBabelHost::Result), below the
/// host so that what judges a save can give them.
struct HostResult {
    enum Code : std::int32_t {
        Done = 0,
        /// Refused before the engine ran: no open document, a missing file, a type without a
        /// fitting format, a name not offered, a datum or grid the target's format cannot carry,
        /// nothing both formats hold, a target that is an input, or a target folder that cannot
        /// be written.
        Refused = 1,
        EngineFailed = 2,   ///< the engine ran and reported failure
        NothingWritten = 3, ///< the engine succeeded but carried no data to the target
        NotMoved = 4,       ///< the finished output could not be moved into place
        /// The target type cannot hold all that was read, and the configuration asks that such
        /// a file fail (GpsBabelConfig::keepAllOrFail).
        NotAllKept = 5,
    };
};

} // namespace tolk
