#pragma once

#include "model/check/AlternateChoice.h"
#include "model/records/BidCap.h"
#include "model/check/FlatIndex.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class CItem;
class CProp;

// One limit of a bid cap that a unit price breaks.
struct CapViolation {
    int m_rule = 0;
    bool m_below = false; // below the minimum, else above the maximum
    double m_bound = 0;
};

// The minimum and maximum formulas of one rule read as amounts, each with whether it gave a
// valid number.
struct CapRuleValues {
    double m_min = 0;
    double m_max = 0;
    bool m_minOk = false;
    bool m_maxOk = false;
};

// The bid cap limits of the items of one proposal, each row's evaluated once per check. A formula
// that uses the "@" variables needs the items total without the item. Recalculating the whole
// proposal twice per item, the plain way, costs the square of its size; here only the item's
// section is recalculated, and the items total is summed again from the section totals in the
// same order as the recalculation sums them, so the figure is the same to the last bit. The
// proposal must be recalculated before (the plain way recalculated it as a side effect of the
// first such formula; every caller recalculates before it checks anyway).
class CBidCapLimits {
public:
    explicit CBidCapLimits(CProp& prop);

    // The limits the row's unit price breaks; none for a row without a cap or a price.
    const std::vector<CapViolation>& GetViolations(int row);

    // What the caller knows of the rows already (the check does): the rows of the section rows in
    // order and each row's cap (-1: none). Spares walks over every row. Both must stay valid
    // while the limits are in use.
    void UseKnownRows(std::span<const int> sectionRows, std::span<const int> capOfRow);

    // The position of the item's cap among CapNames(), -1 when none.
    int FindCap(const CItem& item) const;
    std::span<const std::string_view> CapNames() const { return m_capNames; }

private:
    // The amount of a formula that does not depend on the item.
    struct Amount {
        std::string_view m_text;
        double m_value = 0;
        bool m_ok = false;
    };

    std::vector<CapViolation> Evaluate(int row, int capIndex);
    CapRuleValues SharedRuleValues(const CBidCap& cap, int rule);
    Amount SharedAmount(std::string_view text);
    void SetItemVariables(int row);
    int CapOfRow(int row) const;
    bool UsesItemVariables(int cap) const;
    double ItemsTotalWithoutItem(int row);
    int SectionPosition(int row) const; // -1 before the first section
    bool IsChosenAmongSections(size_t position) const;
    double SectionTotalAtZero(int row, int section);
    double SectionTotalKeepingTheChoice(int row, int section) const;
    const std::vector<uint8_t>& CountsChoosingAgain(size_t position, double sectionTotal);
    double TotalChoosingAgain(size_t position, double sectionTotal);
    void PrepareSectionSums();
    void PrepareTotalsAfterOwnSections();
    std::optional<double> StartOfTotalWithout(int row, size_t position);
    void SumCountingSectionsAfter(std::vector<double>& totals, const std::vector<size_t>& firstAfter) const;

    // Per section in order: the items total summed before it, and where the totals of the
    // counting sections after it begin in m_countingTotals.
    struct SectionSum {
        double m_before = 0;
        size_t m_countingAfter = 0;
    };

    CProp& m_prop;

    // The caps by item number, hashed once per check rather than searched per item.
    std::vector<const CBidCap*> m_caps;
    std::vector<std::string_view> m_capNames; // the map's keys
    CFlatIndex m_capIndex;
    // Formulas that do not depend on the item, evaluated once per text: agencies give the same
    // limits to many items.
    std::vector<Amount> m_amounts;
    CFlatIndex m_amountIndex;
    // Per row: -1 until evaluated, else its entry in m_results (0: no violation).
    std::vector<int> m_resultOfRow;
    std::vector<std::vector<CapViolation>> m_results;
    std::vector<ChoiceRow> m_rowsOfSection;
    std::vector<uint16_t> m_keptFlags;
    std::vector<int> m_sectionIndices;    // the section rows' rows, in order
    std::span<const int> m_knownCapOfRow;
    bool m_rowsKnown = false;
    bool m_sectionsPrepared = false;
    std::vector<ChoiceRow> m_sectionRows; // as the bid total chooses among them
    std::vector<double> m_sectionTotals;  // theirs, in order
    std::vector<uint8_t> m_sectionCounts; // whether each goes into the items total
    // Copies of the recalculation's, so that what they found of the rows carries over.
    CAlternateChooser m_chooser;
    CAlternateChooser m_sectionChooser;
    std::vector<SectionSum> m_sections;
    std::vector<double> m_countingTotals; // the totals of the sections that count, in order
    // The items total without each item whose price at 0 changes no other section's part of it,
    // for every such item with a formula on the totals, by row; made ahead when the rows are known.
    std::vector<int> m_rowsWithTotal;
    std::vector<double> m_totalsWithout;
};

