#include "submit/BidSubmitSheet.h"
#include "platform/ui/dialogs/ScriptedModalServices.h"

#include <gtest/gtest.h>

using platform::ScopedModalServices;
using platform::ScriptedModalServices;

TEST(WizardSheets, EachShowsItsTitleAndEndsCancelledWithNothingVerified)
{
    ScriptedModalServices script;
    ScopedModalServices installed(script);
    CBidSubmitSheet submit("Zod submission Wizard", nullptr, 0, nullptr);
    CBidShowSheet show("Zod View Wizard", nullptr, 0, nullptr);
    CBondVerifySheet bond("Bond Verification Wizard", nullptr, 0, nullptr);
    for (CPropertySheet* sheet : std::initializer_list<CPropertySheet*>{&submit, &show, &bond}) {
        script.AnswerDialog([sheet](platform::ModalDialog&) {
            EXPECT_TRUE(sheet->IsWizard());
            EXPECT_EQ(sheet->GetPageCount(), 1);
            EXPECT_EQ(sheet->GetWizardButtons(), unsigned(PSWIZB_DISABLEDFINISH));
            sheet->PressNext();
            sheet->PressFinish(); // neither leads anywhere
            EXPECT_FALSE(sheet->HasEnded());
        });
        EXPECT_EQ(sheet->DoModal(), IDCANCEL);
    }
    EXPECT_EQ(script.DialogTitles(), (std::vector<std::string>{"Zod submission Wizard",
                                                               "Zod View Wizard",
                                                               "Bond Verification Wizard"}));
    EXPECT_EQ(bond.m_bBondVerified, 0);
}
