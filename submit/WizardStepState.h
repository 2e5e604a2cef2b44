#pragma once

#include <string>

class CPropertyPage;
class CPropertySheet;

// What a wizard page shares with its worker thread: the page and sheet the worker reports to,
// and the texts it reports.
struct CWizardStepState {
    CPropertyPage* m_pOwnerPage = nullptr;
    CPropertySheet* m_pSheet = nullptr;
    std::string m_strStatus;
    std::string m_strResult;
};

// The one program-wide instance, alive from before start-up until exit.
extern CWizardStepState g_wizardStepState;
