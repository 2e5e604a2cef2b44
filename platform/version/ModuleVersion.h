#pragma once

#include <cstdint>

// The version of the program as the build stamped it. Constructing reads nothing;
// ReadVersionInfo fills the fixed file version.
class CModuleVersion {
public:
    struct FixedFileInfo {
        uint32_t dwSignature = 0;
        uint32_t dwFileVersionMS = 0; // major << 16 | minor
        uint32_t dwFileVersionLS = 0; // revision << 16 | build
    };

    static constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;

    // module: null for the program itself. Other modules carry no version on this platform.
    bool ReadVersionInfo(const void* module = nullptr);

    const FixedFileInfo& GetFixedInfo() const { return m_fixedInfo; }
    uint16_t GetCodePage() const { return m_wCodePage; }

private:
    FixedFileInfo m_fixedInfo;
    uint16_t m_wCodePage = 1252;
};
