#include "resources/Resources.h"

#include "platform/ui/dialogs/DialogTemplate.h"

#include <memory>
#include <vector>

namespace resources {

void RegisterDialogTemplates(std::span<const DialogTemplate> templates)
{
    static std::vector<std::unique_ptr<platform::ResourceRegistration<DialogTemplate>>> registered;
    for (const DialogTemplate& dialogTemplate : templates)
        registered.push_back(std::make_unique<platform::ResourceRegistration<DialogTemplate>>(dialogTemplate));
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
