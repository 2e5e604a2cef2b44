#include "model/text/ColumnText.h"
#include "model/text/FlagWord.h"
#include "model/records/RecordText.h"
#include "model/records/WinMeta.h"
#include "tests/model/support/Amendments.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A firm form: name, committed amount, and a yes/no column that decides whether the amount is
// required.
std::unique_ptr<CWinMeta> MakeFirmForm()
{
    auto form = std::make_unique<CWinMeta>();
    const struct { const char* name; int32_t requirement; } fields[] = {
        {"Firm Name", kFieldAlwaysRequired}, {"Amount", 2}, {"Certified", kFieldNeverRequired}};
    for (const auto& f : fields) {
        auto field = std::make_unique<CFieldInfo>();
        field->m_strName = f.name;
        field->m_iRequirement = f.requirement;
        form->m_fields.Add(std::move(field));
    }
    form->m_wColumnOfId[0] = 0;
    form->m_wColumnOfId[2] = 1;
    form->m_strFontFace = "Arial";
    form->m_texts = {"one", "two"};
    form->m_dbFields.SetAt("FIRM", std::make_unique<CDBField>())->m_strText = "firm";
    return form;
}

void FillRow(CWinMeta& form, const char* name, const char* amount, const char* certified)
{
    CRowData* row = form.AddRow(-1, -1);
    row->m_cells[0]->m_strText = name;
    row->m_cells[1]->m_strText = amount;
    row->m_cells[2]->m_strText = certified;
}

// The agency's amendment of the firm form after `edit`.
template <class Edit>
std::unique_ptr<CWinMeta> AgencyAmendment(Edit edit)
{
    auto newer = MakeFirmForm();
    edit(*newer);
    return AmendmentOf(*newer, *MakeFirmForm());
}

std::unique_ptr<CWinMeta> BiddersForm()
{
    auto form = MakeFirmForm();
    FillRow(*form, "Acme", "100", "Y");
    return form;
}

} // namespace

TEST(WinMetaLookup, NewFormHasNoFieldIdsAndHostileIndicesGiveNull)
{
    CWinMeta empty;
    for (int id = 0; id < CWinMeta::kFieldIdCount; ++id) {
        EXPECT_EQ(empty.GetColumnOfField(id), CWinMeta::kNoColumn);
        EXPECT_EQ(empty.GetFieldById(id), nullptr);
    }

    auto form = MakeFirmForm();
    FillRow(*form, "Acme", "100", "Y");
    form->m_wColumnOfId[5] = 40; // a column the form does not have
    EXPECT_EQ(form->GetFieldById(5), nullptr);
    EXPECT_EQ(form->GetFieldById(12), nullptr);
    EXPECT_EQ(form->GetFieldById(-1), nullptr);
    EXPECT_EQ(form->GetCellById(0, 5), nullptr);
    EXPECT_EQ(form->GetCell(-1, 0), nullptr);
    EXPECT_EQ(form->GetCell(0, 3), nullptr);
    EXPECT_EQ(form->GetRowDbeItem(0, 0), nullptr);
    EXPECT_EQ(form->GetCellById(0, 2)->m_strText, "100");
    EXPECT_EQ(form->AddRow(5, -1), nullptr);
    EXPECT_EQ(form->FindField("*amount*"), form->m_fields[1]);
    EXPECT_EQ(form->FindField("Nothing;cert*"), form->m_fields[2]);
    EXPECT_EQ(form->FindField(""), nullptr);
}

TEST(WinMetaRows, RequirementFollowsTheDecidingCell)
{
    auto form = MakeFirmForm();
    // The amount column's requirement names column 2, which reads yes or no.
    form->m_fields[1]->m_iRequirement = 2;
    FillRow(*form, "Acme", "", " yes");
    FillRow(*form, "Beta", "", "No");
    FillRow(*form, "", "5", "1");
    EXPECT_TRUE(form->IsCellRequired(0, 1));
    EXPECT_FALSE(form->IsCellRequired(1, 1));
    EXPECT_EQ(form->GetCell(0, 2)->m_strText, " yes") << "asking must not trim the bidder's text";

    EXPECT_FALSE(form->CheckRowComplete(0));
    EXPECT_TRUE(form->CheckRowComplete(1));
    EXPECT_FALSE(form->CheckRowComplete(2)) << "the always-required name is empty";
    EXPECT_TRUE(form->IsRowComplete(1));
    EXPECT_FALSE(form->CheckRowsComplete(-1));

    form->GetCell(0, 1)->m_strText = "12";
    form->GetCell(2, 0)->m_strText = "Gamma";
    ASSERT_TRUE(form->m_rows.DeleteAt(1, false));
    EXPECT_TRUE(form->CheckRowsComplete(-1)) << "an emptied row slot is skipped";
}

