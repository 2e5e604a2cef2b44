#include "submit/AgencyKeyRecord.h"

#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <charconv>
#include <sys/stat.h>

namespace {

// Where GnuPG keeps public keys: the keybox, the ring file of homes made before it, and the
// database of a newer GnuPG whose keyboxd holds them.
constexpr const char* kPublicRingFiles[] = {"pubring.kbx", "pubring.gpg", "public-keys.d/pubring.db"};
constexpr const char* kNoFile = "none";
constexpr std::string_view kUntil = "until ";
constexpr std::string_view kNever = "never";
constexpr std::size_t kLongestUntilLine = 32;

std::string FileStamp(const std::string& path)
{
    struct stat info{};
    if (lstat(path.c_str(), &info) != 0)
        return kNoFile;
    return std::to_string(info.st_ino) + " " + std::to_string(info.st_size) + " "
           + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

std::string UntilLine(std::time_t until)
{
    return std::string(kUntil) + (until ? std::to_string(until) : std::string(kNever)) + "\n";
}

// Only the line UntilLine writes is read: anything else makes the record void.
bool StillUsable(std::string_view line)
{
    if (line == UntilLine(0))
        return true;
    std::time_t until = 0;
    const std::string_view number = line.substr(std::min(line.size(), kUntil.size()));
    std::from_chars(number.data(), number.data() + number.size(), until);
    return until > 0 && line == UntilLine(until) && std::time(nullptr) < until;
}

} // namespace

CAgencyKeyRecord::CAgencyKeyRecord(const std::string& keyFolder)
    : m_keyFolder(keyFolder), m_file(platform::JoinPath(keyFolder, kFileName))
{
}

std::optional<std::string> CAgencyKeyRecord::RingStamps() const
{
    std::string stamps;
    bool anyRing = false;
    for (const char* ring : kPublicRingFiles) {
        const std::string stamp = FileStamp(platform::JoinPath(m_keyFolder, ring));
        anyRing = anyRing || stamp != kNoFile;
        stamps += std::string(ring) + " " + stamp + "\n";
    }
    return anyRing ? std::optional(stamps) : std::nullopt;
}

bool CAgencyKeyRecord::Holds(const std::string& packets) const
{
    const std::optional<std::string> stamps = RingStamps();
    if (!stamps || !platform::FileExists(m_file))
        return false;
    const std::optional<std::string> stored =
        platform::ReadWholeFile(m_file, nullptr, stamps->size() + kLongestUntilLine + packets.size());
    if (!stored || stored->size() < stamps->size() + packets.size())
        return false;
    const std::string_view record = *stored;
    return record.starts_with(*stamps) && record.ends_with(packets)
           && StillUsable(record.substr(stamps->size(), record.size() - stamps->size() - packets.size()));
}

void CAgencyKeyRecord::Remember(const std::string& packets, std::time_t usableUntil) const
{
    if (const std::optional<std::string> stamps = RingStamps())
        platform::WriteFileAtomically(m_file, *stamps + UntilLine(usableUntil) + packets);
}
