#include "app/startup/StartupFrame.h"

#include "app/startup/BidApp.h"
#include "model/settings/OptionSettings.h"

IMPLEMENT_DYNCREATE(CStartupFrame, CFrameWnd)

bool CStartupFrame::OnCreateClient(CCreateContext* context)
{
    LoadOptionSettings();
    return CFrameWnd::OnCreateClient(context);
}

void CStartupFrame::OnDestroy()
{
    if (auto* app = dynamic_cast<CBidApp*>(AfxGetApp()))
        app->SaveSettings(*this);
    CFrameWnd::OnDestroy();
}
