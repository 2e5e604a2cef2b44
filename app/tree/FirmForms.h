#pragma once

// The DBE, MBE and WBE firm forms as the tree, the menus and the firm commands read them.
#include <string>

class CProp;
class CWinMeta;

// Firm kinds: 1 DBE, 2 MBE, 3 WBE.
inline constexpr int kFirmKinds[] = {1, 2, 3};

// The kind's form when the proposal carries it; null otherwise.
CWinMeta* ActiveFirmForm(const CProp& prop, int kind);
// The kind's form is there and records the items committed by each firm.
bool RecordsFirmItems(const CProp& prop, int kind);

// The form's texts after its title: the list's title, the title of a firm's items, the name of
// a firm of the kind ("DBE") and of one committed item. Empty when the agency gave none.
const std::string& FormListTitle(const CWinMeta& form);
const std::string& FormItemTitle(const CWinMeta& form);
const std::string& FormFirmName(const CWinMeta& form);
const std::string& FormItemName(const CWinMeta& form);

// The form has a field for the firm's name.
bool HasFirmNameField(const CWinMeta& form);
// The name in firm row `row`, or "<Unknown>" when it has none.
std::string FirmNameOf(const CWinMeta& form, int row);
