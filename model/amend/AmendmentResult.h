#pragma once

#include <string>

class CProp;

// Results of applying an amendment to a proposal, or of making one.
enum AmendmentResult {
    AMEND_NO_ERROR = 0,
    AMEND_ALREADY_APPLIED = 1,
    AMEND_OUT_OF_ORDER = 2,
    AMEND_NOT_AN_AMENDMENT = 3,
    AMEND_OTHER_PROPOSAL = 4,
    AMEND_UNKNOWN_ERROR = 5,
};

// The result's text; with asErrorLine as "Error: <text>\n". Codes outside the table read as
// "Unknown Error".
std::string GetAmendmentErrorText(int code, bool asErrorLine);

// Whether the amendment may be applied to the proposal: AMEND_NO_ERROR, or the refusal that
// CProp::ExchangeWithLog would give (not an amendment, another proposal, already applied, out of
// order). Nothing is changed: a caller can refuse before it asks the user anything.
int CheckAmendmentFits(const CProp& prop, const CProp& amendment);
