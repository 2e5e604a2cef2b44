#pragma once

#include "bench/generator/TvlWriter.h"

#include <cstdint>
#include <string>

// A library of known layout for the reader's tests: where its fields and its members' entries
// lie, and patches of little-endian numbers at those places.
struct TvlLayout {
    static constexpr std::size_t kFirstEntryField = 30;
    static constexpr std::size_t kMemberCountField = 38;
    static constexpr std::size_t kTitle = 42;
    // Within an entry.
    static constexpr std::size_t kDataOffset = 4;
    static constexpr std::size_t kSize = 12;
    static constexpr std::size_t kName = 28;

    // The first entry of a library with this title.
    static std::size_t FirstEntry(const std::string& title) { return kTitle + title.size() + 1; }
    // The entry after one with these names and this much data.
    static std::size_t EntryAfter(std::size_t entry, const TvlMemberFile& member)
    {
        return entry + kName + member.m_strFileName.size() + 1 + member.m_strDescription.size() + 1 + 4 +
               member.m_bytes.size();
    }
    static std::size_t DataOf(std::size_t entry, const TvlMemberFile& member)
    {
        return entry + kName + member.m_strFileName.size() + 1 + member.m_strDescription.size() + 1;
    }
};

inline std::string PatchedLe(std::string bytes, std::size_t at, uint32_t value, int width = 4)
{
    for (int i = 0; i < width; ++i)
        bytes[at + std::size_t(i)] = char(value >> (8 * i));
    return bytes;
}

inline TvlMemberFile Member(std::string name, std::string bytes, uint32_t stamp = 1700000000)
{
    std::string description = "Member " + name;
    return {std::move(name), std::move(description), std::move(bytes), stamp};
}
