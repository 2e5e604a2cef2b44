#include "submit/AgencyKeyRecord.h"

#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <sys/stat.h>

namespace {

// GnuPG keeps public keys in a keybox, or in the older ring file of homes made before it.
constexpr const char* kPublicRingFiles[] = {"pubring.kbx", "pubring.gpg"};

std::string FileStamp(const std::string& path)
{
    struct stat info{};
    if (lstat(path.c_str(), &info) != 0)
        return "none";
    return std::to_string(info.st_ino) + " " + std::to_string(info.st_size) + " "
           + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

} // namespace

CAgencyKeyRecord::CAgencyKeyRecord(const std::string& keyFolder)
    : m_keyFolder(keyFolder), m_file(platform::JoinPath(keyFolder, kFileName))
{
}

std::string CAgencyKeyRecord::Expected(const std::string& packets) const
{
    std::string record;
    for (const char* ring : kPublicRingFiles)
        record += std::string(ring) + " " + FileStamp(platform::JoinPath(m_keyFolder, ring)) + "\n";
    return record + packets;
}

bool CAgencyKeyRecord::Holds(const std::string& packets) const
{
    if (!platform::FileExists(m_file))
        return false;
    const std::string expected = Expected(packets);
    const std::optional<std::string> stored = platform::ReadWholeFile(m_file, nullptr, expected.size());
    return stored && *stored == expected;
}

void CAgencyKeyRecord::Remember(const std::string& packets) const
{
    platform::WriteFileAtomically(m_file, Expected(packets));
}
