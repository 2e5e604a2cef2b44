#pragma once
// A small indexed list of pointers (the grid's fonts and cell types). Indices stay
// stable: a removed entry is left free and reused before the list grows.
#include <array>
#include <vector>

using GridTypeId = std::array<unsigned char, 16>;

template <typename T>
class CGridPtrList {
public:
    static constexpr int kGrowBy = 10;

    // Index of the entry used, or -1 for a null pointer.
    int Add(T* pointer, int parameter = 0, const GridTypeId* id = nullptr)
    {
        if (!pointer)
            return -1;
        int index = FirstFree();
        if (index < 0) {
            index = static_cast<int>(m_entries.size());
            m_entries.resize(m_entries.size() + kGrowBy);
        }
        m_entries[index] = Entry{true, pointer, parameter, id ? *id : GridTypeId{}};
        ++m_used;
        return index;
    }

    // The pointer of a freed entry; null for a bad index.
    T* Remove(int index)
    {
        if (!IsUsed(index))
            return nullptr;
        T* pointer = m_entries[index].pointer;
        m_entries[index] = Entry{};
        --m_used;
        return pointer;
    }

    T* Get(int index) const { return IsUsed(index) ? m_entries[index].pointer : nullptr; }
    int GetParameter(int index) const { return IsValid(index) ? m_entries[index].parameter : 0; }
    int SetParameter(int index, int parameter)
    {
        if (!IsValid(index))
            return 1;
        if (!m_entries[index].inUse)
            return 2;
        m_entries[index].parameter = parameter;
        return 0;
    }
    const GridTypeId* GetId(int index) const { return IsUsed(index) ? &m_entries[index].id : nullptr; }

    int GetCount() const { return m_used; }
    int GetCapacity() const { return static_cast<int>(m_entries.size()); }
    void Empty()
    {
        m_entries.clear();
        m_entries.shrink_to_fit();
        m_used = 0;
    }

private:
    struct Entry {
        bool inUse = false;
        T* pointer = nullptr;
        int parameter = 0;
        GridTypeId id{};
    };

    bool IsValid(int index) const { return index >= 0 && index < GetCapacity(); }
    bool IsUsed(int index) const { return IsValid(index) && m_entries[index].inUse; }
    int FirstFree() const
    {
        for (int i = 0; i < GetCapacity(); ++i)
            if (!m_entries[i].inUse)
                return i;
        return -1;
    }

    std::vector<Entry> m_entries;
    int m_used = 0;
};
