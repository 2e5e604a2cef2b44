// Applying and making amendments of a whole proposal: the identity and order checks with their
// result codes, the labels in the order of application, and that a refused or failed amendment
// leaves the proposal exactly as it was.
#include "bench/generator/AmendmentGenerator.h"
#include "model/amend/AmendmentResult.h"
#include "model/amend/StagedChange.h"
#include "model/check/FormChecks.h"
#include "model/records/Prop.h"
#include "model/records/RecordText.h"
#include "model/text/FlagWord.h"
#include "tests/model/support/Amendments.h"
#include "tests/model/support/ItemTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int32_t kDay = 86400;

std::unique_ptr<CProp> Published()
{
    return GenerateProposal(
        {.m_items = 24, .m_itemsPerSection = 8, .m_bidCapEvery = 5, .m_firms = 2, .m_firmItemsPerFirm = 3, .m_sites = 2});
}

// The agency's next edition before its changes: one amendment later, revised on a new date.
std::unique_ptr<CProp> NextEdition(const CProp& older)
{
    auto edition = CProp::MakeWholeCopy(older);
    edition->m_iAmendmentCount = older.m_iAmendmentCount + 1;
    edition->m_iDateRevised = older.m_iLettingDate - 10 * kDay;
    return edition;
}

using PropAmendmentTest = AmendmentLogTest;

// Changes every labelled part of the proposal, and some unlabelled fields.
void ChangeEverything(CProp& p)
{
    p.m_dBondAmount += 1000;
    p.m_iLettingDate += kDay;
    for (std::string* text : {&p.m_strLettingId, &p.m_strCallOrder, &p.m_strAltContractId, &p.m_strLocation,
                              &p.m_strShortDescription, &p.m_strDescription, &p.m_strContractType,
                              &p.m_strProposalType, &p.m_strHighwayNumber, &p.m_strControllingProject,
                              &p.m_strControllingRoute, &p.m_strFundType, &p.m_strProjectIds, &p.m_strRoadName,
                              &p.m_strRoute, &p.m_strSerialNumber, &p.m_strAgencyId})
        *text += " REV";
    for (std::string& url : p.m_strSubmitUrls)
        url = "https://bids.example.gov/" + std::to_string(&url - p.m_strSubmitUrls.data());
    for (std::string& url : p.m_strBondCheckUrls)
        url = "https://bonds.example.gov/" + std::to_string(&url - p.m_strBondCheckUrls.data());
    p.m_iHeaderNumbers[1] = 7;
    p.m_dGenericNumbers[2] = 2.5;
    p.m_iDisplayFormatNumbers[0] = 3;
    p.m_iMaxAttachmentSize = 6000;
    p.m_iMaxTotalAttachmentSize = 20000;
    p.m_numberFormats[NUMFMT_QUANTITY].m_byDecimals = 2;
    p.m_strDisplayFormats[1] = "#,##0.00";
    p.GetPickList("Work Types", 0)->Add("BRIDGE PAINTING");
    for (CWinMeta* form : {p.m_pDbeForm.get(), p.m_pMbeForm.get(), p.m_pWbeForm.get(), p.m_miscForms[1], p.m_pBondForm.get()})
        form->m_dGoal += 1;
    p.m_counties[0]->m_strCountyName = "DOUGLAS";
    p.m_sites[1]->m_strDescription += " AND RAMPS";
    p.m_notes.Add(std::make_unique<CNote>())->m_strDescription = "Everything revised";
    p.m_otherReports[0]->m_strText += "END\n";
    p.m_bidCaps.begin()->second->m_strMessage[1] = "Revised";
    p.FindPlate("Report Proposal Head")->m_strText += "REVISED\n";
}

} // namespace

