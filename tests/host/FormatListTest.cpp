#include "host/formats/FormatList.h"

#include "TextFiles.h"
#include "host/engine/ConversionCommand.h"
#include "host/formats/HostFormatsFile.h"
#include "host/formats/TypeFormatMap.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using Strings = std::vector<std::string>;

// Lines in the shape of the engine's machine-readable format list.
const std::string Listing = "internal\trw----\txcsv\t\t? Character Separated Values\txcsv\n"
                            "\tfile:///doc/fmt_xcsv.html\n"
                            "option\txcsv\tstyle\tFull path to XCSV style file\tfile\t\t\t\t\n"
                            "\n"
                            "file\trw----\tfmta\ttxt\tAlpha waypoint text\txcsv\n"
                            "option\tfmta\tdatum\tGPS datum (def. WGS 84)\tstring\t\t\t\t\n"
                            "file\trwrwrw\tfmtb\ttxt\tBeta tab-separated text\tfmtb\n"
                            "option\tfmtb\tdatum\tGPS datum\tstring\tWGS 84\t\t\t\n"
                            "option\tfmtb\tgrid\tWrite position using this grid.\tstring\n"
                            "file\t-w----\ttext\ttxt\tTextual Output\ttext\n"
                            "file\trw----\tfmtc\tloc\tGamma binary waypoints\tfmtc\n"
                            "file\trw----\tfmtd\tloc\tDelta XML waypoints\tfmtd\n"
                            "file\tr-rw--\tfmte\tetr/ecr/ehs/xml\tEpsilon training logs\tfmte\n"
                            "file\trwrwrw\tgpx\tgpx\tGPX XML\tgpx\n"
                            "file\trwrwrw\tkml\tkml\tKML markup\tkml\n"
                            "serial\trwrwrw\tdevx\t\tExample device protocol\tdevx\n"
                            "file\trwrwrw\tfmtf\t\tZeta track files\tfmtf\n";

std::string NameOf(const EngineFormat* format) {
    return format != nullptr ? format->name : "(none)";
}

TEST(FormatList, ReadsAbilitiesExtensionsAndOptions) {
    const FormatList list = FormatList::Parse(Listing);
    const EngineFormat* txt = list.Named("fmtb");
    ASSERT_NE(txt, nullptr);
    EXPECT_TRUE(txt->isFile);
    EXPECT_EQ(txt->AbilityCount(), 6);
    EXPECT_EQ(txt->options, (Strings{"datum", "grid"}));
    const EngineFormat* logs = list.Named("fmte");
    ASSERT_NE(logs, nullptr);
    EXPECT_EQ(logs->extensions, (Strings{"etr", "ecr", "ehs", "xml"}));
    EXPECT_TRUE(logs->Reads(DataKind::Waypoints));
    EXPECT_FALSE(logs->Writes(DataKind::Waypoints));
    EXPECT_TRUE(logs->Writes(DataKind::Tracks));
    EXPECT_FALSE(logs->Reads(DataKind::Routes));
    EXPECT_FALSE(list.Named("xcsv")->isFile);
    EXPECT_EQ(list.Named("xcsv")->options, (Strings{"style"}));
    EXPECT_TRUE(list.Named("text")->WritesAny());
    EXPECT_FALSE(list.Named("text")->ReadsAny());
}

TEST(FormatList, DeviceFormatsAndOddLinesAreLeftOut) {
    const FormatList list = FormatList::Parse(Listing + "garbage\nfile\trw\n");
    EXPECT_EQ(list.Named("devx"), nullptr);
    EXPECT_TRUE(FormatList::Parse("nothing here\n").Empty());
}

TEST(FormatList, TypeMapsToTheNamedFormatThenTheMostAbleByExtensionThenTheFirstListed) {
    const FormatList list = FormatList::Parse(Listing);
    EXPECT_EQ(NameOf(list.ForType("gpx")), "gpx");
    EXPECT_EQ(NameOf(list.ForType("txt")), "fmtb"); // six abilities beat fmta's two
    EXPECT_EQ(NameOf(list.ForType("loc")), "fmtc"); // a tie: the first listed
    EXPECT_EQ(NameOf(list.ForType("ecr")), "fmte");
    EXPECT_EQ(NameOf(list.ForType("plt")), "(none)");  // fmtf lists no extension
    EXPECT_EQ(NameOf(list.ForType("xcsv")), "(none)"); // internal formats are no file type
    EXPECT_EQ(NameOf(list.ForType("devx")), "(none)"); // nor are devices
    EXPECT_EQ(NameOf(list.ForType("TXT")), "fmtb");    // types compare in any case
    EXPECT_EQ(NameOf(list.ForType("Gpx")), "gpx");
}

