#pragma once

// The texts of the proposal tree's nodes.
#include <string>

class CBidDoc;
class CProp;

std::string ProposalNodeText(const CBidDoc& doc);
std::string ScheduleNodeText(const CProp& prop);
std::string ItemNodeText(const CProp& prop, int row);
// Section and item groups and choices: "Alt Section Group AB", "Option Choice AB2", ...
std::string GroupNodeText(const CProp& prop, int nodeType, int row);
std::string SectionNodeText(const CProp& prop, int row);
std::string ListNodeText(const CProp& prop, int kind);
std::string FirmNodeText(const CProp& prop, int kind, int firm);
std::string FirmItemGridText(const CProp& prop, int kind);
// The item the firm item commits; empty when it names none.
std::string FirmItemNodeText(const CProp& prop, int kind, int index);
std::string MiscNodeText(const CProp& prop, int form);
std::string BondNodeText(const CProp& prop);
