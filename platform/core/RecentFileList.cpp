#include "platform/core/RecentFileList.h"

#include "platform/core/Paths.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxMenuPath = 40;

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

bool UsablePath(const std::string& path)
{
    if (path.empty() || path.size() > CRecentFileList::kMaxStoredPath)
        return false;
    return std::none_of(path.begin(), path.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// "/home/user/bids/2024/march/file.tvb" -> "/home/.../file.tvb" when too long for a menu.
std::string Abbreviate(const std::string& path)
{
    if (path.size() <= kMaxMenuPath)
        return path;
    const std::size_t nameStart = path.rfind('/');
    if (nameStart == std::string::npos || nameStart == 0)
        return path;
    const std::size_t firstEnd = path.find('/', 1);
    if (firstEnd >= nameStart)
        return path;
    return path.substr(0, firstEnd) + "/..." + path.substr(nameStart);
}

} // namespace

CRecentFileList::CRecentFileList(std::size_t size, std::string section, std::string entryFormat)
    : m_size(size), m_section(std::move(section)), m_entryFormat(std::move(entryFormat))
{
}

std::size_t CRecentFileList::IndexOf(const std::string& path) const
{
    for (std::size_t i = 0; i < m_paths.size(); ++i)
        if (SameIgnoringCase(m_paths[i], path))
            return i;
    return m_paths.size();
}

void CRecentFileList::Add(const std::string& given)
{
    if (!UsablePath(given) || m_size == 0)
        return;
    const std::string path = platform::AbsolutePath(given);
    const std::size_t found = IndexOf(path);
    if (found < m_paths.size())
        m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(found));
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > m_size)
        m_paths.resize(m_size);
}

void CRecentFileList::Remove(std::size_t index)
{
    if (index < m_paths.size())
        m_paths.erase(m_paths.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CRecentFileList::EntryName(std::size_t index) const
{
    return m_entryFormat + std::to_string(index + 1);
}

void CRecentFileList::ReadList(platform::ProfileStore& store)
{
    m_paths.clear();
    for (std::size_t i = 0; i < m_size; ++i) {
        const auto value = store.ReadString(m_section, EntryName(i));
        if (!value || !UsablePath(*value))
            continue;
        const std::string path = platform::AbsolutePath(*value);
        if (IndexOf(path) == m_paths.size())
            m_paths.push_back(path);
    }
}

bool CRecentFileList::WriteList(platform::ProfileStore& store) const
{
    bool ok = true;
    for (std::size_t i = 0; i < m_size; ++i) {
        if (i < m_paths.size())
            ok = store.WriteString(m_section, EntryName(i), m_paths[i]) && ok;
        else
            ok = store.DeleteEntry(m_section, EntryName(i)) && ok;
    }
    return ok;
}

std::string CRecentFileList::GetMenuText(std::size_t index) const
{
    if (index >= m_paths.size())
        return {};
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (char c : Abbreviate(m_paths[index])) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}
