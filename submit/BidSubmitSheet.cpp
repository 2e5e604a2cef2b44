#include "submit/BidSubmitSheet.h"

#include "platform/ui/dialogs/DialogTemplate.h"

namespace {

constexpr UINT kUnavailablePageId = 9001;
constexpr UINT kUnavailableTextId = 9002;

const DialogItemTemplate kUnavailableItems[] = {
    dlg::LText("Internet submission is not available in this build.", kUnavailableTextId, 14, 14,
               220, 20),
};
const DialogTemplate kUnavailablePage{kUnavailablePageId, "Internet Submission", 250, 60,
                                      "MS Sans Serif", 8, kUnavailableItems,
                                      std::size(kUnavailableItems)};

UINT RegisteredPage()
{
    static const platform::ResourceRegistration<DialogTemplate> registration{kUnavailablePage};
    return kUnavailablePageId;
}

} // namespace

CUnavailableSubmissionPage::CUnavailableSubmissionPage()
    : CPropertyPage(RegisteredPage(), "Internet Submission")
{
}

bool CUnavailableSubmissionPage::OnSetActive()
{
    // Nothing to go on to: only Cancel leads out.
    GetSheet()->SetWizardButtons(PSWIZB_DISABLEDFINISH);
    return true;
}

CSubmissionWizardSheet::CSubmissionWizardSheet(std::string title, CWnd* parent, UINT selectPage,
                                               CProp* proposal)
    : CPropertySheet(std::move(title), parent, selectPage), m_proposal(proposal)
{
    AddPage(&m_page);
    SetWizardMode();
}
