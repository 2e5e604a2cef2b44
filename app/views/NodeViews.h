#pragma once

// Which form view the right pane shows for each node type of the proposal tree.
struct CRuntimeClass;

// Node types of the proposal tree.
enum NodeType : int {
    NODE_NONE = 0,
    NODE_PROPOSAL = 1,
    NODE_SCHEDULE = 2,
    NODE_DBE_LIST = 4,
    NODE_MBE_LIST = 5,
    NODE_WBE_LIST = 6,
    NODE_MISC = 7,
    NODE_ALT_SECTION_GROUP = 8,
    NODE_OPT_SECTION_GROUP = 9,
    NODE_ALT_SECTION_CHOICE = 10,
    NODE_OPT_SECTION_CHOICE = 11,
    NODE_SECTION = 12,
    NODE_ALT_ITEM_GROUP = 13,
    NODE_OPT_ITEM_GROUP = 14,
    NODE_ALT_ITEM_CHOICE = 15,
    NODE_OPT_ITEM_CHOICE = 16,
    NODE_ITEM = 17,
    NODE_DBE_FIRM = 18,
    NODE_MBE_FIRM = 19,
    NODE_WBE_FIRM = 20,
    NODE_DBE_ITEM = 21,
    NODE_MBE_ITEM = 22,
    NODE_WBE_ITEM = 23,
    NODE_TEMPLATE_INFO = 24,
    NODE_DATA_TEMPLATE = 25,
    NODE_BOND = 26,
    NODE_SITES = 27,
    NODE_LETTING = 28,
    NODE_DBE_ITEM_GRID = 29,
    NODE_MBE_ITEM_GRID = 30,
    NODE_WBE_ITEM_GRID = 31,
};

// The view class of a node type; the schedule's depends on the item view chosen (grid or
// tree). A type without a screen, or none, gives the blank form.
const CRuntimeClass* GetNodeViewClass(int nodeType, bool gridMode);

// The firm forms are kept while hidden and shown again for the next firm of their kind: the
// slot (0 DBE, 1 MBE, 2 WBE) of a node type whose view is kept, else -1.
int KeptViewSlot(int nodeType);
