#include "core/Text.h"

#include "core/Translate.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

TEST(TextTest, TextsForTheScreenKeepTheirLinesAndShowOtherControlCharactersAsQuestionMarks) {
    EXPECT_EQ(PrintableLines("Cannot Convert:\r\nSource and Target types are the same"),
              "Cannot Convert:\nSource and Target types are the same");
    // Any other control character comes from a name and must not break lines or reach a
    // terminal as a command.
    EXPECT_EQ(PrintableLines("a\rb\n\r\n"), "a?b\n\n");
    EXPECT_EQ(PrintableLines("Converted: x\x1b[2Jy\x7f"), "Converted: x?[2Jy?");
    EXPECT_EQ(PrintableName("two\r\nlines\t.gpx"), "two??lines?.gpx");
}

TEST(TextTest, AnEscapedLineHoldsNoControlCharacterAndCanBeReadBack) {
    EXPECT_EQ(EscapedLine("a\tb\nc\rd\\e\x1b\x7f"), "a\\tb\\nc\\rd\\\\e\\x1b\\x7f");
    EXPECT_EQ(EscapedLine("Zürich walk.gpx"), "Zürich walk.gpx");
}

TEST(TextTest, ABoxTextTallerThanTheScreenKeepsItsFirstLinesAndSaysHowManyMore) {
    EXPECT_EQ(FirstLines("Unable to find files to merge:\na.csv\nb.csv\nc.csv", 3),
              "Unable to find files to merge:\na.csv\n... and 2 more (see conversion.log)");
    EXPECT_EQ(FirstLines("one\ntwo", 2), "one\ntwo");
    EXPECT_EQ(FirstLines("one\ntwo\nthree", 1), "one\n... and 2 more (see conversion.log)");
}

TEST(TextTest, FillsEachMarkerOnceSoAnArgumentHoldingAMarkerStaysAsItIs) {
    EXPECT_EQ(Tr("Test", "%1 to %2"), "%1 to %2");
    EXPECT_EQ(Tr("Test", "%2 after %1", {"a%2.gpx", "b"}), "b after a%2.gpx");
    EXPECT_EQ(Tr("Test", "100% of %1", {"x"}), "100% of x");
}

} // namespace
} // namespace tolk
