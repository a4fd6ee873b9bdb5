#include "host/FormatList.h"

#include "TextFiles.h"
#include "host/ConversionCommand.h"
#include "host/HostFormatsFile.h"
#include "host/TypeFormatMap.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using Strings = std::vector<std::string>;

// Lines in the shape of the engine's machine-readable format list.
const std::string Listing =
    "internal\trw----\txcsv\t\t? Character Separated Values\txcsv\n"
    "\tfile:///doc/fmt_xcsv.html\n"
    "option\txcsv\tstyle\tFull path to XCSV style file\tfile\t\t\t\t\n"
    "\n"
    "file\trw----\tfugawi\ttxt\tFugawi\txcsv\n"
    "option\tfugawi\tdatum\tGPS datum (def. WGS 84)\tstring\t\t\t\t\n"
    "file\trwrwrw\tgarmin_txt\ttxt\tGarmin MapSource - txt\tgarmin_txt\n"
    "option\tgarmin_txt\tdatum\tGPS datum\tstring\tWGS 84\t\t\t\n"
    "option\tgarmin_txt\tgrid\tWrite position using this grid.\tstring\n"
    "file\t-w----\ttext\ttxt\tTextual Output\ttext\n"
    "file\trw----\teasygps\tloc\tEasyGPS binary format\teasygps\n"
    "file\trw----\tgeo\tloc\tGeocaching.com .loc\tgeo\n"
    "file\tr-rw--\tgtrnctr\ttcx/crs/hst/xml\tGarmin Training Center\tgtrnctr\n"
    "file\trwrwrw\tgpx\tgpx\tGPX XML\tgpx\n"
    "file\trwrwrw\tkml\tkml\tGoogle Earth (Keyhole) Markup Language\tkml\n"
    "serial\trwrwrw\tgarmin\t\tGarmin serial/USB protocol\tgarmin\n"
    "file\trwrwrw\tozi\t\tOziExplorer\tozi\n";

std::string NameOf(const EngineFormat* format) {
    return format != nullptr ? format->name : "(none)";
}

TEST(FormatList, ReadsAbilitiesExtensionsAndOptions) {
    const FormatList list = FormatList::Parse(Listing);
    const EngineFormat* txt = list.Named("garmin_txt");
    ASSERT_NE(txt, nullptr);
    EXPECT_TRUE(txt->isFile);
    EXPECT_EQ(txt->AbilityCount(), 6);
    EXPECT_EQ(txt->options, (Strings{"datum", "grid"}));
    const EngineFormat* tcx = list.Named("gtrnctr");
    ASSERT_NE(tcx, nullptr);
    EXPECT_EQ(tcx->extensions, (Strings{"tcx", "crs", "hst", "xml"}));
    EXPECT_TRUE(tcx->Reads(DataKind::Waypoints));
    EXPECT_FALSE(tcx->Writes(DataKind::Waypoints));
    EXPECT_TRUE(tcx->Writes(DataKind::Tracks));
    EXPECT_FALSE(tcx->Reads(DataKind::Routes));
    EXPECT_FALSE(list.Named("xcsv")->isFile);
    EXPECT_EQ(list.Named("xcsv")->options, (Strings{"style"}));
    EXPECT_TRUE(list.Named("text")->WritesAny());
    EXPECT_FALSE(list.Named("text")->ReadsAny());
}

TEST(FormatList, DeviceFormatsAndOddLinesAreLeftOut) {
    const FormatList list = FormatList::Parse(Listing + "garbage\nfile\trw\n");
    EXPECT_EQ(list.Named("garmin"), nullptr);
    EXPECT_TRUE(FormatList::Parse("nothing here\n").Empty());
}

TEST(FormatList, TypeMapsToTheNamedFormatThenTheMostAbleByExtensionThenTheFirstListed) {
    const FormatList list = FormatList::Parse(Listing);
    EXPECT_EQ(NameOf(list.ForType("gpx")), "gpx");
    EXPECT_EQ(NameOf(list.ForType("txt")), "garmin_txt"); // six abilities beat fugawi's two
    EXPECT_EQ(NameOf(list.ForType("loc")), "easygps");    // a tie: the first listed
    EXPECT_EQ(NameOf(list.ForType("crs")), "gtrnctr");
    EXPECT_EQ(NameOf(list.ForType("plt")), "(none)");    // ozi lists no extension
    EXPECT_EQ(NameOf(list.ForType("xcsv")), "(none)");   // internal formats are no file type
    EXPECT_EQ(NameOf(list.ForType("garmin")), "(none)"); // nor are devices
    EXPECT_EQ(NameOf(list.ForType("TXT")), "(none)");    // types compare exactly
}

