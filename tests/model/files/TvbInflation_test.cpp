#include "model/files/TvbInput.h"
#include "model/files/TvbReader.h"
#include "model/records/Prop.h"
#include "platform/core/Processors.h"

#include "tests/model/files/TvbTestSupport.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sched.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace {

// Every length class of record, so that the seams between chunks fall inside record headers and
// data at many offsets; about 3 MB, more than the inflater reads ahead.
constexpr std::size_t kLengths[] = {0, 1, 2, 3, 5, 17, 250, 4093, 32000, 65535};
constexpr std::size_t kRecordCount = 300;

uint16_t TagOf(std::size_t index)
{
    return uint16_t(0x7000 + index % 0x0F00); // a group no reader knows
}

std::string DataOf(std::size_t index)
{
    std::string data(kLengths[index % std::size(kLengths)], '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = char(index * 31 + i * 7);
    return data;
}

// Magic, version, the records, end.
std::string LargeStream(uint16_t version = 800)
{
    TvbStream stream = TvbStream().Magic().Word(0x0100, version);
    for (std::size_t i = 0; i < kRecordCount; ++i)
        stream.Record(TagOf(i), DataOf(i));
    return stream.End().Bytes();
}

// The stream in three gzip members, cut at places that are no record boundaries.
std::string ThreeMembers(const std::string& bytes)
{
    const std::size_t third = bytes.size() / 3 + 1;
    return GzipBytes(bytes.substr(0, third)) + GzipBytes(bytes.substr(third, third)) +
           GzipBytes(bytes.substr(2 * third));
}

std::size_t ThreadCount()
{
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return std::size_t(std::distance(begin(tasks), end(tasks)));
}

// A joined thread can still be listed for a moment while the kernel finishes its exit.
std::size_t ThreadCountOnceSettledAt(std::size_t expected)
{
    for (int i = 0; i < 1000 && ThreadCount() != expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return ThreadCount();
}

std::string Damaged(std::string bytes, std::size_t at)
{
    bytes[at] ^= 0x5A;
    return bytes;
}

class TvbInflationTest : public testing::TestWithParam<TvbInflation> {
protected:
    int ReadRecords(const std::string& bytes)
    {
        CTvbInput input(kTvbMaxProposalBytes, GetParam());
        EXPECT_EQ(input.Open(m_folder.Write("file.tvb", bytes)), kTvbNoError);
        EXPECT_EQ(input.ReadStart(4), "TVB!");
        CProp prop;
        return CTvbReader(input, prop).ReadRecords();
    }

    TempFolder m_folder;
};

TEST_P(TvbInflationTest, RecordsAcrossChunkSeamsReadWhole)
{
    const std::string stream = LargeStream();
    for (const std::string& file : {stream, GzipBytes(stream), GzipBytes(stream, 0), ThreeMembers(stream)}) {
        CTvbInput input(kTvbMaxProposalBytes, GetParam());
        ASSERT_EQ(input.Open(m_folder.Write("file.tvb", file)), kTvbNoError);
        ASSERT_EQ(input.ReadStart(4), "TVB!");
        TvbRecord record;
        ASSERT_TRUE(input.NextRecord(record));
        for (std::size_t i = 0; i < kRecordCount; ++i) {
            ASSERT_TRUE(input.NextRecord(record)) << i;
            ASSERT_EQ(record.m_tag, TagOf(i));
            ASSERT_TRUE(std::string(record.m_data.begin(), record.m_data.end()) == DataOf(i)) << i;
        }
        EXPECT_FALSE(input.NextRecord(record));
        EXPECT_EQ(input.Result(), kTvbNoError);
    }
}

// Damage far past the first chunks, which the inflater may meet long before the records do.
TEST_P(TvbInflationTest, DamagePastTheFirstChunksIsCorrupt)
{
    const std::string gzip = GzipBytes(LargeStream());
    EXPECT_EQ(ReadRecords(gzip), kTvbNoError);
    EXPECT_EQ(ReadRecords(Damaged(gzip, gzip.size() * 9 / 10)), kTvbCorrupt);
    EXPECT_EQ(ReadRecords(Damaged(gzip, gzip.size() - 8)), kTvbCorrupt); // the data check
    EXPECT_EQ(ReadRecords(Damaged(gzip, gzip.size() - 3)), kTvbCorrupt); // the length
    EXPECT_EQ(ReadRecords(gzip.substr(0, gzip.size() * 3 / 4)), kTvbCorrupt);
    const std::string members = ThreeMembers(LargeStream());
    EXPECT_EQ(ReadRecords(Damaged(members, members.size() / 3)), kTvbCorrupt);
}

// Without its whole trailer a member's data cannot be checked: the file may have lost anything.
TEST_P(TvbInflationTest, AStreamEndingBeforeOrInsideItsTrailerIsCorrupt)
{
    const std::string gzip = GzipBytes(LargeStream());
    const std::string members = ThreeMembers(LargeStream());
    for (std::size_t cut : {1, 3, 4, 5, 8}) {
        EXPECT_EQ(ReadRecords(gzip.substr(0, gzip.size() - cut)), kTvbCorrupt) << cut;
        EXPECT_EQ(ReadRecords(members.substr(0, members.size() - cut)), kTvbCorrupt) << cut;
    }
    // What follows the last member is ignored, as before.
    EXPECT_EQ(ReadRecords(gzip + "trailing bytes"), kTvbNoError);
}

// Failures count in stream order: a version too new at the start wins over damage further on,
// within reach of the inflater's reading ahead.
TEST_P(TvbInflationTest, FirstFailureInTheStreamWins)
{
    const std::string gzip = GzipBytes(LargeStream(900));
    EXPECT_EQ(ReadRecords(Damaged(gzip, gzip.size() / 3)), kTvbTooNew);
    EXPECT_EQ(ReadRecords(gzip.substr(0, gzip.size() / 3)), kTvbTooNew);
}

TEST_P(TvbInflationTest, NoThreadOutlivesTheReading)
{
    const std::string path = m_folder.Write("large.tvb", GzipBytes(LargeStream()));
    const std::size_t before = ThreadCount();
    const std::size_t during = GetParam() == TvbInflation::kOwnThread ? before + 1 : before;
    {
        // Stopped after one record, with the inflater held up by a full ring.
        CTvbInput input(kTvbMaxProposalBytes, GetParam());
        ASSERT_EQ(input.Open(path), kTvbNoError);
        input.ReadStart(4);
        TvbRecord record;
        ASSERT_TRUE(input.NextRecord(record));
        EXPECT_EQ(ThreadCount(), during);
    }
    EXPECT_EQ(ThreadCountOnceSettledAt(before), before);
    const auto throwMidway = [&] {
        CTvbInput input(kTvbMaxProposalBytes, GetParam());
        input.Open(path);
        input.ReadStart(4);
        TvbRecord record;
        for (int i = 0; i < 100 && input.NextRecord(record); ++i) {
        }
        throw std::runtime_error("stopped while reading");
    };
    EXPECT_THROW(throwMidway(), std::runtime_error);
    EXPECT_EQ(ThreadCountOnceSettledAt(before), before);
}

// Holds the calling thread to the first `count` of its cores while it lives.
class CoreLimit {
public:
    explicit CoreLimit(int count)
    {
        sched_getaffinity(0, sizeof m_before, &m_before);
        cpu_set_t limited;
        CPU_ZERO(&limited);
        for (int core = 0; core < CPU_SETSIZE && CPU_COUNT(&limited) < count; ++core)
            if (CPU_ISSET(core, &m_before))
                CPU_SET(core, &limited);
        sched_setaffinity(0, sizeof limited, &limited);
    }
    ~CoreLimit() { sched_setaffinity(0, sizeof m_before, &m_before); }

private:
    cpu_set_t m_before;
};

struct InflationChoice {
    std::size_t fileSize;
    int usableCores;
    int runnableThreads;
    TvbInflation expected;
};

TEST(TvbInflation, OwnThreadOnlyForALargeFileWithAnIdleCore)
{
    constexpr std::size_t kLarge = 300 * 1024;
    constexpr InflationChoice kChoices[] = {
        {kLarge, 8, 1, TvbInflation::kOwnThread},
        {kLarge, 8, 7, TvbInflation::kOwnThread},
        {kLarge, 8, 8, TvbInflation::kCallerThread}, // every core busy, this reader's among them
        {kLarge, 8, 40, TvbInflation::kCallerThread},
        {kLarge, 2, 1, TvbInflation::kOwnThread},
        {kLarge, 1, 1, TvbInflation::kCallerThread},
        {kLarge, 8, 0, TvbInflation::kOwnThread}, // the machine's load unknown
        {64 * 1024, 8, 1, TvbInflation::kOwnThread},
        {64 * 1024 - 1, 8, 1, TvbInflation::kCallerThread},
        {0, 8, 1, TvbInflation::kCallerThread},
    };
    for (const InflationChoice& choice : kChoices)
        EXPECT_EQ(ChooseTvbInflation(choice.fileSize, choice.usableCores, choice.runnableThreads), choice.expected)
            << choice.fileSize << " " << choice.usableCores << " " << choice.runnableThreads;
    EXPECT_GE(platform::RunnableThreads(), 1); // this one, at least
}

TEST(TvbInflation, NoThreadWhereTheReaderIsHeldToOneCore)
{
    TempFolder folder;
    const std::string large = folder.Write("large.tvb", GzipBytes(LargeStream(), 0));
    const std::size_t before = ThreadCount();
    const CoreLimit oneCore(1);
    EXPECT_EQ(platform::UsableCores(), 1);
    CTvbInput input;
    ASSERT_EQ(input.Open(large), kTvbNoError);
    EXPECT_EQ(ThreadCount(), before);
}

INSTANTIATE_TEST_SUITE_P(Inflation, TvbInflationTest,
                         testing::Values(TvbInflation::kOwnThread, TvbInflation::kCallerThread),
                         [](const auto& info) {
                             return info.param == TvbInflation::kOwnThread ? "OwnThread" : "CallerThread";
                         });

} // namespace
