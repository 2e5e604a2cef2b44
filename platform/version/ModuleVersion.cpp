#include "platform/version/ModuleVersion.h"

#include "platform/version/BuildVersion.h"

bool CModuleVersion::ReadVersionInfo(const void* module)
{
    if (module != nullptr)
        return false;
    m_fixedInfo.dwSignature = kFixedInfoSignature;
    m_fixedInfo.dwFileVersionMS = uint32_t(ZOD_VERSION_MAJOR) << 16 | uint32_t(ZOD_VERSION_MINOR);
    m_fixedInfo.dwFileVersionLS = uint32_t(ZOD_VERSION_PATCH) << 16 | uint32_t(ZOD_VERSION_TWEAK);
    m_wCodePage = 1252;
    return true;
}
