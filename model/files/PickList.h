#pragma once

#include <string>
#include <string_view>

class CFieldInfo;
class CProp;
class CSAStringArray;
class CWinMeta;

// Pick lists of agency form fields. A field names its list in its text: a list the proposal
// carries (field flag bit 0), else a list file beside the last opened proposal or beside the
// program. Files are read once per proposal and kept in its second map of lists, keyed by path.

// The selector (CProp::GetPickList) of the lists read from files: they are kept apart from the
// agency's lists, which a saved bid carries and amendments compare.
inline constexpr int kFilePickLists = 1;

// The proposal file opened last; the document sets it when it opens one.
void SetLastProposalPath(std::string path);
const std::string& GetLastProposalPath();

// The field's list, or null (with the reason in error when the list has a file that cannot be
// read). Null without an error for a missing proposal or field, or a blank list name.
CSAStringArray* GetPickList(CProp* prop, const CWinMeta* form, const CFieldInfo* field,
                            std::string* error);

// The full path of a list file, its name matched without regard to case: in the folder of the
// last opened proposal, else in the program's folder; empty when neither has it. A name with a
// folder in it, or "..", is no list file name and is never looked for.
std::string FindPickListFile(std::string_view name);

// Read a list file into a new list of the proposal under the key. Null when the file cannot be
// opened ("Cannot open the file '%s'"); a damaged ".BIN" file gives the entries before the damage
// and says so in error.
CSAStringArray* LoadBinPickList(CProp& prop, const std::string& path, std::string_view key,
                                std::string* error);
CSAStringArray* LoadTextPickList(CProp& prop, const std::string& path, std::string_view key,
                                 std::string* error);

inline constexpr int FIRM_MBE_OR_WBE = 4;

// 1 when the bidder's ID is one of the firm IDs listed by the first field of the DBE, MBE or WBE
// form (FIRM_MBE_OR_WBE: of either); it needs the proposal's firm-forms flag and a first field
// of kind 6 or 7, whose first and last list columns hold the firm ID.
int IsBidderCertified(CProp* prop, int firmType, std::string* error);
