#include "convert/ReferenceFile.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace tolk {

ReferenceFile::ReferenceFile(const std::string& path) {
    // Reading a folder "works" on some systems until the first read; refuse it at opening, as
    // a folder is not a file that can be opened.
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
        m_file.reset(std::fopen(path.c_str(), "rb"));
    }
}

bool ReferenceFile::ReadNames(ReferenceFormat format, const ReferenceLineParser::NameSink& onName) {
    if (!m_file) {
        return false;
    }
    ReferenceLineParser parser(format, onName);
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), m_file.get());
        if (got > 0 && !parser.Feed({buffer.data(), got})) {
            return true;
        }
        if (got < buffer.size()) {
            break;
        }
    }
    if (std::ferror(m_file.get())) {
        return false;
    }
    parser.Finish();
    return true;
}

} // namespace tolk
