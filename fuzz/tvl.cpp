// The library reader over hostile bytes: listing ends, walking the entries with the skip flag
// ends, and extracting every member writes only plain names in the library's folder, each
// holding the bytes of a member of that name.
#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "platform/core/Codepage.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Plain arrays, so that the clean-up at exit never meets a destroyed string. Memory-backed when
// the system has it: every extracted member is flushed before it takes its name.
char g_folder[] = "/dev/shm/zod-fuzz-tvl-XXXXXX";
char g_library[sizeof g_folder + 16];

void RemoveAllBut(const std::string& keep)
{
    for (const auto& file : std::filesystem::directory_iterator(g_folder))
        if (file.path().filename() != keep)
            std::filesystem::remove_all(file.path());
}

void PrepareFolder()
{
    static const bool ready = [] {
        if (mkdtemp(g_folder) == nullptr) {
            std::snprintf(g_folder, sizeof g_folder, "/tmp/zod-tvl-XXXXXX");
            if (mkdtemp(g_folder) == nullptr)
                std::abort();
        }
        std::snprintf(g_library, sizeof g_library, "%s/letting.tvl", g_folder);
        std::atexit([] {
            RemoveAllBut("");
            std::remove(g_folder);
        });
        return true;
    }();
    (void)ready;
}

void WriteInput(const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(g_library, "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

void WalkWithSkipFlag()
{
    const auto library = OpenTvlLibrary(g_library);
    while (library && TvlReadEntry(*library, true)) {
    }
}

bool IsMemberData(const CTvlEntry& member, std::string_view input, const std::string& bytes)
{
    return member.DataEnd() <= input.size() && input.substr(member.m_dwDataOffset + 4, member.m_dwSize) == bytes;
}

// Every file besides the library is a member's, named and filled as the library says.
void CheckExtracted(const std::vector<CTvlEntry>& members, std::string_view input)
{
    for (const auto& file : std::filesystem::directory_iterator(g_folder)) {
        const std::string name = file.path().filename().string();
        if (name == "letting.tvl")
            continue;
        std::FILE* stream = std::fopen(file.path().c_str(), "rb");
        if (!stream)
            std::abort();
        std::string bytes;
        for (int c; (c = std::getc(stream)) != EOF;)
            bytes += char(c);
        std::fclose(stream);
        bool found = false;
        for (const CTvlEntry& member : members)
            found = found || (platform::Cp1252ToUtf8(member.m_strFileName) == name && IsMemberData(member, input, bytes));
        if (!found)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PrepareFolder();
    RemoveAllBut("");
    WriteInput(data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<CTvlEntry> members;
    ListTvlMembers(g_library, members);
    for (const CTvlEntry& member : members)
        if (member.DataEnd() > size || member.m_strFileName.size() > kTvlMaxName)
            std::abort();
    WalkWithSkipFlag();
    ExtractTvlMember(g_library, "*", TvlExisting::Replace);
    CheckExtracted(members, input);
    return 0;
}
