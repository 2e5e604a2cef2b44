#pragma once

#include "model/records/BidderInfo.h"
#include "model/settings/SettingsGroups.h"

#include <memory>

class CProfileStore;

// The contractor's own company: one program-wide record, null before the settings are loaded.
// The document sets its agency code and bidder ID; everything else comes from "Bidder".
CBidderInfo* GetBidderInfo();
// Replaces the record as a whole (null frees it); readers keep no pointer into the old one.
void SetBidderInfo(std::unique_ptr<CBidderInfo> info);

// A new record from "Bidder" (agency code and bidder ID empty). When "Name" is missing the record
// is named "Unknown" and, with DefaultsPolicy::Write, the group is written so.
void LoadBidderInfo(CProfileStore& store, DefaultsPolicy defaults);
// The program's record into "Bidder" (an empty text for an empty field); nothing without one.
void SaveBidderInfo(CProfileStore& store);
// Names the program's record "Unknown" and writes the group.
void SaveDefaultBidderInfo(CProfileStore& store);
