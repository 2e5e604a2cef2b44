#pragma once

// The bidder's company details (name, address, phones, e-mail) in the edits 300 to 309 that the
// bidder ID dialog and the options sheet's company page both carry.
class CWnd;

// Fills the edits from the global bidder record, with their length limits.
void FillBidderDetails(CWnd& dialog);
// Stores the edits into the global bidder record (made when there is none, so nothing typed is
// lost) and into the settings.
void StoreBidderDetails(const CWnd& dialog);
