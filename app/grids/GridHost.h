#pragma once

// The view that holds one of the proposal's grids: it shows the totals under the grid and
// answers for the document when the grid stores a change.
class CGridHost {
public:
    virtual void RefreshTotals() = 0;
    // A value was stored in the proposal: the document is changed and the tree's marks follow.
    virtual void OnGridChange() = 0;

protected:
    ~CGridHost() = default;
};
