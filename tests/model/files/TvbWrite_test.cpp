#include "bench/generator/ProposalGenerator.h"
#include "model/files/TvbFile.h"
#include "model/files/TvbWriter.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Tags = std::vector<uint16_t>;

void AddRange(Tags& tags, uint16_t first, uint16_t last)
{
    for (int tag = first; tag <= last; ++tag)
        tags.push_back(uint16_t(tag));
}

Tags Concat(std::initializer_list<Tags> parts)
{
    Tags all;
    for (const Tags& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Tags HeaderTags()
{
    Tags tags = {0x0200, 0x0201, 0x0202, 0x0203, 0x022B, 0x0204, 0x0205, 0x0206, 0x0207, 0x0208};
    AddRange(tags, 0x0209, 0x021B);
    tags.insert(tags.end(), {0x021D, 0x021E, 0x022C, 0x022D, 0x022E, 0x022F});
    AddRange(tags, 0x0226, 0x022A);
    AddRange(tags, 0x0230, 0x0237);
    tags.insert(tags.end(), {0x024F, 0x0238, 0x0239});
    AddRange(tags, 0x023A, 0x0248);
    tags.insert(tags.end(), {0x024E, 0x0249, 0x024C, 0x024D});
    return tags;
}

// A form without fields, rows or named records.
Tags EmptyFormTags(uint16_t kind)
{
    Tags tags = {0x0C00, kind, 0x0C06, 0x0C20, 0x0C08, 0x0C09, 0x0C07, 0x0C16, 0x0C17, 0x0C18, 0x0C19,
                 0x0C1A, 0x0C14, 0x0C13, 0x0C0C, 0x0C0E, 0x0C1B, 0x0C1C, 0x0C1D, 0x0C1E, 0x0C1F, 0x0C0A};
    return Concat({tags, {0x0C03, 0x0C05, 0x0C04, 0x0C0D, 0x0C12}});
}

// One of each record the file can hold, with values the layout tests look for.
std::unique_ptr<CProp> SmallProposal()
{
    auto prop = std::make_unique<CProp>();
    prop->m_pBidder = std::make_unique<CBidderInfo>();
    prop->m_pBidder->Set(BIDDER_ID, "B1");
    for (int i = 0; i < 8; ++i)
        prop->m_strReferenceData[size_t(i)] = "R" + std::to_string(i + 1);
    prop->m_counties.Add(std::make_unique<CCounty>());
    prop->m_sites.Add(std::make_unique<CSite>()); // days not given: -1
    prop->m_notes.Add(std::make_unique<CNote>());
    auto item = std::make_unique<CItem>();
    item->m_fQuan = 120;
    item->m_strLineNum = "0010";
    prop->m_items.Add(std::move(item));

    prop->m_pMbeForm = std::make_unique<CWinMeta>();
    prop->m_pDbeForm = std::make_unique<CWinMeta>();
    CWinMeta& dbe = *prop->m_pDbeForm;
    CFieldInfo& field = *dbe.m_fields.Add(std::make_unique<CFieldInfo>());
    field.m_iX = 1, field.m_iY = 2, field.m_iWidth = 3, field.m_iHeight = 4;
    field.m_iKind = 5, field.m_iAlignment = 6, field.m_iLastColumn = 7, field.m_iRequirement = 8;
    field.m_data.MarkUnchanged();
    CRowData& row = *dbe.AddRow(-1, 0); // no cell: the file gets an empty one
    row.m_dbeItems.Add(std::make_unique<CDBEItem>());
    dbe.m_texts.push_back("text");
    dbe.m_dbFields.SetAt("Name", std::make_unique<CDBField>())->m_strText = "Value";
    dbe.m_filters.SetAt("Filter", std::make_unique<CDataFilter>());
    prop->m_miscForms.Add(std::make_unique<CWinMeta>());
    prop->m_pBondForm = std::make_unique<CWinMeta>();
    ChangeFlagBit(&prop->m_wFlags, PROP_HAS_MISC_FORMS, 1);
    ChangeFlagBit(&prop->m_wFlags2, PROP2_HAS_BOND_FORM, 1);

    prop->NewPickList("Units", 0)->Add("CY");
    prop->m_otherReports.Add(std::make_unique<COtherRpt>());
    CBidCap* cap = prop->GetOrCreateBidCap("201");
    cap->m_iRuleCount = 2;
    cap->m_strMinimum[0] = "1";
    cap->m_strMessage[1] = "Too high";
    prop->SetPlate("Agency Public Key", "KEY");
    ChangeFlagBit(&prop->SetPlate("Hidden", "x")->m_wFlags, 0, 1);
    return prop;
}

class TvbWriteTest : public testing::Test {
protected:
    std::vector<TvbParsedRecord> Save(CProp& prop)
    {
        EXPECT_EQ(SaveTvbFile(prop, m_path), kTvbNoError);
        m_stream = GunzipBytes(ReadFileBytes(m_path));
        return ParseTvbRecords(m_stream);
    }

    static const TvbParsedRecord& Find(const std::vector<TvbParsedRecord>& records, uint16_t tag, int nth = 0)
    {
        for (const TvbParsedRecord& record : records)
            if (record.tag == tag && nth-- == 0)
                return record;
        throw std::runtime_error("no such record");
    }

    TempFolder m_folder;
    std::string m_path = m_folder.Path() + "/bid.tvb";
    std::string m_stream;
};

TEST_F(TvbWriteTest, WritesEveryRecordInTheFileOrder)
{
    auto prop = SmallProposal();
    const std::vector<TvbParsedRecord> records = Save(*prop);
    Tags written;
    for (const TvbParsedRecord& record : records)
        written.push_back(record.tag);

    Tags site = {0x0220, 0x0500};
    AddRange(site, 0x0501, 0x050A);
    Tags people = {0x0700};
    AddRange(people, 0x0701, 0x070B);
    Tags formats = {0x0800, 0x0801, 0x0802, 0x0803, 0x0804, 0x0900, 0x0901, 0x0902, 0x0903, 0x0904};
    Tags items = {0x0221, 0x0300};
    AddRange(items, 0x0301, 0x0309);
    Tags dbe = EmptyFormTags(0x0C01);
    dbe.erase(dbe.end() - 5, dbe.end());
    Tags field = {0x0C03, 0x0F00, 0x0F01, 0x0F02, 0x0F0C, 0x0F03, 0x0F04, 0x0F05, 0x0F06, 0x0F07, 0x0F08,
                  0x0F09, 0x0F0A, 0x0F0B, 0x0F0D};
    Tags row = {0x0C05, 0x1000, 0x1005, 0x1001, 0x1002, 0x1003, 0x1004, 0x1008, 0x1007, 0x1201, 0x1200};
    AddRange(row, 0x1202, 0x1207);
    Tags named = {0x0C04, 0x0D00, 0x0C0D, 0x0E00, 0x0C12, 0x1300};
    AddRange(named, 0x1301, 0x1308);
    const Tags expected = Concat({{0x0100}, HeaderTags(), {0x021F, 0x0400, 0x0401, 0x0402}, site,
                                  {0x0222, 0x0600, 0x0601, 0x0602, 0x0603}, people, formats, items,
                                  EmptyFormTags(0x0C10), dbe, field, row, named, EmptyFormTags(0x0C02),
                                  EmptyFormTags(0x0C15), {0x0223, 0x1100, 0x1101, 0x1102, 0x1103},
                                  {0x0224, 0x0A00, 0x0A01, 0x0A02, 0x0A03},
                                  {0x1400, 0x1401, 0x1405, 0x1406, 0x1402, 0x1400, 0x1401, 0x1405, 0x1406, 0x1404},
                                  {0x0225, 0x0B00, 0x0B01, 0x0B02, 0x0B00, 0x0B01, 0x0B02, 0xFF00}});
    EXPECT_EQ(m_stream.substr(0, 4), "TVB!");
    EXPECT_EQ(written, expected);
}

TEST_F(TvbWriteTest, ValuesAreEncodedAsTheLayoutSays)
{
    auto prop = SmallProposal();
    const auto records = Save(*prop);
    EXPECT_EQ(Find(records, 0x0100).data, TvbStream::Le(800, 2));
    const char* referenceOrder[] = {"R1", "R5", "R7", "R6", "R2", "R3", "R8", "R4"};
    for (uint16_t i = 0; i < 8; ++i)
        EXPECT_EQ(Find(records, uint16_t(0x0230 + i)).data, referenceOrder[i]);
    // Field numbers 1..8 go out as the tags 0x0F07, 0x0F06, 0x0F02, 0x0F0C, 0x0F03, 0x0F04, 0x0F05, 0x0F08.
    const uint16_t numberTags[] = {0x0F07, 0x0F06, 0x0F02, 0x0F0C, 0x0F03, 0x0F04, 0x0F05, 0x0F08};
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(Find(records, numberTags[n]).data, TvbStream::Le(uint64_t(n + 1), 2)) << n;
    EXPECT_EQ(Find(records, 0x0F0D).data, "\xFF\xFF\xFF\xFF"); // the unchanged marker, no data record
    EXPECT_EQ(Find(records, 0x0503).data, "\xFF\xFF");         // days not given: -1 as 65535
    EXPECT_EQ(Find(records, 0x0302).data, TvbStream::Le(std::bit_cast<uint64_t>(120.0), 8));
    EXPECT_EQ(Find(records, 0x0C0A).data, std::string(24, '\xFF'));
    EXPECT_EQ(Find(records, 0x1002).data, "\xFF\xFF"); // the padded cell: no selection
    EXPECT_EQ(Find(records, 0x0E00).data, "Name,Value");
    EXPECT_EQ(Find(records, 0x1405, 1).data, TvbStream::Le(1, 4));
    EXPECT_EQ(Find(records, 0x0225).data, TvbStream::Le(1, 2)); // only plates with flag bit 0 clear
    EXPECT_EQ(Find(records, 0x0B01).data, "Agency Public Key");
}

// The file always has its bidder group: a proposal without a bidder record gets empty texts, and
// reads back with an empty bidder record.
TEST_F(TvbWriteTest, TheBidderGroupIsWrittenWithoutABidderRecord)
{
    auto prop = SmallProposal();
    prop->m_pBidder.reset();
    const auto records = Save(*prop);
    Tags bidder;
    for (const TvbParsedRecord& record : records)
        if ((record.tag & 0xFF00) == 0x0700) {
            bidder.push_back(record.tag);
            EXPECT_EQ(record.data, "") << std::hex << record.tag;
        }
    Tags expected = {0x0700};
    AddRange(expected, 0x0701, 0x070B);
    EXPECT_EQ(bidder, expected);

    std::unique_ptr<CProp> loaded;
    ASSERT_EQ(LoadTvbFile(loaded, m_path, true), kTvbNoError);
    ASSERT_TRUE(loaded->m_pBidder);
    for (const std::string& text : loaded->m_pBidder->m_texts)
        EXPECT_EQ(text, "");
}

TEST_F(TvbWriteTest, CellDataIsSplitInto32000BytePiecesAndReadBackWhole)
{
    auto prop = SmallProposal();
    std::vector<uint8_t> block(70000);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t(i * 7);
    CRowData& row = *prop->m_pDbeForm->m_rows[0];
    row.m_cells.Add(std::make_unique<CCellData>())->m_data.Assign(block);
    const auto records = Save(*prop);
    EXPECT_EQ(Find(records, 0x1007).data, TvbStream::Le(70000, 4));
    EXPECT_EQ(Find(records, 0x1006, 0).data.size(), 32000u);
    EXPECT_EQ(Find(records, 0x1006, 1).data.size(), 32000u);
    EXPECT_EQ(Find(records, 0x1006, 2).data.size(), 6000u);
    EXPECT_THROW(Find(records, 0x1006, 3), std::runtime_error);

    std::unique_ptr<CProp> loaded;
    ASSERT_EQ(LoadTvbFile(loaded, m_path, false), kTvbNoError);
    EXPECT_EQ(loaded->m_pDbeForm->m_rows[0]->m_cells[0]->m_data.GetBytes(), block);
}

TEST_F(TvbWriteTest, WithoutCellDataBlocksCellsHaveNoSecondTextOrBlock)
{
    auto prop = SmallProposal();
    prop->m_iCellDataBlocks = 0;
    const auto records = Save(*prop);
    EXPECT_THROW(Find(records, 0x1008), std::runtime_error);
    EXPECT_THROW(Find(records, 0x1007), std::runtime_error);
}

// A record that cannot state its length in 16 bits is refused, and the last good file survives.
TEST_F(TvbWriteTest, RecordsThatDoNotFitAreRefusedAndTheOldFileStays)
{
    auto prop = SmallProposal();
    prop->m_items[0]->m_strLongDesc = std::string(65535, 'd');
    ASSERT_EQ(SaveTvbFile(*prop, m_path), kTvbNoError);
    const std::string good = ReadFileBytes(m_path);

    // What did not fit is said, with its length and the format's limit.
    std::string overflow;
    prop->m_items[0]->m_strLongDesc += "d";
    EXPECT_EQ(SaveTvbFile(*prop, m_path, &overflow), kTvbCannotWrite);
    EXPECT_EQ(overflow, "65,536 bytes in one field; a proposal file holds at most 65,535");
    prop->m_items[0]->m_strLongDesc.pop_back();
    CSAStringArray* list = prop->NewPickList("Long", 0);
    for (int i = 0; i < 65536; ++i)
        list->Add("e");
    EXPECT_EQ(SaveTvbFile(*prop, m_path, &overflow), kTvbCannotWrite);
    EXPECT_EQ(overflow, "65,536 entries in one pick list; a proposal file holds at most 65,535");
    prop->m_referenceLists.RemoveAll();
    while (prop->m_items.GetSize() <= 65535)
        prop->m_items.Add(std::make_unique<CItem>())->m_strLineNum = std::to_string(prop->m_items.GetSize());
    EXPECT_EQ(SaveTvbFile(*prop, m_path, &overflow), kTvbCannotWrite);
    EXPECT_EQ(overflow, "65,536 items and sections; a proposal file holds at most 65,535");

    EXPECT_EQ(ReadFileBytes(m_path), good);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1);
    EXPECT_EQ(SaveTvbFile(*prop, m_folder.Path() + "/missing/bid.tvb"), kTvbCannotOpen);
}

// A bid saved through a link, or a link to a link, lands in the file at the end of the links; the
// links stay. A link that leads nowhere cannot be saved through.
TEST_F(TvbWriteTest, SavingThroughLinksWritesTheFileTheyPointTo)
{
    namespace fs = std::filesystem;
    auto prop = SmallProposal();
    fs::create_directory(m_folder.Path() + "/letting");
    const std::string real = m_folder.Path() + "/letting/bid.tvb";
    ASSERT_EQ(SaveTvbFile(*prop, real), kTvbNoError);
    fs::create_symlink("letting/bid.tvb", m_path);
    fs::create_symlink("bid.tvb", m_folder.Path() + "/current.tvb");

    prop->m_items[0]->m_fUnitPrice = 12.5;
    for (const std::string& link : {m_path, m_folder.Path() + "/current.tvb"}) {
        prop->m_items[0]->m_fUnitPrice += 1;
        ASSERT_EQ(SaveTvbFile(*prop, link), kTvbNoError) << link;
        std::unique_ptr<CProp> loaded;
        ASSERT_EQ(LoadTvbFile(loaded, real, true), kTvbNoError);
        EXPECT_EQ(loaded->m_items[0]->m_fUnitPrice, prop->m_items[0]->m_fUnitPrice) << link;
    }
    EXPECT_EQ(fs::read_symlink(m_path), "letting/bid.tvb");
    EXPECT_EQ(fs::read_symlink(m_folder.Path() + "/current.tvb"), "bid.tvb");

    fs::create_symlink("letting/gone.tvb", m_folder.Path() + "/gone.tvb");
    EXPECT_EQ(SaveTvbFile(*prop, m_folder.Path() + "/gone.tvb"), kTvbCannotOpen);
    EXPECT_FALSE(fs::exists(m_folder.Path() + "/letting/gone.tvb"));
}

// An output with room for so many bytes, as a full disk would have.
class FailingOutput : public CTvbOutput {
public:
    explicit FailingOutput(std::size_t room) : m_room(room) {}
    bool Write(std::string_view bytes) override
    {
        if (bytes.size() > m_room)
            return false;
        m_room -= bytes.size();
        m_written += bytes.size();
        return true;
    }
    std::size_t Written() const { return m_written; }

private:
    std::size_t m_room;
    std::size_t m_written = 0;
};

TEST(TvbWriteFailure, AWriteThatFailsAnywhereIsReported)
{
    ProposalShape shape;
    shape.m_items = 3000;
    auto prop = GenerateProposal(shape);
    FailingOutput plenty(std::size_t(1) << 30);
    ASSERT_EQ(WriteTvbStream(*prop, plenty), kTvbNoError);
    const std::size_t size = plenty.Written();
    for (std::size_t room : {std::size_t(0), std::size_t(9), size / 2, size - 1}) {
        FailingOutput output(room);
        EXPECT_EQ(WriteTvbStream(*prop, output), kTvbCannotWrite) << room << " of " << size;
    }
}

} // namespace
