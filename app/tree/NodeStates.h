#pragma once

// The state a node of the proposal tree shows by its picture, from what the last Check Zod run
// left on the records: 1 complete, 0 in error, 2 neither (or nothing to say).
#include "app/tree/NodeRef.h"

class CProp;

enum : int { NODE_STATE_ERROR = 0, NODE_STATE_COMPLETE = 1, NODE_STATE_PLAIN = 2 };

int NodeState(const CProp& prop, NodeRef node, bool hasChildren);

// A state's picture in the tree's image list, plain or selected.
inline int NodeImage(int state, bool selected)
{
    return 2 * state + (selected ? 1 : 0);
}