TEST_F(PropAmendmentTest, EveryLabelIsLoggedOnceInTheOrderOfApplication)
{
    auto published = Published();
    published->m_strAmendmentMatchKey = "ContID"; // so the call order and letting date may change
    auto edition = NextEdition(*published);
    ChangeEverything(*edition);
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);

    ASSERT_EQ(published->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    const std::vector<std::string> expected = {
        "Bond Amount", "Letting Date", "Letting ID", "Call Order", "Alt Contract ID", "Location",
        "Short Description", "Description", "Contract Type", "Type", "Highway Number", "Project ID's",
        "Road Name", "Route", "Serial Number", "Agency ID", "Submit URL", "Submit URL #2", "Submit URL #3",
        "Submit URL #4", "Bond Check URL", "Bond Check URL #2", "Maximum Attachment Size",
        "Maximum Total Attachment Size", "Number Formats", "Display Formats", "Reference Data",
        "Changed DBE Information", "Changed MBE Information", "Changed WBE Information",
        "Changed Misc Information", "Changed Zod Bond Information", "County Information", "Site Information",
        "Addendum Note Information", "Report Formats", "Zod Caps", "Report Formats"};
    EXPECT_EQ(LoggedTexts(LOG_PROPOSAL_DATA), expected);
    ExpectSameProposal(*published, *edition);
}

namespace {

struct Refusal {
    const char* m_case;
    std::function<void(CProp& bid, CProp& amendment)> m_arrange;
    unsigned m_result;
};

std::ostream& operator<<(std::ostream& out, const Refusal& refusal) { return out << refusal.m_case; }

class AmendmentRefusal : public PropAmendmentTest, public ::testing::WithParamInterface<Refusal> {};

} // namespace

TEST_P(AmendmentRefusal, IsReportedAndLeavesTheProposalExactlyAsItWas)
{
    auto published = Published();
    auto edition = NextEdition(*published);
    edition->m_strDescription = "REVISED";
    edition->m_items.DeleteAt(3);
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    auto& bid = published;
    GetParam().m_arrange(*bid, *amendment);
    LogAmendmentChange("from an earlier file", LOG_PROPOSAL_DATA);
    const auto before = CProp::MakeWholeCopy(*bid);
    const CItem* firstRow = bid->m_items[0];

    EXPECT_EQ(bid->ExchangeWithLog(*amendment), GetParam().m_result);
    ExpectSameProposal(*bid, *before);
    EXPECT_EQ(bid->m_items[0], firstRow) << "not even replaced by an equal copy";
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmendmentRefusal,
    ::testing::Values(
        Refusal{"an amendment numbered 0", [](CProp&, CProp& a) { a.m_iAmendmentCount = 0; }, AMEND_NOT_AN_AMENDMENT},
        Refusal{"a proposal not marked as an amendment",
                [](CProp&, CProp& a) { ChangeFlagBit(&a.m_wFlags, PROP_IS_AMENDMENT, 0); }, AMEND_NOT_AN_AMENDMENT},
        Refusal{"another call order", [](CProp&, CProp& a) { a.m_strCallOrder += "1"; }, AMEND_OTHER_PROPOSAL},
        Refusal{"a letting on the next day", [](CProp&, CProp& a) { a.m_iLettingDate += kDay; }, AMEND_OTHER_PROPOSAL},
        Refusal{"another contract under the contract match",
                [](CProp& b, CProp& a) {
                    b.m_strAmendmentMatchKey = "ContID";
                    a.m_strContractId += "9";
                },
                AMEND_OTHER_PROPOSAL},
        Refusal{"an amendment already applied", [](CProp& b, CProp&) { b.m_iAmendmentCount = 1; }, AMEND_ALREADY_APPLIED},
        Refusal{"an earlier amendment missing", [](CProp&, CProp& a) { a.m_iAmendmentCount = 2; }, AMEND_OUT_OF_ORDER},
        Refusal{"an amendment count at the top of its range",
                [](CProp& b, CProp& a) { b.m_iAmendmentCount = a.m_iAmendmentCount = INT32_MAX; }, AMEND_ALREADY_APPLIED}));

