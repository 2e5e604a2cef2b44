#pragma once

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
    std::vector<bool> m_counts; // per row: its value goes into the total
    bool m_chosenChanged = false;
};

// Sets the chosen bit of every alternate row to whether it counts.
ChoiceOutcome ChooseAlternates(const std::vector<ChoiceRow>& rows, bool byCode, bool wholeBid);
