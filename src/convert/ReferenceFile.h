#pragma once

#include "convert/ReferenceLineParser.h"

#include <cstdio>
#include <memory>
#include <string>

namespace tolk {

/// A reference list file ("DATUMS.TXT", "GRIDS.TXT"), open for reading from construction to
/// destruction. Anyone who needs the names (the lists, a host that maps them) reads them here.
class ReferenceFile {
public:
    /// Opens the file; IsOpen() tells whether that worked. A folder does not open.
    explicit ReferenceFile(const std::string& path);

    bool IsOpen() const { return m_file != nullptr; }
    /// Reads the file to its end, handing each name to onName in file order, duplicates and
    /// empty names included. Returns false when the file is not open or reading failed; the
    /// names read before the failure have been handed on.
    bool ReadNames(ReferenceFormat format, const ReferenceLineParser::NameSink& onName);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
};

} // namespace tolk
