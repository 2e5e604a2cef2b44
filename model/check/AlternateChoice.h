#pragma once

#include <cstdint>
#include <vector>

class CItem;

// The choice among alternates and options of one section (its item rows) or of the whole bid
// (its section rows). Entries are distinct alternate codes; within a group (the first two
// characters of the code, any case) one entry wins: the lower total, or with `byCode` the lower
// choice character; on a tie the earlier entry stays.
struct ChoiceRow {
    CItem* m_row = nullptr;
    // Section rows only: some item of the section has a valid extension.
    bool m_sectionHasPrices = false;
};

struct ChoiceOutcome {
    std::vector<uint8_t> m_counts; // per row, 1 when its value goes into the total
    bool m_chosenChanged = false;
};

// Chooses for one set of rows after another. It keeps its working memory from one set to the
// next: a recalculation chooses once per section, and allocating for each would cost more than
// the choosing.
class CAlternateChooser {
public:
    // Sets the chosen bit of every alternate row to whether it counts. The outcome stays valid
    // until the next call.
    const ChoiceOutcome& Choose(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid);

private:
    struct Entry {
        const CItem* m_first = nullptr; // the first row of the code
        double m_total = 0;
        bool m_priced = false;
    };

    void BuildEntries(const std::vector<ChoiceRow>& rows, bool wholeBid);
    void ChooseWinners(bool byCode);
    void ChooseInGroup(const int* first, const int* last, bool byCode);
    void MarkCounting(const std::vector<ChoiceRow>& rows);

    std::vector<int> m_alternates; // positions of the alternate and option rows
    std::vector<int> m_entryOf;    // per alternate row, its entry
    std::vector<Entry> m_entries;
    std::vector<int> m_groupOf;    // per entry, its group
    std::vector<int> m_groupStart; // entries of each group together, in entry order
    std::vector<int> m_byGroup;
    std::vector<int> m_groupFill;
    std::vector<int> m_sortBuffer; // for numbering keys
    ChoiceOutcome m_outcome;
};
