#include "app/views/FormTemplates.h"

#include "platform/ui/window/Wnd.h"

UINT RegisterFormTemplate(const DialogTemplate& form)
{
    // The templates live as long as the program: registered once, never taken back.
    platform::ResourceRegistry<DialogTemplate>::Add(form);
    return form.id;
}

void LayOutToClient(CWnd& view)
{
    CRect client;
    view.GetClientRect(&client);
    view.OnSize(SIZE_RESTORED, client.Width(), client.Height());
}