TEST(FormatList, ReadersComeNamedFirstThenMostSpecificThenDescribed) {
    const FormatList list =
        FormatList::Parse(Listing + "file\trw----\tfmtg\tloc/etr/gpx\tEta many\tfmtg\n"
                                    "file\trwrwrw\tplain\t\tPlain .LOC or loc text\tp\n"
                                    "file\trw----\tlocal\t\tLocal grid files\tl\n");
    const auto names = [&](const std::string& type) {
        Strings found;
        for (const EngineFormat* format : list.ReadersFor(type)) {
            found.push_back(format->name);
        }
        return found;
    };
    EXPECT_EQ(names("loc"), (Strings{"fmtc", "fmtd", "fmtg", "plain"}));
    EXPECT_EQ(names("GPX"), (Strings{"gpx", "fmtg"}));
    EXPECT_EQ(names("txt"), (Strings{"fmta", "fmtb"})); // text writes only
    EXPECT_TRUE(names("devx").empty());
}

TEST(HostFormats, ReadsTheFormatsSectionOnlyFirstLineWins) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("hostformats.ini").toStdString();
    testing::WriteTextFile(path, "plt=gpx\r\n"
                                 "[general]\n"
                                 "wpt=gpx\n"
                                 "[Formats]\r\n"
                                 "; plt=kml\n"
                                 " plt = fmtf \r\n"
                                 "csv= xcsv , style=/tmp/my style.style,snlen=8\n"
                                 "PLT=kml\n"
                                 "empty=\n"
                                 "no equals sign\n"
                                 "[OTHER]\n"
                                 "loc=fmtd\n");
    const auto choices = ReadHostFormats(path);
    EXPECT_EQ(choices, (std::map<std::string, std::string>{
                           {"plt", "fmtf"}, {"csv", "xcsv,style=/tmp/my style.style,snlen=8"}}));
    EXPECT_TRUE(ReadHostFormats(dir.filePath("missing.ini").toStdString()).empty());
}

TEST(TypeFormatMap, UsersChoiceWinsAndAnUnknownChoiceMapsToNone) {
    TypeFormatMap map(
        FormatList::Parse(Listing),
        {{"plt", "fmtf"}, {"loc", "fmtd"}, {"csv", "xcsv,style=a.style"}, {"gpx", "nosuchformat"}});
    EXPECT_EQ(map.ForType("plt")->format.name, "fmtf");
    EXPECT_EQ(map.ForType("loc")->format.name, "fmtd");
    EXPECT_EQ(map.ForType("csv")->format.name, "xcsv");
    EXPECT_EQ(map.ForType("csv")->options, "style=a.style");
    EXPECT_EQ(map.ForType("kml")->format.name, "kml");
    EXPECT_FALSE(map.ForType("gpx").has_value());
    EXPECT_FALSE(map.ForType("wpt").has_value());
    // The user's reader comes first, before the engine's own candidates; in any case of type.
    const std::vector<FormatChoice> loc = map.ReadersFor("LOC");
    ASSERT_EQ(loc.size(), 2u);
    EXPECT_EQ(loc[0].format.name, "fmtd");
    EXPECT_EQ(loc[1].format.name, "fmtc");
    EXPECT_EQ(map.ReadersFor("Plt").size(), 1u);
    EXPECT_TRUE(map.ReadersFor("gpx").empty());
}

class ConversionArgumentsTest : public ::testing::Test {
protected:
    FormatChoice Choice(const std::string& name, const std::string& options = "") const {
        return {*m_list.Named(name), options};
    }
    FormatList m_list = FormatList::Parse(Listing);
};

