#include "batch/CompletionValues.h"

#include "batch/BatchSettings.h"
#include "convert/ReferenceLists.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace tolk {
namespace {

const std::string ExeFolder = TOLK_SOURCE_DIR "/data/";

std::vector<std::string> Values(const std::string& list) {
    const ReferenceData offered = ReadReferenceData(ExeFolder);
    const std::string text = list == "datums"  ? DatumListing(offered)
                             : list == "grids" ? GridListing(offered)
                                               : CompletionValues(list);
    std::vector<std::string> values;
    const QString lines = QString::fromStdString(text);
    for (const QString& line : lines.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        values.push_back(line.toStdString());
    }
    return values;
}

// The completion and the listings offer exactly what the command then accepts, so every value
// offered passes the command's own checks, and no grid is offered that the engine cannot apply.
TEST(CompletionValuesTest, EveryValueOfferedIsAccepted) {
    const ReferenceData offered = ReadReferenceData(ExeFolder);
    const std::pair<std::string, std::string ConversionSettings::*> lists[] = {
        {"source-types", &ConversionSettings::SourceExt},
        {"source-types", &ConversionSettings::MergeExt},
        {"target-types", &ConversionSettings::TargetExt},
        {"datums", &ConversionSettings::Datum},
        {"grids", &ConversionSettings::Grid},
    };
    for (const auto& [list, field] : lists) {
        const std::vector<std::string> values = Values(list);
        EXPECT_GT(values.size(), 4u) << list;
        for (const std::string& value : values) {
            ConversionSettings settings;
            settings.SourceExt = "gpx";
            settings.TargetExt = "kml";
            settings.*field = value;
            EXPECT_EQ(UnknownTypeMessage(settings) + UnknownReferenceMessage(settings, offered), "")
                << list << ": " << value;
        }
    }
    EXPECT_EQ(std::ranges::count(Values("grids"), "Maidenhead"), 0);
    EXPECT_EQ(CompletionValues("colours"), "");
}

} // namespace
} // namespace tolk
