// A bid saved with the bidder's own entries, then amended: by File, Load Amendment, and by opening
// it again with the amendment file beside it. The report names the quantity and the site days the
// amendment replaced; the joint bid and the alternate units stay the bidder's through the
// amendment, a save and a reopening; a form the amendment leaves alone is not reported changed.
#include "app/dialogs/AmendmentChangesDialog.h"
#include "bench/generator/AmendmentGenerator.h"
#include "model/check/FormChecks.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/dialogs/DialogTestSupport.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int32_t kDay = 86400;
// The row where the bidder gives the quantity: the agency gives none.
constexpr const char* kOpenQuantityLine = "0060";
constexpr const char* kRemovedHeading = "The following entries of the bid were removed:";

class AmendedBid : public CommandTest {
protected:
    AmendedBid()
    {
        Store("Misc", "FloppySave", "0");
        EXPECT_EQ(LoadTvbFile(m_published, InLetting("sample.tvb"), false), kTvbNoError);
        if (CItem* row = m_published->FindItemByLine(kOpenQuantityLine))
            row->m_fQuan = 0;
        EXPECT_EQ(SaveTvbFile(*m_published, Bid()), kTvbNoError);
    }

    std::string Bid() const { return InLetting("bid.tvb"); }
    CItem& OpenQuantityRow() const { return *Prop()->FindItemByLine(kOpenQuantityLine); }

    // The bidder's entries, then Ctrl+J and Ctrl+U, then Ctrl+S.
    void EnterAndSave()
    {
        ASSERT_NE(Prop()->FindItemByLine(kOpenQuantityLine), nullptr);
        OpenQuantityRow().m_fQuan = 15280;
        Prop()->m_sites[0]->m_iNumberOfDays = 35;
        Prop()->m_sites[1]->m_iNumberOfDays = 40;
        Activate();
        PressCtrl(Qt::Key_J);
        PressCtrl(Qt::Key_U);
        PressCtrl(Qt::Key_S);
        ASSERT_FALSE(Doc().IsModified());
        ExpectBiddersAnswers();
        // What Check Zod found on the bond form, kept with it.
        ASSERT_NE(GetFormErrorState(*Prop()->m_pBondForm), 0);
    }

    // The agency's first amendment of the published proposal, made by `edit`.
    void WriteAmendment(const std::string& path, const std::function<void(CProp&)>& edit) const
    {
        auto edition = CProp::MakeWholeCopy(*m_published);
        edition->m_iAmendmentCount = 1;
        edit(*edition);
        auto amendment = MakeAmendment(*edition, *m_published);
        ASSERT_NE(amendment, nullptr);
        ASSERT_EQ(SaveTvbFile(*amendment, path), kTvbNoError);
    }
    static void ReviseOpenQuantityRow(CProp& edition)
    {
        edition.FindItemByLine(kOpenQuantityLine)->m_strLongDesc += " (REVISED)";
    }

    void ReadAmendmentReport()
    {
        m_script.AnswerDialog([this](platform::ModalDialog& modal) {
            auto& dialog = dynamic_cast<CDialog&>(modal);
            m_report = dialogtest::Lines(dialog.GetDlgItem(CAmendmentChangesDialog::IDC_LIST));
            Click(dialog, IDOK);
        });
    }
    // The entries under `heading`, up to the blank line before the next.
    std::vector<std::string> ReportSection(const std::string& heading) const
    {
        auto first = std::ranges::find(m_report, heading);
        if (first == m_report.end())
            return {};
        first += 2;
        return {first, std::find(first, m_report.end(), " ")};
    }
    bool Reported(const std::string& line) const { return std::ranges::find(m_report, line) != m_report.end(); }
    std::string QuantityRemoved() const
    {
        const CItem& row = OpenQuantityRow();
        return row.m_strLineNum + "  " + row.m_strItemNum + "  " + row.m_strShortDesc + ": quantity 15,280.000";
    }

    void ExpectBiddersAnswers()
    {
        EXPECT_TRUE(Checked(ID_JOINT_BID));
        EXPECT_TRUE(Checked(ID_ALTERNATE_UNITS));
    }

    // File, Open on the bid, as the bidder opens it again; the report read when it is amended.
    void OpenAgain(bool amended)
    {
        m_script.AnswerFile(Bid());
        if (amended)
            ReadAmendmentReport();
        ChooseByKeys(Qt::Key_F, {Qt::Key_O});
        ASSERT_TRUE(m_script.AllAnswered()) << Unanswered();
        ASSERT_NE(Prop(), nullptr);
    }

    std::unique_ptr<CProp> m_published;
    std::vector<std::string> m_report;
};

} // namespace

TEST_F(AmendedBid, LoadAmendmentNamesTheQuantityItReplacedAndKeepsTheBiddersAnswers)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(Bid());
    ASSERT_NE(Prop(), nullptr);
    EnterAndSave();
    WriteAmendment(InLetting("revised.001"), ReviseOpenQuantityRow);

    m_script.AnswerFile(InLetting("revised.001"));
    ReadAmendmentReport();
    ChooseByKeys(Qt::Key_F, {Qt::Key_L, Qt::Key_L, Qt::Key_Return});
    ASSERT_TRUE(m_script.AllAnswered()) << Unanswered();
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);

    EXPECT_EQ(ReportSection(kRemovedHeading), std::vector<std::string>{QuantityRemoved()});
    EXPECT_EQ(ReportSection("The following Items were changed:").size(), 1u);
    EXPECT_TRUE(ReportSection("The following Proposal Data Has Changed:").empty())
        << "the amendment changes one row, not the bond form";
    EXPECT_EQ(OpenQuantityRow().m_fQuan, 0) << "the amendment's quantity, as the amendment rules say";
    ExpectBiddersAnswers();

    PressCtrl(Qt::Key_S);
    std::unique_ptr<CProp> saved;
    ASSERT_EQ(LoadTvbFile(saved, Bid(), false), kTvbNoError);
    EXPECT_TRUE(TestFlagBit(saved->m_wFlags, JOINT_BID));
    EXPECT_TRUE(TestFlagBit(saved->m_wFlags, PROP_SHOW_ALT_UNITS));
}

TEST_F(AmendedBid, OpeningWithTheAmendmentBesideNamesTheSiteDaysAndQuantityItReplaced)
{
    AnswerBidderId();
    StartOn(Bid());
    ASSERT_NE(Prop(), nullptr);
    ASSERT_EQ(Prop()->m_iAmendmentCount, 0);
    EnterAndSave();
    WriteAmendment(InLetting("bid.001"), [](CProp& edition) {
        ReviseOpenQuantityRow(edition);
        edition.m_sites[0]->m_iEndDate += 14 * kDay;
    });

    OpenAgain(true);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
    std::vector<std::string> removed = ReportSection(kRemovedHeading);
    std::ranges::sort(removed);
    std::vector<std::string> expected = {QuantityRemoved(), "Site 1: 35 days"};
    std::ranges::sort(expected);
    EXPECT_EQ(removed, expected);
    EXPECT_TRUE(Reported("Site Information"));
    EXPECT_FALSE(Reported("Changed Zod Bond Information"));
    EXPECT_EQ(Prop()->m_sites[1]->m_iNumberOfDays, 40) << "an unchanged site keeps the bidder's days";
    ExpectBiddersAnswers();

    // Saved and opened once more: the amendment is applied already, the answers stay.
    PressCtrl(Qt::Key_S);
    OpenAgain(false);
    EXPECT_EQ(Prop()->m_iAmendmentCount, 1);
    ExpectBiddersAnswers();
}
