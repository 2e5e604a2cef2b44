#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CProfileStore;

// The bidder's ID per agency, kept in "Bidder\IDS" as one value per agency code.
using CBidderIdList = std::vector<std::pair<std::string, std::string>>; // agency code, bidder ID

// Nothing when the agency has no ID (or an empty one).
std::optional<std::string> LookupBidderID(CProfileStore& store, std::string_view agency);
// The ID is stored in capitals. False when the store refused it (an agency code with a line
// break or '=' cannot be a value name).
bool SaveBidderIDs(CProfileStore& store, std::string_view agency, std::string_view bidderId);
// Removes the whole "Bidder\IDS" key; true when it is gone.
bool DeleteBidderIDs(CProfileStore& store);
// Every pair, in the store's order, however many there are.
CBidderIdList ReadBidderIDValues(CProfileStore& store);
// Replaces the stored pairs by the list, in list order.
void SaveBidderIDList(CProfileStore& store, const CBidderIdList& pairs);
