// Reads the input as a reference list, in pieces of a size the input chooses and through a file,
// and compares the names with a plain reading of the line rules.
#include "FuzzInput.h"
#include "convert/ReferenceFile.h"
#include "convert/ReferenceLineParser.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using tolk::ReferenceFormat;

std::string Trimmed(const std::string& text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    const auto begin = std::ranges::find_if_not(text, isBlank);
    const auto end = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return begin < end ? std::string(begin, end) : std::string();
}

// Lines end at a carriage return (with one line feed after it) and the text at code 26.
Names PlainNames(const std::string& text, ReferenceFormat format) {
    Names names;
    std::string line;
    const auto endLine = [&] {
        if (!line.empty() && line.front() == format.marker && line.size() >= format.first) {
            names.push_back(Trimmed(line.substr(format.first - 1, format.last - format.first + 1)));
        } else if (!line.empty() && line.front() == format.marker) {
            names.emplace_back();
        }
        line.clear();
    };
    bool afterCarriageReturn = false;
    for (const char c : text) {
        if (c == 26) {
            break;
        }
        if (std::exchange(afterCarriageReturn, false) && c == '\n') {
            continue;
        }
        if (c == '\r') {
            endLine();
            afterCarriageReturn = true;
        } else {
            line.push_back(c);
        }
    }
    endLine();
    return names;
}

Names PiecewiseNames(const std::string& text, ReferenceFormat format, std::size_t pieceSize) {
    Names names;
    tolk::ReferenceLineParser parser(format,
                                     [&](const std::string& name) { names.push_back(name); });
    for (std::size_t at = 0; at < text.size() && parser.Feed(text.substr(at, pieceSize));
         at += pieceSize) {
    }
    parser.Finish();
    return names;
}

Names FileNames(const std::string& text, ReferenceFormat format) {
    Names names;
    tolk::ReferenceFile file(tolk::fuzz::ScratchFile(text));
    tolk::fuzz::Require(file.IsOpen() && file.ReadNames(format, [&](const std::string& name) {
        names.push_back(name);
    }));
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tolk::fuzz::Require;
    if (size == 0) {
        return 0;
    }
    const ReferenceFormat format = data[0] % 2 == 0 ? tolk::DatumLineFormat : tolk::GridLineFormat;
    const std::size_t pieceSize = data[0] / 2 + 1;
    const std::string text = tolk::fuzz::TextOf(data + 1, size - 1);
    const Names expected = PlainNames(text, format);
    Require(PiecewiseNames(text, format, pieceSize) == expected);
    Require(FileNames(text, format) == expected);
    return 0;
}
