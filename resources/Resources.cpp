#include "resources/Resources.h"

#include "platform/ui/dialogs/DialogTemplate.h"

namespace resources {

// The templates live as long as the program, so they stay registered: registrations kept in a
// static made before the registry would unregister from a registry already gone at exit.
void RegisterDialogTemplates(std::span<const DialogTemplate> templates)
{
    for (const DialogTemplate& dialogTemplate : templates)
        platform::ResourceRegistry<DialogTemplate>::Add(dialogTemplate);
}

void RegisterAll()
{
    static const bool registered = [] {
        RegisterMenus();
        RegisterStrings();
        RegisterPictures();
        RegisterShellDialogs();
        RegisterSectionAndFirmForms();
        return true;
    }();
    (void)registered;
}

} // namespace resources
