#include "model/amend/FieldExchange.h"
#include "model/records/RecordText.h"
#include "tests/model/support/Amendments.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using FieldExchange = AmendmentLogTest;

TEST_F(FieldExchange, TextsTakeOverOnlyRealDifferentValues)
{
    struct Case {
        const char* mine;
        const char* theirs;
        unsigned changed;
    };
    const Case cases[] = {
        {"old", "\x01", 0}, // the marker keeps the current text
        {"", "", 0},        // an absent text equals an empty one
        {"abc", "abc", 0},
        {"abc", "ABC", 1}, // case-sensitive
        {"old", "", 1},
        {"", "new", 1},
    };
    for (const Case& c : cases) {
        std::string mine = c.mine, theirs = c.theirs;
        EXPECT_EQ(SwapAndLogString(mine, theirs, LOG_PROPOSAL_DATA, "Label"), c.changed) << c.mine << "/" << c.theirs;
        EXPECT_EQ(mine, c.changed ? c.theirs : c.mine);
        EXPECT_EQ(theirs, c.changed ? c.mine : c.theirs) << "the amendment keeps the old value";
    }
    ASSERT_EQ(GetAmendmentChangeCount(), 3);
    EXPECT_EQ(GetAmendmentChangeText(0), "Label");
    EXPECT_EQ(GetAmendmentChangeCategory(0), LOG_PROPOSAL_DATA);
}

TEST_F(FieldExchange, NumbersAndFlagsAreSwappedButOnlyDifferencesCountAndLog)
{
    int32_t same = 5, alsoSame = 5;
    EXPECT_EQ(ExchangeAndLogInt(same, alsoSame, LOG_PROPOSAL_DATA, "Same"), 0u);
    double price = 1.5, newPrice = 2.5;
    EXPECT_EQ(ExchangeAndLogDouble(price, newPrice, LOG_PROPOSAL_DATA, "Price"), 1u);
    EXPECT_EQ(newPrice, 1.5) << "the amendment keeps the old value";
    uint16_t word = 1, newWord = 2;
    EXPECT_EQ(ExchangeAndLogWord(word, newWord), 1u) << "no label, no entry";
    ASSERT_EQ(GetAmendmentChangeCount(), 1);
    EXPECT_EQ(GetAmendmentChangeText(0), "Price");

    // A flag exchange moves one bit only.
    uint16_t mine = 0x0001, theirs = 0x8004;
    EXPECT_EQ(ExchangeAndLogFlag(mine, theirs, 2), 1u);
    EXPECT_EQ(mine, 0x0005);
    EXPECT_EQ(theirs, 0x8000);
    EXPECT_EQ(ExchangeAndLogFlag(mine, theirs, 15), 1u);
    EXPECT_EQ(ExchangeAndLogFlag(mine, theirs, 3), 0u);
    EXPECT_EQ(FlagDiffers(0x0010, 0x0000, 4), 1u);
    EXPECT_EQ(FlagDiffers(0x0010, 0x0001, 0), 1u);
    EXPECT_EQ(FlagDiffers(0x0010, 0x0010, 4), 0u);
}

TEST_F(FieldExchange, StringListsLogOnceAndKeepTextsTheAmendmentLeavesUnchanged)
{
    std::array<std::string, 5> mine{"a", "b", "c", "d", "e"};
    std::array<std::string, 5> theirs{"A", "b", "c", "d", "e"};
    EXPECT_EQ(ExchangeAndLogStrings(mine, theirs, LOG_PROPOSAL_DATA, "Caps"), 1u);
    EXPECT_EQ(mine[0], "A");
    EXPECT_EQ(GetAmendmentChangeCount(), 1);

    std::array<std::string, 5> marked{"\x01", "", "c", "d", "e"};
    std::array<std::string, 5> current{"keep", "", "c", "d", "e"};
    EXPECT_EQ(ExchangeAndLogStrings(current, marked, LOG_PROPOSAL_DATA, "Caps"), 0u);
    EXPECT_EQ(current[0], "keep");
}

