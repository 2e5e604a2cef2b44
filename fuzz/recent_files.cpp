// A profile whose recent-file entries hold arbitrary bytes (NUL separates the entries).
#include "platform/core/RecentFileList.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::MemoryProfileStore store;
    std::string entry;
    int index = 1;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            store.WriteString("Recent File List", "File" + std::to_string(index++), entry);
            entry.clear();
        } else {
            entry += static_cast<char>(data[i]);
        }
    }
    CRecentFileList list;
    list.ReadList(store);
    if (list.GetCount() > list.GetSize())
        __builtin_trap();
    for (std::size_t i = 0; i < list.GetCount(); ++i)
        list.GetMenuText(i);
    list.Add(entry);
    list.WriteList(store);
    return 0;
}
