#include "bench/generator/ProposalDifferences.h"
#include "bench/generator/ProposalGenerator.h"
#include "model/check/FormChecks.h"
#include "model/check/Recalc.h"
#include "model/files/Checksum.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The records the generator does not make, in every form kind.
void AddWhatTheGeneratorLacks(CProp& prop)
{
    prop.m_strLettingId = "240118";
    prop.m_strReferenceData[6] = "Reference 7";
    prop.m_counties.Add(std::make_unique<CCounty>())->m_strCountyName = "Polk";
    prop.m_notes.Add(std::make_unique<CNote>())->m_strDescription = "Revised plan sheets";
    prop.m_otherReports.Add(std::make_unique<COtherRpt>())->m_strText = "{PROPOSAL_TOTAL}";
    prop.SetPlate(kAgencyPublicKeyPlate, "-----BEGIN PGP PUBLIC KEY BLOCK-----");
    prop.NewPickList("Firms", 0)->Add("Acme Paving");

    CWinMeta& dbe = *prop.m_pDbeForm;
    dbe.m_fields[0]->m_data.Assign(std::vector<uint8_t>(40000, 0x42));
    CCellData& cell = *dbe.m_rows[0]->m_cells[1];
    cell.m_strText2 = "attachment.pdf";
    cell.m_data.Assign(std::vector<uint8_t>(33000, 0x17));
    dbe.m_texts = {"first", "second"};
    dbe.m_dbFields.SetAt("Firm", std::make_unique<CDBField>())->m_strText = "FIRMS.DBF";
    dbe.m_filters.SetAt("Suppliers", std::make_unique<CDataFilter>())->m_strPatterns[0] = "S*";
    for (auto* slot : {&prop.m_pMbeForm, &prop.m_pWbeForm, &prop.m_pBondForm}) {
        *slot = std::make_unique<CWinMeta>();
        (*slot)->CopyFrom(dbe);
    }
    prop.m_miscForms.Add(std::make_unique<CWinMeta>())->CopyFrom(dbe);
    for (int bit : {PROP_ITEMS_IN_BID, PROP_HAS_MBE_FORM, PROP_HAS_WBE_FORM, PROP_HAS_MISC_FORMS})
        ChangeFlagBit(&prop.m_wFlags, bit, 1);
    ChangeFlagBit(&prop.m_wFlags2, PROP2_HAS_BOND_FORM, 1);
}

class TvbRoundTripTest : public testing::Test {
protected:
    void SetUp() override
    {
        ProposalShape shape;
        shape.m_items = 400;
        m_prop = GenerateProposal(shape);
        AddWhatTheGeneratorLacks(*m_prop);
        RecalcBidTotals(m_prop.get());
    }

    std::unique_ptr<CProp> SaveAndLoad(CProp& prop, const std::string& name)
    {
        const std::string path = m_folder.Path() + "/" + name;
        EXPECT_EQ(SaveTvbFile(prop, path), kTvbNoError);
        std::unique_ptr<CProp> loaded;
        EXPECT_EQ(LoadTvbFile(loaded, path, false), kTvbNoError);
        return loaded;
    }

    std::string RecordsOf(const std::string& name) const
    {
        return GunzipBytes(ReadFileBytes(m_folder.Path() + "/" + name));
    }

    TempFolder m_folder;
    std::unique_ptr<CProp> m_prop;
};

TEST_F(TvbRoundTripTest, EveryRecordAndTheChecksumSurviveSavingAndLoading)
{
    const auto loaded = SaveAndLoad(*m_prop, "first.tvb");
    ASSERT_TRUE(loaded);
    EXPECT_NE(m_prop->m_dwStoredChecksum, 0u);
    EXPECT_EQ(ComputeProposalChecksum(loaded.get()), m_prop->m_dwStoredChecksum);

    // The header compares whole; what the file does not carry is the stored checksum.
    loaded->m_dwStoredChecksum = m_prop->m_dwStoredChecksum;
    EXPECT_TRUE(static_cast<CPropHeader&>(*loaded) == static_cast<CPropHeader&>(*m_prop));
    ASSERT_EQ(loaded->m_items.GetSize(), m_prop->m_items.GetSize());
    for (int i = 0; i < loaded->m_items.GetSize(); ++i) {
        EXPECT_TRUE(AreItemsEqual(*loaded->m_items[i], *m_prop->m_items[i])) << i;
        EXPECT_EQ(std::bit_cast<uint64_t>(loaded->m_items[i]->m_fUnitPrice),
                  std::bit_cast<uint64_t>(m_prop->m_items[i]->m_fUnitPrice)) << i;
    }
    EXPECT_EQ(loaded->m_pDbeForm->m_rows[0]->m_cells[1]->m_data, m_prop->m_pDbeForm->m_rows[0]->m_cells[1]->m_data);
    EXPECT_EQ(loaded->m_pBondForm->m_fields[0]->m_data, m_prop->m_pDbeForm->m_fields[0]->m_data);
    EXPECT_EQ(loaded->m_bidCaps.GetCount(), m_prop->m_bidCaps.GetCount());

    // Everything else the file carries: the loaded proposal writes the very same records.
    SaveAndLoad(*loaded, "second.tvb");
    EXPECT_EQ(RecordsOf("second.tvb"), RecordsOf("first.tvb"));
    EXPECT_EQ(loaded->m_dwStoredChecksum, m_prop->m_dwStoredChecksum);
}

