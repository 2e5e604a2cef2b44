#include "platform/ui/dialogs/ModalServices.h"

#include "platform/ui/dialogs/QtModalServices.h"

namespace platform {
namespace {

ModalServices*& Installed()
{
    static ModalServices* installed = nullptr;
    return installed;
}

} // namespace

ModalServices& Modal()
{
    if (ModalServices* services = Installed())
        return *services;
    static QtModalServices qtServices;
    return qtServices;
}

ScopedModalServices::ScopedModalServices(ModalServices& services) : m_previous(Installed())
{
    Installed() = &services;
}

ScopedModalServices::~ScopedModalServices()
{
    Installed() = m_previous;
}

} // namespace platform

int ZodMessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    return platform::Modal().MessageBox({text, caption, type});
}

int AfxMessageBox(const std::string& text, unsigned type)
{
    return ZodMessageBox(text, "Zod", type);
}
