#include "host/reading/ContentReaders.h"

#include "host/engine/EngineCommand.h"
#include "host/engine/WholeFile.h"
#include "host/reading/PositionCheck.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fstream>

namespace tolk {
namespace {

// A probe that takes longer than this tells that the reader is not one for such records.
constexpr std::chrono::seconds ProbeLimit(10);

// Where the samples made here lie: a reader that reads them elsewhere took other fields for
// positions.
constexpr Position SamplePlace{47.40, 8.51};
constexpr double SampleSpread = 0.05;

// Two fixes, each told by two sentences, with CR line ends and without checksums.
const char* const NmeaSample =
    "$GPGGA,101010.00,4724.1230,N,00830.4560,E,1,08,0.9,400.0,M,48.0,M,,\r"
    "$GPRMC,101010.00,A,4724.1230,N,00830.4560,E,0.0,0.0,010120,,,A\r"
    "$GPGGA,101011.00,4724.1240,N,00830.4570,E,1,08,0.9,400.0,M,48.0,M,,\r"
    "$GPRMC,101011.00,A,4724.1240,N,00830.4570,E,0.0,0.0,010120,,,A\r";

const char* const IgcSample = "AXXXABC\r\n"
                              "HFDTE010120\r\n"
                              "B1010104724123N00830456EA0040000400\r\n"
                              "B1010114724124N00830457EA0040000400\r\n"
                              "B1010124724125N00830458EA0040000400\r\n";

const char* const HeadedCsvSample = "lat,lon,name\r\n"
                                    "47.402,8.508,A\r\n"
                                    "47.403,8.509,B\r\n"
                                    "47.404,8.510,C\r\n";

// How much of a maker's own sentences the file lends as their sample.
constexpr std::size_t MakerSampleLines = 40;

// The leading lines that hold the maker's sentences, each from its tag on.
std::string MakerSample(std::string_view leading, const std::string& tag) {
    std::string sample;
    std::size_t lines = 0;
    for (std::size_t end = leading.find_first_of("\r\n");
         end != std::string_view::npos && lines < MakerSampleLines;
         end = leading.find_first_of("\r\n")) {
        const std::string_view line = leading.substr(0, end);
        if (const std::size_t at = line.find(tag); at != std::string_view::npos) {
            sample.append(line.substr(at)).append("\r\n");
            ++lines;
        }
        leading.remove_prefix(end + 1);
    }
    return sample;
}

struct Sample {
    std::string text;
    bool madeHere = false; ///< its positions lie at SamplePlace
};

Sample SampleOf(const RecordShape& shape, std::string_view leading) {
    switch (shape.kind) {
    case RecordKind::Nmea:
        return {NmeaSample, true};
    case RecordKind::Igc:
        return {IgcSample, true};
    case RecordKind::HeadedCsv:
        return {HeadedCsvSample, true};
    case RecordKind::Sentences:
        return {MakerSample(leading, shape.signature), false};
    case RecordKind::None:
        break;
    }
    return {};
}

bool NearSamplePlace(const std::string& gpx) {
    return std::ranges::all_of(PositionsIn(gpx), [](const Position& position) {
        return std::fabs(position.lat - SamplePlace.lat) < SampleSpread &&
               std::fabs(position.lon - SamplePlace.lon) < SampleSpread;
    });
}

// Whether the reader reads the sample whole (and, for a sample made here, in place); none when
// the engine could not be asked.
std::optional<bool> ReadsSample(const EngineFormat& format, const Sample& sample, RecordKind kind,
                                const EngineRunner& runner) {
    QTemporaryDir dir;
    const std::string source = dir.filePath(QStringLiteral("sample.txt")).toStdString();
    const std::string read = dir.filePath(QStringLiteral("read.gpx")).toStdString();
    std::ofstream(source, std::ios::binary) << sample.text;
    const EngineOutcome outcome = runner.Run(
        EngineCommand::Whole().Kinds(AllDataKinds).Read(format.name, source).Write("gpx", read));
    if (outcome.ending == EngineOutcome::Ending::FailedToStart ||
        outcome.ending == EngineOutcome::Ending::Stopped) {
        return std::nullopt;
    }
    const std::string gpx = outcome.Succeeded() ? ReadWholeFile(read) : "";
    return ReadsWholly(WeighRead(gpx, PositionRecords(sample.text, kind))) &&
           (!sample.madeHere || NearSamplePlace(gpx));
}

} // namespace

EngineRunner WithinLimit(const EngineRunner& runner, std::chrono::milliseconds limit) {
    EngineRunner limited(runner.Program(), std::min(runner.Limit(), limit), runner.MemoryLimitMb());
    if (runner.StopFlag() != nullptr) {
        limited.StopWhen(*runner.StopFlag());
    }
    return limited;
}

std::vector<FormatChoice> ContentReaders(const RecordShape& shape, std::string_view leading,
                                         const FormatList& formats, LearnedFormats& learned,
                                         const EngineRunner& runner) {
    const Sample sample = SampleOf(shape, leading);
    if (sample.text.empty()) {
        return {};
    }
    const EngineRunner probing = WithinLimit(runner, ProbeLimit);
    std::vector<FormatChoice> readers;
    for (const EngineFormat* format : formats.ExtensionlessReaders()) {
        const bool reads = learned.Learned(format->name + "/reads-" + shape.signature, [&] {
            return ReadsSample(*format, sample, shape.kind, probing);
        });
        if (reads) {
            readers.push_back({*format, {}});
        }
    }
    return readers;
}

} // namespace tolk