// The file holds one cell per field; the proposal in memory is made so before the checksum is
// stored, so the checksum read back is the one saved, even where the recalculation after reading
// fills a cell that was missing (the firm's amount).
TEST_F(TvbRoundTripTest, RowsAreMadeOneCellPerFieldBeforeTheChecksum)
{
    CWinMeta& dbe = *m_prop->m_pDbeForm;
    const int fields = dbe.m_fields.GetSize();
    const int amountColumn = dbe.GetColumnOfField(FIRM_FIELD_AMOUNT);
    while (dbe.m_rows[0]->m_cells.GetSize() > amountColumn)
        dbe.m_rows[0]->m_cells.DeleteAt(dbe.m_rows[0]->m_cells.GetSize() - 1);
    dbe.m_rows[1]->m_cells.DeleteAt(0, false);
    dbe.m_rows[2]->m_cells.Add(std::make_unique<CCellData>())->m_strText = "beyond the fields";
    const uint32_t before = ComputeProposalChecksum(m_prop.get());

    const auto loaded = SaveAndLoad(*m_prop, "padded.tvb");
    ASSERT_TRUE(loaded);
    EXPECT_NE(m_prop->m_dwStoredChecksum, before);
    EXPECT_EQ(ComputeProposalChecksum(loaded.get()), m_prop->m_dwStoredChecksum);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(dbe.m_rows[row]->m_cells.GetSize(), fields);
        EXPECT_NE(dbe.m_rows[row]->m_cells[0], nullptr);
    }
    EXPECT_FALSE(dbe.GetCell(0, amountColumn)->m_strText.empty());
}

TEST_F(TvbRoundTripTest, SavingReplacesTheFileWithoutLeavingTemporaryFiles)
{
    SaveAndLoad(*m_prop, "bid.tvb");
    m_prop->m_items[1]->m_fUnitPrice = 12.5;
    const auto loaded = SaveAndLoad(*m_prop, "bid.tvb");
    EXPECT_EQ(loaded->m_items[1]->m_fUnitPrice, 12.5);
    EXPECT_FALSE(TestFlagBit(loaded->m_wFlags, PROP_CHANGED));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1);
}

// Records are taken straight from the reader's buffer while whole ones are there, and the long way
// where one runs past its end: a proposal of several buffers, gzipped and plain, reads the same.
TEST(TvbLargeFileTest, RecordsAcrossTheReadersBuffersAreReadWhole)
{
    ProposalShape shape;
    shape.m_items = 6000;
    auto prop = GenerateProposal(shape);
    TempFolder folder;
    ASSERT_EQ(SaveTvbFile(*prop, folder.Path() + "/large.tvb"), kTvbNoError);
    const std::string records = GunzipBytes(ReadFileBytes(folder.Path() + "/large.tvb"));
    ASSERT_GT(records.size(), 3u * 256 * 1024);
    folder.Write("plain.tvb", records);
    for (const char* name : {"large.tvb", "plain.tvb"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<CProp> loaded;
        ASSERT_EQ(LoadTvbFile(loaded, folder.Path() + "/" + name, false), kTvbNoError);
        loaded->m_strFilePath = prop->m_strFilePath;
        loaded->m_dwStoredChecksum = prop->m_dwStoredChecksum;
        // The rule a bid cap's texts went to last is where the reader was, not what the cap says.
        for (auto& [name, cap] : loaded->m_bidCaps)
            cap->m_iRuleIndex = prop->m_bidCaps.Lookup(name)->m_iRuleIndex;
        for (const std::string& difference : ListProposalDifferences(*loaded, *prop))
            ADD_FAILURE() << difference;
    }
}

} // namespace
