#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One pick list: an ordered list of texts.
class CSAStringArray {
public:
    int GetSize() const { return static_cast<int>(m_texts.size()); }
    // Outside 0..count-1 throws std::out_of_range.
    const std::string& GetAt(int index) const;
    void SetAt(int index, std::string text);
    void Add(std::string text) { m_texts.push_back(std::move(text)); }
    void Append(const CSAStringArray& other);
    void RemoveAll() { m_texts.clear(); }

    // Byte order of the whole texts (start 0) or of each text from character `start` on; a text
    // shorter than that sorts as empty. Equal keys keep their order.
    void Sort(int start);

    bool IsDifferent(const CSAStringArray& other) const;
    void StripUnchangedMarkers();

    auto begin() const { return m_texts.begin(); }
    auto end() const { return m_texts.end(); }

    // For a list read from a file: the position of the form field it was first read for.
    int m_iColumn = -1;

private:
    std::vector<std::string> m_texts;
};

// Pick lists by name (case-sensitive), owning them.
class CStringArrayMap {
public:
    CStringArrayMap() = default;
    CStringArrayMap(const CStringArrayMap&) = delete;
    CStringArrayMap& operator=(const CStringArrayMap&) = delete;

    int GetCount() const { return static_cast<int>(m_lists.size()); }
    CSAStringArray* Lookup(std::string_view name) const;
    // A new empty list under `name`; a list stored there before is deleted.
    CSAStringArray* NewList(std::string_view name);
    bool RemoveKey(std::string_view name);
    void RemoveAll() { m_lists.clear(); }

    void CopyFrom(const CStringArrayMap& source);
    // Afterwards each map holds the lists the other held; nothing is copied.
    void SwapContents(CStringArrayMap& other) noexcept { m_lists.swap(other.m_lists); }
    // True when the names differ or any two lists under one name differ.
    bool HasDifferences(const CStringArrayMap& other) const;
    // Lists taken whole from an amendment must not bring the unchanged marker along.
    void StripUnchangedMarkers();

    auto begin() const { return m_lists.begin(); }
    auto end() const { return m_lists.end(); }

private:
    std::map<std::string, std::unique_ptr<CSAStringArray>, std::less<>> m_lists;
};
