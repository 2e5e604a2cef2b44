#include "platform/core/IniFile.h"

#include "platform/core/FileLock.h"
#include "tests/support/TestEnvironment.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::IniDocument;
using platform::IniFile;
using testsupport::ReadTextFile;
using testsupport::TempFolder;
using testsupport::WriteTextFile;

namespace {

bool Set(IniFile& file, const std::string& key, const std::string& value)
{
    return file.Update([&](IniDocument& document) {
        document.SetValue("S", key, value);
        return true;
    });
}

std::size_t EntryCount(IniFile& file)
{
    const IniDocument* document = file.Read();
    return document == nullptr ? 0 : document->Entries("S").size();
}

// Runs body in a child process; returns its exit status.
template <typename Body> pid_t StartChild(Body body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    return child;
}

int WaitFor(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class IniFileTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    const std::string m_path = m_folder / "zod.ini";
};

} // namespace

TEST_F(IniFileTest, TwoObjectsInterleavingLoseNoWrite)
{
    IniFile first(m_path);
    IniFile second(m_path);
    ASSERT_NE(first.Read(), nullptr); // both hold a cached, soon stale, copy
    ASSERT_NE(second.Read(), nullptr);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(Set(first, "a" + std::to_string(i), "1"));
        ASSERT_TRUE(Set(second, "b" + std::to_string(i), "2"));
    }
    EXPECT_EQ(EntryCount(first), 40u);
    EXPECT_EQ(EntryCount(second), 40u);
}

TEST_F(IniFileTest, TwoProcessesWritingAtOnceLoseNoWriteAndReadersSeeWholeFiles)
{
    IniFile seed(m_path);
    ASSERT_TRUE(Set(seed, "sentinel", std::string(5000, 's')));
    constexpr int kWrites = 60;
    auto writer = [&](const char* prefix) {
        return [&, prefix] {
            IniFile file(m_path);
            for (int i = 0; i < kWrites; ++i)
                if (!Set(file, prefix + std::to_string(i), std::string(300, 'v')))
                    return false;
            return true;
        };
    };
    // The reader never sees a half-written file, nor fewer values than it saw before.
    auto reader = [&] {
        IniFile file(m_path);
        std::size_t seen = 0;
        for (int i = 0; i < 400 && seen < 2 * kWrites + 1; ++i) {
            const IniDocument* document = file.Read();
            if (document == nullptr || document->GetValue("S", "sentinel") != std::string(5000, 's'))
                return false;
            const std::size_t now = document->Entries("S").size();
            if (now < seen)
                return false;
            seen = now;
        }
        return true;
    };
    const pid_t a = StartChild(writer("a"));
    const pid_t b = StartChild(writer("b"));
    const pid_t r = StartChild(reader);
    EXPECT_EQ(WaitFor(a), 0);
    EXPECT_EQ(WaitFor(b), 0);
    EXPECT_EQ(WaitFor(r), 0);
    EXPECT_EQ(EntryCount(seed), 2u * kWrites + 1);
}

TEST_F(IniFileTest, WriterWaitsForTheLockHolder)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    // The child holds the lock a moment and notes that it lets go just before it does.
    const pid_t holder = StartChild([&] {
        platform::FileLock lock(platform::LockPathFor(m_path));
        const bool told = write(ready[1], "x", 1) == 1;
        usleep(100 * 1000);
        WriteTextFile(m_folder / "released", "");
        return lock.Held() && told;
    });
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    IniFile file(m_path);
    ASSERT_TRUE(Set(file, "k", "v"));
    EXPECT_TRUE(std::filesystem::exists(m_folder / "released"));
    EXPECT_EQ(WaitFor(holder), 0);
    close(ready[0]);
    close(ready[1]);
}

TEST_F(IniFileTest, SeesAChangeMadeBehindItsBack)
{
    WriteTextFile(m_path, "[S]\nk=1\n");
    IniFile file(m_path);
    EXPECT_EQ(file.Read()->GetValue("S", "k"), "1");
    WriteTextFile(m_path + ".new", "[S]\nk=22\n");
    std::filesystem::rename(m_path + ".new", m_path);
    EXPECT_EQ(file.Read()->GetValue("S", "k"), "22");
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileWhole)
{
    const std::string old = "[S]\nk=old\n";
    WriteTextFile(m_path, old);
    IniFile file(m_path);
    {
        testsupport::FileSizeLimit limit(64);
        EXPECT_FALSE(Set(file, "k", std::string(1000, 'n')));
    }
    EXPECT_NE(file.Error().find(m_path), std::string::npos) << file.Error();
    EXPECT_EQ(ReadTextFile(m_path), old);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_folder.Path()))
        ++files;
    EXPECT_EQ(files, 2u); // the file and its lock file: no temporary file is left behind
}

TEST_F(IniFileTest, AFileItCannotReadIsNeverOverwritten)
{
    std::filesystem::create_directory(m_path);
    IniFile directory(m_path);
    EXPECT_EQ(directory.Read(), nullptr);
    EXPECT_FALSE(Set(directory, "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(m_path));

    const std::string big = m_folder / "big.ini";
    const std::string huge(IniFile::kMaxBytes + 1, ';');
    WriteTextFile(big, huge);
    IniFile tooLarge(big);
    EXPECT_EQ(tooLarge.Read(), nullptr);
    EXPECT_NE(tooLarge.Error().find(big), std::string::npos);
    EXPECT_FALSE(Set(tooLarge, "k", "v"));
    EXPECT_EQ(std::filesystem::file_size(big), huge.size());
}

TEST_F(IniFileTest, WritesThroughASymbolicLinkAndKeepsIt)
{
    WriteTextFile(m_folder / "real.ini", "[S]\n");
    std::filesystem::create_symlink(m_folder / "real.ini", m_folder / "link.ini");
    IniFile file(m_folder / "link.ini");
    ASSERT_TRUE(Set(file, "k", "v"));
    EXPECT_TRUE(std::filesystem::is_symlink(m_folder / "link.ini"));
    EXPECT_EQ(ReadTextFile(m_folder / "real.ini"), "[S]\nk=v\n");
}

TEST_F(IniFileTest, CreateMakesAMissingFileAndEmptiesOnlyWhenAskedTo)
{
    IniFile file(m_path);
    ASSERT_TRUE(file.Create(false));
    EXPECT_EQ(ReadTextFile(m_path), "");
    WriteTextFile(m_path, "[S]\nk=v\n");
    ASSERT_TRUE(file.Create(false));
    EXPECT_EQ(ReadTextFile(m_path), "[S]\nk=v\n");
    ASSERT_TRUE(file.Create(true));
    EXPECT_EQ(ReadTextFile(m_path), "");
    EXPECT_FALSE(IniFile(m_folder.Path()).Create(false));
    EXPECT_FALSE(IniFile(m_folder / "missing/zod.ini").Create(false));
    EXPECT_TRUE(IniFile(m_folder / "made/zod.ini", true).Create(false));
}
