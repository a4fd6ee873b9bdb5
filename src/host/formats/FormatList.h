#pragma once

#include "host/HostLink.h"
#include "host/formats/EngineFormat.h"

#include <string>
#include <vector>

namespace tolk {

/// The formats the engine knows, as its machine-readable format list ("gpsbabel -^3") gives
/// them. Device formats (serial) are left out: the converter only reads and writes files.
class FormatList {
public:
    /// Reads the listing: one tab-separated line per format (kind, abilities, name, extensions
    /// separated by "/", description, parent) and one per format option ("option", format, name,
    /// ...). Lines of any other shape are skipped.
    static FormatList Parse(const std::string& listing);

    bool Empty() const { return m_formats.empty(); }
    /// The format of that name, or null.
    const EngineFormat* Named(const std::string& name) const;
    /// The file format that writes a file type: the one named like the type; else, among those
    /// listing the type as an extension, the one with the most read and write abilities, the
    /// first listed on a tie; null when none fits. Types and names compare without regard to
    /// ASCII letter case.
    const EngineFormat* ForType(const std::string& type) const;
    /// The file formats that read (or write) some kind of data, in the engine's order, for the
    /// user to choose from.
    std::vector<OfferedFormat> Offered(FormatUse use) const;
    /// The file formats that may read a file type, most likely first: the one named like the
    /// type; then those listing the type as an extension, those listing fewest extensions first
    /// (a format made for that type rather than one reading many); then those listing no
    /// extension whose description names the type as a word (general readers such as the
    /// headed comma separated one). Several formats share many extensions, and only a read can
    /// tell which one a file is written in.
    std::vector<const EngineFormat*> ReadersFor(const std::string& type) const;

    /// The file formats that read and list no extension, in the engine's order: readers of line
    /// records (sentences, headed rows, ...) that a file of any name may hold.
    std::vector<const EngineFormat*> ExtensionlessReaders() const;

private:
    const EngineFormat* NamedLike(const std::string& type) const;

    std::vector<EngineFormat> m_formats;
};

} // namespace tolk
