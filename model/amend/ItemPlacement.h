#pragma once

class CItemArray;

// In an amendment list, a new row's line number is followed by this byte and its anchor: the line
// number of the row it goes after.
inline constexpr char kAnchorSeparator = '\xFF';

inline constexpr const char* kNoInsertPosition = "Could not find Item/Section Insert position!";

// Whether applying the amendment list `amendment` to `list` would find an insert position for
// every new row. Works the deletions and insertions through on counts of the rows' line numbers
// and kinds, in the order the apply takes them; neither list changes, and the cost follows the
// amendment's rows plus one pass over `list`.
bool CanPlaceNewRows(const CItemArray& list, const CItemArray& amendment);
