#include "app/views/FormTemplates.h"

#include "platform/ui/window/Wnd.h"

#include <map>
#include <memory>

UINT RegisterFormTemplate(const DialogTemplate& form)
{
    static std::map<UINT, std::unique_ptr<platform::ResourceRegistration<DialogTemplate>>> registered;
    auto& registration = registered[form.id];
    if (!registration)
        registration = std::make_unique<platform::ResourceRegistration<DialogTemplate>>(form);
    return form.id;
}

void LayOutToClient(CWnd& view)
{
    CRect client;
    view.GetClientRect(&client);
    view.OnSize(SIZE_RESTORED, client.Width(), client.Height());
}
