#pragma once

#include <optional>
#include <vector>

class CBidCap;
class CItem;
class CProp;

// One limit of a bid cap that a unit price breaks.
struct CapViolation {
    int m_rule = 0;
    bool m_below = false; // below the minimum, else above the maximum
    double m_bound = 0;
};

// The bid cap limits of the items of one proposal, each row's evaluated once per check. A formula
// that uses the "@" variables needs the items total without the item: the original way
// recalculated the whole proposal twice per item; here only the item's section and the bid total
// are recalculated, which gives the same totals, and everything is put back afterwards.
class CBidCapLimits {
public:
    explicit CBidCapLimits(CProp& prop);

    // The limits the row's unit price breaks; none for a row without a cap or a price.
    const std::vector<CapViolation>& GetViolations(int row);

private:
    std::vector<CapViolation> Evaluate(int row, const CBidCap& cap);
    void SetItemVariables(int row);
    double ItemsTotalWithoutItem(int row);

    CProp& m_prop;
    std::vector<std::optional<std::vector<CapViolation>>> m_cache;
    bool m_recalculated = false;
};

