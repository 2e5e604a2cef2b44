#pragma once

#include <cstdint>

class CItem;
class CProp;

// Check Zod: every rule a bid must meet before it is printed or submitted. Fills the bid error
// list (model/BidErrors.h) and leaves status flags on the proposal, its sites and forms, and a
// check word per row.

// Bits of a row's check word.
enum : int {
    CHECK_CHOICE_REPORTED = 0,
    CHECK_GROUP_REPORTED = 1,
    CHECK_FULLY_BID = 2,
    CHECK_PARTLY_BID = 3,       // a section row
    CHECK_CHOICE_FULLY_BID = 4,
    CHECK_CHOICE_PARTLY_BID = 5,
    CHECK_GROUP_CORRECT = 6,
    CHECK_GROUP_WRONG = 7,
    CHECK_IDENTICAL_ITEM = 11,  // an identical earlier item has another unit price
};

// 1 when the run found no errors. Without a proposal or a bidder ID nothing is checked (0); the
// previous run's messages and status flags are cleared so that none of them is taken for this
// proposal's.
int CheckBid(CProp* prop, bool record);

// The check word that the last run left on row `index` of the proposal (CItem::m_wCheck); 0 for
// a row that no run has checked since it was made, or past the end of the list.
uint16_t GetItemCheckWord(const CProp& prop, int index);

// Same item number, both extensions valid, and the fields the proposal's identity flags select
// equal (bit 0 short description, 1 long description, 2 fixed-price flag, 3 alternate code,
// 4 lump-sum flag).
bool IsSameItem(const CItem& a, const CItem& b, const CProp& prop);

// x to the integer power n by repeated squaring; a negative n gives 1 over the power.
double PowInt(double x, int n);
