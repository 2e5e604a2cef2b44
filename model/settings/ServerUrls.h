#pragma once

#include <string>
#include <vector>

class CProfileStore;
class CProp;

// The maker's servers, for a user who has stored none.
inline constexpr const char* kDefaultBidServerUrl = "http://bids.tarvello.example/cgi-bin/tarvello";
inline constexpr const char* kDefaultBondServerUrl = "http://bonds.tarvello.example/cgi-bin/tarvello";

// Where a bid is posted, in the order to try: "URL99", else "URL509", alone when stored (an
// override); else the proposal's submit URLs that are not blank; without a proposal the stored
// "URL0" to "URL7".
std::vector<std::string> GetBidServerURLs(CProfileStore& store, const CProp* prop);
// Where a bond is checked: "URL88" alone when stored; else the proposal's bond check URLs that
// are not blank and then the default bond server; without a proposal nothing.
std::vector<std::string> GetBondServerURLs(CProfileStore& store, const CProp* prop);
// Stores the default bid server as "URL0" when no bid server is stored.
void InitServerURLs(CProfileStore& store);
