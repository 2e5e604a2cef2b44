#pragma once

#include "platform/ui/window/WinTypes.h"

// What the document tells its views. Any other hint selects a tree node: its type in the low
// 16 bits, its index in the high 16 bits.
enum : LPARAM {
    HINT_REFRESH_FORMS = 0,
    HINT_REBUILD_TREE = 500,
    HINT_BACKGROUND = 4660,
};

constexpr LPARAM MakeNodeHint(int nodeType, int index)
{
    return LPARAM((unsigned(index) & 0xFFFF) << 16 | (unsigned(nodeType) & 0xFFFF));
}
constexpr int HintNodeType(LPARAM hint) { return int(hint & 0xFFFF); }
constexpr int HintNodeIndex(LPARAM hint) { return int((hint >> 16) & 0xFFFF); }
