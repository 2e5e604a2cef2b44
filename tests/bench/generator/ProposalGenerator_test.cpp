#include "bench/generator/AmendmentGenerator.h"
#include "bench/generator/ProposalDifferences.h"
#include "bench/generator/ProposalFiles.h"
#include "bench/generator/ProposalGenerator.h"
#include "model/eval/Evaluator.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "platform/armor/PublicKeyArmor.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>

namespace {

ProposalShape Shape(int items, uint32_t seed = 1)
{
    ProposalShape shape;
    shape.m_items = items;
    shape.m_seed = seed;
    return shape;
}

int LineValue(const std::string& line) { return std::stoi(line); }

std::vector<const CWinMeta*> FormsOf(const CProp& prop)
{
    std::vector<const CWinMeta*> forms = {prop.m_pDbeForm.get(), prop.m_pMbeForm.get(), prop.m_pWbeForm.get(),
                                          prop.m_pBondForm.get()};
    for (const auto& form : prop.m_miscForms)
        forms.push_back(form.get());
    return forms;
}

} // namespace

TEST(ProposalGenerator, TheSameSeedGivesTheSameLettingAndAnotherSeedAnother)
{
    const auto prop = GenerateProposal(Shape(500, 9));
    const auto other = GenerateProposal(Shape(500, 10));
    EXPECT_TRUE(ListProposalDifferences(*prop, *GenerateProposal(Shape(500, 9))).empty());
    EXPECT_FALSE(ListProposalDifferences(*prop, *other).empty());
    // The agency key is the agency's one key, a sound armoured block whose first packet is a
    // public key (old format, one-byte length).
    const CPlate* key = prop->FindPlate(kAgencyPublicKeyPlate);
    ASSERT_NE(key, nullptr);
    const PublicKeyArmor armor = ParsePublicKeyArmor(key->m_strText);
    ASSERT_EQ(armor.status, ArmorStatus::Sound);
    EXPECT_EQ(uint8_t(armor.packets[0]), 0x98);
    EXPECT_EQ(key->m_strText, other->FindPlate(kAgencyPublicKeyPlate)->m_strText);
    const AmendedProposal first = GenerateAmendedProposal(Shape(200, 4));
    const AmendedProposal second = GenerateAmendedProposal(Shape(200, 4));
    for (size_t n = 0; n < 2; ++n) {
        EXPECT_TRUE(ListProposalDifferences(*first.m_amendments[n], *second.m_amendments[n]).empty());
        EXPECT_TRUE(ListProposalDifferences(*first.m_editions[n], *second.m_editions[n]).empty());
    }
}

TEST(ProposalGenerator, EverySizeHasItsItemsInSectionsWithRisingLineNumbers)
{
    for (const auto& [items, perSection] : {std::pair{0, 40}, {1, 40}, {39, 40}, {41, 40}, {1000, 12}, {50000, 40}}) {
        SCOPED_TRACE(std::to_string(items) + " items");
        ProposalShape shape = Shape(items);
        shape.m_itemsPerSection = perSection;
        const auto prop = GenerateProposal(shape);
        int itemRows = 0, sections = 0, lastLine = 0;
        for (const auto& row : prop->m_items) {
            if (row->IsSection()) {
                EXPECT_EQ(LineValue(row->m_strLineNum), ++sections);
                continue;
            }
            ++itemRows;
            // Amendments insert new rows between these lines.
            EXPECT_GE(LineValue(row->m_strLineNum), lastLine + 10) << row->m_strLineNum;
            lastLine = LineValue(row->m_strLineNum);
        }
        EXPECT_EQ(itemRows, items);
        EXPECT_EQ(sections, (items + perSection - 1) / perSection);
    }
}

