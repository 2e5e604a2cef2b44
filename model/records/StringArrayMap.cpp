#include "model/records/StringArrayMap.h"

#include "model/records/RecordText.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::string_view SortKey(const std::string& text, size_t start)
{
    return start < text.size() ? std::string_view(text).substr(start) : std::string_view();
}

} // namespace

const std::string& CSAStringArray::GetAt(int index) const
{
    if (index < 0 || index >= GetSize())
        throw std::out_of_range("CSAStringArray::GetAt");
    return m_texts[static_cast<size_t>(index)];
}

void CSAStringArray::SetAt(int index, std::string text)
{
    if (index < 0 || index >= GetSize())
        throw std::out_of_range("CSAStringArray::SetAt");
    m_texts[static_cast<size_t>(index)] = std::move(text);
}

void CSAStringArray::Append(const CSAStringArray& other)
{
    // Copy first: appending a list to itself must not read what it writes.
    std::vector<std::string> added = other.m_texts;
    m_texts.insert(m_texts.end(), added.begin(), added.end());
}

void CSAStringArray::Sort(int start)
{
    const size_t from = start > 0 ? static_cast<size_t>(start) : 0;
    std::stable_sort(m_texts.begin(), m_texts.end(), [from](const std::string& a, const std::string& b) {
        return SortKey(a, from) < SortKey(b, from);
    });
}

bool CSAStringArray::IsDifferent(const CSAStringArray& other) const
{
    return !std::equal(m_texts.begin(), m_texts.end(), other.m_texts.begin(), other.m_texts.end(),
                       [](const std::string& a, const std::string& b) { return TextsEqual(a, b); });
}

void CSAStringArray::StripUnchangedMarkers()
{
    for (std::string& text : m_texts)
        StripUnchangedMarker(text);
}

CSAStringArray* CStringArrayMap::Lookup(std::string_view name) const
{
    auto found = m_lists.find(name);
    return found == m_lists.end() ? nullptr : found->second.get();
}

CSAStringArray* CStringArrayMap::NewList(std::string_view name)
{
    auto& slot = m_lists[std::string(name)];
    slot = std::make_unique<CSAStringArray>();
    return slot.get();
}

bool CStringArrayMap::RemoveKey(std::string_view name)
{
    auto found = m_lists.find(name);
    if (found == m_lists.end())
        return false;
    m_lists.erase(found);
    return true;
}

void CStringArrayMap::CopyFrom(const CStringArrayMap& source)
{
    decltype(m_lists) copy;
    for (const auto& [name, list] : source.m_lists)
        copy.emplace(name, std::make_unique<CSAStringArray>(*list));
    m_lists.swap(copy);
}

bool CStringArrayMap::HasDifferences(const CStringArrayMap& other) const
{
    if (GetCount() != other.GetCount())
        return true;
    for (const auto& [name, list] : m_lists) {
        const CSAStringArray* counterpart = other.Lookup(name);
        if (!counterpart || list->IsDifferent(*counterpart))
            return true;
    }
    return false;
}

void CStringArrayMap::StripUnchangedMarkers()
{
    for (const auto& entry : m_lists)
        entry.second->StripUnchangedMarkers();
}
