#include "resources/Resources.h"

namespace resources {

void RegisterAll()
{
    static const bool registered = [] {
        RegisterMenus();
        RegisterStrings();
        RegisterPictures();
        RegisterShellDialogs();
        return true;
    }();
    (void)registered;
}

} // namespace resources
