// Reads the input as a hostformats.ini and maps every type it names through a small engine
// format list: the choices are trimmed and never empty, and a mapped type carries the options
// the file gave it.
#include "FuzzInput.h"
#include "host/formats/HostFormatsFile.h"
#include "host/formats/TypeFormatMap.h"

namespace {

bool Trimmed(const std::string& text) {
    const char* const blanks = " \t\r";
    return !text.empty() && text.find_first_of(blanks) != 0 &&
           text.find_last_of(blanks) != text.size() - 1;
}

const char* const Listing = "file\trwrwrw\tgpx\tgpx\tGPX XML\tgpx\n"
                            "option\tgpx\tgpxver\tTarget GPX version\tstring\n"
                            "file\trw----\tfmtf\tplt/wpt\tZeta track files\tfmtf\n"
                            "file\trwrwrw\tfmtb\ttxt\tBeta tab-separated text\tfmtb\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    const auto choices =
        tolk::ReadHostFormats(tolk::fuzz::ScratchFile(tolk::fuzz::TextOf(data, size)));
    const tolk::TypeFormatMap map(tolk::FormatList::Parse(Listing), choices);
    for (const auto& [type, choice] : choices) {
        Require(Trimmed(type));
        const std::size_t comma = choice.find(',');
        const std::string format = choice.substr(0, comma);
        Require(Trimmed(format));
        Require(comma == std::string::npos || Trimmed(choice.substr(comma + 1)));
        const std::optional<tolk::FormatChoice> mapped = map.ForType(type);
        Require(!mapped ||
                (mapped->format.name == format &&
                 mapped->options == (comma == std::string::npos ? "" : choice.substr(comma + 1))));
    }
    return 0;
}