TEST_F(PropAmendmentTest, TheProposalIsNoAmendmentOfItself)
{
    auto bid = Published();
    bid->m_iAmendmentCount = 1;
    ChangeFlagBit(&bid->m_wFlags, PROP_IS_AMENDMENT, 1);
    const auto before = CProp::MakeWholeCopy(*bid);
    EXPECT_EQ(bid->ExchangeWithLog(*bid), unsigned(AMEND_ALREADY_APPLIED));
    ExpectSameProposal(*bid, *before);
}

TEST_F(PropAmendmentTest, TheSameProposalIsRecognisedByDayOrByContract)
{
    auto published = Published();
    auto edition = NextEdition(*published);
    edition->m_strLocation = "REVISED";
    {
        auto amendment = MakeAmendment(*edition, *published);
        amendment->m_iLettingDate += 3600; // an hour later, the same day
        auto bid = CProp::MakeWholeCopy(*published);
        EXPECT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    }
    published->m_strAmendmentMatchKey = edition->m_strAmendmentMatchKey = "ContID";
    edition->m_strCallOrder = "777";
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    ASSERT_EQ(published->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    EXPECT_EQ(published->m_strCallOrder, "777");
    const std::vector<std::string> data = LoggedTexts(LOG_PROPOSAL_DATA);
    EXPECT_NE(std::find(data.begin(), data.end(), "Call Order"), data.end());
}

TEST_F(PropAmendmentTest, AFailedAmendmentLeavesTheProposalAndTheLogExactlyAsTheyWere)
{
    auto published = Published();
    published->m_strAmendmentMatchKey = "ContID";
    auto edition = NextEdition(*published);
    ChangeEverything(*edition);
    edition->m_items.DeleteAt(2);
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    // A new row anchored after a line the proposal does not have: it has nowhere to go, and
    // comes after the header, the forms, the deletions and the lists were already taken over.
    amendment->m_items.Add(MakeItem(std::string("0099") + '\xFF' + "7777"));
    LogAmendmentChange("from an earlier file", LOG_PROPOSAL_DATA);
    const auto before = CProp::MakeWholeCopy(*published);

    EXPECT_THROW(published->ExchangeWithLog(*amendment), CAmendmentError);
    ExpectSameProposal(*published, *before);
    EXPECT_EQ(GetAmendmentChangeCount(), 1);
}

// Only the order of the item rows shows that this amendment cannot go in: its new row follows a
// row that its own deletions take away. Nothing of it may be taken over, not even the deletion.
TEST_F(PropAmendmentTest, ARowAnchoredOnARowItDeletesFailsBeforeAnythingChanges)
{
    auto published = Published();
    published->m_strAmendmentMatchKey = "ContID";
    auto edition = NextEdition(*published);
    ChangeEverything(*edition);
    const std::string deletedLine = edition->m_items[4]->m_strLineNum;
    edition->m_items.DeleteAt(4);
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    amendment->m_items.Add(MakeItem(std::string("0099") + '\xFF' + deletedLine));
    LogAmendmentChange("from an earlier file", LOG_PROPOSAL_DATA);
    const auto before = CProp::MakeWholeCopy(*published);
    const auto amendmentBefore = CProp::MakeWholeCopy(*amendment);

    EXPECT_THROW(published->ExchangeWithLog(*amendment), CAmendmentError);
    ExpectSameProposal(*published, *before);
    ExpectSameProposal(*amendment, *amendmentBefore);
    EXPECT_EQ(GetAmendmentChangeCount(), 1);

    amendment->m_items.DeleteAt(amendment->m_items.GetSize() - 1);
    ASSERT_EQ(published->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR)) << "the refused amendment is whole";
    EXPECT_EQ(Lines(published->m_items), Lines(edition->m_items));
    EXPECT_EQ(published->m_strDescription, edition->m_strDescription);
}

