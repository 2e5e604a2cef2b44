#include "model/files/TvlExtract.h"

#include "model/files/TvlLibrary.h"
#include "model/text/TextUtil.h"
#include "platform/core/Codepage.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kCopyBlock = 4096;

// The member's data block, copied to a temporary file that becomes `path` once all of it is
// there. The stream is at the member's first data byte.
int CopyMember(CTvlLibrary& library, const CTvlEntry& entry, const std::string& path, TvlExisting existing)
{
    platform::AtomicFile output(path);
    if (!output.Open()) {
        SetTvlError(kTvlEndOfOutput);
        return kTvlExtractCannotCreate;
    }
    std::array<char, kCopyBlock> block{};
    for (uint32_t left = entry.m_dwSize; left > 0;) {
        const std::size_t count = std::min<std::size_t>(left, block.size());
        if (!library.ReadBytes(block.data(), count))
            return kTvlExtractCannotRead;
        if (!output.Write({block.data(), count})) {
            SetTvlError(kTvlEndOfOutput);
            return kTvlExtractCannotCreate;
        }
        left -= uint32_t(count);
    }
    if (existing == TvlExisting::Replace ? output.Commit() : output.CommitAsNew())
        return kTvlExtracted;
    SetTvlError(kTvlEndOfOutput);
    // Another program may have made the file while we copied.
    const bool madeMeanwhile =
        existing == TvlExisting::Refuse && (platform::FileExists(path) || platform::IsDirectory(path));
    return madeMeanwhile ? kTvlExtractExists : kTvlExtractCannotCreate;
}

int ExtractEntry(CTvlLibrary& library, const CTvlEntry& entry, const std::string& folder, TvlExisting existing)
{
    if (!platform::IsPlainFileName(entry.m_strFileName)) {
        SetTvlError(kTvlCorrupt);
        return kTvlExtractBadName;
    }
    const std::string path = platform::JoinPath(folder, platform::Cp1252ToUtf8(entry.m_strFileName));
    if (existing == TvlExisting::Refuse && platform::FileExists(path))
        return kTvlExtractExists;
    if (!library.SeekToData(entry))
        return kTvlExtractCannotRead;
    return CopyMember(library, entry, path, existing);
}

} // namespace

std::string TvlMemberPath(const std::string& libraryPath, std::string_view memberName)
{
    return platform::JoinPath(platform::FolderOf(libraryPath), platform::Cp1252ToUtf8(memberName));
}

int ExtractTvlMember(const std::string& libraryPath, std::string_view patterns, TvlExisting existing)
{
    return ExtractTvlMemberInto(libraryPath, patterns, platform::FolderOf(libraryPath), existing);
}

int ExtractTvlMemberInto(const std::string& libraryPath, std::string_view patterns, const std::string& folder,
                         TvlExisting existing)
{
    const std::unique_ptr<CTvlLibrary> library = OpenTvlLibrary(libraryPath);
    if (!library)
        return kTvlExtractCannotOpen;
    std::optional<CTvlEntry> entry;
    int copied = 0;
    for (int member = 0; member < library->m_nMembers; ++member) {
        std::optional<CTvlEntry> next = library->ReadNextEntry(entry ? &*entry : nullptr);
        if (!next)
            return copied > 0 ? kTvlExtractedBeforeDamage : kTvlExtractCannotRead;
        entry = std::move(next);
        if (!MatchesAnyPattern(entry->m_strFileName, patterns, false))
            continue;
        if (const int result = ExtractEntry(*library, *entry, folder, existing); result != kTvlExtracted)
            return result;
        ++copied;
    }
    return copied > 0 ? kTvlExtracted : kTvlExtractNoMatch;
}
