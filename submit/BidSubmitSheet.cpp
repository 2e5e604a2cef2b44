#include "submit/BidSubmitSheet.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

CUnavailableSubmissionPage::CUnavailableSubmissionPage()
    : CPropertyPage(0, "Internet Submission")
{
}

bool CUnavailableSubmissionPage::OnInitDialog()
{
    auto* layout = new QVBoxLayout(ModalWindow());
    auto* text = new QLabel(QStringLiteral("Internet submission is not available in this build."),
                            ModalWindow());
    text->setWordWrap(true);
    layout->addWidget(text);
    return true;
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