TEST(HostFormats, ReadsTheFormatsSectionOnlyFirstLineWins) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("hostformats.ini").toStdString();
    testing::WriteTextFile(path, "plt=gpx\r\n"
                                 "[general]\n"
                                 "wpt=gpx\n"
                                 "[Formats]\r\n"
                                 "; plt=kml\n"
                                 " plt = ozi \r\n"
                                 "csv= xcsv , style=/tmp/my style.style,snlen=8\n"
                                 "plt=kml\n"
                                 "empty=\n"
                                 "no equals sign\n"
                                 "[OTHER]\n"
                                 "loc=geo\n");
    const auto choices = ReadHostFormats(path);
    EXPECT_EQ(choices, (std::map<std::string, std::string>{
                           {"plt", "ozi"}, {"csv", "xcsv,style=/tmp/my style.style,snlen=8"}}));
    EXPECT_TRUE(ReadHostFormats(dir.filePath("missing.ini").toStdString()).empty());
}

TEST(TypeFormatMap, UsersChoiceWinsAndAnUnknownChoiceMapsToNone) {
    TypeFormatMap map(
        FormatList::Parse(Listing),
        {{"plt", "ozi"}, {"loc", "geo"}, {"csv", "xcsv,style=a.style"}, {"gpx", "nosuchformat"}});
    EXPECT_EQ(map.ForType("plt")->format.name, "ozi");
    EXPECT_EQ(map.ForType("loc")->format.name, "geo");
    EXPECT_EQ(map.ForType("csv")->format.name, "xcsv");
    EXPECT_EQ(map.ForType("csv")->options, "style=a.style");
    EXPECT_EQ(map.ForType("kml")->format.name, "kml");
    EXPECT_FALSE(map.ForType("gpx").has_value());
    EXPECT_FALSE(map.ForType("wpt").has_value());
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
                                          {"/in/-a.loc", Choice("geo")}};
    EXPECT_EQ(ConversionArguments(inputs, {"/out/.t.kml", Choice("kml"), "", ""}),
              (Strings{"-p", "", "-w", "-t", "-r", "-i", "gpx", "-f", "/in/a,b.gpx", "-i", "geo",
                       "-f", "/in/-a.loc", "-o", "kml", "-F", "/out/.t.kml"}));
    // Only waypoints reach a format that writes nothing else; only tracks come from a reader of
    // waypoints and tracks into one that writes tracks alone.
    EXPECT_EQ(CarriedKinds(inputs, Choice("text")), (std::vector<DataKind>{DataKind::Waypoints}));
    EXPECT_EQ(CarriedKinds({{"/in/a.tcx", Choice("gtrnctr")}}, Choice("gtrnctr")),
              (std::vector<DataKind>{DataKind::Tracks}));
    EXPECT_TRUE(CarriedKinds({{"/in/a.tcx", Choice("text")}}, Choice("text")).empty());
}

TEST_F(ConversionArgumentsTest, DatumAndGridGoOnlyToFormatsThatTakeThem) {
    const std::vector<EngineInput> inputs{{"/in/a.gpx", Choice("gpx")}};
    const Strings txt = ConversionArguments(
        inputs, {"/o.txt", Choice("garmin_txt", "prec=6"), "European 1950", "utm"});
    EXPECT_EQ(txt[txt.size() - 3], "garmin_txt,prec=6,datum=European 1950,grid=utm");
    const Strings fugawi =
        ConversionArguments(inputs, {"/o.txt", Choice("fugawi"), "European 1950", "utm"});
    EXPECT_EQ(fugawi[fugawi.size() - 3], "fugawi,datum=European 1950");
    const Strings kml = ConversionArguments(inputs, {"/o.kml", Choice("kml"), "WGS 72", "dms"});
    EXPECT_EQ(kml[kml.size() - 3], "kml");
}

} // namespace
} // namespace tolk
