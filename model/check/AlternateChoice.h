#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// Chooses for one set of rows after another. Which rows form which entries and groups follows
// from the rows' codes alone, and a price changes none: it is kept, and worked out again only
// when the alternate and option rows or their codes differ from the last set's.
class CAlternateChooser {
public:
    // Sets the chosen bit of every alternate row to whether it counts. The outcome stays valid
    // until the next call.
    const ChoiceOutcome& Choose(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid);
    // The counts had the last Choose been made with the value that row `changed` has now, every
    // other row as it was then: only the row's group chooses again, and no chosen bit changes.
    // The rows must be those of the last Choose.
    const std::vector<uint8_t>& CountsAfterChangeOf(const std::vector<ChoiceRow>& rows, size_t changed);

    // How many times any chooser has worked out which rows form which entries and groups.
    static int GroupingsWorkedOut();

private:
    struct Entry {
        double m_total = 0;
        bool m_priced = false;
    };

    bool GroupingHolds(const std::vector<ChoiceRow>& rows) const;
    void WorkOutGrouping(const std::vector<ChoiceRow>& rows);
    std::string_view CodeOf(size_t alternate) const;
    Entry TotalOfEntry(const std::vector<ChoiceRow>& rows, int entry) const;
    void ChooseWinners();
    int WinnerOf(int group) const;
    void MarkCounting(const std::vector<ChoiceRow>& rows);

    // The grouping of the last set of rows.
    size_t m_rowCount = 0;
    std::vector<int> m_alternates;   // positions of the alternate and option rows
    std::string m_codes;             // their codes, one after another
    std::vector<size_t> m_codeEnds;
    std::vector<int> m_entryOf;      // per alternate row, its entry
    std::vector<int> m_groupOf;      // per entry, its group
    std::vector<int> m_entryStart;   // the alternate rows of each entry together, in row order
    std::vector<int> m_byEntry;
    std::vector<int> m_groupStart;   // the entries of each group together, in entry order
    std::vector<int> m_byGroup;
    std::vector<int> m_sortBuffer;   // for numbering keys

    // The last choice.
    bool m_byCode = false;
    bool m_wholeBid = false;
    std::vector<Entry> m_entries;
    std::vector<uint8_t> m_wins;     // per entry
    ChoiceOutcome m_outcome;
    std::vector<uint8_t> m_changedCounts;
};
