#include "convert/ReferenceLists.h"

#include "FakeChoiceList.h"
#include "MessageRecorder.h"
#include "TextFiles.h"
#include "convert/ReferenceFile.h"
#include "convert/ReferenceLineParser.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::FakeChoiceList;
using Names = std::vector<std::string>;

Names Parse(std::string_view bytes, ReferenceFormat format = DatumLineFormat,
            std::size_t piece = std::string_view::npos) {
    Names names;
    ReferenceLineParser parser(format,
                               [&names](const std::string& name) { names.push_back(name); });
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        if (!parser.Feed(bytes.substr(at, piece))) {
            break;
        }
    }
    parser.Finish();
    return names;
}

TEST(ReferenceLineParserTest, CarriageReturnEndsALineAndSwallowsOneLineFeed) {
    EXPECT_EQ(Parse("M   WGS 84\r\nM   NAD27\r\n"), (Names{"WGS 84", "NAD27"}));
    EXPECT_EQ(Parse("M   WGS 84\rM   NAD27"), (Names{"WGS 84", "NAD27"}));
    // Only one line feed belongs to the line end; the next one opens a line of its own, which
    // then does not start with the marker.
    EXPECT_EQ(Parse("M   A\r\n\nM   B\r\nM   C\r\r\nM   D"), (Names{"A", "C", "D"}));
}

TEST(ReferenceLineParserTest, LineFeedsAloneDoNotEndLines) {
    EXPECT_EQ(Parse("M   A\nM   B\n"), (Names{"A\nM   B"}));
    EXPECT_EQ(Parse("; note\nM   A\nM   B\n"), Names{});
}

TEST(ReferenceLineParserTest, CodeTwentySixEndsTheFileWhereItStands) {
    EXPECT_EQ(Parse("M   A\r\nM   B\x1aM   C\r\n"), (Names{"A", "B"}));
    EXPECT_EQ(Parse("\x1aM   A\r\n"), Names{});
    EXPECT_EQ(Parse("M   A\r\x1a\nM   B"), (Names{"A"}));
}

TEST(ReferenceLineParserTest, ShortLinesGiveEmptyNamesAndOtherLinesAreIgnored) {
    EXPECT_EQ(Parse("M\r\nM  X\r\nM   X\r\n"), (Names{"", "", "X"}));
    EXPECT_EQ(Parse("m   lower\r\n M   indented\r\n\r\nU   grid\r\n"), Names{});
}

TEST(ReferenceLineParserTest, NamesArePositionsFiveToTwentyFourTrimmedOfCodesUpToBlank) {
    EXPECT_EQ(Parse("M   WGS 84              further text\r\n"), (Names{"WGS 84"}));
    EXPECT_EQ(Parse("M   abcdefghijklmnopqrstuvwxyz\r\n"), (Names{"abcdefghijklmnopqrst"}));
    // Cut after the 20th character first, then trimmed.
    EXPECT_EQ(Parse("M   name               X\r\n"), (Names{"name               X"}));
    EXPECT_EQ(Parse("M   name                X\r\n"), (Names{"name"}));
    const char controls[] = "M   \t\x01 A B \x00\x1f";
    EXPECT_EQ(Parse({controls, sizeof controls - 1}), (Names{"A B"}));
    // Bytes above 127 are not blanks, whatever the signedness of char.
    EXPECT_EQ(Parse("M   \xa0"
                    "A\xa0\r\n"),
              (Names{"\xa0"
                     "A\xa0"}));
}

TEST(ReferenceLineParserTest, GridNamesArePositionsThreeToTwentyTwo) {
    EXPECT_EQ(Parse("U British Grid (BNG)\r\nU   Swiss Grid          x\r\nM   WGS 84\r\n",
                    GridLineFormat),
              (Names{"British Grid (BNG)", "Swiss Grid"}));
}

TEST(ReferenceLineParserTest, VeryLongLinesAndAnyPieceSizeGiveTheSameNames) {
    const std::string bytes = "M   Long" + std::string(3'000'000, 'x') + "\r\nM   After\r\n";
    const Names expected{"Longxxxxxxxxxxxxxxxx", "After"};
    EXPECT_EQ(Parse(bytes), expected);
    const std::string mixed = "M   A\r\nM   B\r\n\rM   C\x1aM   D";
    for (std::size_t piece = 1; piece <= mixed.size(); ++piece) {
        EXPECT_EQ(Parse(mixed, DatumLineFormat, piece), (Names{"A", "B", "C"})) << piece;
    }
}

