#include "model/records/DataArray.h"
#include "model/amend/StagedChange.h"
#include "tests/model/support/TestRecord.h"

#include <gtest/gtest.h>

TEST(StagedChange, TheCopyReplacesTheOriginalOnlyWhenTheChangeReturns)
{
    CreateAmendmentLog();
    LogAmendmentChange("earlier", LOG_PROPOSAL_DATA);
    auto record = std::make_unique<CTestRecord>("before", 1);
    CTestRecord* const original = record.get();

    EXPECT_THROW(ApplyToCopy(record, [](CTestRecord& copy) -> int {
                     copy.m_strText = "half";
                     LogAmendmentChange("half done", LOG_PROPOSAL_DATA);
                     throw CAmendmentError("failed in the middle");
                 }),
                 CAmendmentError);
    EXPECT_EQ(record.get(), original);
    EXPECT_EQ(record->m_strText, "before");
    EXPECT_EQ(GetAmendmentChangeCount(), 1) << "what the failed change logged is taken back";

    EXPECT_EQ(ApplyToCopy(record, [](CTestRecord& copy) { copy.m_strText = "after"; return 7; }), 7);
    EXPECT_EQ(record->m_strText, "after");
    EXPECT_EQ(record->m_iNumber, 1);
    DestroyAmendmentLog();
}

TEST(StagedChange, AListHeldByValueSwapsItsContents)
{
    CDataArray<CTestRecord> list;
    list.Add(std::make_unique<CTestRecord>("a"));
    EXPECT_THROW(ApplyToCopyAndSwap(list, [](CDataArray<CTestRecord>& copy) -> int {
                     copy.DeleteAll();
                     throw std::bad_alloc();
                 }),
                 std::bad_alloc);
    ASSERT_EQ(list.GetSize(), 1);
    ApplyToCopyAndSwap(list, [](CDataArray<CTestRecord>& copy) { return copy.DeleteAt(0); });
    EXPECT_EQ(list.GetSize(), 0);
}