TEST(WinMetaAmendment, UnchangedDefinitionsKeepTheBiddersRowsAndFlags)
{
    auto amendment = AgencyAmendment([](CWinMeta& form) { form.m_dGoal = 12.5; });
    EXPECT_FALSE(TestFlagBit(amendment->m_wFlags, FORM_FIELDS_CHANGED));
    EXPECT_EQ(amendment->m_strFontFace, kUnchangedText);

    auto current = BiddersForm();
    for (int bit : {3, 4, 5, 10, 11})
        ChangeFlagBit(&current->m_wFlags, bit, 1); // the bidder's own choices
    const uint16_t bidderFlags = current->m_wFlags;
    EXPECT_EQ(current->ExchangeWithLog(*amendment), 1u) << "only the goal changed";
    EXPECT_EQ(current->m_dGoal, 12.5);
    EXPECT_EQ(current->m_wFlags, bidderFlags);
    EXPECT_EQ(current->m_rows.GetSize(), 1);
    EXPECT_EQ(current->m_strFontFace, "Arial");
    EXPECT_EQ(current->m_texts, (std::vector<std::string>{"one", "two"}));
}

TEST(WinMetaAmendment, ChangedFieldDefinitionsDeleteTheBiddersRows)
{
    auto amendment = AgencyAmendment([](CWinMeta& form) { form.m_fields[2]->m_strName = "DBE Certified"; });
    EXPECT_TRUE(TestFlagBit(amendment->m_wFlags, FORM_FIELDS_CHANGED));
    auto current = BiddersForm();
    EXPECT_GE(current->ExchangeWithLog(*amendment), 1u);
    EXPECT_EQ(current->m_rows.GetSize(), 0);
    EXPECT_EQ(current->m_fields[2]->m_strName, "DBE Certified");
    EXPECT_EQ(current->m_fields[0]->m_strName, "Firm Name");
}

TEST(WinMetaAmendment, MovedColumnsTakeTheAgencysPayByCheckBit)
{
    auto amendment = AgencyAmendment([](CWinMeta& form) {
        form.m_wColumnOfId[3] = 2;
        ChangeFlagBit(&form.m_wFlags, 10, 1);
    });
    auto current = MakeFirmForm();
    EXPECT_GE(current->ExchangeWithLog(*amendment), 2u);
    EXPECT_EQ(current->GetColumnOfField(3), 2);
    EXPECT_TRUE(TestFlagBit(current->m_wFlags, 10));
}

TEST(WinMetaAmendment, ShorterTextListIsAChangeAndIsTakenOver)
{
    auto current = MakeFirmForm();
    EXPECT_EQ(current->ExchangeWithLog(*AgencyAmendment([](CWinMeta& form) { form.m_texts = {"one"}; })), 1u);
    EXPECT_EQ(current->m_texts, std::vector<std::string>{"one"});

    auto longer = MakeFirmForm();
    longer->m_texts = {"one", "two", "three"};
    auto growing = AmendmentOf(*longer, *current);
    growing->m_texts[2] = std::string(kUnchangedText); // a hostile file
    EXPECT_EQ(current->ExchangeWithLog(*growing), 2u);
    EXPECT_EQ(current->m_texts, (std::vector<std::string>{"one", "two", ""}));
}

