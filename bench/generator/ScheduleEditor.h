#pragma once

#include "model/amend/FirmItemFollower.h"

#include <memory>
#include <string>
#include <vector>

class CGeneratorRandom;
class CItem;
class CProp;

// Edits of a proposal's schedule as the agency makes them for a new edition. Rows removed or
// inserted move the firm item entries with their items, as applying the amendment does on the
// bidder's side; so that both sides agree to the last index, make every deletion before the
// first insertion, and insert in the order of the rows' final places.
class CScheduleEditor {
public:
    CScheduleEditor(CProp& prop, CGeneratorRandom& random);

    // Up to `count` different rows that are plain measured items (no section, lump-sum,
    // fixed-price, alternate or option row), in random order.
    std::vector<int> PickPlainItems(int count);

    void DeleteRow(int index);
    // A new row holds no price of the bidder's, only a fixed price of the agency's.
    void InsertRow(int index, std::unique_ptr<CItem> row);

    // A line number between row `index` and the next row of the list; empty when there is
    // none free.
    std::string LineAfter(int index) const;

    // Scales the item's quantity by a factor of 0.7 to 1.3, to a different whole number; the
    // revised row holds no price.
    void ReviseQuantity(int index);

private:
    CProp& m_prop;
    CGeneratorRandom& m_random;
    CFirmItemFollower m_follower;
};
