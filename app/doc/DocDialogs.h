#pragma once

// The shell's dialogs as the document asks them: each shown modally over the main window.
#include <functional>
#include <optional>
#include <string>

class CProp;

// The member of the library chosen by the user, extracted beside the library: its path. None
// when the user cancelled or chose nothing, or `accept` (when given) refused the member chosen;
// it is asked before anything is written or asked.
std::optional<std::string> ChooseLibraryMember(const std::string& libraryPath, const std::string& pattern,
                                               const std::string& title,
                                               std::function<bool(const std::string& member)> accept = {});
// What the amendments just applied changed, from the change log.
void ShowAmendmentChanges(CProp& prop);
// The messages of the Check Zod run just made.
void ShowBidErrors(CProp& prop);
// The bidder ID the user gives for the agency; none when cancelled (only with allowCancel).
std::optional<std::string> AskBidderID(const std::string& agency, bool allowCancel);
// Offers to copy the saved file to a removable medium; whether to offer it again next time.
bool OfferRemovableCopy(const std::string& savedPath);
