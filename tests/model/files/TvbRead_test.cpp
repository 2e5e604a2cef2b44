#include "model/files/TvbFile.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One record kind per case: records built by hand after the magic and version, then what the
// proposal must hold. Each case is read from a plain file and from a gzip file.
struct ReadCase {
    const char* name;
    std::function<void(TvbStream&)> records;
    std::function<void(const CProp&)> check;
};

const ReadCase kReadCases[] = {
    {"Header",
     [](TvbStream& s) {
         s.Record(0x0200).Record(0x0201, "\xFF\xFF").Word(0x0202, 3).Word(0x0203, 0x0013);
         s.Double(0x0204, 1234.5).Long(0x0206, 1700000000).Record(0x0209, "L-1").Record(0x020B, "C-7");
         // Reference-data texts are stored in the order of their fields 1, 5, 7, 6, 2, 3, 8, 4.
         s.Record(0x0231, "ref5").Record(0x0237, "ref4").Record(0x022C, "url3").Record(0x024E, "gen5");
         s.Record(0x024F, "ContID").Long(0x0249, 7000).Word(0x022B, 0x0021).Record(0x021F, "\x05\x00");
     },
     [](const CProp& p) {
         EXPECT_EQ(p.m_iProposalNumber, 65535); // a u16 record fills the 32-bit field zero-extended
         EXPECT_EQ(p.m_iAmendmentCount, 3);
         EXPECT_EQ(p.m_wFlags, 0x0012); // bit 0, changed since saved, is cleared
         EXPECT_EQ(p.m_wFlags2, 0x0021);
         EXPECT_EQ(p.m_iLettingDate, 1700000000);
         EXPECT_EQ(p.m_strLettingId, "L-1");
         EXPECT_EQ(p.m_strContractId, "C-7");
         EXPECT_EQ(p.m_strReferenceData[4], "ref5");
         EXPECT_EQ(p.m_strReferenceData[3], "ref4");
         EXPECT_EQ(p.m_strSubmitUrls[2], "url3");
         EXPECT_EQ(p.m_strGenericTexts[4], "gen5");
         EXPECT_EQ(p.m_strAmendmentMatchKey, "ContID");
         EXPECT_EQ(p.m_iMaxAttachmentSize, 7000);
         EXPECT_EQ(p.m_iMaxTotalAttachmentSize, 15000); // not in the file: the default stays
     }},
    {"Formats",
     [](TvbStream& s) {
         s.Record(0x0800).Word(0x0801, 9).Word(0x0803, 44);
         s.Record(0x0900).Record(0x0902, "\x0A\x02").Word(0x0904, 0x000A);
     },
     [](const CProp& p) {
         EXPECT_EQ(p.m_wDisplayFormatFlags, 9);
         EXPECT_EQ(p.m_iDisplayFormatNumbers[1], 44);
         EXPECT_EQ(p.m_numberFormats[NUMFMT_UNIT_PRICE], (CNumberFormat{10, 2}));
         EXPECT_EQ(p.m_wNumberFormatFlags, 0x000A);
     }},
    {"CountiesSitesNotesBidder",
     [](TvbStream& s) {
         s.Record(0x0400).Record(0x0401, "017").Record(0x0402, "Polk").Record(0x0400).Record(0x0402, "Story");
         s.Record(0x0500).Word(0x0503, 65535).Record(0x0507, "2").Double(0x0508, 1500).Word(0x050A, 3);
         s.Record(0x0600).Word(0x0601, 2).Record(0x0603, "Revised quantities");
         s.Record(0x0700).Record(0x0701, "B0042").Record(0x070A, "555-0100").Record(0x070B, "bid@example.com");
     },
     [](const CProp& p) {
         ASSERT_EQ(p.m_counties.GetSize(), 2);
         EXPECT_EQ(p.m_counties[0]->m_strCountyId, "017");
         EXPECT_EQ(p.m_counties[1]->m_strCountyName, "Story");
         ASSERT_EQ(p.m_sites.GetSize(), 1);
         EXPECT_EQ(p.m_sites[0]->m_iNumberOfDays, 65535);
         EXPECT_EQ(p.m_sites[0]->m_strSiteNumber, "2");
         EXPECT_EQ(p.m_sites[0]->m_dRoadCostPerDay, 1500);
         EXPECT_EQ(p.m_notes[0]->m_iAmendmentNumber, 2);
         ASSERT_TRUE(p.m_pBidder);
         EXPECT_EQ(p.m_pBidder->Get(BIDDER_ID), "B0042");
         EXPECT_EQ(p.m_pBidder->Get(BIDDER_PAGER), "555-0100");
         EXPECT_EQ(p.m_pBidder->Get(BIDDER_EMAIL), "bid@example.com");
     }},
    {"Items",
     [](TvbStream& s) {
         s.Record(0x0300).Word(0x0301, 1).Record(0x0304, "0001").Record(0x0309, "Earthwork");
         s.Record(0x0300).Double(0x0302, 120).Double(0x0303, 4.25).Record(0x0304, "0010");
         s.Record(0x0306, "2020010").Record(0x0307, "CY").Record(0x0308, "Excavation").Record(0x030F, "later");
     },
     [](const CProp& p) {
         ASSERT_EQ(p.m_items.GetSize(), 2);
         EXPECT_TRUE(p.m_items[0]->IsSection());
         EXPECT_EQ(p.m_items[0]->m_strLongDesc, "Earthwork");
         const CItem& item = *p.m_items[1];
         EXPECT_EQ(item.m_fQuan, 120);
         EXPECT_EQ(item.m_fUnitPrice, 4.25);
         EXPECT_EQ(item.m_strItemNum, "2020010");
         EXPECT_EQ(item.m_strUnit, "CY");
         EXPECT_EQ(item.m_fExtension, 510); // recalculated after reading
     }},
    {"Forms",
     [](TvbStream& s) {
         s.Record(0x0C00).Record(0x0C01).Word(0x0C06, 0x0010).Record(0x0C1C, "text8").Word(0x0C14, 9);
         s.Record(0x0C0A, std::string("\x01\x00", 2) + std::string(22, '\xFF'));
         s.Record(0x0F00).Word(0x0F07, 12).Word(0x0F02, 30).Word(0x0F08, 10000).Record(0x0F09, "Firm");
         s.Long(0x0F0D, 3).Record(0x0F0E, "BMP");
         s.Record(0x1000).Word(0x1005, 1).Record(0x1001).Word(0x1002, 4).Record(0x1004, "Acme Paving");
         s.Record(0x1008, "second").Long(0x1007, 5).Record(0x1006, "ab").Record(0x1006, "cde");
         s.Word(0x1201, 1).Record(0x1200).Word(0x1202, 1).Double(0x1203, 40).Word(0x1207, 4);
         s.Record(0x0D00, "a form text").Record(0x0E00, "key,va,lue").Record(0x0E00, "nocomma");
         s.Record(0x1300).Record(0x1301, "Trucks").Word(0x1302, 2).Record(0x1306, "T*");
         s.Record(0x0C00).Record(0x0C02).Record(0x0C00).Record(0x0C02).Record(0x0C00).Record(0x0C15);
     },
     [](const CProp& p) {
         ASSERT_TRUE(p.m_pDbeForm);
         const CWinMeta& form = *p.m_pDbeForm;
         EXPECT_EQ(form.m_wFlags, 0x0010);
         EXPECT_EQ(form.m_strFurtherTexts[5], "text8");
         EXPECT_EQ(form.m_iFontSize, 9);
         EXPECT_EQ(form.m_wColumnOfId[0], 1);
         EXPECT_EQ(form.m_wColumnOfId[11], CWinMeta::kNoColumn);
         const CFieldInfo& field = *form.m_fields[0];
         EXPECT_EQ(field.m_iX, 12);
         EXPECT_EQ(field.m_iWidth, 30);
         EXPECT_EQ(field.m_strName, "Firm");
         EXPECT_EQ(field.m_data, CByteBlock(reinterpret_cast<const uint8_t*>("BMP"), 3));
         const CCellData& cell = *form.m_rows[0]->m_cells[0];
         EXPECT_EQ(cell.m_iSelection, 4);
         EXPECT_EQ(cell.m_strText, "Acme Paving");
         EXPECT_EQ(cell.m_strText2, "second");
         EXPECT_EQ(cell.m_data, CByteBlock(reinterpret_cast<const uint8_t*>("abcde"), 5));
         EXPECT_TRUE(form.IsRowComplete(0)); // the rows are checked after reading
         const CDBEItem& entry = *form.m_rows[0]->m_dbeItems[0];
         EXPECT_EQ(entry.m_iNumber, 1);
         EXPECT_EQ(entry.m_dQuantity, 40);
         EXPECT_EQ(entry.m_wEntryFlags, 4);
         EXPECT_EQ(form.m_texts, std::vector<std::string>{"a form text"});
         EXPECT_EQ(form.m_dbFields.Lookup("key")->m_strText, "va,lue");
         EXPECT_EQ(form.m_dbFields.Lookup("")->m_strText, "nocomma");
         EXPECT_EQ(form.m_filters.Lookup("Trucks")->m_iStartColumn, 2);
         EXPECT_EQ(form.m_filters.Lookup("Trucks")->m_strPatterns[2], "T*");
         EXPECT_EQ(p.m_miscForms.GetSize(), 2);
         EXPECT_TRUE(p.m_pBondForm);
         EXPECT_FALSE(p.m_pMbeForm);
     }},
    {"PickListsReportsBidCapsPlates",
     [](TvbStream& s) {
         s.Record(0x1100).Record(0x1101, "Units").Word(0x1102, 2).Record(0x1103, "CY").Record(0x1103, "LF");
         s.Record(0x0A00).Word(0x0A01, 7).Record(0x0A02, "Quote").Record(0x0A03, "{ITEM_NUMBER}");
         s.Record(0x1400).Record(0x1401, "2020010").Long(0x1405, 0).Long(0x1406, 2).Record(0x1402, "1.00");
         s.Record(0x1400).Record(0x1401, "2020010").Long(0x1405, 1).Long(0x1406, 2).Record(0x1404, "Too high");
         s.Record(0x0B00).Record(0x0B01, "Agency Public Key").Record(0x0B02, "KEY");
         s.Record(0x7700, "a newer group").Record(0x0200);
     },
     [](const CProp& p) {
         const CSAStringArray* units = p.GetPickList("Units", 0);
         ASSERT_TRUE(units);
         EXPECT_EQ(std::vector<std::string>(units->begin(), units->end()), (std::vector<std::string>{"CY", "LF"}));
         EXPECT_EQ(p.m_otherReports[0]->m_wNumber, 7);
         EXPECT_EQ(p.m_otherReports[0]->m_strText, "{ITEM_NUMBER}");
         ASSERT_EQ(p.m_bidCaps.GetCount(), 1); // two rules of one bid cap
         const CBidCap& cap = *p.m_bidCaps.Lookup("2020010");
         EXPECT_EQ(cap.m_strName, "2020010");
         EXPECT_EQ(cap.m_iRuleCount, 2);
         EXPECT_EQ(cap.m_strMinimum[0], "1.00");
         EXPECT_EQ(cap.m_strMessage[1], "Too high");
         EXPECT_EQ(p.FindPlate(kAgencyPublicKeyPlate)->m_strText, "KEY");
     }},
};

