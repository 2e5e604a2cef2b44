#pragma once

#include "model/records/DataObject.h"
#include "model/text/FlagWord.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// Records by name (case-sensitive, byte order), owning them. The map never holds a null record.
template <class T>
class CDataMap {
public:
    CDataMap() = default;
    CDataMap(const CDataMap&) = delete;
    CDataMap& operator=(const CDataMap&) = delete;
    CDataMap(CDataMap&&) noexcept = default;
    CDataMap& operator=(CDataMap&&) noexcept = default;
    virtual ~CDataMap() = default;

    int GetCount() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

    T* Lookup(std::string_view name) const
    {
        auto found = m_records.find(name);
        return found == m_records.end() ? nullptr : found->second.get();
    }

    // Stores `record` under `name`, deleting any record stored there before; a null record only
    // removes the name.
    T* SetAt(std::string_view name, std::unique_ptr<T> record)
    {
        if (!record) {
            RemoveKey(name);
            return nullptr;
        }
        auto& slot = m_records[std::string(name)];
        slot = std::move(record);
        return slot.get();
    }

    // Deletes the record under `name`; false when there is none.
    bool RemoveKey(std::string_view name)
    {
        auto found = m_records.find(name);
        if (found == m_records.end())
            return false;
        m_records.erase(found);
        return true;
    }

    // Removes the record under `name` and hands it to the caller (null when there is none).
    std::unique_ptr<T> Detach(std::string_view name)
    {
        auto found = m_records.find(name);
        if (found == m_records.end())
            return nullptr;
        auto record = std::move(found->second);
        m_records.erase(found);
        return record;
    }

    void DeleteAll() { m_records.clear(); }

    // Rebuilds this map as a deep copy of `source`. On failure this map is left as it was.
    void CopyFrom(const CDataMap& source)
    {
        Records copy;
        for (const auto& [name, record] : source.m_records) {
            auto duplicate = std::make_unique<T>();
            duplicate->CopyFrom(*record);
            copy.emplace(name, std::move(duplicate));
        }
        m_records.swap(copy);
    }

    void Swap(CDataMap& other) noexcept { m_records.swap(other.m_records); }

    // The records are not part of the map's constness: pairing marks them through a const map.
    void SetAllRecordFlags(int bit, int operation) const
    {
        for (const auto& entry : m_records)
            ChangeFlagBit(&entry.second->m_wFlags, bit, operation);
    }

    void StripUnchangedMarkers()
    {
        for (const auto& entry : m_records)
            entry.second->StripUnchangedMarkers();
    }

    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

    // This map is the newer one; records are paired by name. A record without a counterpart counts
    // 1 (its ReduceToChanges gets null), and so does each older record without one here.
    virtual unsigned ReduceToChanges(const CDataMap& older)
    {
        older.SetAllRecordFlags(kPairingFlagBit, 1);
        unsigned count = 0;
        for (const auto& [name, record] : m_records) {
            T* counterpart = older.Lookup(name);
            count += record->ReduceToChanges(counterpart);
            if (counterpart)
                ChangeFlagBit(&counterpart->m_wFlags, kPairingFlagBit, 0);
        }
        count += older.CountPairingMarks();
        older.SetAllRecordFlags(kPairingFlagBit, 0);
        return count;
    }

    // Afterwards this map holds exactly the amendment's names: common names exchange values, names
    // only the amendment has move over (ownership passes), names only this map has are deleted.
    virtual unsigned ExchangeWithLog(CDataMap& amendment)
    {
        SetAllRecordFlags(kPairingFlagBit, 1);
        unsigned count = 0;
        for (auto entry = amendment.m_records.begin(); entry != amendment.m_records.end();) {
            if (T* mine = Lookup(entry->first)) {
                count += mine->ExchangeWithLog(*entry->second);
                ChangeFlagBit(&mine->m_wFlags, kPairingFlagBit, 0);
                ++entry;
            } else {
                // A flag word from a file may carry the pairing bit; the moved record must not.
                ChangeFlagBit(&entry->second->m_wFlags, kPairingFlagBit, 0);
                entry->second->StripUnchangedMarkers();
                m_records.emplace(entry->first, std::move(entry->second));
                entry = amendment.m_records.erase(entry);
                ++count;
            }
        }
        count += DeleteUnpaired();
        return count;
    }

private:
    using Records = std::map<std::string, std::unique_ptr<T>, std::less<>>;

    unsigned CountPairingMarks() const
    {
        unsigned count = 0;
        for (const auto& entry : m_records)
            count += TestFlagBit(entry.second->m_wFlags, kPairingFlagBit) ? 1 : 0;
        return count;
    }

    // Moved records carry no pairing mark, so whatever is still marked had no counterpart.
    unsigned DeleteUnpaired()
    {
        unsigned count = 0;
        for (auto entry = m_records.begin(); entry != m_records.end();) {
            if (TestFlagBit(entry->second->m_wFlags, kPairingFlagBit)) {
                entry = m_records.erase(entry);
                ++count;
            } else {
                ++entry;
            }
        }
        return count;
    }

    Records m_records;
};