TEST_F(ConversionArgumentsTest, ReadsEveryInputAndCarriesWhatBothSidesHold) {
    const std::vector<EngineInput> inputs{{"/in/a,b.gpx", Choice("gpx")},
                                          {"/in/-a.loc", Choice("fmtd")}};
    EXPECT_EQ(ConversionArguments(inputs, {{"/out/.t.kml", Choice("kml"), "", "", {}}}),
              (Strings{"-p", "", "-t", "-r", "-w", "-i", "gpx", "-f", "/in/a,b.gpx", "-i", "fmtd",
                       "-f", "/in/-a.loc", "-x", "validate,checkempty,debug", "-o", "kml", "-F",
                       "/out/.t.kml"}));
    // Every kind is read, counted and probed; what the target's format cannot hold is dropped
    // before it is written.
    EXPECT_EQ(ConversionArguments(inputs, {{"/o.txt", Choice("text"), "", "", {}}}, "/p.gpx"),
              (Strings{"-p",         "",     "-t",
                       "-r",         "-w",   "-i",
                       "gpx",        "-f",   "/in/a,b.gpx",
                       "-i",         "fmtd", "-f",
                       "/in/-a.loc", "-x",   "validate,checkempty,debug",
                       "-o",         "gpx",  "-F",
                       "/p.gpx",     "-x",   "nuketypes,tracks,routes",
                       "-o",         "text", "-F",
                       "/o.txt"}));
    // A format of one kind per file: one output per kind, each after its kind's flag; a file
    // named for tracks is read as tracks (its flag comes last).
    EXPECT_EQ(ConversionArguments({{"/in/w-tracks.kml", Choice("kml"), DataKind::Tracks}},
                                  {{"/o.a", Choice("fmtf"), "", "", DataKind::Waypoints},
                                   {"/o.b", Choice("fmtf"), "", "", DataKind::Routes}}),
              (Strings{"-p",
                       "",
                       "-w",
                       "-r",
                       "-t",
                       "-i",
                       "kml",
                       "-f",
                       "/in/w-tracks.kml",
                       "-x",
                       "validate,checkempty,debug",
                       "-w",
                       "-o",
                       "fmtf",
                       "-F",
                       "/o.a",
                       "-r",
                       "-o",
                       "fmtf",
                       "-F",
                       "/o.b"}));
    EXPECT_EQ(KindNamedIn("/in/walk-routes.shp"), DataKind::Routes);
    EXPECT_EQ(KindNamedIn("/in/walk.shp"), DataKind::Waypoints);
    EXPECT_EQ(CompanionPath("/out/walk.b.shp", DataKind::Tracks), "/out/walk.b-tracks.shp");
    // Only waypoints reach a format that writes nothing else; only tracks come from a reader of
    // waypoints and tracks into one that writes tracks alone.
    EXPECT_EQ(CarriedKinds(inputs, Choice("text")), (std::vector<DataKind>{DataKind::Waypoints}));
    EXPECT_EQ(CarriedKinds({{"/in/a.etr", Choice("fmte")}}, Choice("fmte")),
              (std::vector<DataKind>{DataKind::Tracks}));
    EXPECT_TRUE(CarriedKinds({{"/in/a.etr", Choice("text")}}, Choice("text")).empty());
    // A read alone asks only for the kinds its reader reads: a reader asked for another fails.
    EXPECT_EQ(ConversionArguments({{"/in/a.etr", Choice("fmte")}}, {}, "/p.gpx"),
              (Strings{"-p", "", "-t", "-w", "-i", "fmte", "-f", "/in/a.etr", "-x",
                       "validate,checkempty,debug", "-o", "gpx", "-F", "/p.gpx"}));
}

TEST_F(ConversionArgumentsTest, DatumAndGridGoOnlyToFormatsThatTakeThem) {
    const std::vector<EngineInput> inputs{{"/in/a.gpx", Choice("gpx")}};
    const Strings txt = ConversionArguments(
        inputs, {{"/o.txt", Choice("fmtb", "prec=6"), "European 1950", "utm", {}}});
    EXPECT_EQ(txt[txt.size() - 3], "fmtb,prec=6,datum=European 1950,grid=utm");
    const Strings alpha =
        ConversionArguments(inputs, {{"/o.txt", Choice("fmta"), "European 1950", "utm", {}}});
    EXPECT_EQ(alpha[alpha.size() - 3], "fmta,datum=European 1950");
    const Strings kml =
        ConversionArguments(inputs, {{"/o.kml", Choice("kml"), "WGS 72", "dms", {}}});
    EXPECT_EQ(kml[kml.size() - 3], "kml");
}

} // namespace
} // namespace tolk