class TvbReadTest : public testing::TestWithParam<std::tuple<ReadCase, bool>> {};

TEST_P(TvbReadTest, HandBuiltRecordsFillTheProposal)
{
    const auto& [readCase, gzipped] = GetParam();
    TvbStream stream = TvbStream::Proposal();
    readCase.records(stream);
    stream.End();
    TempFolder folder;
    const std::string path =
        folder.Write("p.tvb", gzipped ? GzipBytes(stream.Bytes()) : stream.Bytes());
    std::unique_ptr<CProp> prop;
    ASSERT_EQ(LoadTvbFile(prop, path, true), kTvbNoError);
    ASSERT_TRUE(prop);
    EXPECT_EQ(prop->m_strFilePath, path);
    readCase.check(*prop);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TvbReadTest, testing::Combine(testing::ValuesIn(kReadCases), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Gzip" : "Plain");
                         });

TEST(TvbRead, EndTagAloneEndsTheRecordsAndTrailingBytesAreIgnored)
{
    TempFolder folder;
    const std::string bytes = TvbStream::Proposal().Record(0x0209, "L").Bytes() + std::string("\x00\xFF", 2);
    std::unique_ptr<CProp> prop;
    ASSERT_EQ(LoadTvbFile(prop, folder.Write("a.tvb", bytes), false), kTvbNoError);
    EXPECT_EQ(prop->m_strLettingId, "L");
    const std::string trailing = TvbStream::Proposal().End().Bytes() + "garbage";
    EXPECT_EQ(LoadTvbFile(prop, folder.Write("b.tvb", trailing), false), kTvbNoError);
}

