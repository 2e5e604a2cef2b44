#pragma once

#include "model/check/AlternateChoice.h"

#include <optional>
#include <string>
#include <string_view>

class CItem;
class CProp;
class CSite;
class CWinMeta;

// Recalculation of a proposal's totals. It never fails: a value that cannot be computed becomes
// the evaluator's invalid value, which every reader tests for.

// Extensions, sites, sections with their choice of alternates, the bid total and the DBE, MBE and
// WBE commitments. 1 when the set of chosen alternates changed, else 0.
int RecalcBidTotals(CProp* prop);

void RecalcItem(const CProp& prop, CItem& item);
// The decimals extensions are rounded to.
int ExtensionDecimals(const CProp& prop);
void RecalcSite(CSite& site);
// The section of any row; true when a chosen bit changed. Nothing without a section row.
bool RecalcSection(CProp& prop, int index);
// The total the recalculation gives a section from its rows (RowsOfSectionIn), choosing among their
// alternates and setting their chosen bits. The section row is left alone.
double ChooseSectionTotal(const CProp& prop, const std::vector<ChoiceRow>& rows, CAlternateChooser& chooser);
// Items total, time total, bid totals; true when a chosen bit of a section changed.
bool RecalcBidTotal(CProp& prop);
void CalcDbeCommitment(CProp& prop, int type);

// The choosers every recalculation uses, one for the items of a section and one for the sections:
// which rows form which groups then carries over from one price to the next.
CAlternateChooser& ReusedItemChooser();
CAlternateChooser& ReusedSectionChooser();

// The choice among the section rows (each knowing whether its section has a price) as the bid
// total makes it; sets their chosen bits.
const ChoiceOutcome& ChooseAmongSections(const CProp& prop, const std::vector<ChoiceRow>& sections,
                                         CAlternateChooser& chooser);

int FindSectionRow(const CProp& prop, int index);
int FindNextItem(const CProp& prop, int index, int step);
// Skipped (none) for an amendment.
std::optional<std::string> FindDuplicateLineNumber(const CProp& prop);

// Firm types 1 DBE, 2 MBE, 3 WBE.
bool IsDbeTypeActive(const CProp& prop, int type);
bool IsBidderDbe(const CProp& prop, int type);
CWinMeta* GetPropDbeForm(const CProp& prop, int type);
std::string_view GetDbeTypeName(int type);
std::string_view GetDbeItemTypeName(int type);
int IsDbeGoalMet(const CProp* prop, int type);

// Amount texts with the proposal's own currency symbol.
double ParseAmountText(const CProp* prop, std::string_view text, bool* valid, std::string* reason = nullptr);
double ParseCellAmount(const CProp* prop, std::string_view text);

// "%1" line number, "%2" alternate code, "%3" item number, "%4" quantity, "%5" unit, "%6" unit
// price, "%7" extension, "%8" short and "%9" long description.
std::string FormatItemText(std::string_view pattern, const CItem& item, const CProp& prop);
