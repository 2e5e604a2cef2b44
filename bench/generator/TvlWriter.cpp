#include "bench/generator/TvlWriter.h"

#include "model/files/TvlLibrary.h"
#include "platform/core/LocalTime.h"

namespace {

// The fixed part of an entry: magic, data offset, word 1, size, word 2, word 3, stamp, attributes.
constexpr std::size_t kEntryFixedSize = 4 + 4 + 4 + 4 + 4 + 2 + 4 + 2;
constexpr std::size_t kLibraryFieldsSize = 4 + 4 + 2 + 2;

void PutLe(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i));
}

void PutText(std::string& out, const std::string& text)
{
    out += text;
    out += '\0';
}

void PutMember(std::string& out, const TvlMemberFile& member)
{
    const std::size_t dataOffset = out.size() + kEntryFixedSize + member.m_strFileName.size() + 1 +
                                   member.m_strDescription.size() + 1;
    out += kTvlMagic;
    PutLe(out, uint32_t(dataOffset), 4);
    PutLe(out, 0, 4);
    PutLe(out, uint32_t(member.m_bytes.size()), 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 2);
    PutLe(out, member.m_dwTimeStamp, 4);
    PutLe(out, 0, 2);
    PutText(out, member.m_strFileName);
    PutText(out, member.m_strDescription);
    out += kTvlMagic;
    out += member.m_bytes;
}

} // namespace

std::string MakeTvlLibrary(const TvlLibraryContents& contents)
{
    std::string out(kTvlHeaderText);
    PutLe(out, uint32_t(out.size() + kLibraryFieldsSize + contents.m_strTitle.size() + 1), 4);
    PutLe(out, 0, 4);
    PutLe(out, uint16_t(contents.m_members.size()), 2);
    PutLe(out, uint16_t(contents.m_nVersion), 2);
    PutText(out, contents.m_strTitle);
    for (const TvlMemberFile& member : contents.m_members)
        PutMember(out, member);
    return out;
}

uint32_t DosTimeStamp(std::time_t time)
{
    const std::tm local = platform::ToLocalTime(time);
    const uint32_t date = uint32_t(local.tm_mday) | uint32_t(local.tm_mon + 1) << 5 | uint32_t(local.tm_year - 80) << 9;
    const uint32_t clock = uint32_t(local.tm_sec / 2) | uint32_t(local.tm_min) << 5 | uint32_t(local.tm_hour) << 11;
    return date | clock << 16;
}
