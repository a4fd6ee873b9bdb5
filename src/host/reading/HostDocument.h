#pragma once

#include "host/formats/RecordShape.h"
#include "host/formats/TypeFormatMap.h"

#include <string>
#include <vector>

namespace tolk {

/// A file of the host's document with the formats that may read it, the likeliest first.
struct DocumentInput {
    std::string path; ///< absolute
    std::string type;
    std::vector<FormatChoice> readers;
    /// The user named the one reader (hostformats.ini or the command line): its read is taken as
    /// given.
    bool readerNamed = false;
    /// The type in upper case and the shape of the file's first line (see LeadingShape).
    std::string layout;
    /// How the file is read when not as its type says ("read as kml: the file holds KML").
    std::string readNote;
    /// The file's first bytes show it to be of the format its first reader is (a GPX root
    /// element for the gpx reader): that reader reads it, and cannot take noise for points.
    bool readerConfirmed = false;
    /// The shape of the file's records (see ShapeOf).
    RecordShape shape;
    /// The readers the file's records name (see ContentReaders): they go first, after a reader
    /// the user named, and of equal reads theirs is taken.
    std::vector<std::string> contentReaders;
    /// Those of them that its type's own readers do not include: a read by one of them says so.
    std::vector<std::string> namedByContent;
    /// The engine's other readers of line records, tried when no candidate reads the file
    /// believably: for text files of at most 64 MB, none for others.
    std::vector<FormatChoice> lastResort;
};

/// The host's open document: the files read together and the datum and grid chosen for them.
struct HostDocument {
    bool open = false;
    std::vector<DocumentInput> inputs;
    std::string datum;
    std::string gridKeyword;
};

} // namespace tolk
