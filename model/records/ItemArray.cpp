#include "model/records/ItemArray.h"

#include "model/amend/ChangeLog.h"
#include "model/amend/ItemPlacement.h"
#include "model/amend/ItemRowKeys.h"
#include "model/amend/RemovedEntries.h"
#include "model/amend/StagedChange.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"

#include <cstdio>
#include <limits>

namespace {

std::string_view BeforeAnchor(std::string_view line) { return line.substr(0, line.find(kAnchorSeparator)); }

// Section rows are not logged.
void LogRow(const CItem& row, int category)
{
    if (!row.IsSection())
        LogAmendmentChange(row.ReportName(), category);
}

} // namespace

std::string AsFourDigitLine(std::string_view text)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%4.4d", ParseLeadingInt(text));
    return digits;
}

struct CItemArray::Edit {
    int index;
    bool inserted;
    std::unique_ptr<CItem> removed; // kept until the followers have seen it
};

bool AdjustFirmItemIndex(int16_t& index, int changed, bool inserted)
{
    if (index < 0)
        return true;
    if (inserted) {
        if (index >= changed) {
            if (index == std::numeric_limits<int16_t>::max())
                return false;
            ++index;
        }
        return true;
    }
    if (index == changed)
        return false;
    if (index > changed)
        --index;
    return true;
}

CItem* CItemArray::FindItem(const CItem& row, int* index, int start) const
{
    const auto& rows = Records();
    for (size_t i = start > 0 ? static_cast<size_t>(start) : 0; i < rows.size(); ++i) {
        CItem* candidate = rows[i].get();
        if (candidate && candidate->m_strLineNum == row.m_strLineNum && candidate->IsSection() == row.IsSection()) {
            if (index)
                *index = static_cast<int>(i);
            return candidate;
        }
    }
    if (index)
        *index = -1;
    return nullptr;
}

CItem* CItemArray::FindItemByLine(std::string_view line) const
{
    auto find = [this](std::string_view wanted) -> CItem* {
        for (const auto& row : *this)
            if (row && !row->IsSection() && !TestFlagBit(row->m_wFlags, ITEM_FIXED_PRICE) &&
                EqualsIgnoringCase(row->m_strLineNum, wanted))
                return row.get();
        return nullptr;
    };
    if (CItem* found = find(line))
        return found;
    if (line.size() >= 4)
        return nullptr;
    return find(AsFourDigitLine(line));
}

unsigned CItemArray::ReduceItemsToChanges(const CItemArray& older)
{
    for (const auto& row : older)
        if (row)
            ChangeFlagBit(&row->m_wFlags, ITEM_MATCHED, 0);

    // The rows that stay are collected anew: erasing equal rows one by one would be quadratic.
    std::vector<std::unique_ptr<CItem>> changes;
    std::string previousLine;
    bool previousIsSection = false;
    int searchStart = 0;
    for (auto& slot : Records()) {
        if (!slot)
            continue;
        CItem& row = *slot;
        const std::string line(BeforeAnchor(row.m_strLineNum));
        const bool isSection = row.IsSection();
        int found = -1;
        if (CItem* match = older.FindItem(row, &found, searchStart)) {
            searchStart = found;
            ChangeFlagBit(&match->m_wFlags, ITEM_MATCHED, 1);
            if (!AreItemsEqual(row, *match))
                changes.push_back(std::move(slot));
        } else {
            row.m_strLineNum = line + kAnchorSeparator + previousLine;
            ChangeFlagBit(&row.m_wFlags, ITEM_ANCHOR_IS_SECTION, previousIsSection ? 1 : 0);
            changes.push_back(std::move(slot));
        }
        previousLine = line;
        previousIsSection = isSection;
    }
    for (const auto& row : older) {
        if (!row || TestFlagBit(row->m_wFlags, ITEM_MATCHED))
            continue;
        auto marker = std::make_unique<CItem>();
        marker->ReduceToChanges(row.get());
        changes.push_back(std::move(marker));
    }
    // The matched mark is only for this comparison; it must not stay in the older proposal.
    for (const auto& row : older)
        if (row)
            ChangeFlagBit(&row->m_wFlags, ITEM_MATCHED, 0);
    Records().swap(changes);
    return static_cast<unsigned>(GetSize());
}

unsigned CItemArray::ApplyItemChanges(CItemArray& amendment, CItemIndexFollower* follower)
{
    // Worked out before the first change: a row with nowhere to go leaves everything as it was.
    if (!CanPlaceNewRows(*this, amendment))
        throw CAmendmentError(kNoInsertPosition);
    std::vector<Edit> edits;
    const unsigned left = ApplyInPlace(amendment, edits);
    if (follower)
        for (const Edit& edit : edits)
            edit.inserted ? follower->OnItemInserted(edit.index) : follower->OnItemRemoved(edit.index, *edit.removed);
    return left;
}

unsigned CItemArray::ApplyInPlace(CItemArray& amendment, std::vector<Edit>& edits)
{
    // A deletion marker that matches no row has nothing to delete and is skipped.
    for (const auto& marker : amendment) {
        int index = -1;
        if (marker && TestFlagBit(marker->m_wFlags, ITEM_TO_DELETE))
            if (CItem* row = FindItem(*marker, &index, 0)) {
                LogRow(*row, LOG_ITEMS_DELETED);
                edits.push_back({index, false, Detach(index)});
            }
    }
    CRowsByKey rows(*this);
    auto& changes = amendment.Records();
    for (size_t i = 0; i < changes.size();) {
        CItem* change = changes[i].get();
        if (!change || TestFlagBit(change->m_wFlags, ITEM_TO_DELETE)) {
            ++i;
        } else if (CItem* row = rows.Find(*this, *change)) {
            LogRow(*row, LOG_ITEMS_CHANGED);
            row->ExchangeWithLog(*change);
            LogReplacedEntries(*row, *change); // the amendment's row now holds the old values
            ++i;
        } else {
            const int position = FindInsertPosition(*this, *change);
            if (position < 0) // ruled out by CanPlaceNewRows
                throw CAmendmentError(kNoInsertPosition);
            LogRow(*change, LOG_ITEMS_ADDED);
            std::unique_ptr<CItem> added = amendment.Detach(static_cast<int>(i));
            added->StripUnchangedMarkers();
            ChangeFlagBit(&added->m_wFlags, ITEM_ANCHOR_IS_SECTION, 0);
            rows.Add(*InsertAt(position, std::move(added)));
            edits.push_back({position, true, nullptr});
        }
    }
    return static_cast<unsigned>(amendment.GetSize());
}

int FindInsertPosition(const CItemArray& list, CItem& row)
{
    const size_t separator = row.m_strLineNum.find(kAnchorSeparator);
    if (separator == std::string::npos)
        return 0;
    const std::string anchor = row.m_strLineNum.substr(separator + 1);
    row.m_strLineNum.resize(separator);
    if (anchor.empty())
        return 0;
    const bool anchorIsSection = TestFlagBit(row.m_wFlags, ITEM_ANCHOR_IS_SECTION) != 0;
    for (int i = 0; i < list.GetSize(); ++i) {
        const CItem* candidate = list[i];
        if (candidate && candidate->m_strLineNum == anchor && candidate->IsSection() == anchorIsSection)
            return i + 1;
    }
    return -1;
}