class ReferenceFilesTest : public ::testing::Test {
protected:
    std::string Folder() const { return m_dir.path().toStdString() + "/"; }
    void Write(const std::string& name, const std::string& bytes) {
        testing::WriteTextFile(Folder() + name, bytes);
    }
    std::vector<std::string> Messages() const { return m_messages.shown; }

    QTemporaryDir m_dir;
    testing::MessageRecorder m_messages;
    FakeChoiceList m_datums{{"not yet  implemented"}};
    FakeChoiceList m_grids{{"not yet implemented"}};
};

TEST_F(ReferenceFilesTest, FileReadsAcrossItsBufferBoundaries) {
    // A line end split over two reads of the file.
    std::string bytes = "M   First" + std::string(64 * 1024 - 10, ' ') + "\r\nM   Second\r\n";
    ASSERT_EQ(bytes[64 * 1024 - 1], '\r');
    Write("DATUMS.TXT", bytes);
    ReferenceFile file(Folder() + "DATUMS.TXT");
    Names names;
    EXPECT_TRUE(file.ReadNames(DatumLineFormat, [&](const std::string& n) { names.push_back(n); }));
    EXPECT_EQ(names, (Names{"First", "Second"}));
}

TEST_F(ReferenceFilesTest, MissingFilesAndFoldersDoNotOpen) {
    EXPECT_FALSE(ReferenceFile(Folder() + "DATUMS.TXT").IsOpen());
    EXPECT_FALSE(ReferenceFile(Folder()).IsOpen());
}

TEST_F(ReferenceFilesTest, DatumListHoldsNoChangeThenTheFileNamesAsTheyCome) {
    Write("DATUMS.TXT", "; header\r\nM   WGS 84\r\nM\r\nM   NAD27\r\nM   WGS 84\r\n");
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "", m_messages);
    EXPECT_EQ(m_datums.items, (Names{"(no change)", "WGS 84", "", "NAD27", "WGS 84"}));
    EXPECT_EQ(m_datums.CurrentIndex(), 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ReferenceFilesTest, TheLastItemEqualInAsciiUpperCaseBecomesCurrent) {
    Write("DATUMS.TXT", "M   WGS 84\r\nM   NAD27\r\nM   wgs 84\r\nM   \xc3\xa9t\xc3\xa9\r\n");
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "Wgs 84", m_messages);
    EXPECT_EQ(m_datums.CurrentIndex(), 3);
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "(NO CHANGE)", m_messages);
    EXPECT_EQ(m_datums.CurrentIndex(), 0);
    // Only a to z change case: "\xc3\xa9" (e acute) never meets its capital.
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "\xc3\x89T\xc3\x89", m_messages);
    EXPECT_EQ(m_datums.CurrentIndex(), -1);
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "Nowhere 1900", m_messages);
    EXPECT_EQ(m_datums.CurrentIndex(), -1);
}

TEST_F(ReferenceFilesTest, GridListOffersTheFixedGridsFirstAndLaterEqualItemsWin) {
    Write("GRIDS.TXT", "U Swiss Grid\r\n");
    LoadGridList(m_grids, ReadReferenceData(Folder()), Folder(), "LAT LON DM", m_messages);
    EXPECT_EQ(m_grids.items, (Names{"(no change)", "LAT LON D", "LAT LON DM", "LAT LON DMS",
                                    "UTM/UPS", "Maidenhead", "Swiss Grid"}));
    EXPECT_EQ(m_grids.CurrentIndex(), 2);
    LoadGridList(m_grids, ReadReferenceData(Folder()), Folder(), "lat lon dms", m_messages);
    EXPECT_EQ(m_grids.CurrentIndex(), 3);

    Write("GRIDS.TXT", "U Swiss Grid\r\nU lat lon dm\r\n");
    LoadGridList(m_grids, ReadReferenceData(Folder()), Folder(), "LAT LON DM", m_messages);
    EXPECT_EQ(m_grids.CurrentIndex(), 7);
    EXPECT_TRUE(Messages().empty());
}

