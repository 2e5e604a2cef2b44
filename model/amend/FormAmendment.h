#pragma once

class CProp;

// Applying an amendment to the agency's forms of a proposal: the DBE, MBE and WBE information
// forms, the miscellaneous forms and the bond form, each logged once by its label. Afterwards
// every miscellaneous form, and the bond form, has at least one row for the bidder to fill.
void ExchangeAgencyForms(CProp& prop, CProp& amendment);
