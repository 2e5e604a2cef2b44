// Only regular files are read: a FIFO, a device or a folder is refused at once, where a reader
// would wait for another program or read without end.
#include "platform/core/Files.h"

#include "tests/support/Fifo.h"
#include "tests/support/TestEnvironment.h"

#include <cerrno>
#include <gtest/gtest.h>

using testsupport::TempFolder;
using testsupport::WriteTextFile;

TEST(RegularFiles, ReadersRefuseAFifoADeviceAndAFolder)
{
    TempFolder folder;
    const std::string fifoPath = folder / "x.tvb";
    testsupport::Fifo fifo(fifoPath);
    ASSERT_TRUE(fifo.Made());
    std::string error;
    EXPECT_FALSE(platform::ReadWholeFile(fifoPath, &error));
    EXPECT_NE(error.find(fifoPath), std::string::npos);
    EXPECT_FALSE(platform::CopyFile(fifoPath, folder / "copy.tvb"));
    EXPECT_FALSE(platform::FileExists(folder / "copy.tvb"));
    EXPECT_FALSE(platform::ReadWholeFile("/dev/null", &error)) << "a device is no file";

    EXPECT_EQ(platform::OpenRegularFile(folder.Path()), -1);
    EXPECT_EQ(errno, EISDIR);
    WriteTextFile(folder / "bid.tvb", "bid");
    EXPECT_EQ(platform::ReadWholeFile(folder / "bid.tvb"), "bid");
}
