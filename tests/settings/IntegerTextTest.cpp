#include "settings/IntegerText.h"

#include "ErrorOf.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

TEST(IntegerFromText, AcceptsSignedDecimalAndDollarHexAfterLeadingSpaces) {
    EXPECT_EQ(IntegerFromText("478"), 478);
    EXPECT_EQ(IntegerFromText("   -8"), -8);
    EXPECT_EQ(IntegerFromText("+12"), 12);
    EXPECT_EQ(IntegerFromText("007"), 7);
    EXPECT_EQ(IntegerFromText("$1f"), 31);
    EXPECT_EQ(IntegerFromText(" $7FFFFFFF"), 2147483647);
    EXPECT_EQ(IntegerFromText("2147483647"), 2147483647);
    EXPECT_EQ(IntegerFromText("-2147483648"), -2147483648LL);
}

TEST(IntegerFromText, RefusesEverythingElse) {
    for (const char* text :
         {"", "   ", "+", "-", "$", "10 ", "10,20", "1.5", "0x1F", "-$1", "$-1", "$80000000",
          "2147483648", "-2147483649", "99999999999999999999", "\t5", "1e3", "12a"}) {
        EXPECT_EQ(IntegerFromText(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(StrictInteger, NamesTheRefusedTextInItsError) {
    EXPECT_EQ(StrictInteger("-1"), -1);
    EXPECT_EQ(testing::ErrorOf([] { StrictInteger("10,20,500,700"); }),
              "'10,20,500,700' is not a valid integer value");
}

std::vector<std::string> Tokens(std::string text, char separator = ' ', int count = 4) {
    std::vector<std::string> tokens;
    for (int i = 0; i < count; ++i) {
        tokens.push_back(NextToken(separator, text));
    }
    tokens.push_back("rest:" + text);
    return tokens;
}

using Strings = std::vector<std::string>;

TEST(NextToken, SkipsLeadingSpacesAndSplitsAtTheSeparator) {
    EXPECT_EQ(Tokens("  10   20  500  700"), (Strings{"10", "20", "500", "700", "rest:"}));
    EXPECT_EQ(Tokens("10 20 500"), (Strings{"10", "20", "500", "", "rest:"}));
    EXPECT_EQ(Tokens("1 2 3 4 5 6"), (Strings{"1", "2", "3", "4", "rest:5 6"}));
    // Spaces are skipped whatever the separator; other blanks are not.
    EXPECT_EQ(Tokens("  a, b,\tc", ',', 3), (Strings{"a", "b", "\tc", "rest:"}));
}

TEST(NextToken, KeepsQuotesAndRunsAQuotedTokenOnToTheSeparator) {
    EXPECT_EQ(Tokens("\"a b\" c", ' ', 2), (Strings{"\"a b\"", "c", "rest:"}));
    EXPECT_EQ(Tokens("\"a b\"x y", ' ', 2), (Strings{"\"a b\"x", "y", "rest:"}));
    EXPECT_EQ(Tokens("\"a b", ' ', 2), (Strings{"\"a b", "", "rest:"}));
    EXPECT_EQ(Tokens("x\"a b\"", ' ', 2), (Strings{"x\"a", "b\"", "rest:"}));
}

TEST(NextToken, CutsTheRestAfterASeparatorAndAfterASkippedSpace) {
    std::string afterSeparator = "a " + std::string(1200, 'b');
    EXPECT_EQ(NextToken(' ', afterSeparator), "a");
    EXPECT_EQ(afterSeparator, std::string(999, 'b'));

    std::string afterSpace = " " + std::string(12000, 'c');
    EXPECT_EQ(NextToken(' ', afterSpace), std::string(9999, 'c'));

    std::string afterQuote = "\"" + std::string(12000, 'd');
    EXPECT_EQ(NextToken(' ', afterQuote), "\"" + std::string(9999, 'd'));
}

} // namespace
} // namespace tolk