TEST(WinMetaCopy, CopyKeepsRowsWithTheirFirmItemsAndLookups)
{
    auto form = MakeFirmForm();
    FillRow(*form, "Acme", "100", "Y");
    CRowData* row = form->m_rows[0];
    for (int16_t item : {3, 7}) {
        auto entry = std::make_unique<CDBEItem>();
        entry->m_iNumber = item;
        entry->m_dQuantity = item * 10;
        row->m_dbeItems.Add(std::move(entry));
    }
    ASSERT_TRUE(row->SetDbeItemForLine("0030", row->m_dbeItems[0]));
    ASSERT_TRUE(row->SetDbeItemForLine("0070", row->m_dbeItems[1]));
    CDBEItem stranger;
    EXPECT_FALSE(row->SetDbeItemForLine("0090", &stranger));

    CWinMeta copy;
    copy.CopyFrom(*form);
    CRowData* copiedRow = copy.m_rows[0];
    ASSERT_EQ(copiedRow->m_dbeItems.GetSize(), 2);
    ASSERT_NE(copiedRow->FindDbeItemByLine("0070"), nullptr);
    EXPECT_EQ(copiedRow->FindDbeItemByLine("0070"), copiedRow->m_dbeItems[1]);
    EXPECT_EQ(copiedRow->FindDbeItemByLine("0070")->m_dQuantity, 70);

    ASSERT_TRUE(copiedRow->DeleteDbeItem(0));
    EXPECT_EQ(copiedRow->FindDbeItemByLine("0030"), nullptr);
    EXPECT_EQ(copiedRow->FindDbeItemByLine("0070"), copiedRow->m_dbeItems[0]);
    EXPECT_EQ(row->m_dbeItems.GetSize(), 2) << "the copy is deep";
}

TEST(DataFilter, MatchesTrimmedColumnsAgainstAnyPatternList)
{
    CDataFilter filter;
    EXPECT_FALSE(filter.Matches("anything")) << "no patterns, no match";
    filter.m_iStartColumn = 3;
    filter.m_iEndColumn = 8;
    filter.m_strPatterns[2] = "x*;ab?d";
    EXPECT_TRUE(filter.Matches("01 ABCD  tail"));
    EXPECT_TRUE(filter.Matches("01\txyz"));
    EXPECT_FALSE(filter.Matches("01 abcde"));
    EXPECT_FALSE(filter.Matches("01"));
}

TEST(ColumnText, ExtractsOneBasedRanges)
{
    EXPECT_EQ(ExtractColumns("abcdef", 2, 4), "bcd");
    EXPECT_EQ(ExtractColumns("abcdef", 3, 0), "cdef");
    EXPECT_EQ(ExtractColumns("abcdef", 0, 2), "ab");
    EXPECT_EQ(ExtractColumns("abcdef", 5, 99), "ef");
    EXPECT_EQ(ExtractColumns("abc", 4, 6), "");
    EXPECT_EQ(ExtractColumns("abcdef", 4, 2), "");
    EXPECT_EQ(ExtractColumns("abcdef", -5, -1), "");
}

TEST(FieldInfoPicture, DecodesTheStoredBlockAndNeverKeepsAFailedPicture)
{
    // 1 x 1 pixel, 24 bits, bottom-up: file header, info header, one padded row.
    const std::vector<uint8_t> bitmap = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
        4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x30, 0x20, 0x10, 0};
    CFieldInfo field;
    EXPECT_FALSE(field.LoadBitmap(false)) << "no block";
    field.SetData(std::vector<uint8_t>(9, 'B'));
    EXPECT_FALSE(field.LoadBitmap(false)) << "shorter than any bitmap";

    EXPECT_TRUE(field.SetData(bitmap, "logo"));
    EXPECT_EQ(field.m_strHelp, "logo");
    ASSERT_TRUE(field.LoadBitmap(false));
    EXPECT_EQ(field.GetBitmap()->GetImage().pixels.at(0), 0xFF102030u);

    std::vector<uint8_t> broken = bitmap;
    broken[28] = 16; // bits per pixel we do not decode
    field.SetData(broken);
    EXPECT_EQ(field.GetBitmap(), nullptr) << "a new block drops the old picture";
    EXPECT_FALSE(field.LoadBitmap(false));
    EXPECT_FALSE(field.LoadBitmap(false)) << "a failed decode must not be remembered as success";
    EXPECT_FALSE(field.SetData({}));
    EXPECT_TRUE(field.m_data.IsEmpty());
}

TEST(FieldInfo, KindsEightNineAndElevenTakeNoTyping)
{
    CFieldInfo field;
    for (int kind : {8, 9, 11}) {
        field.m_iKind = kind;
        EXPECT_FALSE(field.AcceptsTyping()) << kind;
    }
    field.m_iKind = 10;
    EXPECT_TRUE(field.AcceptsTyping());
}
