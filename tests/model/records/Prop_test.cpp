#include "bench/generator/AmendmentGenerator.h"
#include "model/amend/AmendmentResult.h"
#include "model/eval/Evaluator.h"
#include "model/text/FlagWord.h"
#include "model/records/Prop.h"
#include "model/files/PropBidRefPrice.h"
#include "model/records/RecordText.h"
#include "model/amend/StagedChange.h"
#include "tests/model/support/Amendments.h"
#include "tests/model/support/ItemTestSupport.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <fstream>

namespace {

std::unique_ptr<CWinMeta> MakeFirmForm(int firmCount)
{
    auto form = std::make_unique<CWinMeta>();
    form->m_fields.Add(std::make_unique<CFieldInfo>())->m_strName = "Firm";
    for (int i = 0; i < firmCount; ++i)
        form->AddRow(-1, -1)->m_cells[0]->m_strText = "Firm " + std::to_string(i);
    return form;
}

// A small proposal as an agency would publish it.
std::unique_ptr<CProp> MakeProposal()
{
    auto prop = std::make_unique<CProp>();
    prop->m_strCallOrder = "101";
    prop->m_strContractId = "C-77";
    prop->m_iLettingDate = 1273813200; // 14 May 2010
    prop->m_strDescription = "Resurfacing";
    prop->m_numberFormats[NUMFMT_UNIT_PRICE] = {10, 2};
    prop->m_items.Add(MakeSection("0001", "Roadway"));
    for (const char* line : {"0010", "0020", "0030"})
        prop->m_items.Add(MakeItem(line));
    prop->m_sites.Add(std::make_unique<CSite>())->m_strDescription = "Main St";
    prop->SetPlate("Header", "{AGENCY}");
    prop->NewPickList("Units", 0)->Add("EA");
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_DBE_FORM, 1);
    prop->m_pDbeForm = MakeFirmForm(1);
    prop->m_miscForms.Add(MakeFirmForm(0));
    return prop;
}

// The bidder commits firm 0 of the DBE form on the item at `index`.
CDBEItem* Commit(CProp& prop, int index, double quantity)
{
    CRowData* row = prop.m_pDbeForm->m_rows[0];
    auto entry = std::make_unique<CDBEItem>();
    entry->m_iNumber = int16_t(index);
    entry->m_dQuantity = quantity;
    entry->m_dExtension = quantity * 2;
    CDBEItem* added = row->m_dbeItems.Add(std::move(entry));
    row->SetDbeItemForLine(prop.m_items[index]->m_strLineNum, added);
    return added;
}

using PropAmendment = AmendmentLogTest;

} // namespace

TEST(Prop, CopyIsDeepAndLeavesOutBidderPathAndCellFlag)
{
    auto source = MakeProposal();
    Commit(*source, 2, 4);
    source->m_pBidder = std::make_unique<CBidderInfo>();
    source->m_strFilePath = "/bids/p.tvb";
    source->m_iCellDataBlocks = 0;

    CProp copy;
    copy.m_pBondForm = MakeFirmForm(2); // the source has none: ours stays
    copy.CopyFrom(*source);
    copy.CopyFrom(*source); // copying twice must not double anything
    EXPECT_EQ(static_cast<const CPropHeader&>(copy).m_strDescription, "Resurfacing");
    EXPECT_TRUE(static_cast<const CPropHeader&>(copy) != static_cast<const CPropHeader&>(*source))
        << "only the cell data flag differs";
    copy.m_iCellDataBlocks = 0;
    EXPECT_TRUE(static_cast<const CPropHeader&>(copy) == static_cast<const CPropHeader&>(*source));
    EXPECT_EQ(Lines(copy.m_items), Lines(source->m_items));
    EXPECT_EQ(copy.m_miscForms.GetSize(), 1);
    EXPECT_EQ(copy.m_pBidder, nullptr);
    EXPECT_TRUE(copy.m_strFilePath.empty());
    ASSERT_NE(copy.m_pBondForm, nullptr);
    EXPECT_EQ(copy.m_pBondForm->m_rows.GetSize(), 2);
    EXPECT_EQ(copy.GetUncommittedQuantity(copy.m_items[2], 1), -3) << "firm commitments are copied";
    EXPECT_FALSE(copy.m_referenceLists.HasDifferences(source->m_referenceLists));

    copy.m_items[1]->m_strItemNum = "changed";
    copy.FindPlate("Header")->m_strText = "changed";
    EXPECT_EQ(source->m_items[1]->m_strItemNum, "ITEM");
    EXPECT_EQ(source->FindPlate("Header")->m_strText, "{AGENCY}");

    auto whole = CProp::MakeWholeCopy(*source);
    EXPECT_NE(whole->m_pBidder, nullptr);
    EXPECT_EQ(whole->m_strFilePath, "/bids/p.tvb");
    EXPECT_EQ(whole->m_iCellDataBlocks, 0);
}

