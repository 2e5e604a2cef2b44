#pragma once

#include "platform/ui/dialogs/PropertySheet.h"

#include <string>

class CProp;

// The submission services' wizards. Internet submission is not part of this build: each sheet
// shows one page saying so and ends as cancelled.
class CUnavailableSubmissionPage : public CPropertyPage {
public:
    CUnavailableSubmissionPage();

protected:
    bool OnSetActive() override;
};

class CSubmissionWizardSheet : public CPropertySheet {
public:
    CSubmissionWizardSheet(std::string title, CWnd* parent, UINT selectPage, CProp* proposal);
    CProp* GetProposal() const { return m_proposal; }

private:
    CProp* m_proposal;
    CUnavailableSubmissionPage m_page;
};

class CBidSubmitSheet : public CSubmissionWizardSheet {
public:
    CBidSubmitSheet(std::string title, CWnd* parent, UINT selectPage, CProp* proposal)
        : CSubmissionWizardSheet(std::move(title), parent, selectPage, proposal) {}
};

class CBidShowSheet : public CSubmissionWizardSheet {
public:
    CBidShowSheet(std::string title, CWnd* parent, UINT selectPage, CProp* proposal)
        : CSubmissionWizardSheet(std::move(title), parent, selectPage, proposal) {}
    void* m_pDocument = nullptr; // the caller stores its document here
};

class CBondVerifySheet : public CSubmissionWizardSheet {
public:
    CBondVerifySheet(std::string title, CWnd* parent, UINT selectPage, CProp* proposal)
        : CSubmissionWizardSheet(std::move(title), parent, selectPage, proposal) {}
    int m_bBondVerified = 0; // non-zero only when the agency's server confirmed the bond
};