TEST_F(PropAmendmentTest, ReducingReportsNothingToAmendAndEditionsThatDoNotMatch)
{
    auto published = Published();
    auto same = CProp::MakeWholeCopy(*published);
    EXPECT_EQ(same->ReduceToChanges(nullptr), unsigned(AMEND_OTHER_PROPOSAL));
    EXPECT_EQ(same->ReduceToChanges(published.get()), unsigned(AMEND_ALREADY_APPLIED)) << "nothing to amend";
    EXPECT_FALSE(TestFlagBit(same->m_wFlags, PROP_IS_AMENDMENT));

    auto moved = NextEdition(*published);
    moved->m_strDescription = "REVISED";
    moved->m_iLettingDate += kDay;
    moved->m_strAmendmentMatchKey = "CallOrder";
    EXPECT_EQ(CProp::MakeWholeCopy(*moved)->ReduceToChanges(published.get()), unsigned(AMEND_ALREADY_APPLIED))
        << "matched by call order and day, the letting day may not move";
    moved->m_strAmendmentMatchKey.clear();
    EXPECT_EQ(CProp::MakeWholeCopy(*moved)->ReduceToChanges(published.get()), unsigned(AMEND_NO_ERROR))
        << "without a match key nothing is checked";
}

namespace {

struct LoneChange {
    const char* m_case;
    std::function<void(CProp& edition)> m_edit;
    std::vector<std::string> m_labels;
};

std::ostream& operator<<(std::ostream& out, const LoneChange& change) { return out << change.m_case; }

class AmendmentOfOneChange : public PropAmendmentTest, public ::testing::WithParamInterface<LoneChange> {};

} // namespace