TEST(Prop, PlatesPickListsAndFormsByType)
{
    auto prop = MakeProposal();
    prop->SetPlate("Other", "x");
    EXPECT_TRUE(prop->RenamePlate("Other", "Header"));
    EXPECT_EQ(prop->FindPlate("Other")->m_strText, "{AGENCY}");
    EXPECT_EQ(prop->FindPlate("Header"), nullptr);
    EXPECT_FALSE(prop->RenamePlate("Any", "Missing"));
    EXPECT_EQ(prop->m_plates.GetCount(), 1);
    EXPECT_TRUE(prop->RenamePlate("Other", "Other"));
    EXPECT_NE(prop->FindPlate("Other"), nullptr) << "renaming to itself keeps the plate";

    EXPECT_NE(prop->GetPickList("Units", 0), nullptr);
    EXPECT_EQ(prop->GetPickList("Units", 7), nullptr);
    prop->NewPickList("Units", 0);
    EXPECT_EQ(prop->GetPickList("Units", 0)->GetSize(), 0);

    EXPECT_EQ(prop->GetDbeForm(FIRM_DBE), prop->m_pDbeForm.get());
    EXPECT_EQ(prop->GetDbeForm(FIRM_MBE), nullptr);
    EXPECT_EQ(prop->GetDbeForm(0), nullptr);
    EXPECT_EQ(prop->GetDbeForm(4), nullptr);
    EXPECT_EQ(prop->GetCurrencySymbol(0), "");
    prop->m_strFurtherReferences = {"$", "EUR "};
    EXPECT_EQ(prop->GetCurrencySymbol(0), "$");
    EXPECT_EQ(prop->GetCurrencySymbol(3), "EUR ");

    CBidCap* cap = prop->GetOrCreateBidCap("2010");
    EXPECT_EQ(cap->m_strName, "2010");
    EXPECT_EQ(prop->GetOrCreateBidCap("2010"), cap);
}

TEST(Prop, FindItemByLineAndUncommittedQuantities)
{
    auto prop = MakeProposal();
    EXPECT_EQ(prop->FindItemByLine("10"), prop->m_items[1]);
    EXPECT_EQ(prop->FindItemByLine("1"), nullptr) << "the section row 0001 is not an item";

    Commit(*prop, 1, 0.25);
    ChangeFlagBit(&Commit(*prop, 3, 5)->m_wEntryFlags, DBEITEM_NOT_COUNTED, 1);
    prop->m_items[1]->m_fExtension = 10;
    EXPECT_DOUBLE_EQ(prop->GetUncommittedQuantity(prop->m_items[1], 1), 0.75);
    EXPECT_DOUBLE_EQ(prop->GetUncommittedAmount(prop->m_items[1], 1), 9.5);
    EXPECT_DOUBLE_EQ(prop->GetUncommittedQuantity(prop->m_items[1], 2), 1) << "no MBE or WBE form";
    EXPECT_DOUBLE_EQ(prop->GetUncommittedQuantity(prop->m_items[3], 1), 1) << "entry not counted";
    EXPECT_EQ(prop->GetUncommittedQuantity(nullptr, 1), 0);
}

TEST(Prop, NormalizeUnitPricesRoundsAndRefusesZeroOrNegativeUnlessAllowed)
{
    auto prop = MakeProposal();
    prop->m_items[0]->m_fUnitPrice = 0; // a section row keeps its value
    prop->m_items[1]->m_fUnitPrice = 2.345;
    prop->m_items[2]->m_fUnitPrice = 0;
    prop->m_items[3]->m_fUnitPrice = -4;
    prop->NormalizeUnitPrices();
    EXPECT_EQ(prop->m_items[0]->m_fUnitPrice, 0);
    EXPECT_DOUBLE_EQ(prop->m_items[1]->m_fUnitPrice, 2.35);
    EXPECT_FALSE(IsEvalValueValid(prop->m_items[2]->m_fUnitPrice));
    EXPECT_FALSE(IsEvalValueValid(prop->m_items[3]->m_fUnitPrice));

    ChangeFlagBit(&prop->m_wNumberFormatFlags, NUMFMT_ZERO_PRICE_ALLOWED, 1);
    ChangeFlagBit(&prop->m_wNumberFormatFlags, NUMFMT_NEGATIVE_PRICE_ALLOWED, 1);
    prop->m_items[2]->m_fUnitPrice = 0;
    prop->m_items[3]->m_fUnitPrice = -4;
    ASSERT_TRUE(prop->m_items.DeleteAt(1, false));
    prop->NormalizeUnitPrices();
    EXPECT_EQ(prop->m_items[2]->m_fUnitPrice, 0);
    EXPECT_EQ(prop->m_items[3]->m_fUnitPrice, -4);
}

