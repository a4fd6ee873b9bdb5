#include "core/Text.h"

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

} // namespace
} // namespace tolk
