#include "convert/TypeLists.h"

#include "FakeChoiceList.h"
#include "convert/FileTypes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::FakeChoiceList;

TEST(FileTypeTablesTest, HoldTheTypesAtTheirFixedPositions) {
    // Positions counted from 1, as the merge list and the settings rely on.
    EXPECT_EQ(FileTypeTable[1 - 1], "txt");
    EXPECT_EQ(FileTypeTable[9 - 1], "axe");
    EXPECT_EQ(FileTypeTable[10 - 1], "arf");
    EXPECT_EQ(FileTypeTable[37 - 1], "html");
    EXPECT_EQ(FileTypeTable[65 - 1], "result");
    EXPECT_EQ(FileTypeTable[92 - 1], "wpt");
    EXPECT_EQ(FileTypeTable[94 - 1], "000");
    EXPECT_EQ(TargetTypeTable[9 - 1], "bln");
    EXPECT_EQ(TargetTypeTable[20 - 1], "gtr");
    EXPECT_EQ(TargetTypeTable[23 - 1], "kml");
    EXPECT_EQ(TargetTypeTable[51 - 1], "xml");
}

template <std::size_t N>
void ExpectWellFormed(const std::array<std::string_view, N>& table) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view type = table[i];
        EXPECT_GE(type.size(), 2u) << type;
        EXPECT_LE(type.size(), 6u) << type;
        for (const char c : type) {
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) << type;
        }
        EXPECT_EQ(std::find(table.begin(), table.begin() + i, type), table.begin() + i) << type;
    }
}

TEST(FileTypeTablesTest, EveryTypeIsTwoToSixLowerCaseLettersOrDigitsAndOccursOnce) {
    ExpectWellFormed(FileTypeTable);
    ExpectWellFormed(TargetTypeTable);
}

class FillTypeListsTest : public ::testing::Test {
protected:
    void Fill() { FillTypeLists(m_source, m_merge, m_target, m_settings); }

    ConversionSettings m_settings;
    FakeChoiceList m_source{{"TXT", "WPT", "PLT"}};
    FakeChoiceList m_merge{{"(none)", "TXT", "WPT", "PLT"}};
    FakeChoiceList m_target{{"TXT", "WPT", "PLT", "KML"}};
};

TEST_F(FillTypeListsTest, ReplacesTheDesignItemsWithTheTablesInOrder) {
    Fill();
    ASSERT_EQ(m_source.Count(), 94);
    ASSERT_EQ(m_merge.Count(), 95);
    ASSERT_EQ(m_target.Count(), 51);
    EXPECT_EQ(m_merge.items[0], "(none)");
    for (std::size_t k = 1; k <= FileTypeTable.size(); ++k) {
        EXPECT_EQ(m_source.items[k - 1], FileTypeTable[k - 1]);
        EXPECT_EQ(m_merge.items[k], FileTypeTable[k - 1]);
    }
    for (std::size_t k = 0; k < TargetTypeTable.size(); ++k) {
        EXPECT_EQ(m_target.items[k], TargetTypeTable[k]);
    }
}

TEST_F(FillTypeListsTest, SelectsTheLoadedTypes) {
    m_settings.SourceExt = "plt";
    m_settings.MergeExt = "wpt";
    m_settings.TargetExt = "kml";
    Fill();
    EXPECT_EQ(m_source.CurrentIndex(), 61);
    EXPECT_EQ(m_merge.CurrentIndex(), 92);
    EXPECT_EQ(m_target.CurrentIndex(), 22);
}

TEST_F(FillTypeListsTest, TypesNotInTheTablesShowTheFirstItemAndStayInEffect) {
    m_settings.SourceExt = "TXT";
    m_settings.MergeExt = "bln"; // a target type only
    m_settings.TargetExt = "wp";
    Fill();
    EXPECT_EQ(m_source.CurrentIndex(), 0);
    EXPECT_EQ(m_merge.CurrentIndex(), 0);
    EXPECT_EQ(m_target.CurrentIndex(), 0);
    EXPECT_EQ(m_settings.SourceExt, "TXT");
    EXPECT_EQ(m_settings.MergeExt, "bln");
}

TEST_F(FillTypeListsTest, NoMergeTypeSelectsNone) {
    Fill();
    EXPECT_EQ(m_merge.CurrentIndex(), 0);
}

TEST(TypePicksTest, MergeItemsMapToTableEntriesAndItemZeroClears) {
    FakeChoiceList merge{{"(none)", "TXT", "WPT", "PLT"}}; // still the design items
    std::string mergeType = "plt";
    merge.current = 1;
    MergeTypePicked(merge, mergeType);
    EXPECT_EQ(mergeType, "txt"); // table entry 1, not the item's text
    merge.current = 0;
    MergeTypePicked(merge, mergeType);
    EXPECT_EQ(mergeType, "");

    FakeChoiceList filled;
    FakeChoiceList source;
    FakeChoiceList target;
    FillTypeLists(source, filled, target, {});
    filled.current = 92;
    MergeTypePicked(filled, mergeType);
    EXPECT_EQ(mergeType, "wpt");
}

} // namespace
} // namespace tolk
