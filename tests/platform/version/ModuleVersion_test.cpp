#include "platform/version/ModuleVersion.h"

#include "platform/version/BuildVersion.h"

#include <gtest/gtest.h>

TEST(ModuleVersion, ReadsTheBuildsVersionForTheProgramOnly)
{
    CModuleVersion version;
    EXPECT_EQ(version.GetFixedInfo().dwSignature, 0u); // constructing reads nothing
    ASSERT_TRUE(version.ReadVersionInfo(nullptr));
    const auto& info = version.GetFixedInfo();
    EXPECT_EQ(info.dwSignature, CModuleVersion::kFixedInfoSignature);
    EXPECT_EQ(info.dwFileVersionMS >> 16, unsigned(ZOD_VERSION_MAJOR));
    EXPECT_EQ(info.dwFileVersionMS & 0xFFFF, unsigned(ZOD_VERSION_MINOR));
    EXPECT_EQ(info.dwFileVersionLS >> 16, unsigned(ZOD_VERSION_PATCH));
    EXPECT_EQ(info.dwFileVersionLS & 0xFFFF, unsigned(ZOD_VERSION_TWEAK));
    EXPECT_EQ(version.GetCodePage(), 1252);

    int otherModule = 0;
    EXPECT_FALSE(CModuleVersion().ReadVersionInfo(&otherModule));
}
