#pragma once

// The schedule of items as tab-separated lines for a spreadsheet: one line per item (section
// rows left out) of contract ID, line number, alternate, item number, quantity, unit, unit price,
// extension and short description, each line ended by CR LF. Numbers are in the proposal's
// formats and empty when not entered.
#include <string>

class CProp;

std::string ScheduleClipboardText(const CProp& prop);
// False when the clipboard did not take it.
bool CopyScheduleToClipboard(const CProp& prop);