// Lines of 10 MB, marked and unmarked, with and without line ends: only their names are kept.
TEST_F(ReferenceFilesTest, TenMegabyteLinesLoadAsTheirNames) {
    const std::string tenMegabytes(10 * 1024 * 1024, 'x');
    Write("DATUMS.TXT", "M   Long " + tenMegabytes + "\r\n; " + tenMegabytes + "\r\nM   NAD27\r\n" +
                            tenMegabytes + "\nM   Last " + tenMegabytes);
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "NAD27", m_messages);
    EXPECT_EQ(m_datums.items, (Names{"(no change)", "Long xxxxxxxxxxxxxxx", "NAD27"}));
    EXPECT_EQ(m_datums.CurrentIndex(), 2);
    Write("GRIDS.TXT", "U Swiss Grid" + tenMegabytes);
    LoadGridList(m_grids, ReadReferenceData(Folder()), Folder(), "", m_messages);
    EXPECT_EQ(m_grids.items.back(), "Swiss Gridxxxxxxxxxx");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ReferenceFilesTest, UnreadableFileGivesOneMessageAndKeepsThePlaceholderWithNoneCurrent) {
    m_datums.current = 0;
    LoadDatumList(m_datums, ReadReferenceData(Folder()), Folder(), "WGS 84", m_messages);
    LoadGridList(m_grids, ReadReferenceData(Folder()), Folder(), "LAT LON DM", m_messages);
    EXPECT_EQ(Messages(), (Names{"message: Could not open file " + Folder() + "DATUMS.TXT",
                                 "message: Could not open file " + Folder() + "GRIDS.TXT"}));
    EXPECT_EQ(m_datums.items, (Names{"not yet  implemented"}));
    EXPECT_EQ(m_datums.CurrentIndex(), -1);
    EXPECT_EQ(m_grids.items, (Names{"not yet implemented"}));
    EXPECT_EQ(m_grids.CurrentIndex(), -1);
}

TEST(ReferencePicksTest, ItemZeroClearsWhateverItShowsAndOtherItemsSetTheirText) {
    FakeChoiceList placeholder{{"not yet  implemented"}};
    std::string datum = "WGS 84";
    placeholder.current = 0;
    ReferencePicked(placeholder, datum);
    EXPECT_EQ(datum, "");

    FakeChoiceList grids{{"(no change)", "LAT LON D", "lat lon dm"}};
    std::string grid = "LAT LON DM";
    grids.current = 2;
    ReferencePicked(grids, grid);
    EXPECT_EQ(grid, "lat lon dm");
}

TEST(ShippedReferenceFilesTest, OfferEveryDatumOnceAndTheEngineCanApplyEveryListedGrid) {
    const ReferenceData reference = ReadReferenceData(std::string(TOLK_SOURCE_DIR) + "/data/");
    const Names& datums = reference.Datums();
    EXPECT_GT(datums.size(), 100u);
    for (const std::string& name : datums) {
        EXPECT_EQ(std::count(datums.begin(), datums.end(), name), 1) << name;
    }
    ASSERT_NE(reference.OfferedDatum("wgs 84"), nullptr);
    EXPECT_EQ(*reference.OfferedDatum("wgs 84"), "WGS 84") << "the listed spelling";
    for (const GridEntry& grid : reference.Grids()) {
        EXPECT_EQ(grid.keyword.empty(), grid.name == "Maidenhead") << grid.name;
    }
    EXPECT_EQ(reference.Grids().size(), ReferenceData::FixedGridCount() + 2);
}

TEST_F(ReferenceFilesTest, OnlyNamesTheFilesListAreOfferedBeyondTheFixedGrids) {
    Write("DATUMS.TXT", "M\r\nM   NAD27\r\n");
    const ReferenceData reference = ReadReferenceData(Folder());
    EXPECT_EQ(reference.gridFile, ReferenceFileState::Unopened);
    EXPECT_NE(reference.OfferedGrid("utm/ups"), nullptr);
    EXPECT_EQ(reference.OfferedGrid("Swiss Grid"), nullptr) << "not in a GRIDS.TXT";
    EXPECT_NE(reference.OfferedDatum("nad27"), nullptr);
    EXPECT_EQ(reference.OfferedDatum("\xc3\xa9"), nullptr);
}

} // namespace
} // namespace tolk