TEST(ProposalGenerator, ItemsReadLikeARoadLetting)
{
    const auto prop = GenerateProposal(Shape(1000));
    const std::regex itemNumber(R"(\d{3}\.\d{4,})");
    std::map<std::string, const CItem*> byNumber;
    std::map<std::string, int> kinds;
    for (const auto& row : prop->m_items) {
        if (row->IsSection()) {
            EXPECT_FALSE(row->m_strLongDesc.empty());
            continue;
        }
        SCOPED_TRACE(row->m_strLineNum + " " + row->m_strItemNum);
        EXPECT_TRUE(std::regex_match(row->m_strItemNum, itemNumber));
        EXPECT_FALSE(row->m_strUnit.empty());
        EXPECT_FALSE(row->m_strShortDesc.empty());
        EXPECT_LE(row->m_strShortDesc.size(), 40u);
        EXPECT_LE(row->m_strLongDesc.size(), 80u);
        EXPECT_GT(row->m_fQuan, 0);
        if (TestFlagBit(row->m_wFlags, ITEM_LUMP_SUM)) {
            ++kinds["lump sum"];
            EXPECT_EQ(row->m_strUnit, "LS");
            EXPECT_EQ(row->m_fQuan, 1);
        }
        if (TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE)) {
            ++kinds["fixed price"];
            EXPECT_TRUE(IsEvalValueValid(row->m_fUnitPrice)) << "the agency gives the price";
        }
        kinds["alternate " + row->m_strAltCode] += TestFlagBit(row->m_wFlags, ITEM_IS_ALTERNATE);
        kinds["option " + row->m_strAltCode] += TestFlagBit(row->m_wFlags, ITEM_IS_OPTION);
        kinds["unpriced"] += !IsEvalValueValid(row->m_fUnitPrice);
        // A repeated item number is the same work: the identical-item rule compares these.
        const auto [earlier, first] = byNumber.emplace(row->m_strItemNum, row.get());
        if (!first) {
            ++kinds["repeated"];
            EXPECT_EQ(earlier->second->m_strShortDesc, row->m_strShortDesc);
            EXPECT_EQ(earlier->second->m_strUnit, row->m_strUnit);
        }
    }
    for (const char* kind : {"lump sum", "fixed price", "alternate 01A", "alternate 01B", "option 02A", "option 02B",
                             "unpriced", "repeated"})
        EXPECT_GT(kinds[kind], 0) << kind;
    EXPECT_GT(prop->m_bidCaps.GetCount(), 0);
}

TEST(ProposalGenerator, FormsFieldsListsAndFirmItemsHangTogether)
{
    const auto prop = GenerateProposal(Shape(40000));
    ASSERT_NE(prop->m_pDbeForm, nullptr);
    EXPECT_EQ(prop->m_miscForms.GetSize(), 2);
    for (const CWinMeta* form : FormsOf(*prop)) {
        ASSERT_NE(form, nullptr);
        SCOPED_TRACE(form->m_strFurtherTexts[0]);
        EXPECT_FALSE(form->m_rows.IsEmpty()) << "a row to fill";
        for (uint16_t column : form->m_wColumnOfId)
            EXPECT_TRUE(column == CWinMeta::kNoColumn || column < form->m_fields.GetSize());
        for (const auto& field : form->m_fields) {
            if (TestFlagBit(field->m_wFlags, 0)) { // the list is carried in the proposal
                EXPECT_NE(prop->GetPickList(field->m_strText, 0), nullptr) << field->m_strText;
            }
        }
        for (const auto& row : form->m_rows) {
            EXPECT_EQ(row->m_cells.GetSize(), form->m_fields.GetSize());
            for (const auto& entry : row->m_dbeItems) {
                EXPECT_GE(entry->m_iNumber, 0);
                EXPECT_LT(entry->m_iNumber, 32767 - 64) << "room for the rows amendments insert";
            }
        }
    }
    EXPECT_EQ(prop->m_pDbeForm->m_rows.GetSize(), 20);
    EXPECT_NE(prop->m_pDbeForm->GetFieldById(2), nullptr) << "the firm's amount";
    EXPECT_NE(prop->m_pBondForm->GetFieldById(3), nullptr) << "the bond amount";
}

// A firm's entry names a pay item; a section row has no quantity or price to commit to. The
// sample as published and as each amendment leaves it, and a larger letting.
TEST(ProposalGenerator, FirmsAreCommittedToItemRowsOnly)
{
    for (const ProposalShape& shape : {SampleShape(), Shape(2000, 5)}) {
        const AmendedProposal letting = GenerateAmendedProposal(shape);
        for (const CProp* edition :
             {letting.m_pProposal.get(), letting.m_editions[0].get(), letting.m_editions[1].get()}) {
            for (const CWinMeta* form : FormsOf(*edition)) {
                ASSERT_NE(form, nullptr);
                for (const auto& row : form->m_rows)
                    for (const auto& entry : row->m_dbeItems) {
                        const CItem* item = edition->m_items.GetAt(entry->m_iNumber);
                        ASSERT_NE(item, nullptr) << row->m_cells[0]->m_strText;
                        EXPECT_FALSE(item->IsSection()) << row->m_cells[0]->m_strText << " on " << item->m_strLineNum;
                    }
            }
        }
    }
}

