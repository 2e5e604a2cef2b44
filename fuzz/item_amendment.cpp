// Hostile item lists and amendment lists: applying, reducing and looking up rows must never
// crash, and a failed apply must leave the list as it was.
#include "model/amend/ChangeLog.h"
#include "model/text/FatalError.h"
#include "model/records/ItemArray.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Rows from the bytes: a control byte (bit 0: amendment list, bit 1: null slot), a flag word,
// then four texts each preceded by a length byte.
class RowReader {
public:
    RowReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::string Text()
    {
        const size_t length = std::min<size_t>(Byte(), m_size - m_pos);
        std::string text(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return text;
    }

    std::unique_ptr<CItem> Row()
    {
        auto row = std::make_unique<CItem>();
        row->m_wFlags = static_cast<uint16_t>(Byte() | Byte() << 8);
        row->m_strLineNum = Text();
        row->m_strAltCode = Text();
        row->m_strItemNum = Text();
        row->m_strShortDesc = Text();
        return row;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Deletions come first, so no index ever passes the larger of the sizes before and after.
struct CheckingFollower : CItemIndexFollower {
    const CItemArray* list = nullptr;
    int sizeBefore = 0;
    void OnItemInserted(int index) override { Check(index); }
    void OnItemRemoved(int index, const CItem&) override { Check(index); }
    void Check(int index) const
    {
        if (index < 0 || index > std::max(sizeBefore, list->GetSize()))
            __builtin_trap();
    }
};

std::string Snapshot(const CItemArray& list)
{
    std::string text;
    for (const auto& row : list)
        text += row ? row->m_strLineNum + '\0' + row->m_strShortDesc + '\0' + std::to_string(row->m_wFlags) + '\n'
                    : std::string("null\n");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RowReader reader(data, size);
    CItemArray current, amendment;
    while (!reader.AtEnd()) {
        const uint8_t control = reader.Byte();
        CItemArray& list = control & 1 ? amendment : current;
        if (control & 2)
            list.Add(nullptr);
        else
            list.Add(reader.Row());
    }

    for (int i = 0; i < current.GetSize(); ++i) {
        current.CountItemsWithAlternate(i);
        current.CountAlternateChoices(i);
        if (const CItem* row = current[i])
            current.FindItemByLine(row->m_strItemNum);
    }

    CItemArray reduced;
    reduced.CopyFrom(amendment);
    reduced.ReduceItemsToChanges(current);

    CreateAmendmentLog();
    CheckingFollower follower;
    follower.list = &current;
    follower.sizeBefore = current.GetSize();
    const std::string before = Snapshot(current);
    try {
        current.ApplyItemChanges(amendment, &follower);
    } catch (const CFatalError&) {
        if (Snapshot(current) != before || GetAmendmentChangeCount() != 0)
            __builtin_trap();
    }
    try {
        current.ApplyItemChanges(reduced, nullptr);
    } catch (const CFatalError&) {
    }
    DestroyAmendmentLog();
    return 0;
}
