// Choosing a letting: several are listed, one is taken without asking, none ends the choice.
#include "app/dialogs/LetLoad.h"
#include "tests/app/dialogs/DialogTestSupport.h"

namespace {

using namespace dialogtest;

struct LettingCase {
    const char* name;
    std::vector<std::string> lettings;
    int result;
    const char* chosen;
    std::size_t messages;
};

const LettingCase kLettingCases[] = {
    {"OneIsTakenAtOnce", {"24051"}, IDOK, "24051", 0},
    {"NoneEndsWithoutAChoice", {}, IDCANCEL, "", 1},
};

class LettingChoice : public DialogTest {
protected:
    CLetLoad m_dialog;
};

class LettingCount : public DialogTest, public ::testing::WithParamInterface<LettingCase> {};

} // namespace

TEST_P(LettingCount, DecidesWithoutTheUser)
{
    const LettingCase& lettingCase = GetParam();
    CLetLoad dialog;
    dialog.m_lettings = lettingCase.lettings;
    m_script.AnswerDialogWith(IDOK);
    EXPECT_EQ(dialog.DoModal(), lettingCase.result);
    EXPECT_EQ(dialog.m_strLetting, lettingCase.chosen);
    EXPECT_EQ(m_script.MessageBoxes().size(), lettingCase.messages);
}

INSTANTIATE_TEST_SUITE_P(Lettings, LettingCount, ::testing::ValuesIn(kLettingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LettingChoice, SeveralAreListedUnderTheTitleAndTheOneClickedIsTaken)
{
    m_dialog.m_lettings = {"24051", "24062", "24117"};
    m_dialog.m_strTitle = "Select a Letting";
    std::vector<std::string> lines;
    std::string title;
    const int result = Run(m_dialog, [&] {
        lines = Lines(m_dialog.GetDlgItem(CLetLoad::IDC_LIST));
        title = m_dialog.ModalWindow()->windowTitle().toStdString();
        ClickLine(m_dialog.GetDlgItem(CLetLoad::IDC_LIST), 1, true);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(lines, m_dialog.m_lettings);
    EXPECT_EQ(title, "Select a Letting");
    EXPECT_EQ(m_dialog.m_strLetting, "24062");
}

TEST_F(LettingChoice, OkWithoutASelectionChoosesNone)
{
    m_dialog.m_lettings = {"24051", "24062"};
    EXPECT_EQ(Run(m_dialog, [&] { Click(m_dialog.GetDlgItem(IDOK)); }), IDOK);
    EXPECT_EQ(m_dialog.m_strLetting, "");
}
