#pragma once

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

// An ordered list that owns its records. A slot may hold null after DeleteAt(index, false);
// every operation here skips such a slot, and so must every caller that walks the list.
template <class T>
class CDataArray {
public:
    CDataArray() = default;
    CDataArray(const CDataArray&) = delete;
    CDataArray& operator=(const CDataArray&) = delete;
    CDataArray(CDataArray&&) noexcept = default;
    CDataArray& operator=(CDataArray&&) noexcept = default;
    virtual ~CDataArray() = default;

    int GetSize() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

    // The record at `index` (null for an emptied slot); an index outside the list is the caller's
    // error and throws std::out_of_range.
    T* GetAt(int index) const { return m_records.at(CheckedIndex(index)).get(); }
    T* operator[](int index) const { return GetAt(index); }

    // For indices that come from a file: null when outside the list.
    T* GetAtOrNull(int index) const
    {
        return index >= 0 && index < GetSize() ? m_records[static_cast<size_t>(index)].get() : nullptr;
    }

    T* Add(std::unique_ptr<T> record)
    {
        m_records.push_back(std::move(record));
        return m_records.back().get();
    }

    // Inserts before `index` (0..size); the records from there move down.
    T* InsertAt(int index, std::unique_ptr<T> record)
    {
        if (index < 0 || index > GetSize())
            throw std::out_of_range("CDataArray::InsertAt");
        return m_records.insert(m_records.begin() + index, std::move(record))->get();
    }

    // Deletes the record at `index`, then removes the slot or leaves null in it.
    bool DeleteAt(int index, bool removeSlot = true)
    {
        if (index < 0 || index >= GetSize())
            return false;
        if (removeSlot)
            m_records.erase(m_records.begin() + index);
        else
            m_records[static_cast<size_t>(index)].reset();
        return true;
    }

    // Removes the slot at `index` and hands its record to the caller.
    std::unique_ptr<T> Detach(int index)
    {
        auto record = std::move(m_records.at(CheckedIndex(index)));
        m_records.erase(m_records.begin() + index);
        return record;
    }

    void DeleteAll() { m_records.clear(); }

    // Rebuilds this list as a deep copy of `source`; emptied slots stay empty. On failure this
    // list is left as it was.
    void CopyFrom(const CDataArray& source)
    {
        std::vector<std::unique_ptr<T>> copy;
        copy.reserve(source.m_records.size());
        for (const auto& record : source.m_records)
            copy.push_back(record ? CopyOf(*record) : nullptr);
        m_records.swap(copy);
    }

    void Swap(CDataArray& other) noexcept { m_records.swap(other.m_records); }

    void StripUnchangedMarkers()
    {
        for (const auto& record : m_records)
            if (record)
                record->StripUnchangedMarkers();
    }

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

    // This list is the newer one; records are paired by position only. A record without a
    // counterpart counts 1 (its ReduceToChanges gets null), and so does each surplus older record.
    virtual unsigned ReduceToChanges(const CDataArray& older)
    {
        unsigned count = 0;
        for (int i = 0; i < GetSize(); ++i) {
            T* mine = m_records[static_cast<size_t>(i)].get();
            const T* theirs = older.GetAtOrNull(i);
            if (mine)
                count += mine->ReduceToChanges(theirs);
            else if (theirs)
                ++count;
        }
        if (older.GetSize() > GetSize())
            count += static_cast<unsigned>(older.GetSize() - GetSize());
        return count;
    }

    // Pairs by position: common records exchange values, an own surplus is deleted and the
    // amendment's surplus moves over (ownership passes). Afterwards the amendment keeps only the
    // records at the common positions, holding the old values.
    virtual unsigned ExchangeWithLog(CDataArray& amendment)
    {
        const int common = std::min(GetSize(), amendment.GetSize());
        unsigned count = static_cast<unsigned>(std::max(GetSize(), amendment.GetSize()) - common);
        for (int i = 0; i < common; ++i)
            count += ExchangeSlot(m_records[static_cast<size_t>(i)],
                                  amendment.m_records[static_cast<size_t>(i)]);
        m_records.resize(static_cast<size_t>(common));
        for (size_t i = static_cast<size_t>(common); i < amendment.m_records.size(); ++i)
            if (auto& moved = amendment.m_records[i]) {
                moved->StripUnchangedMarkers();
                m_records.push_back(std::move(moved));
            }
        amendment.m_records.resize(static_cast<size_t>(common));
        return count;
    }

protected:
    std::vector<std::unique_ptr<T>>& Records() { return m_records; }
    const std::vector<std::unique_ptr<T>>& Records() const { return m_records; }

private:
    static std::unique_ptr<T> CopyOf(const T& source)
    {
        auto copy = std::make_unique<T>();
        copy->CopyFrom(source);
        return copy;
    }

    size_t CheckedIndex(int index) const
    {
        if (index < 0)
            throw std::out_of_range("CDataArray index");
        return static_cast<size_t>(index);
    }

    // An emptied slot of ours takes the amendment's record whole; an emptied amendment slot
    // leaves ours alone.
    static unsigned ExchangeSlot(std::unique_ptr<T>& mine, std::unique_ptr<T>& theirs)
    {
        if (!theirs)
            return 0;
        if (!mine) {
            theirs->StripUnchangedMarkers();
            mine = std::move(theirs);
            return 1;
        }
        return mine->ExchangeWithLog(*theirs);
    }

    std::vector<std::unique_ptr<T>> m_records;
};
