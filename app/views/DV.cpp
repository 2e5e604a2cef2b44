#include "app/views/DV.h"

#include "app/views/TreeCommands.h"
#include "app/views/ViewBackgrounds.h"
#include "app/views/ViewHints.h"

IMPLEMENT_DYNAMIC(CDV, CDynaFormView)

BEGIN_MESSAGE_MAP(CDV, CDynaFormView)
    ON_TREE_COMMANDS()
END_MESSAGE_MAP()

CDV::CDV(UINT templateId) : CDynaFormView(templateId) {}

void CDV::OnInitialUpdate()
{
    ApplyConfiguredBackground(*this, false, ConfiguredTopColor());
    CDynaFormView::OnInitialUpdate();
}

void CDV::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    if (hint == HINT_BACKGROUND)
        ApplyConfiguredBackground(*this, true, ConfiguredTopColor());
    CDynaFormView::OnUpdate(sender, hint, hintObject);
    if (hint == HINT_REFRESH_FORMS)
        ShowFigures();
}

void CDV::OnTreeCommand(UINT id)
{
    RouteToTreeView(id, CN_COMMAND, nullptr);
}

void CDV::OnUpdateTreeCommand(CCmdUI* ui)
{
    UpdateTreeCommand(ui);
}
