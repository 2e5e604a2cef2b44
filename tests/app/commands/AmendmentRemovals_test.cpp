// An amendment loaded from the File menu after the bidder priced an item and committed firms: the
// change report names the price and the firms the amendment took, so they can be entered again.
#include "app/dialogs/AmendmentChangesDialog.h"
#include "bench/generator/AmendmentGenerator.h"
#include "model/files/TvbFile.h"
#include "model/records/Prop.h"
#include "tests/app/commands/CommandTestSupport.h"
#include "tests/app/dialogs/DialogTestSupport.h"

#include <algorithm>

TEST_F(CommandTest, TheChangeReportNamesThePriceAndTheFirmsAnAmendmentTook)
{
    Store("Misc", "AutoLoad", "0");
    AnswerBidderId();
    StartOn(InLetting("sample.tvb"));
    ASSERT_NE(Prop(), nullptr);

    // The agency's next edition changes an item's quantity and the fields of the DBE form.
    std::unique_ptr<CProp> published;
    ASSERT_EQ(LoadTvbFile(published, InLetting("sample.tvb"), false), kTvbNoError);
    auto edition = CProp::MakeWholeCopy(*published);
    edition->m_iAmendmentCount = 1;
    const auto firstItem = [](CProp& prop) {
        return std::ranges::find_if(prop.m_items, [](const auto& row) { return !row->IsSection(); })->get();
    };
    firstItem(*edition)->m_fQuan += 1;
    edition->m_pDbeForm->m_fields[1]->m_iWidth += 5;
    auto amendment = MakeAmendment(*edition, *published);
    ASSERT_NE(amendment, nullptr);
    ASSERT_EQ(SaveTvbFile(*amendment, InLetting("revised.001")), kTvbNoError);

    CItem& priced = *firstItem(*Prop());
    priced.m_fUnitPrice = 1642.5;
    std::vector<std::string> firms;
    for (const auto& row : Prop()->m_pDbeForm->m_rows)
        firms.push_back("DBE Information: firm " + row->m_cells[0]->m_strText + ", with 3 committed items");
    ASSERT_EQ(firms.size(), 3u);

    std::vector<std::string> report;
    m_script.AnswerFile(InLetting("revised.001"));
    m_script.AnswerDialog([&report](platform::ModalDialog& modal) {
        auto& dialog = dynamic_cast<CDialog&>(modal);
        report = dialogtest::Lines(dialog.GetDlgItem(CAmendmentChangesDialog::IDC_LIST));
        Click(dialog, IDOK);
    });
    Choose(ID_OPEN_AMENDMENT);
    ASSERT_TRUE(m_script.AllAnswered()) << Unanswered();

    const auto heading = std::ranges::find(report, "The following entries of the bid were removed:");
    ASSERT_NE(heading, report.end());
    std::vector<std::string> removed(heading + 2, report.end());
    std::vector<std::string> expected = {priced.m_strLineNum + "  " + priced.m_strItemNum + "  " +
                                         priced.m_strShortDesc + ": unit price 1,642.50"};
    expected.insert(expected.end(), firms.begin(), firms.end());
    std::ranges::sort(removed);
    std::ranges::sort(expected);
    EXPECT_EQ(removed, expected);
    EXPECT_TRUE(Prop()->m_pDbeForm->m_rows.IsEmpty());
}
