// Amendment files from disk, as the document applies them: the proposal and its ".001" and
// ".002" read back from the files the generator wrote, applied in order, give the agency's
// editions and log what the amendments made in memory log.
#include "bench/generator/AmendmentGenerator.h"
#include "bench/generator/ProposalDifferences.h"
#include "bench/generator/PickListFiles.h"
#include "bench/generator/ProposalFiles.h"
#include "bench/generator/RoadCatalogue.h"
#include "model/amend/AmendmentResult.h"
#include "model/amend/ChangeLog.h"
#include "model/check/Recalc.h"
#include "model/eval/Evaluator.h"
#include "model/files/PackFile.h"
#include "model/files/PickList.h"
#include "model/files/TvbFile.h"
#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "model/records/Prop.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using LogEntries = std::vector<std::pair<int, std::string>>;

LogEntries TakeLog()
{
    LogEntries entries;
    for (int n = 0; n < GetAmendmentChangeCount(); ++n)
        entries.emplace_back(GetAmendmentChangeCategory(n), GetAmendmentChangeText(n));
    DestroyAmendmentLog();
    return entries;
}

std::unique_ptr<CProp> Load(const std::string& path, bool amendment)
{
    std::unique_ptr<CProp> prop;
    EXPECT_EQ(LoadTvbFile(prop, path, amendment), kTvbNoError) << path;
    return prop;
}

// What an edition is once the agency has published it: read back from its own file.
std::unique_ptr<CProp> AsPublished(CProp& edition, const std::string& path)
{
    EXPECT_EQ(SaveTvbFile(edition, path), kTvbNoError);
    auto published = Load(path, false);
    published->m_strFilePath.clear();
    return published;
}

// Applies base.001 and base.002 to the proposal read from base.tvb, as the document does, and
// checks each step against the editions; the change log of each amendment.
std::vector<LogEntries> ApplyAmendmentFiles(const std::string& base, const AmendedProposal& letting,
                                            const std::string& scratch)
{
    std::vector<LogEntries> logs;
    auto bid = Load(base + ".tvb", false);
    if (!bid)
        return logs;
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE("amendment " + std::to_string(n));
        auto amendment = Load(base + ".00" + std::to_string(n), true);
        if (!amendment)
            return logs;
        CreateAmendmentLog();
        EXPECT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
        logs.push_back(TakeLog());
        RecalcBidTotals(bid.get()); // as the document does once the amendments are in
        const auto edition = AsPublished(*letting.m_editions[size_t(n - 1)], scratch + "/edition.tvb");
        bid->m_strFilePath.clear();
        for (const std::string& difference : ListProposalDifferences(*bid, *edition))
            ADD_FAILURE() << difference;
    }
    return logs;
}

// The same amendments applied in memory, as the generator made them.
std::vector<LogEntries> ApplyInMemory(const AmendedProposal& letting)
{
    std::vector<LogEntries> logs;
    auto bid = CProp::MakeWholeCopy(*letting.m_pProposal);
    for (const auto& amendment : letting.m_amendments) {
        CreateAmendmentLog();
        bid->ExchangeWithLog(*CProp::MakeWholeCopy(*amendment));
        logs.push_back(TakeLog());
    }
    return logs;
}

class AmendmentFiles : public testing::TestWithParam<uint32_t> {};

} // namespace

TEST_P(AmendmentFiles, AppliedInOrderFromDiskGiveEachEditionWithItsChangeLog)
{
    ProposalShape shape;
    shape.m_seed = GetParam();
    shape.m_items = 300;
    TempFolder folder;
    const std::string base = folder.Path() + "/C41001";
    std::string error;
    ASSERT_TRUE(WriteAmendedProposalFiles(shape, base, error)) << error;

    const AmendedProposal letting = GenerateAmendedProposal(shape);
    const std::vector<LogEntries> logs = ApplyAmendmentFiles(base, letting, folder.Path());
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(logs, ApplyInMemory(letting));
    for (const LogEntries& log : logs)
        EXPECT_GT(log.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Lettings, AmendmentFiles, testing::Values(1u, 2u, 77u));

// samples/ holds what `zod_generate --sample` writes; after a change to the generator, write it
// again with that command.
TEST(SampleFiles, AreWhatTheGeneratorMakesAndApplyInOrder)
{
    const std::string samples = ZOD_SAMPLES;
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteAmendedProposalFiles(SampleShape(), folder.Path() + "/sample", error)) << error;
    ASSERT_TRUE(WriteLettingLibrary(SampleShape(), kSampleLibraryProposals, folder.Path() + "/sample", error)) << error;
    for (const char* name :
         {"sample.tvb", "sample.001", "sample.002", "sample.tvl", kPlantListFile, kSignerTitleListFile})
        EXPECT_TRUE(ReadFileBytes(samples + "/" + name) == ReadFileBytes(folder.Path() + "/" + name)) << name;

    const std::vector<LogEntries> logs =
        ApplyAmendmentFiles(samples + "/sample", GenerateAmendedProposal(SampleShape()), folder.Path());
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(logs, ApplyInMemory(GenerateAmendedProposal(SampleShape())));
}

