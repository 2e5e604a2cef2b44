#pragma once

#include "platform/ui/docview/FrameWnd.h"

// The main window until the program's own frame is built: a framework frame that loads the
// option groups as it is made and has the application save its settings as it goes.
class CStartupFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CStartupFrame)
public:
    void OnDestroy() override;

protected:
    bool OnCreateClient(CCreateContext* context) override;
};