// A third of the item, and the whole of one a third of which is nothing, such as a lump sum: a
// firm line of 0.000 commits nothing.
TEST(ProposalGenerator, EveryCommitmentHoldsSomeOfItsItemAndALumpSumWhole)
{
    int lumpSums = 0;
    for (const ProposalShape& shape : {SampleShape(), Shape(2000, 5)}) {
        const auto prop = GenerateProposal(shape);
        for (const CWinMeta* form : {prop->m_pDbeForm.get(), prop->m_pMbeForm.get(), prop->m_pWbeForm.get()})
            for (const auto& row : form->m_rows)
                for (const auto& entry : row->m_dbeItems) {
                    const CItem& item = *prop->m_items.GetAt(entry->m_iNumber);
                    SCOPED_TRACE(row->m_cells[0]->m_strText + " on " + item.m_strLineNum);
                    EXPECT_GT(entry->m_dQuantity, 0);
                    EXPECT_LE(entry->m_dQuantity, item.m_fQuan);
                    if (TestFlagBit(item.m_wFlags, ITEM_LUMP_SUM)) {
                        ++lumpSums;
                        EXPECT_EQ(entry->m_dQuantity, item.m_fQuan);
                    }
                }
    }
    EXPECT_GT(lumpSums, 0);
}

// An agency's amendment never carries a price the bidder gives: the rows it revises or adds come
// without one, and only the agency's fixed prices come with theirs.
TEST(AmendmentGenerator, RevisedRowsCarryNoPriceButTheAgencysFixedPrices)
{
    for (const ProposalShape& shape : {SampleShape(), Shape(300, 2)}) {
        const AmendedProposal letting = GenerateAmendedProposal(shape);
        int fixedPrices = 0, revised = 0;
        for (const auto& amendment : letting.m_amendments)
            for (const auto& row : amendment->m_items) {
                if (row->IsSection() || TestFlagBit(row->m_wFlags, ITEM_TO_DELETE))
                    continue;
                SCOPED_TRACE(row->m_strItemNum);
                const bool fixed = TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE);
                EXPECT_EQ(IsEvalValueValid(row->m_fUnitPrice), fixed);
                ++(fixed ? fixedPrices : revised);
            }
        EXPECT_GT(fixedPrices, 0);
        EXPECT_GT(revised, 0);
    }
}

TEST(ProposalDifferences, NameThePartAndFieldThatDiffer)
{
    const std::pair<const char*, std::function<void(CProp&)>> changes[] = {
        {"header description", [](CProp& p) { p.m_strDescription += "."; }},
        {"items[3] quantity", [](CProp& p) { p.m_items[3]->m_fQuan += 1; }},
        {"DBE form rows[1] cells[0] text", [](CProp& p) { p.m_pDbeForm->m_rows[1]->m_cells[0]->m_strText = "X"; }},
        {"DBE form rows[0] firm items[0] item index", [](CProp& p) { p.m_pDbeForm->m_rows[0]->m_dbeItems[0]->m_iNumber += 1; }},
        {"misc forms[1] fields[0] name", [](CProp& p) { p.m_miscForms[1]->m_fields[0]->m_strName = "X"; }},
        {"sites[0] days", [](CProp& p) { p.m_sites[0]->m_iNumberOfDays = -1; }},
        {"plates[\"Agency Public Key\"] text", [](CProp& p) { p.FindPlate(kAgencyPublicKeyPlate)->m_strText.clear(); }},
        {"pick lists [\"Sureties\"][0]", [](CProp& p) { p.GetPickList("Sureties", 0)->SetAt(0, "X"); }},
        {"bidder texts[2]", [](CProp& p) { p.m_pBidder->Set(BIDDER_NAME, "X"); }},
        {"bond form: present / missing", [](CProp& p) { p.m_pBondForm.reset(); }},
    };
    const auto original = GenerateProposal(Shape(30));
    for (const auto& [part, change] : changes) {
        auto changed = CProp::MakeWholeCopy(*original);
        change(*changed);
        const std::vector<std::string> found = ListProposalDifferences(*original, *changed);
        ASSERT_EQ(found.size(), 1u) << part;
        EXPECT_EQ(found[0].rfind(part, 0), 0u) << found[0];
    }
}