TEST_F(FieldExchange, BlocksFollowTheirLengthMarker)
{
    CByteBlock mine({1, 2}), marked;
    marked.MarkUnchanged();
    EXPECT_EQ(marked.GetLength(), 4294967295u);
    EXPECT_EQ(ExchangeAndLogBlock(mine, marked), 0u);
    EXPECT_EQ(mine.GetLength(), 2u);

    CByteBlock same({1, 2});
    EXPECT_EQ(ExchangeAndLogBlock(mine, same), 0u);
    CByteBlock other({9});
    EXPECT_EQ(ExchangeAndLogBlock(mine, other), 1u);
    EXPECT_EQ(mine.GetBytes(), std::vector<uint8_t>{9});

    CByteBlock newer({9}), older({9});
    EXPECT_EQ(MarkUnchangedBlock(newer, older), 0u);
    EXPECT_TRUE(newer.IsUnchangedMarker());
    EXPECT_EQ(MarkUnchangedBlock(newer, CByteBlock({7})), 0u) << "already marked: not compared";
    CByteBlock longer({9, 9});
    EXPECT_EQ(MarkUnchangedBlock(longer, older), 1u);
    EXPECT_EQ(longer.GetLength(), 2u);
}

TEST_F(FieldExchange, ReducingMarksOnlyEqualTextsAndListsDifferByLengthOrText)
{
    std::string equal = "same", different = "new", marked(kUnchangedText), empty;
    EXPECT_EQ(MarkUnchanged(equal, "same"), 0u);
    EXPECT_EQ(equal, kUnchangedText);
    EXPECT_EQ(MarkUnchanged(different, "old"), 1u);
    EXPECT_EQ(different, "new");
    EXPECT_EQ(MarkUnchanged(marked, "anything"), 0u);
    EXPECT_EQ(MarkUnchanged(empty, ""), 0u);
    EXPECT_EQ(empty, kUnchangedText);

    // Text lists differ in length or in any text.
    const std::array<std::string, 2> a{"a", ""};
    const std::array<std::string, 1> shorter{"a"};
    const std::array<std::string, 2> upper{"A", ""};
    EXPECT_EQ(CompareStringArrays(a, a), 0u);
    EXPECT_EQ(CompareStringArrays(a, shorter), 1u) << "one list ends where the other has a text";
    EXPECT_EQ(CompareStringArrays(a, upper), 1u);
}

TEST(ChangeLog, NothingIsLoggedWhileOffOrWithoutText)
{
    DestroyAmendmentLog();
    LogAmendmentChange("ignored", LOG_ITEMS_ADDED);
    EXPECT_EQ(GetAmendmentChangeCount(), 0);

    CreateAmendmentLog();
    LogAmendmentChange(static_cast<const char*>(nullptr), LOG_ITEMS_ADDED);
    LogIfChanged(0, "Bond Amount");
    LogIfChanged(3, nullptr);
    EXPECT_EQ(GetAmendmentChangeCount(), 0);
    LogIfChanged(3, "Bond Amount");
    LogAmendmentChange(std::string("0010  A  B"), LOG_ITEMS_CHANGED);
    ASSERT_EQ(GetAmendmentChangeCount(), 2);
    EXPECT_EQ(GetAmendmentChangeCategory(0), LOG_PROPOSAL_DATA);
    EXPECT_EQ(GetAmendmentChangeText(1), "0010  A  B");
    EXPECT_EQ(GetAmendmentChangeCategory(2), 0) << "outside the log";
    EXPECT_EQ(GetAmendmentChangeText(-1), "");

    CreateAmendmentLog();
    EXPECT_EQ(GetAmendmentChangeCount(), 0) << "a new batch starts empty";
    DestroyAmendmentLog();
}
