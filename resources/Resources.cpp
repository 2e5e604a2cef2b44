#include "resources/Resources.h"

#include "platform/ui/dialogs/DialogTemplate.h"

#include <memory>
#include <vector>

namespace resources {

void RegisterAll()
{
    static const bool registered = [] {
        RegisterMenus();
        RegisterStrings();
        RegisterPictures();
        RegisterShellDialogs();
        RegisterOptionPages();
        return true;
    }();
    (void)registered;
}

void RegisterDialogTemplates(std::span<const DialogTemplate> templates)
{
    using Registration = platform::ResourceRegistration<DialogTemplate>;
    // The registry is made first so that it outlives the registrations, which leave it as the
    // program ends.
    (void)platform::ResourceRegistry<DialogTemplate>::All();
    static std::vector<std::unique_ptr<Registration>> registered;
    for (const DialogTemplate& dialogTemplate : templates)
        registered.push_back(std::make_unique<Registration>(dialogTemplate));
}

} // namespace resources