// A change alone is an amendment, applied with its own entries; what did not change is reduced
// to the unchanged marker.
TEST_P(AmendmentOfOneChange, IsMadeAndAppliedWithItsEntries)
{
    auto published = Published();
    auto edition = NextEdition(*published);
    GetParam().m_edit(*edition);
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    EXPECT_EQ(amendment->m_strDescription, kUnchangedText);
    if (edition->m_strSerialNumber == published->m_strSerialNumber) {
        EXPECT_EQ(amendment->m_strSerialNumber, kUnchangedText);
    }
    ASSERT_EQ(published->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    EXPECT_EQ(LoggedTexts(LOG_PROPOSAL_DATA), GetParam().m_labels);
    ExpectSameProposal(*published, *edition);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmendmentOfOneChange,
    ::testing::Values(LoneChange{"a serial number", [](CProp& e) { e.m_strSerialNumber = "26-0002"; }, {"Serial Number"}},
                      LoneChange{"a display format number, which has no entry",
                                 [](CProp& e) { e.m_iDisplayFormatNumbers[2] = 4; }, {}},
                      LoneChange{"a deleted form", [](CProp& e) { e.m_miscForms.DeleteAt(1); }, {"Deleted Misc Information"}},
                      LoneChange{"an added form", [](CProp& e) { e.m_miscForms.Add(std::make_unique<CWinMeta>())->AddRow(-1, -1); },
                                 {"Added Misc Information"}},
                      LoneChange{"a changed form", [](CProp& e) { e.m_miscForms[0]->m_strFurtherTexts[0] += " (REVISED)"; },
                                 {"Changed Misc Information"}},
                      LoneChange{"a changed form before a deleted one",
                                 [](CProp& e) {
                                     e.m_miscForms.DeleteAt(1);
                                     e.m_miscForms[0]->m_strFurtherTexts[0] += " (REVISED)";
                                 },
                                 {"Changed Misc Information"}}));

// The joint bid and the alternate units are the bidder's answers; the rest of the flags is the
// agency's and is taken.
TEST_F(PropAmendmentTest, TheBiddersAnswersInTheProposalFlagsStay)
{
    auto published = Published();
    auto edition = NextEdition(*published);
    ChangeFlagBit(&edition->m_wFlags, INFORMATIONAL, 1);
    for (bool joint : {true, false}) {
        SCOPED_TRACE(joint ? "a joint bid" : "a bid of one bidder in units of the schedule");
        auto bid = CProp::MakeWholeCopy(*published);
        ChangeFlagBit(&bid->m_wFlags, JOINT_BID, joint);
        ChangeFlagBit(&bid->m_wFlags, PROP_SHOW_ALT_UNITS, joint);
        // An edition copied from a bidder's file carries that bidder's answers: not the agency's.
        ChangeFlagBit(&edition->m_wFlags, JOINT_BID, !joint);
        ChangeFlagBit(&edition->m_wFlags, PROP_SHOW_ALT_UNITS, !joint);
        auto amendment = MakeAmendment(*edition, *published);
        ASSERT_NE(amendment, nullptr);
        ASSERT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
        EXPECT_EQ(TestFlagBit(bid->m_wFlags, JOINT_BID) != 0, joint);
        EXPECT_EQ(TestFlagBit(bid->m_wFlags, PROP_SHOW_ALT_UNITS) != 0, joint);
        EXPECT_TRUE(TestFlagBit(bid->m_wFlags, INFORMATIONAL));
        EXPECT_FALSE(TestFlagBit(bid->m_wFlags, PROP_IS_AMENDMENT));
    }
}

// What Check Zod found on a form is the program's own verdict, kept with the form: an amendment
// that leaves the form alone reports no change of it and keeps the verdict.
TEST_F(PropAmendmentTest, AFormsCheckStateIsNoChangeOfTheAgency)
{
    auto published = Published();
    auto bid = CProp::MakeWholeCopy(*published);
    for (CWinMeta* form : {bid->m_pDbeForm.get(), bid->m_pBondForm.get()})
        SetFormErrorState(*form, 2);
    auto edition = NextEdition(*published);
    edition->m_strDescription += " (REVISED)";
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    ASSERT_EQ(bid->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
    EXPECT_EQ(LoggedTexts(LOG_PROPOSAL_DATA), std::vector<std::string>{"Description"});
    EXPECT_EQ(GetFormErrorState(*bid->m_pBondForm), 2);
    EXPECT_EQ(GetFormErrorState(*bid->m_pDbeForm), 2);
}

TEST_F(PropAmendmentTest, AnAddendumNoteIsLoggedByTheAmendmentThatBringsOrRevisesIt)
{
    auto published = Published();
    const auto addNote = [](CProp& edition, const char* text) {
        CNote& note = *edition.m_notes.Add(std::make_unique<CNote>());
        note.m_iAmendmentNumber = edition.m_iAmendmentCount;
        note.m_iAmendmentDate = edition.m_iDateRevised; // 7 March 2026
        note.m_strDescription = text;
    };
    auto first = NextEdition(*published);
    addNote(*first, "Quantities revised");
    auto second = NextEdition(*first);
    addNote(*second, "Guardrail added");
    auto third = NextEdition(*second);
    third->m_notes[0]->m_strDescription = "Quantities of 12 items revised";

    const CProp* older = published.get();
    for (const CProp* edition : {first.get(), second.get(), third.get()}) {
        auto amendment = MakeAmendment(*edition, *older);
        ASSERT_EQ(published->ExchangeWithLog(*amendment), unsigned(AMEND_NO_ERROR));
        older = edition;
    }
    const std::vector<std::string> notes = LoggedTexts(LOG_ADDENDUM_NOTES);
    ASSERT_EQ(notes.size(), 3u) << "once each, and once more for the revised one";
    EXPECT_EQ(notes[0], "03/07/26: Quantities revised");
    EXPECT_EQ(notes[1], "03/07/26: Guardrail added");
    EXPECT_EQ(notes[2], "03/07/26: Quantities of 12 items revised");
}

TEST(AmendmentErrorText, EveryCodeAsTextAndAsErrorLine)
{
    const char* const texts[] = {"No Error", "Amendment File Already Applied", "Amendment File Out Of Order",
                                 "File not an amendment file", "Amendment file for different proposal", "Unknown Error"};
    for (int code = 0; code <= AMEND_UNKNOWN_ERROR; ++code) {
        EXPECT_EQ(GetAmendmentErrorText(code, false), texts[code]);
        EXPECT_EQ(GetAmendmentErrorText(code, true), std::string("Error: ") + texts[code] + "\n");
    }
    EXPECT_EQ(GetAmendmentErrorText(-1, false), "Unknown Error");
    EXPECT_EQ(GetAmendmentErrorText(6, true), "Error: Unknown Error\n");
}
