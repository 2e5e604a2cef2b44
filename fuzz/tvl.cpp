// The library reader over hostile bytes: listing ends, walking the entries with the skip flag
// ends, and extracting every member writes only plain names in the library's folder, each
// holding the bytes of a member of that name.
#include "model/files/TvlExtract.h"
#include "model/files/TvlLibrary.h"
#include "platform/core/Codepage.h"

#include "fuzz/support/ScratchFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string& LibraryPath()
{
    static const std::string path = std::string(FuzzScratchFolder("tvl")) + "/letting.tvl";
    return path;
}

// Every file but the library goes before the next input.
void RemoveExtracted()
{
    for (const auto& file : std::filesystem::directory_iterator(FuzzScratchFolder("tvl")))
        if (file.path() != LibraryPath())
            std::filesystem::remove_all(file.path());
}

void WalkWithSkipFlag()
{
    const auto library = OpenTvlLibrary(LibraryPath());
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
    for (const auto& file : std::filesystem::directory_iterator(FuzzScratchFolder("tvl"))) {
        if (file.path() == LibraryPath())
            continue;
        const std::string name = file.path().filename().string();
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
    RemoveExtracted();
    WriteFuzzInput(LibraryPath().c_str(), data, size);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<CTvlEntry> members;
    ListTvlMembers(LibraryPath(), members);
    for (const CTvlEntry& member : members)
        if (member.DataEnd() > size || member.m_strFileName.size() > kTvlMaxName)
            std::abort();
    WalkWithSkipFlag();
    ExtractTvlMember(LibraryPath(), "*", TvlExisting::Replace);
    CheckExtracted(members, input);
    return 0;
}