// An amendment that moves the rows leaves the bidder's own work in place.
TEST_F(PropAmendment, AppliedEditionKeepsTheBiddersWork)
{
    auto published = MakeProposal();
    auto edition = CProp::MakeWholeCopy(*published);
    edition->m_strDescription = "Resurfacing and striping";
    edition->m_items.InsertAt(1, MakeItem("0005", "NEW"));
    auto amendment = MakeAmendment(*edition, *published);

    auto bid = CProp::MakeWholeCopy(*published);
    bid->m_pBidder = std::make_unique<CBidderInfo>();
    Commit(*bid, 2, 1); // on line 0020
    bid->m_items[2]->m_fUnitPrice = 12.5;

    ASSERT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    EXPECT_EQ(bid->m_strLocation, "") << "no marker leaks";
    EXPECT_EQ(Lines(bid->m_items), Lines(edition->m_items));
    EXPECT_EQ(bid->m_items[3]->m_fUnitPrice, 12.5) << "the bidder's price survives";
    EXPECT_NE(bid->m_pBidder, nullptr);
    const CDBEItem* moved = bid->m_pDbeForm->GetRowDbeItem(0, 0);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->m_iNumber, 3) << "the firm item follows its item down one row";
}

TEST_F(PropAmendment, FormsMovedOrDroppedWholeCarryNoMarkers)
{
    auto published = MakeProposal();
    auto edition = CProp::MakeWholeCopy(*published);
    edition->m_pDbeForm.reset();
    ChangeFlagBit(&edition->m_wFlags, PROP_HAS_DBE_FORM, 0);
    edition->m_pBondForm = MakeFirmForm(0);
    edition->m_miscForms.Add(MakeFirmForm(0));
    edition->m_miscForms.Add(MakeFirmForm(3));
    auto amendment = MakeAmendment(*edition, *published);
    amendment->m_pBondForm->m_strFontFace = std::string(kUnchangedText); // as a hostile file might
    amendment->m_miscForms[1]->m_texts = {std::string(kUnchangedText)};

    auto bid = CProp::MakeWholeCopy(*published);
    ASSERT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    EXPECT_EQ(bid->m_pDbeForm, nullptr);
    ASSERT_NE(bid->m_pBondForm, nullptr);
    EXPECT_EQ(bid->m_pBondForm->m_strFontFace, "");
    EXPECT_EQ(bid->m_pBondForm->m_rows.GetSize(), 1) << "a form without rows gets an empty one";
    ASSERT_EQ(bid->m_miscForms.GetSize(), 3) << "every surplus form moves over, in order";
    EXPECT_EQ(bid->m_miscForms[1]->m_texts, std::vector<std::string>{""});
    EXPECT_EQ(bid->m_miscForms[2]->m_rows.GetSize(), 3);
    const std::vector<std::string> data = LoggedTexts(LOG_PROPOSAL_DATA);
    for (const char* label : {"Deleted DBE Information", "Added Misc Information", "Added Zod Bond Information"})
        EXPECT_NE(std::find(data.begin(), data.end(), label), data.end()) << label;
}

TEST(PropBidRefPrice, PricesTheRowFromTheReferenceFileAndRefusesRowsItCannotPrice)
{
    testsupport::TempFolder folder;
    std::ofstream(folder.Path() + "/ZOD.REF") << "202-1000 @QUAN*2+1\n";
    testsupport::ScopedEnvironment bid("TVB_BID", folder.Path().c_str());

    auto prop = MakeProposal();
    prop->m_items[2]->m_strItemNum = "202-1000";
    prop->m_items[2]->m_fQuan = 10;
    EXPECT_EQ(LookupBidRefPrice(prop.get(), 2), kBidRefPriceSet);
    EXPECT_EQ(prop->m_items[2]->m_fUnitPrice, 21);

    EXPECT_EQ(LookupBidRefPrice(nullptr, 0), kBidRefNoItem);
    EXPECT_EQ(LookupBidRefPrice(prop.get(), 4), kBidRefNoItem);
    EXPECT_EQ(LookupBidRefPrice(prop.get(), -1), kBidRefNoItem);
    EXPECT_EQ(LookupBidRefPrice(prop.get(), 0), kBidRefNotPriced) << "a section row";
    ChangeFlagBit(&prop->m_items[1]->m_wFlags, ITEM_FIXED_PRICE, 1);
    EXPECT_EQ(LookupBidRefPrice(prop.get(), 1), kBidRefNotPriced);
    ASSERT_TRUE(prop->m_items.DeleteAt(3, false));
    EXPECT_EQ(LookupBidRefPrice(prop.get(), 3), kBidRefNoItem) << "an emptied slot";
}