// The plant and the signer's title of the miscellaneous forms are offered from the agency's list
// files beside the proposal: a text list and a ".BIN" list.
TEST(SampleFiles, TheListsTheFormsNameLieBesideTheProposal)
{
    const std::string proposal = std::string(ZOD_SAMPLES) + "/sample.tvb";
    std::unique_ptr<CProp> prop;
    ASSERT_EQ(LoadTvbFile(prop, proposal, false), kTvbNoError);
    SetLastProposalPath(proposal);
    struct ListField {
        int form;
        int field;
        std::span<const char* const> entries;
    };
    for (const auto& [form, field, entries] : {ListField{0, 0, AsphaltPlants()}, ListField{1, 1, SignerTitles()}}) {
        const CWinMeta& misc = *prop->m_miscForms.GetAt(form);
        std::string error;
        const CSAStringArray* list = GetPickList(prop.get(), &misc, misc.m_fields.GetAt(field), &error);
        ASSERT_NE(list, nullptr) << error;
        EXPECT_EQ(std::vector<std::string>(list->begin(), list->end()),
                  std::vector<std::string>(entries.begin(), entries.end()));
    }
    SetLastProposalPath("");
    PackFileResetLayer();
}

// The library holds each proposal with its amendments, and extracting gives the very files.
TEST(SampleFiles, TheLibraryHoldsTheLettingsProposalsWithTheirAmendments)
{
    const std::string samples = ZOD_SAMPLES;
    std::vector<CTvlEntry> members;
    ASSERT_EQ(ListTvlMembers(samples + "/sample.tvl", members), kTvlNoError);
    std::vector<std::string> names;
    for (const CTvlEntry& member : members)
        names.push_back(member.m_strFileName);
    EXPECT_EQ(names, (std::vector<std::string>{"sample.tvb", "sample.001", "sample.002", "sample-2.tvb",
                                               "sample-2.001", "sample-2.002", "sample-3.tvb", "sample-3.001",
                                               "sample-3.002"}));

    TempFolder folder;
    const std::string library = folder.Write("sample.tvl", ReadFileBytes(samples + "/sample.tvl"));
    ASSERT_EQ(ExtractTvlMember(library, "sample.*", TvlExisting::Refuse), kTvlExtracted);
    for (const char* name : {"sample.tvb", "sample.001", "sample.002"})
        EXPECT_TRUE(ReadFileBytes(folder.Path() + "/" + name) == ReadFileBytes(samples + "/" + name)) << name;
}

// The bidder priced line 0170, which the first amendment revises: the amendment takes the price
// and names it, and leaves no price of its own there; the lines it does not touch keep theirs.
TEST(SampleFiles, TheAmendmentsLeaveNoPriceTheBidderNeverTyped)
{
    const std::string base = std::string(ZOD_SAMPLES) + "/sample";
    auto bid = Load(base + ".tvb", false);
    ASSERT_TRUE(bid);
    const auto row = [&bid](std::string_view line) {
        return std::ranges::find_if(bid->m_items, [line](const auto& item) { return item->m_strLineNum == line; })->get();
    };
    row("0170")->m_fUnitPrice = 27.98;
    const double untouched = row("0160")->m_fUnitPrice;
    LogEntries log;
    for (const char* extension : {".001", ".002"}) {
        CreateAmendmentLog();
        ASSERT_EQ(bid->ExchangeWithLog(*Load(base + extension, true)), unsigned(AMEND_NO_ERROR));
        const LogEntries taken = TakeLog();
        log.insert(log.end(), taken.begin(), taken.end());
    }
    EXPECT_FALSE(IsEvalValueValid(row("0170")->m_fUnitPrice)) << row("0170")->m_fUnitPrice;
    EXPECT_EQ(row("0160")->m_fUnitPrice, untouched);
    EXPECT_EQ(row("0270")->m_fUnitPrice, 75000) << "the agency's fixed price";
    EXPECT_NE(std::ranges::find(log, std::pair<int, std::string>(LOG_ENTRIES_REMOVED,
                                                                 "0170  301.0100  AGGREGATE BASE COURSE, CLASS 5: unit price 27.98")),
              log.end());
}
