#pragma once

// Resources (menus, accelerator tables, string tables, dialog templates, pictures) are compact
// tables in the program's resources, registered under their numeric id and found by it, as
// the screens ask for them.
#include "platform/ui/window/WinTypes.h"

#include <map>

namespace platform {

template <class Table>
class ResourceRegistry {
public:
    // A later table with the same id replaces the earlier one.
    static void Add(const Table& table) { Tables()[table.id] = &table; }
    static void Remove(UINT id) { Tables().erase(id); }
    static const Table* Find(UINT id)
    {
        const auto found = Tables().find(id);
        return found == Tables().end() ? nullptr : found->second;
    }
    static const std::map<UINT, const Table*>& All() { return Tables(); }

private:
    static std::map<UINT, const Table*>& Tables()
    {
        static std::map<UINT, const Table*> tables;
        return tables;
    }
};

// Registers a table for as long as it exists (a static object beside the table, or a test's).
template <class Table>
class ResourceRegistration {
public:
    explicit ResourceRegistration(const Table& table) : m_id(table.id)
    {
        ResourceRegistry<Table>::Add(table);
    }
    ~ResourceRegistration() { ResourceRegistry<Table>::Remove(m_id); }
    ResourceRegistration(const ResourceRegistration&) = delete;
    ResourceRegistration& operator=(const ResourceRegistration&) = delete;

private:
    UINT m_id;
};

} // namespace platform
