#pragma once

#include "platform/core/ProfileStore.h"

#include <cstddef>
#include <string>
#include <vector>

// The most recently used files, newest first, kept in the profile as "File1".."FileN" of the
// section "Recent File List". Paths compare ignoring ASCII case, as the program always did. Each
// path is kept from the root (a relative one as the current folder makes it), so that the list
// names the same files whatever folder the program is started from.
class CRecentFileList {
public:
    static constexpr std::size_t kMaxStoredPath = 4096;

    explicit CRecentFileList(std::size_t size = 9, std::string section = "Recent File List",
                             std::string entryFormat = "File");

    void Add(const std::string& path);   // to the front; a duplicate moves there
    void Remove(std::size_t index);      // out-of-range index: nothing
    std::size_t GetSize() const { return m_size; }
    std::size_t GetCount() const { return m_paths.size(); }
    const std::string& operator[](std::size_t index) const { return m_paths.at(index); }

    // Reads what the profile holds, ignoring entries that cannot be paths (empty, too long,
    // control characters) and duplicates; writes the list back, removing unused entries.
    void ReadList(platform::ProfileStore& store);
    bool WriteList(platform::ProfileStore& store) const;

    // Menu text: "&1 " and the path, with "&" doubled and long folders abbreviated.
    std::string GetMenuText(std::size_t index) const;

private:
    std::size_t IndexOf(const std::string& path) const;
    std::string EntryName(std::size_t index) const;

    std::size_t m_size;
    std::string m_section;
    std::string m_entryFormat;
    std::vector<std::string> m_paths;
};
