// A library damaged after the member chosen: the member, read whole, opens, and the damage is
// told with the library's name.
#include "app/dialogs/TVLLoad.h"
#include "platform/ui/controls/ListBox.h"
#include "tests/app/commands/CommandTestSupport.h"

#include <filesystem>

TEST_F(CommandTest, AMemberReadWholeBeforeTheDamageOpensAndTheDamageIsTold)
{
    StartEmpty();
    Activate();
    // The sample's library cut inside the amendment that follows the first proposal.
    const std::string library = m_folder / "lib.tvl";
    testsupport::WriteTextFile(library, testsupport::ReadTextFile(InLetting("sample.tvl")).substr(0, 10000));
    const std::string damaged = "Error Reading Library: " + library;
    m_script.AnswerFile(library);
    std::vector<std::string> listed;
    m_script.AnswerDialog([&listed](platform::ModalDialog& modal) {
        auto& dialog = dynamic_cast<CDialog&>(modal);
        auto* list = dynamic_cast<CListBox*>(dialog.GetDlgItem(CTVLLoad::IDC_LIST));
        for (int i = 0; i < list->GetCount(); ++i)
            listed.push_back(list->GetText(i));
        list->SetCurSel(0);
        Click(dialog, IDOK);
    });
    AnswerOk(2);
    AnswerBidderId();
    ChooseByKeys(Qt::Key_F, {Qt::Key_O});

    EXPECT_EQ(listed, std::vector<std::string>{"sample.tvb"});
    ASSERT_NE(Prop(), nullptr) << Unanswered();
    EXPECT_EQ(Doc().GetPathName(), m_folder / "sample.tvb");
    const auto& told = m_script.MessageBoxes();
    ASSERT_EQ(told.size(), 2u) << Unanswered();
    EXPECT_EQ(told[0].text, damaged) << "as it is listed";
    EXPECT_EQ(told[1].text, damaged + "\n\nsample.tvb was read whole before the damage.");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "sample.001"));
    EXPECT_TRUE(m_script.AllAnswered()) << Unanswered();
}
