#pragma once

// A node of the proposal tree: its type (NodeType) and index. Firm items carry the firm's
// index in the high and the item's in the low 16 bits of theirs.
#include <cstdint>

struct NodeRef {
    int type = 0;
    int index = 0;

    bool operator==(const NodeRef&) const = default;
};

// As the tree item's data.
inline std::uintptr_t PackNodeRef(NodeRef ref)
{
    return std::uintptr_t(std::uint32_t(ref.index)) << 32 | std::uint32_t(ref.type);
}
inline NodeRef UnpackNodeRef(std::uintptr_t data)
{
    return {int(std::uint32_t(data)), int(std::uint32_t(data >> 32))};
}

inline int MakeFirmItemIndex(int firm, int item)
{
    return int((unsigned(firm) & 0xFFFF) << 16 | (unsigned(item) & 0xFFFF));
}
inline int FirmOfFirmItem(int index) { return int((unsigned(index) >> 16) & 0xFFFF); }
inline int ItemOfFirmItem(int index) { return int(unsigned(index) & 0xFFFF); }
