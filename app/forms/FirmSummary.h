#pragma once

// The block under the DBE, MBE and WBE forms and lists that tells how much of the bid is
// committed to certified firms of the kind, and whether the agency's goal is met.
#include "app/forms/SummaryBlock.h"

class CProp;
class CWinMeta;

enum : UINT {
    IDC_FIRM_COMMITTED_PERCENT = 1104,
    IDC_FIRM_COMMITTED_AMOUNT = 1096,
    IDC_FIRM_GOAL_PERCENT = 1105,
    IDC_FIRM_GOAL_AMOUNT = 1099,
    IDC_FIRM_GOAL_STATUS = 1100,
    IDC_FIRM_NO_MORE_NEEDED = 1118,
};

// The labels of the block's two rows: the form's own, or the kind's name with " total entered:"
// and " Goal:".
std::string FirmSummaryFirstLabel(const CWinMeta* form, int firmType);
std::string FirmSummarySecondLabel(const CWinMeta* form, int firmType);

void BuildFirmSummary(CWnd* window, CreatedWindows& created, CFont* font, int cx, int cy, int firmType,
                      const CProp* prop);
// Recomputes the kind's commitment and shows it against the goal.
void RefreshFirmSummary(CWnd* window, CProp* prop, int firmType);
void LayoutFirmSummary(CWnd* window, int top, int minWidth, int contentWidth);
int GetFirmSummaryBottom(CWnd* window);
int GetFirmSummaryHeight(CWnd* window);