TEST(TvbRead, VersionGenerationAndAmendmentAndDuplicateLines)
{
    TempFolder folder;
    const auto load = [&](const TvbStream& stream, bool acceptAmendment) {
        std::unique_ptr<CProp> prop;
        const int result = LoadTvbFile(prop, folder.Write("v.tvb", GzipBytes(stream.Bytes())), acceptAmendment);
        EXPECT_EQ(prop != nullptr, result == kTvbNoError);
        return result;
    };
    EXPECT_EQ(load(TvbStream().Magic().Word(0x0100, 899).End(), false), kTvbNoError);
    EXPECT_EQ(load(TvbStream().Magic().Word(0x0100, 900).End(), false), kTvbTooNew);
    const TvbStream amendment = std::move(TvbStream::Proposal().Word(0x0203, 1 << 4).End());
    EXPECT_EQ(load(amendment, false), kTvbIsAmendment);
    EXPECT_EQ(load(amendment, true), kTvbNoError);
    TvbStream twins = TvbStream::Proposal();
    for (int i = 0; i < 2; ++i)
        twins.Record(0x0300).Record(0x0304, "0010").Record(0x0306, std::to_string(i));
    EXPECT_EQ(load(twins.End(), false), kTvbDuplicateLines);
}

TEST(TvbRead, ResultTexts)
{
    EXPECT_EQ(GetTvbFileErrorText(0, false), "No Error");
    EXPECT_EQ(GetTvbFileErrorText(3, false), "Not an TVB File");
    EXPECT_EQ(GetTvbFileErrorText(4, true), "Error: Cannot open file");
    EXPECT_EQ(GetTvbFileErrorText(11, false), "File is an amendment");
    EXPECT_EQ(GetTvbFileErrorText(12, false), "Unknown Error");
    EXPECT_EQ(GetTvbFileErrorText(-1, true), "Error: Unknown Error");
}

} // namespace
