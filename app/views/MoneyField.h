#pragma once

// A money figure on a form shows whole, with its symbol: the field it is in grows to its text
// as a printed number does (a total cut at its left reads as another number).
#include <string_view>

class CWnd;

// The field shows the text, widened (its left edge kept) when the text needs more room.
void ShowMoney(CWnd* field, std::string_view text);
